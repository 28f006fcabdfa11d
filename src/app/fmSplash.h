#pragma once

#include "app/VersionInfo.h"
#include "app/utThemeSupport.h"

#include <QPointer>

class QLabel;
class QProgressBar;

// The window shown while start-up creates the data modules: program titles
// from the version block over a picture, and a progress line.
class TfrmSplash : public TNrvStartupForm {
  Q_OBJECT

 public:
  explicit TfrmSplash(QWidget* parent = nullptr);

  QString FileName() const { return FFileName; }
  void SetFileName(const QString& value);
  QString ModuleName() const { return FModuleName; }
  void SetModuleName(const QString& value);
  QString ProgramGroup() const { return FProgramGroup; }
  void SetProgramGroup(const QString& value);
  int MaxSteps() const { return FMaxSteps; }
  void SetMaxSteps(int value) { FMaxSteps = value; }

  // Takes one step of `iMax` and shows "Initializing [caption]...".
  void PrimaryStepIt(int iMax, const QString& sCaption);
  void PrimaryStepIt(const QString& sCaption);

  int xiPrimaryStepCnt = 0;

  QLabel* imgSplash = nullptr;
  QLabel* lblPROGRAM_GROUP = nullptr;
  QLabel* lblMODULE_NAME = nullptr;
  QLabel* lblVERSION_NO = nullptr;
  QLabel* lblPrimaryCaption = nullptr;
  QProgressBar* pbarPrimary = nullptr;
  TVersionInfo RzVersionInfo;

 private:
  void FormCreate();

  QString FFileName;
  QString FModuleName;
  QString FProgramGroup;
  int FMaxSteps = 10;
};

// Lives from the first moment of start-up until the main window's creation
// handler destroys it.
extern QPointer<TfrmSplash> frmSplash;

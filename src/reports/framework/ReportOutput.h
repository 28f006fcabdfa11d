#pragma once

#include <QString>
#include <QStringList>

struct TReportDocument;

// Where a printed layout goes. The window shows the modal preview; headless
// runs write the file named on the command line; tests keep the pages.
class IReportOutput {
 public:
  virtual ~IReportOutput() = default;
  // Called once per printed layout, after its pages are generated; returns
  // when the user has closed the preview or the file is written.
  virtual void Deliver(const TReportDocument& document) = 0;
};

// The output in force; the preview until something else is installed.
IReportOutput& ReportOutput();
// Installs an output (not owned; nullptr restores the preview).
void SetReportOutput(IReportOutput* output);

class TReportOutputScope {
 public:
  explicit TReportOutputScope(IReportOutput& output);
  ~TReportOutputScope();
  TReportOutputScope(const TReportOutputScope&) = delete;
  TReportOutputScope& operator=(const TReportOutputScope&) = delete;

 private:
  IReportOutput* FPrevious;
};

// Writes each delivered report to one file whose extension picks the device:
// .pdf, .txt, .csv, .xlsx, .png (one picture per page). A run that prints
// several layouts numbers the later files "<name>_2.<ext>" and on.
class TFileReportOutput : public IReportOutput {
 public:
  explicit TFileReportOutput(QString fileName);

  // Whether the extension names a device; the message for the user if not.
  static bool IsSupported(const QString& fileName, QString* message = nullptr);
  static QStringList Extensions();

  void Deliver(const TReportDocument& document) override;
  // Files written so far.
  const QStringList& Written() const { return FWritten; }

 private:
  QString NextFileName() const;

  QString FFileName;
  QStringList FWritten;
  int FDelivered = 0;
};

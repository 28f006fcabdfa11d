#pragma once

#include <QDialog>

class QDialogButtonBox;
class QGridLayout;
class QLineEdit;
class QVBoxLayout;
class TParameterDialogModel;
class TPickerValue;

// The frame every parameter dialog view shares: centred, modal, OK (default,
// Enter) and Cancel (Escape). OK copies the controls into the model and runs
// the model's checks, which show their message and keep the dialog open.
class TfrmParameterDialog : public QDialog {
  Q_OBJECT
 public:
  TfrmParameterDialog(TParameterDialogModel& model, QWidget* parent = nullptr);

  // Shows the dialog on its model: BeginShow, the controls from the model,
  // then modal. True for OK.
  bool Execute();

  void accept() override;
  void reject() override;

  QDialogButtonBox* Buttons() const { return FButtons; }

 protected:
  // Model to controls, and controls to model.
  virtual void Push() = 0;
  virtual void Pull() = 0;

  QVBoxLayout* Body() const { return FBody; }
  // A line edit for a picker; Backspace on an edit that should clear at
  // once can use ClearOnBackspace.
  static QLineEdit* PickerEdit(QWidget* parent, const QString& objectName);
  static void ClearOnBackspace(QLineEdit* edit);

 private:
  TParameterDialogModel& FModel;
  QVBoxLayout* FBody;
  QDialogButtonBox* FButtons;
};

#pragma once

#include "app/ChoiceDialogLayout.h"

#include <QDialog>
#include <QStringList>

#include <vector>

class QLabel;
class QPushButton;

// The choice dialog: the message above a row of buttons laid out right to left
// in the order given. exec() returns the 1-based number of the button pressed,
// 0 when it is dismissed with Esc.
class TfrmChoiceDialog : public QDialog {
  Q_OBJECT

 public:
  TfrmChoiceDialog(const QString& caption, const QString& text, const QStringList& buttons,
                   QWidget* parent = nullptr);

  QLabel* lblMessage = nullptr;
  std::vector<QPushButton*> Buttons;  // Buttons[k - 1] answers k

  const TChoiceDialogLayout& Layout() const { return FLayout; }

 private:
  TChoiceDialogLayout FLayout;
};

// Flags of the two small message windows: a title bar without a system menu
// or close box, above other windows.
Qt::WindowFlags MessageWindowFlags();
// Centres a window on the screen it belongs to.
void CentreOnScreen(QWidget* window);

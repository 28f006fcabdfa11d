#pragma once

#include <QWidget>

class QFrame;
class QLabel;

// The small borderless "Working..." window shown while a long report is being
// prepared; used only through TBusyDisplay. While it is shown the cursor is
// the hourglass.
class TfrmWorkingMessageForm : public QWidget {
  Q_OBJECT

 public:
  explicit TfrmWorkingMessageForm(QWidget* owner = nullptr);
  ~TfrmWorkingMessageForm() override;

  QFrame* pnlFrame = nullptr;  // the medium-grey frame
  QFrame* pnlInner = nullptr;  // the lowered panel inside it
  QLabel* lblWorking = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void RestoreCursor();

  bool FHourglass = false;
};

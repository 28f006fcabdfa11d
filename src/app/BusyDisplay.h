#pragma once

#include <QPointer>
#include <QWidget>

class TfrmWorkingMessageForm;

// The floating "Working..." window for long preparations: shown centred over
// the window it belongs to and above every other window, hidden again when the
// work is done or the display goes out of scope.
class TBusyDisplay {
 public:
  explicit TBusyDisplay(QWidget* AOwner);
  ~TBusyDisplay();
  TBusyDisplay(const TBusyDisplay&) = delete;
  TBusyDisplay& operator=(const TBusyDisplay&) = delete;

  void Show();
  void Hide();

  TfrmWorkingMessageForm* WorkingMessageForm() const { return FWorkingMessageForm; }

 private:
  QPointer<QWidget> FOwner;
  // Owned here, but parented to the owner's window so it stays above it; the
  // pointer clears itself if the owner takes it down first.
  QPointer<TfrmWorkingMessageForm> FWorkingMessageForm;
};

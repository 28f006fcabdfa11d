#pragma once

#include <QProgressBar>

// A progress bar that advances by a fixed step, as the start-up and busy
// displays drive it ("step it once").
class TStepProgressBar : public QProgressBar {
  Q_OBJECT

 public:
  explicit TStepProgressBar(QWidget* parent = nullptr);

  int Step() const { return FStep; }
  void SetStep(int value) { FStep = value; }

  // Advances by Step, stopping at the maximum: a bar stepped past its end
  // stays full instead of starting over.
  void StepIt();

 private:
  int FStep = 10;
};

#include "app/StepProgressBar.h"

#include <algorithm>

TStepProgressBar::TStepProgressBar(QWidget* parent) : QProgressBar(parent) {}

void TStepProgressBar::StepIt() {
  setValue(std::clamp(value() + FStep, minimum(), maximum()));
}

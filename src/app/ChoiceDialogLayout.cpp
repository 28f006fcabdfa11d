#include "app/ChoiceDialogLayout.h"

#include <algorithm>

namespace {

constexpr int kStandardWidth = 450;
constexpr int kMargin = 10;
constexpr int kButtonHeight = 25;
constexpr int kButtonsAboveBottom = 35;

// Label and height for a window whose width is already fixed.
void PlaceMessage(TChoiceDialogLayout& layout, int messageWidth, int lineHeight, int nonClientWidth,
                  int nonClientHeight) {
  layout.ClientWidth = std::max(1, layout.Width - nonClientWidth);
  layout.Lines = 3;
  if (messageWidth > layout.ClientWidth) layout.Lines += messageWidth / layout.ClientWidth;
  const int labelHeight = layout.Lines * lineHeight;
  layout.Message = QRect(kMargin, kMargin, layout.ClientWidth - 2 * kMargin, labelHeight);
  layout.Height = labelHeight + 4 * lineHeight + 22;
  layout.ClientHeight = layout.Height - nonClientHeight;
}

}  // namespace

TChoiceDialogLayout ComputeChoiceDialogLayout(const TChoiceDialogMetrics& metrics) {
  const int n = std::max(0, metrics.ButtonCount);
  const int b = metrics.ButtonWidth;
  const int highIndex = n - 1;
  const int needed = n * (b + 10) + highIndex * 10 + 20;

  TChoiceDialogLayout layout;
  layout.Width = metrics.MessageWidth < needed ? needed : std::max(kStandardWidth, needed);
  PlaceMessage(layout, metrics.MessageWidth, metrics.LineHeight, metrics.NonClientWidth,
               metrics.NonClientHeight);
  for (int k = 1; k <= n; ++k)
    layout.Buttons.emplace_back(layout.Width - k * (b + 20),
                                layout.ClientHeight - kButtonsAboveBottom, b + 10, kButtonHeight);
  return layout;
}

TChoiceDialogLayout ComputeTimedMessageLayout(int messageWidth, int lineHeight, int nonClientWidth,
                                              int nonClientHeight) {
  TChoiceDialogLayout layout;
  layout.Width = kStandardWidth;
  PlaceMessage(layout, messageWidth, lineHeight, nonClientWidth, nonClientHeight);
  return layout;
}

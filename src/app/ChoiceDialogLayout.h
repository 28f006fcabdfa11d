#pragma once

#include <QRect>

#include <vector>

// Sizes and places the choice dialog and the timed message from measured
// text, so that the rule can be checked without a screen.

struct TChoiceDialogMetrics {
  int MessageWidth = 0;  // the message measured as one line, in pixels
  int LineHeight = 0;    // one line of text
  int ButtonWidth = 0;   // the widest button caption
  int ButtonCount = 0;
  // What the window has around its client area; 0 where the window system
  // draws the frame outside the given size.
  int NonClientWidth = 0;
  int NonClientHeight = 0;
};

struct TChoiceDialogLayout {
  int Width = 0;  // of the window
  int Height = 0;
  int ClientWidth = 0;
  int ClientHeight = 0;
  int Lines = 0;  // text lines the message label is high
  QRect Message;
  std::vector<QRect> Buttons;  // Buttons[k - 1] is button k, the first the rightmost
};

// Window width: exactly what the buttons need, N x (B + 10) + (N - 1) x 10 + 20,
// when the message fits in it on one line, otherwise at least 450. The label
// at (10, 10) is three lines high, plus one line per whole client width the
// message spans when it is wider than the client area; the window is that
// plus four lines plus 22 high. Button k is B + 10 by 25 pixels, its left edge
// at width - k x (B + 20), 35 pixels above the bottom of the client area.
TChoiceDialogLayout ComputeChoiceDialogLayout(const TChoiceDialogMetrics& metrics);

// The timed message: 450 pixels wide, label and height by the same rule.
TChoiceDialogLayout ComputeTimedMessageLayout(int messageWidth, int lineHeight,
                                              int nonClientWidth = 0, int nonClientHeight = 0);

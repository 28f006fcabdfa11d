#pragma once

#include "reports/engine/ReportDocument.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include <vector>

struct TTextStyle {
  QFont Font;
  QColor Color = Qt::black;
  QColor Background;  // invalid: transparent
  Qt::Alignment Alignment = Qt::AlignLeft | Qt::AlignTop;
  bool WordWrap = false;
  bool AutoSize = false;  // the box widens (or narrows) to the text
};

// Lays a text out in a box at the engine's fixed resolution. A single-line
// text wider than its box is cut at the box edge (unless AutoSize); a
// wrapped text prints as many lines as it needs from the top of the box.
TTextCommand LayoutText(const TTextStyle& style, const QString& text, const QRect& box,
                        const TSaveInfo& save);

// Height of a wrapped text, and the positions between its lines (from its
// top) where a page may break.
int WrappedTextHeight(const TTextStyle& style, const QString& text, int widthUm,
                      std::vector<int>* breaks);

// Lines of a single-line text centred (or aligned) under a box, for bar code
// captions.
std::vector<TTextLine> LayoutCaption(const QFont& font, const QString& text, const QRect& box,
                                     Qt::Alignment alignment);

TSaveAlign SaveAlignOf(Qt::Alignment alignment);

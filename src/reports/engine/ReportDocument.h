#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QMargins>
#include <QPageLayout>
#include <QPageSize>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QString>

#include <type_traits>
#include <variant>
#include <vector>

// The device-independent result of generating a report: pages of draw
// commands. Every device (preview, printer, PDF, PNG, text file, XLSX,
// redaction) renders from this and nothing else, so they all show the same
// layout.
//
// All geometry is in micrometres from the top-left corner of the paper.
// Font sizes are the design point sizes. Text has already been measured and
// broken into lines at the engine's fixed resolution; devices place each
// line at its given origin and never re-break text.

// Where a text sits in the saved text file and how it is padded there.
enum class TSaveAlign : quint8 { Left, Right, Center };

// Kept small: long reports carry one per text.
struct TSaveInfo {
  bool Save = false;    // the band and the component are both marked to be saved
  bool IsMemo = false;  // Text holds the memo's whole text
  TSaveAlign Alignment = TSaveAlign::Left;
  qint16 ReportSaveNo = 0;
  qint16 BandSaveNo = 0;
  qint16 ColumnSaveNo = 0;
  qint16 ComponentSaveNo = 0;
  qint16 SaveLength = 0;  // width in characters in fixed-length files
  int RowSaveNo = 0;      // one per printed band instance; equal numbers form one output line
};

// One printed line of a text: its characters and the start of its baseline.
struct TTextLine {
  QString Text;
  QPointF Origin;  // micrometres, left end of the baseline
};

struct TTextCommand {
  QRect Box;     // the component's printed box, micrometres
  QString Text;  // the whole text (memo text for memos), for the file devices
  QFont Font;
  QColor Color = Qt::black;
  QColor Background;  // invalid: transparent
  Qt::Alignment Alignment = Qt::AlignLeft | Qt::AlignTop;
  bool WordWrap = false;
  // The laid-out lines. Empty only in commands built by hand; devices then
  // draw Text inside Box with Alignment.
  std::vector<TTextLine> Lines;
  TSaveInfo Save;

  // QFont's move is not declared noexcept; saying so here lets pages of
  // commands grow by moving rather than copying.
  TTextCommand() = default;
  TTextCommand(const TTextCommand&) = default;
  TTextCommand(TTextCommand&&) noexcept = default;
  TTextCommand& operator=(const TTextCommand&) = default;
  TTextCommand& operator=(TTextCommand&&) noexcept = default;
};

enum class TLineStyle { Solid, Double, Dotted, Dashed, DashDot };

struct TPenInfo {
  TLineStyle Style = TLineStyle::Solid;
  int WidthUm = 265;  // 0.75 pt; 0 draws nothing
  QColor Color = Qt::black;
};

// A straight line. A double line is two strokes of WidthUm, one WidthUm
// either side of the path, so it covers three widths.
struct TLineCommand {
  QPoint From;
  QPoint To;
  TPenInfo Pen;
};

enum class TShapeKind { Rectangle, RoundRect, Ellipse };

struct TShapeCommand {
  TShapeKind Kind = TShapeKind::Rectangle;
  QRect Box;
  TPenInfo Pen;
  QColor BrushColor = Qt::white;
  Qt::BrushStyle BrushStyle = Qt::NoBrush;  // solid or one of the hatch patterns
  int CornerRadiusUm = 0;                   // RoundRect only
};

// A picture whose stretch, aspect and centring have been resolved: Image is
// drawn into Target exactly, clipped to Box.
struct TImageCommand {
  QRect Box;
  QRectF Target;
  QImage Image;
};

enum class TCheckStyle { Tick, Cross };

struct TCheckBoxCommand {
  QRect Box;
  bool Checked = false;
  TCheckStyle Style = TCheckStyle::Tick;
  QColor Color = Qt::black;
  int PenWidthUm = 265;
};

// A bar code already encoded: filled rectangles plus the optional
// human-readable text lines under it.
struct TBarcodeCommand {
  QRect Box;
  QString Data;  // the encoded value, for the file devices
  std::vector<QRectF> Bars;
  std::vector<TTextLine> HumanText;
  QFont Font;
  QColor Color = Qt::black;

  TBarcodeCommand() = default;
  TBarcodeCommand(const TBarcodeCommand&) = default;
  TBarcodeCommand(TBarcodeCommand&&) noexcept = default;
  TBarcodeCommand& operator=(const TBarcodeCommand&) = default;
  TBarcodeCommand& operator=(TBarcodeCommand&&) noexcept = default;
};

// A piece of rich text laid out at the engine's resolution: one run per
// change of character format within a line.
struct TTextRun {
  QString Text;
  QPointF Origin;  // baseline start, micrometres
  QFont Font;
  QColor Color = Qt::black;
};

struct TRichTextCommand {
  QRect Box;
  QString PlainText;  // for the file devices
  std::vector<TTextRun> Runs;
  TSaveInfo Save;
};

// Commands move without copying (see TTextCommand).
using TDrawCommand = std::variant<TTextCommand, TLineCommand, TShapeCommand, TImageCommand,
                                  TCheckBoxCommand, TBarcodeCommand, TRichTextCommand>;

static_assert(std::is_nothrow_move_constructible_v<TDrawCommand>);

struct TReportPage {
  int WidthUm = 215900;  // Letter
  int HeightUm = 279400;
  QPageLayout::Orientation Orientation = QPageLayout::Portrait;  // Width/Height already swapped
  int AbsolutePageNo = 1;                                        // 1-based position in the document
  int PageNo = 1;     // as printed: restarts where a group resets page numbers
  int PageCount = 1;  // pages of this page's page set
  std::vector<TDrawCommand> Commands;
};

struct TReportDocument {
  QString Title;
  QPageSize PageSize = QPageSize(QPageSize::Letter);
  QPageLayout::Orientation Orientation = QPageLayout::Portrait;
  QMarginsF MarginsMm;  // the layout's margins, for devices that ask
  std::vector<TReportPage> Pages;
};

// Micrometre helpers shared by the engine and the devices.
namespace Um {
constexpr int FromMm(double mm) {
  return static_cast<int>(mm * 1000.0 + (mm >= 0 ? 0.5 : -0.5));
}
constexpr int FromInch(double inch) {
  return FromMm(inch * 25.4);
}
constexpr int FromPt(double pt) {
  return FromMm(pt * 25.4 / 72.0);
}
constexpr double ToPt(double um) {
  return um * 72.0 / 25400.0;
}
}  // namespace Um

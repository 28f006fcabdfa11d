#include "reports/engine/DrawCommandUtil.h"

#include <QStringList>

#include <algorithm>

namespace {

struct TTranslator {
  int Dx;
  int Dy;
  void Move(QRect& r) const { r.translate(Dx, Dy); }
  void Move(QRectF& r) const { r.translate(Dx, Dy); }
  void Move(QPoint& p) const { p += QPoint(Dx, Dy); }
  void Move(QPointF& p) const { p += QPointF(Dx, Dy); }
  void Move(std::vector<TTextLine>& lines) const {
    for (TTextLine& line : lines) Move(line.Origin);
  }

  void operator()(TTextCommand& c) const {
    Move(c.Box);
    Move(c.Lines);
  }
  void operator()(TLineCommand& c) const {
    Move(c.From);
    Move(c.To);
  }
  void operator()(TShapeCommand& c) const { Move(c.Box); }
  void operator()(TImageCommand& c) const {
    Move(c.Box);
    Move(c.Target);
  }
  void operator()(TCheckBoxCommand& c) const { Move(c.Box); }
  void operator()(TBarcodeCommand& c) const {
    Move(c.Box);
    for (QRectF& bar : c.Bars) Move(bar);
    Move(c.HumanText);
  }
  void operator()(TRichTextCommand& c) const {
    Move(c.Box);
    for (TTextRun& run : c.Runs) Move(run.Origin);
  }
};

struct TExtent {
  int Top;
  int Bottom;
};

TExtent ExtentOf(const TDrawCommand& command) {
  return std::visit(
      [](const auto& c) -> TExtent {
        using T = std::decay_t<decltype(c)>;
        if constexpr (std::is_same_v<T, TLineCommand>) {
          const int half =
              c.Pen.Style == TLineStyle::Double ? c.Pen.WidthUm * 3 / 2 : c.Pen.WidthUm / 2;
          return {std::min(c.From.y(), c.To.y()) - half, std::max(c.From.y(), c.To.y()) + half};
        } else {
          return {c.Box.top(), c.Box.top() + c.Box.height()};
        }
      },
      command);
}

// Moves the lines of a text whose baseline lies below y into a copy for
// the next part. Returns false when every line stays above.
template <typename TLines, typename TOriginOf>
bool SplitLines(TLines& lines, int y, TLines& rest, TOriginOf originOf) {
  auto firstBelow = std::find_if(lines.begin(), lines.end(),
                                 [&](const auto& line) { return originOf(line).y() > y; });
  if (firstBelow == lines.end()) return false;
  rest.assign(std::make_move_iterator(firstBelow), std::make_move_iterator(lines.end()));
  lines.erase(firstBelow, lines.end());
  return true;
}

}  // namespace

void TranslateCommand(TDrawCommand& command, int dx, int dy) {
  std::visit(TTranslator{dx, dy}, command);
}

void TranslateCommands(std::vector<TDrawCommand>& commands, int dx, int dy) {
  if (dx == 0 && dy == 0) return;
  const TTranslator t{dx, dy};
  for (TDrawCommand& c : commands) std::visit(t, c);
}

int CommandTop(const TDrawCommand& command) {
  return ExtentOf(command).Top;
}
int CommandBottom(const TDrawCommand& command) {
  return ExtentOf(command).Bottom;
}

void SplitCommands(std::vector<TDrawCommand>& commands, int y, std::vector<TDrawCommand>& below) {
  std::vector<TDrawCommand> above;
  above.reserve(commands.size());
  for (TDrawCommand& command : commands) {
    const TExtent e = ExtentOf(command);
    if (e.Bottom <= y || (e.Top < y && !std::holds_alternative<TTextCommand>(command) &&
                          !std::holds_alternative<TRichTextCommand>(command))) {
      above.push_back(std::move(command));
      continue;
    }
    if (e.Top >= y) {
      TranslateCommand(command, 0, -y);
      below.push_back(std::move(command));
      continue;
    }
    // A text that straddles the cut: its lines divide.
    if (auto* text = std::get_if<TTextCommand>(&command)) {
      TTextCommand rest = *text;
      rest.Lines.clear();
      if (!SplitLines(text->Lines, y, rest.Lines,
                      [](const TTextLine& l) -> const QPointF& { return l.Origin; })) {
        above.push_back(std::move(command));
        continue;
      }
      // Each part carries the text of its own lines, for the file devices.
      auto join = [](const std::vector<TTextLine>& lines) {
        QStringList parts;
        for (const TTextLine& l : lines) parts << l.Text;
        return parts.join(QLatin1Char('\n'));
      };
      text->Text = join(text->Lines);
      rest.Text = join(rest.Lines);
      const int bottom = text->Box.bottom() + 1;
      text->Box.setBottom(y - 1);
      rest.Box.setTop(y);
      rest.Box.setBottom(bottom - 1);
      TDrawCommand restCommand(std::move(rest));
      TranslateCommand(restCommand, 0, -y);
      if (!text->Lines.empty()) above.push_back(std::move(command));
      below.push_back(std::move(restCommand));
      continue;
    }
    auto& rich = std::get<TRichTextCommand>(command);
    TRichTextCommand rest = rich;
    rest.Runs.clear();
    if (!SplitLines(rich.Runs, y, rest.Runs,
                    [](const TTextRun& r) -> const QPointF& { return r.Origin; })) {
      above.push_back(std::move(command));
      continue;
    }
    const int bottom = rich.Box.bottom() + 1;
    rich.Box.setBottom(y - 1);
    rest.Box.setTop(y);
    rest.Box.setBottom(bottom - 1);
    TDrawCommand restCommand(std::move(rest));
    TranslateCommand(restCommand, 0, -y);
    if (!rich.Runs.empty()) above.push_back(std::move(command));
    below.push_back(std::move(restCommand));
  }
  commands = std::move(above);
}

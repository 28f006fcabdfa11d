#include "reports/engine/RtfReader.h"

#include <QColor>
#include <QHash>
#include <QStringDecoder>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <vector>

namespace {

// Windows-1252 for \'hh escapes: the suite's editors write that code page.
QChar Cp1252(unsigned char byte) {
  static const char16_t high[32] = {0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
                                    0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};
  if (byte >= 0x80 && byte < 0xA0) return QChar(high[byte - 0x80]);
  return QChar(byte);
}

struct TRtfState {
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  bool Strike = false;
  int HalfPoints = 0;  // 0: the base font's size
  int FontIndex = -1;
  int ColorIndex = 0;
  int UnicodeSkip = 1;
  bool Skip = false;  // inside a destination that prints nothing
  enum { Text, FontTable, ColorTable } Destination = Text;
  Qt::Alignment Align = Qt::AlignLeft;
};

class TRtfParser {
 public:
  TRtfParser(const QByteArray& data, QTextDocument* document, const QFont& baseFont)
      : FData(data), FDocument(document), FBaseFont(baseFont) {
    if (FDocument) {
      FDocument->clear();
      FDocument->setDefaultFont(baseFont);
      FCursor = QTextCursor(FDocument);
    }
  }

  void Run() {
    FStack.push_back(TRtfState());
    while (FPos < FData.size()) {
      const char c = FData[FPos];
      if (c == '{') {
        ++FPos;
        FlushText();
        FStack.push_back(FStack.back());
      } else if (c == '}') {
        ++FPos;
        FlushText();
        EndGroup();
        if (FStack.size() > 1) FStack.pop_back();
      } else if (c == '\\') {
        ++FPos;
        ControlWord();
      } else if (c == '\r' || c == '\n') {
        ++FPos;  // line breaks in the source are not text
      } else {
        ++FPos;
        AddChar(QChar::fromLatin1(c));
      }
    }
    FlushText();
  }

  QString Plain() const { return FPlain; }

 private:
  TRtfState& State() { return FStack.back(); }

  void EndGroup() {
    TRtfState& s = State();
    if (s.Destination == TRtfState::FontTable && !FFontName.isEmpty()) {
      CommitFontName();
    }
  }

  void CommitFontName() {
    QString name = FFontName.trimmed();
    if (name.endsWith(QLatin1Char(';'))) name.chop(1);
    if (FCurrentFontDef >= 0 && !name.isEmpty()) FFonts.insert(FCurrentFontDef, name.trimmed());
    FFontName.clear();
  }

  void ControlWord() {
    if (FPos >= FData.size()) return;
    const char c = FData[FPos];
    if (!std::isalpha(static_cast<unsigned char>(c))) {
      ++FPos;
      ControlSymbol(c);
      return;
    }
    const int start = FPos;
    while (FPos < FData.size() && std::isalpha(static_cast<unsigned char>(FData[FPos]))) ++FPos;
    const QByteArray word = FData.mid(start, FPos - start);
    bool hasParam = false;
    int param = 0;
    if (FPos < FData.size() &&
        (FData[FPos] == '-' || std::isdigit(static_cast<unsigned char>(FData[FPos])))) {
      // Only the first digits count; an absurdly long number is still one word.
      const int pstart = FPos;
      ++FPos;
      while (FPos < FData.size() && std::isdigit(static_cast<unsigned char>(FData[FPos]))) ++FPos;
      param = FData.mid(pstart, std::min(FPos - pstart, 9)).toInt();
      hasParam = true;
    }
    if (FPos < FData.size() && FData[FPos] == ' ') ++FPos;  // the delimiter belongs to the word
    Apply(word, hasParam, param);
  }

  void ControlSymbol(char c) {
    switch (c) {
      case '\\':
      case '{':
      case '}':
        AddChar(QChar::fromLatin1(c));
        break;
      case '~':
        AddChar(QChar(0x00A0));
        break;
      case '_':
        AddChar(QChar(0x2011));
        break;
      case '-':
        break;  // optional hyphen
      case '*':
        State().Skip = true;  // an ignorable destination we do not know
        break;
      case '\'': {
        if (FPos + 2 <= FData.size()) {
          bool ok = false;
          const int byte = FData.mid(FPos, 2).toInt(&ok, 16);
          FPos += 2;
          if (ok) AddChar(Cp1252(static_cast<unsigned char>(byte)));
        } else {
          FPos = FData.size();
        }
        break;
      }
      case '\r':
      case '\n':
        Paragraph();
        break;
      default:
        break;
    }
  }

  void Apply(const QByteArray& word, bool hasParam, int param) {
    TRtfState& s = State();
    static const QHash<QByteArray, int> destinations = {{"stylesheet", 1},
                                                        {"info", 1},
                                                        {"pict", 1},
                                                        {"header", 1},
                                                        {"footer", 1},
                                                        {"headerl", 1},
                                                        {"headerr", 1},
                                                        {"headerf", 1},
                                                        {"footerl", 1},
                                                        {"footerr", 1},
                                                        {"footerf", 1},
                                                        {"object", 1},
                                                        {"fldinst", 1},
                                                        {"listtable", 1},
                                                        {"listoverridetable", 1},
                                                        {"rsidtbl", 1},
                                                        {"generator", 1},
                                                        {"xmlnstbl", 1},
                                                        {"themedata", 1},
                                                        {"colorschememapping", 1},
                                                        {"latentstyles", 1},
                                                        {"datastore", 1},
                                                        {"mmathPr", 1},
                                                        {"pgdsctbl", 1},
                                                        {"filetbl", 1},
                                                        {"revtbl", 1},
                                                        {"bkmkstart", 1},
                                                        {"bkmkend", 1},
                                                        {"footnote", 1},
                                                        {"annotation", 1}};
    if (destinations.contains(word)) {
      s.Skip = true;
      return;
    }
    if (s.Skip) return;
    if (word == "fonttbl") {
      s.Destination = TRtfState::FontTable;
      return;
    }
    if (word == "colortbl") {
      s.Destination = TRtfState::ColorTable;
      FColors.clear();
      FColorPending = QColor(0, 0, 0);
      FColorTouched = false;
      return;
    }
    if (s.Destination == TRtfState::FontTable) {
      if (word == "f" && hasParam) {
        if (!FFontName.isEmpty()) CommitFontName();
        FCurrentFontDef = param;
      }
      return;
    }
    if (s.Destination == TRtfState::ColorTable) {
      if (word == "red")
        FColorPending.setRed(qBound(0, param, 255));
      else if (word == "green")
        FColorPending.setGreen(qBound(0, param, 255));
      else if (word == "blue")
        FColorPending.setBlue(qBound(0, param, 255));
      FColorTouched = true;
      return;
    }
    const bool on = !hasParam || param != 0;
    if (word == "par" || word == "sect") {
      Paragraph();
    } else if (word == "line") {
      AddChar(QChar::LineSeparator);
    } else if (word == "tab") {
      AddChar(QLatin1Char('\t'));
    } else if (word == "b") {
      Switch([&] { s.Bold = on; });
    } else if (word == "i") {
      Switch([&] { s.Italic = on; });
    } else if (word == "ul") {
      Switch([&] { s.Underline = on; });
    } else if (word == "ulnone") {
      Switch([&] { s.Underline = false; });
    } else if (word == "strike") {
      Switch([&] { s.Strike = on; });
    } else if (word == "fs" && hasParam) {
      Switch([&] { s.HalfPoints = param > 0 && param < 2000 ? param : 0; });
    } else if (word == "f" && hasParam) {
      Switch([&] { s.FontIndex = param; });
    } else if (word == "cf" && hasParam) {
      Switch([&] { s.ColorIndex = param; });
    } else if (word == "plain") {
      Switch([&] {
        s.Bold = s.Italic = s.Underline = s.Strike = false;
        s.HalfPoints = 0;
        s.FontIndex = -1;
        s.ColorIndex = 0;
      });
    } else if (word == "pard") {
      FlushText();
      s.Align = Qt::AlignLeft;
      SetBlockAlignment(s.Align);
    } else if (word == "ql" || word == "qc" || word == "qr" || word == "qj") {
      FlushText();
      s.Align = word == "qc"   ? Qt::AlignHCenter
                : word == "qr" ? Qt::AlignRight
                : word == "qj" ? Qt::AlignJustify
                               : Qt::AlignLeft;
      SetBlockAlignment(s.Align);
    } else if (word == "uc" && hasParam) {
      s.UnicodeSkip = qBound(0, param, 10);
    } else if (word == "u" && hasParam) {
      AddChar(QChar(static_cast<char16_t>(param < 0 ? param + 65536 : param)));
      SkipFallback(s.UnicodeSkip);
    } else if (word == "emdash") {
      AddChar(QChar(0x2014));
    } else if (word == "endash") {
      AddChar(QChar(0x2013));
    } else if (word == "bullet") {
      AddChar(QChar(0x2022));
    } else if (word == "lquote") {
      AddChar(QChar(0x2018));
    } else if (word == "rquote") {
      AddChar(QChar(0x2019));
    } else if (word == "ldblquote") {
      AddChar(QChar(0x201C));
    } else if (word == "rdblquote") {
      AddChar(QChar(0x201D));
    }
  }

  // The characters after \uN that stand in for readers without Unicode.
  void SkipFallback(int count) {
    while (count > 0 && FPos < FData.size()) {
      const char c = FData[FPos];
      if (c == '{' || c == '}') return;
      if (c == '\\') {
        if (FPos + 1 < FData.size() && FData[FPos + 1] == '\'') {
          FPos += 4;
        } else {
          // any other control word counts as one character
          ++FPos;
          while (FPos < FData.size() && std::isalpha(static_cast<unsigned char>(FData[FPos])))
            ++FPos;
          while (FPos < FData.size() &&
                 (std::isdigit(static_cast<unsigned char>(FData[FPos])) || FData[FPos] == '-'))
            ++FPos;
          if (FPos < FData.size() && FData[FPos] == ' ') ++FPos;
        }
      } else {
        ++FPos;
      }
      --count;
    }
    FPos = std::min<int>(FPos, FData.size());
  }

  template <typename F>
  void Switch(F change) {
    FlushText();
    change();
  }

  void AddChar(QChar c) {
    TRtfState& s = State();
    if (s.Skip) return;
    if (s.Destination == TRtfState::FontTable) {
      if (c == QLatin1Char(';'))
        CommitFontName();
      else
        FFontName += c;
      return;
    }
    if (s.Destination == TRtfState::ColorTable) {
      if (c == QLatin1Char(';')) {
        FColors.push_back(FColorTouched ? FColorPending : QColor());
        FColorPending = QColor(0, 0, 0);
        FColorTouched = false;
      }
      return;
    }
    FPending += c;
  }

  void Paragraph() {
    if (State().Skip || State().Destination != TRtfState::Text) return;
    FlushText();
    FPlain += QLatin1Char('\n');
    if (FDocument) {
      FCursor.insertBlock();
      SetBlockAlignment(State().Align);
    }
  }

  void SetBlockAlignment(Qt::Alignment align) {
    if (!FDocument) return;
    QTextBlockFormat format = FCursor.blockFormat();
    format.setAlignment(align);
    FCursor.setBlockFormat(format);
  }

  void FlushText() {
    if (FPending.isEmpty()) return;
    QString plain = FPending;
    plain.replace(QChar::LineSeparator, QLatin1Char('\n'));
    FPlain += plain;
    if (FDocument) FCursor.insertText(FPending, CharFormat());
    FPending.clear();
  }

  QTextCharFormat CharFormat() const {
    const TRtfState& s = FStack.back();
    QTextCharFormat format;
    QFont font = FBaseFont;
    if (s.FontIndex >= 0) {
      const QString family = FFonts.value(s.FontIndex);
      if (!family.isEmpty()) font.setFamilies({family});
    }
    if (s.HalfPoints > 0) font.setPointSizeF(s.HalfPoints / 2.0);
    font.setBold(s.Bold);
    font.setItalic(s.Italic);
    font.setUnderline(s.Underline);
    font.setStrikeOut(s.Strike);
    format.setFont(font);
    if (s.ColorIndex > 0 && s.ColorIndex < static_cast<int>(FColors.size()) &&
        FColors[static_cast<size_t>(s.ColorIndex)].isValid())
      format.setForeground(FColors[static_cast<size_t>(s.ColorIndex)]);
    return format;
  }

  QByteArray FData;
  int FPos = 0;
  QTextDocument* FDocument;
  QTextCursor FCursor;
  QFont FBaseFont;
  std::vector<TRtfState> FStack;
  QString FPending;
  QString FPlain;
  QHash<int, QString> FFonts;
  QString FFontName;
  int FCurrentFontDef = -1;
  std::vector<QColor> FColors;
  QColor FColorPending;
  bool FColorTouched = false;
};

QByteArray TrimmedStart(const QByteArray& data) {
  int i = 0;
  while (i < data.size() &&
         (data[i] == ' ' || data[i] == '\r' || data[i] == '\n' || data[i] == '\t'))
    ++i;
  return i == 0 ? data : data.mid(i);
}

}  // namespace

bool TRtfReader::IsRtf(const QByteArray& data) {
  return TrimmedStart(data).startsWith("{\\rtf");
}

void TRtfReader::Read(const QByteArray& data, QTextDocument& document, const QFont& baseFont) {
  if (!IsRtf(data)) {
    document.clear();
    document.setDefaultFont(baseFont);
    document.setPlainText(QString::fromUtf8(data));
    return;
  }
  TRtfParser parser(TrimmedStart(data), &document, baseFont);
  parser.Run();
}

void TRtfReader::Read(const QString& text, QTextDocument& document, const QFont& baseFont) {
  if (!text.trimmed().startsWith(QLatin1String("{\\rtf"))) {
    document.clear();
    document.setDefaultFont(baseFont);
    document.setPlainText(text);
    return;
  }
  // RTF is 7-bit by design; anything wider was escaped by its writer.
  Read(text.toLatin1(), document, baseFont);
}

QString TRtfReader::ToPlainText(const QByteArray& data) {
  if (!IsRtf(data)) return QString::fromUtf8(data);
  TRtfParser parser(TrimmedStart(data), nullptr, QFont());
  parser.Run();
  QString plain = parser.Plain();
  while (plain.endsWith(QLatin1Char('\n'))) plain.chop(1);
  return plain;
}

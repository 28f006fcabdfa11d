#include "cli/DemoRichText.h"

namespace {

QString Escaped(const QString& text) {
  QString out;
  out.reserve(text.size());
  for (const QChar c : text) {
    if (c == QLatin1Char('\\') || c == QLatin1Char('{') || c == QLatin1Char('}'))
      out += QLatin1Char('\\');
    if (c.unicode() > 127) {
      out += QStringLiteral("\\u%1?").arg(int(c.unicode()));
      continue;
    }
    out += c;
  }
  return out;
}

}  // namespace

QString DemoRtf(const QString& text, const QString& emphasis) {
  QString rtf = QStringLiteral(
      "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}"
      "\\viewkind4\\uc1\\pard\\f0\\fs20 ");
  rtf += Escaped(text);
  if (!emphasis.isEmpty())
    rtf += QStringLiteral(" \\b ") + Escaped(emphasis) + QStringLiteral("\\b0");
  rtf += QStringLiteral("\\par\n}");
  return rtf;
}

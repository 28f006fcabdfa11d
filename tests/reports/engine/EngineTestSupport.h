#pragma once

#include "reports/engine/ReportDocument.h"

#include <QString>
#include <QStringList>

#include <ostream>
#include <vector>

// Readable QStrings in test failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

// Reading generated pages in tests.

inline QStringList PageTexts(const TReportPage& page) {
  QStringList texts;
  for (const TDrawCommand& c : page.Commands) {
    if (const auto* t = std::get_if<TTextCommand>(&c)) texts << t->Text;
  }
  return texts;
}

inline const TTextCommand* FindText(const TReportPage& page, const QString& text) {
  for (const TDrawCommand& c : page.Commands)
    if (const auto* t = std::get_if<TTextCommand>(&c); t && t->Text == text) return t;
  return nullptr;
}

inline int CountText(const TReportDocument& doc, const QString& text) {
  int n = 0;
  for (const TReportPage& page : doc.Pages) n += PageTexts(page).count(text);
  return n;
}

template <typename T>
std::vector<const T*> CommandsOf(const TReportPage& page) {
  std::vector<const T*> found;
  for (const TDrawCommand& c : page.Commands)
    if (const auto* x = std::get_if<T>(&c)) found.push_back(x);
  return found;
}

// The page (0-based) on which a text first appears, -1 when nowhere.
inline int PageOf(const TReportDocument& doc, const QString& text) {
  for (size_t i = 0; i < doc.Pages.size(); ++i)
    if (FindText(doc.Pages[i], text)) return static_cast<int>(i);
  return -1;
}

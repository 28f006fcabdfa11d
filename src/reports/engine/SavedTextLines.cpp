#include "reports/engine/SavedTextLines.h"

#include <algorithm>
#include <utility>

namespace {

struct TKeyedField {
  QString Key;
  TSavedField Field;
};

void Collect(const TTextCommand& c, std::vector<TKeyedField>& out) {
  if (c.Save.Save) out.push_back({SaveOrderKey(c.Save), {c.Text, c.Save}});
}

void Collect(const TRichTextCommand& c, std::vector<TKeyedField>& out) {
  if (c.Save.Save) out.push_back({SaveOrderKey(c.Save), {c.PlainText, c.Save}});
}

template <typename T>
void Collect(const T&, std::vector<TKeyedField>&) {}

bool SameLine(const TSaveInfo& a, const TSaveInfo& b) {
  return a.ReportSaveNo == b.ReportSaveNo && a.BandSaveNo == b.BandSaveNo &&
         a.RowSaveNo == b.RowSaveNo;
}

}  // namespace

QString SaveOrderKey(const TSaveInfo& save) {
  return QStringLiteral("%1%2%3%4%5")
      .arg(save.ReportSaveNo, 13)
      .arg(save.BandSaveNo, 10)
      .arg(save.RowSaveNo, 10)
      .arg(save.ColumnSaveNo, 10)
      .arg(save.ComponentSaveNo, 10);
}

std::vector<TSavedLine> SavedTextLines(const TReportPage& page) {
  std::vector<TKeyedField> fields;
  for (const TDrawCommand& command : page.Commands)
    std::visit([&fields](const auto& c) { Collect(c, fields); }, command);
  // Stable, so texts with equal keys keep their order on the page.
  std::stable_sort(fields.begin(), fields.end(),
                   [](const TKeyedField& a, const TKeyedField& b) { return a.Key < b.Key; });

  std::vector<TSavedLine> lines;
  for (TKeyedField& keyed : fields) {
    if (lines.empty() || !SameLine(lines.back().back().Save, keyed.Field.Save))
      lines.emplace_back();
    lines.back().push_back(std::move(keyed.Field));
  }
  return lines;
}

#include "cli/ListCommand.h"

#include "app/ReportFamilyRegistration.h"
#include "cli/CliArguments.h"
#include "reports/framework/ReportCatalogue.h"

#include <QTextStream>

#include <algorithm>
#include <array>
#include <vector>

namespace {
constexpr int kColumns = 5;
using TRow = std::array<QString, kColumns>;

TRow EntryRow(const TReportCatalogue& catalogue, const TReportCatalogueEntry& entry) {
  return {catalogue.MenuPathText(entry), entry.ItemName,
          (entry.IsAction ? QStringLiteral("action ") : QString()) + entry.HandlerName,
          entry.Shown ? QStringLiteral("shown") : QStringLiteral("hidden"),
          entry.IsBuilt() ? QStringLiteral("built") : QStringLiteral("not built")};
}
}  // namespace

void WriteCatalogueListing(const TReportCatalogue& catalogue, QTextStream& out) {
  std::vector<TRow> rows;
  rows.push_back({QStringLiteral("MENU PATH"), QStringLiteral("ITEM"), QStringLiteral("HANDLER"),
                  QStringLiteral("SHOWN"), QStringLiteral("BUILT")});
  for (const TReportCatalogueEntry& entry : catalogue.Entries())
    rows.push_back(EntryRow(catalogue, entry));

  std::array<qsizetype, kColumns> widths{};
  for (const TRow& row : rows)
    for (int c = 0; c < kColumns; ++c) widths[c] = std::max(widths[c], row[c].size());
  for (const TRow& row : rows) {
    QString line;
    for (int c = 0; c < kColumns; ++c)
      line += c + 1 < kColumns ? row[c].leftJustified(widths[c] + 2) : row[c];
    out << line << '\n';
  }
  const int total = static_cast<int>(catalogue.Entries().size());
  out << total << " entries: " << catalogue.ShownCount() << " shown, "
      << total - catalogue.ShownCount() << " hidden; " << catalogue.BuiltCount() << " built, "
      << total - catalogue.BuiltCount() << " not built yet\n";
}

void RunListCommand(const QStringList& args, QTextStream& out) {
  const TCliArguments arguments(args, {});
  arguments.RequirePositionals(0, QStringLiteral("usage: tallyhouse list"));
  RegisterReportFamilies(ReportCatalogue());
  WriteCatalogueListing(ReportCatalogue(), out);
}

#include "reports/framework/ReportCatalogue.h"

#include "reports/framework/ReportCatalogueEntries.h"

#include <algorithm>

TReportCatalogue::TReportCatalogue()
    : FButtons(StandardCatalogueButtons()), FEntries(StandardCatalogueEntries()) {}

const TReportCatalogueButton* TReportCatalogue::FindButton(const QString& AButtonName) const {
  for (const TReportCatalogueButton& button : FButtons)
    if (button.Name == AButtonName) return &button;
  return nullptr;
}

std::vector<const TReportCatalogueEntry*> TReportCatalogue::EntriesOfButton(
    const QString& AButtonName) const {
  std::vector<const TReportCatalogueEntry*> found;
  for (const TReportCatalogueEntry& entry : FEntries)
    if (entry.ButtonName == AButtonName) found.push_back(&entry);
  return found;
}

const TReportCatalogueEntry* TReportCatalogue::FindByItem(const QString& AItemName) const {
  for (const TReportCatalogueEntry& entry : FEntries)
    if (entry.ItemName == AItemName) return &entry;
  return nullptr;
}

std::vector<const TReportCatalogueEntry*> TReportCatalogue::FindByHandler(
    const QString& AHandlerName) const {
  std::vector<const TReportCatalogueEntry*> found;
  for (const TReportCatalogueEntry& entry : FEntries)
    if (entry.HandlerName == AHandlerName) found.push_back(&entry);
  return found;
}

const TReportCatalogueEntry& TReportCatalogue::Resolve(const QString& AName) const {
  const std::vector<const TReportCatalogueEntry*> byHandler = FindByHandler(AName);
  if (byHandler.size() == 1) return *byHandler.front();
  if (byHandler.size() > 1) {
    QStringList items;
    for (const TReportCatalogueEntry* entry : byHandler) items << entry->ItemName;
    throw EReportCatalogueError(QStringLiteral("%1 serves %2 entries; name one of them by its "
                                               "item instead: %3")
                                    .arg(AName)
                                    .arg(byHandler.size())
                                    .arg(items.join(QStringLiteral(", "))));
  }
  if (const TReportCatalogueEntry* entry = FindByItem(AName)) return *entry;
  throw EReportCatalogueError(
      QStringLiteral("%1 is neither a handler nor an item of the report catalogue; "
                     "tallyhouse list shows them")
          .arg(AName));
}

void TReportCatalogue::RegisterHandler(const QString& AHandlerName, TReportHandler AHandler) {
  bool found = false;
  for (TReportCatalogueEntry& entry : FEntries) {
    if (entry.HandlerName != AHandlerName) continue;
    entry.Handler = AHandler;
    found = true;
  }
  if (!found)
    throw EReportCatalogueError(
        QStringLiteral("No catalogue entry is served by the handler %1.").arg(AHandlerName));
}

void TReportCatalogue::ClearHandlers() {
  for (TReportCatalogueEntry& entry : FEntries) entry.Handler = nullptr;
}

void TReportCatalogue::Run(const TReportCatalogueEntry& AEntry) const {
  if (!AEntry.IsBuilt())
    throw EReportCatalogueError(MenuPathText(AEntry) + QStringLiteral(": ") + NotBuiltHint());
  AEntry.Handler(AEntry);
}

QStringList TReportCatalogue::MenuPath(const TReportCatalogueEntry& AEntry) const {
  QStringList path;
  if (const TReportCatalogueButton* button = FindButton(AEntry.ButtonName)) path << button->Caption;
  path << AEntry.Path;
  return path;
}

QString TReportCatalogue::MenuPathText(const TReportCatalogueEntry& AEntry) const {
  return MenuPath(AEntry).join(QStringLiteral(" > "));
}

int TReportCatalogue::ShownCount() const {
  return static_cast<int>(std::count_if(FEntries.begin(), FEntries.end(),
                                        [](const TReportCatalogueEntry& e) { return e.Shown; }));
}

int TReportCatalogue::BuiltCount() const {
  return static_cast<int>(
      std::count_if(FEntries.begin(), FEntries.end(),
                    [](const TReportCatalogueEntry& e) { return e.IsBuilt(); }));
}

QString TReportCatalogue::NotBuiltHint() {
  return QStringLiteral("This report is not available in this build yet.");
}

TReportCatalogue& ReportCatalogue() {
  static TReportCatalogue catalogue;
  return catalogue;
}

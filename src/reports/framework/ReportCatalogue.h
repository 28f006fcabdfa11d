#pragma once

#include "core/Exception.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

struct TReportCatalogueEntry;

// What a catalogue entry runs. The entry is passed as the sender, because a
// few handlers serve several items and tell them apart by it.
using TReportHandler = std::function<void(const TReportCatalogueEntry& ASender)>;

// A lookup or registration that names nothing in the catalogue, or a run of
// an entry whose report is not part of this build.
class EReportCatalogueError : public Exception {
 public:
  using Exception::Exception;
};

// One of the eighteen drop-down buttons of the catalogue window.
struct TReportCatalogueButton {
  QString Name;      // component name, "InmateReports"
  QString Caption;   // "Inmate Reports"
  QString GroupBox;  // caption of the group box that holds it, "VedaVavi"
  QString MenuName;  // its drop-down menu, "ppmInmateReports"
};

// One selectable item of the catalogue.
struct TReportCatalogueEntry {
  QString ButtonName;  // the button whose drop-down menu holds it
  // The captions from the drop-down menu down to the item, the item's own
  // caption last; exactly as they read, trailing blanks included.
  QStringList Path;
  QString ItemName;     // component name of the menu item, unique
  QString HandlerName;  // click handler, or the action's name when IsAction
  bool IsAction = false;
  // False when the item or one of its parents is never visible.
  bool Shown = true;
  // The report family that builds it ("inmates.rosters_by_name"); empty for
  // the entries that are never offered.
  QString Family;
  // Empty until the family registers it: the report is not in this build.
  TReportHandler Handler;

  const QString& Caption() const { return Path.last(); }
  bool IsBuilt() const { return static_cast<bool>(Handler); }
};

// The report catalogue: every entry of the window's drop-down menus, from
// which both the window's menus and the command line are built. Report
// families put their handlers in by handler name.
class TReportCatalogue {
 public:
  // The standard catalogue, no handler registered yet.
  TReportCatalogue();

  const std::vector<TReportCatalogueButton>& Buttons() const { return FButtons; }
  const std::vector<TReportCatalogueEntry>& Entries() const { return FEntries; }

  const TReportCatalogueButton* FindButton(const QString& AButtonName) const;
  // The entries of one button's menu, in menu order.
  std::vector<const TReportCatalogueEntry*> EntriesOfButton(const QString& AButtonName) const;
  const TReportCatalogueEntry* FindByItem(const QString& AItemName) const;
  // Every entry served by the handler (most handlers serve one).
  std::vector<const TReportCatalogueEntry*> FindByHandler(const QString& AHandlerName) const;
  // The entry named by a handler or by an item name. An unknown name, or a
  // handler that serves several items, is an EReportCatalogueError whose
  // message says which names to use instead.
  const TReportCatalogueEntry& Resolve(const QString& AName) const;

  // Sets the handler of every entry served by AHandlerName. A name the
  // catalogue does not know is an EReportCatalogueError, so a misspelt
  // registration fails at once rather than leaving the entry unbuilt.
  void RegisterHandler(const QString& AHandlerName, TReportHandler AHandler);
  // Clears every handler again.
  void ClearHandlers();

  // Runs the entry's handler; EReportCatalogueError when it has none.
  void Run(const TReportCatalogueEntry& AEntry) const;

  // The button caption followed by the entry's path.
  QStringList MenuPath(const TReportCatalogueEntry& AEntry) const;
  // The same joined with " > ", which no caption contains.
  QString MenuPathText(const TReportCatalogueEntry& AEntry) const;

  int ShownCount() const;
  int BuiltCount() const;

  // Shown on a disabled entry and by a refused run.
  static QString NotBuiltHint();

 private:
  std::vector<TReportCatalogueButton> FButtons;
  std::vector<TReportCatalogueEntry> FEntries;
};

// The process-wide catalogue that the window and the command line use.
TReportCatalogue& ReportCatalogue();

#include "reports/inmates/RostersByName.h"

#include "config/dmMastCfg.h"
#include "data/dmJailAdminReports.h"
#include "reports/framework/DateTimeRangeModel.h"
#include "reports/framework/ParameterDialogs.h"
#include "reports/framework/ReportCatalogue.h"
#include "reports/framework/ReportRun.h"
#include "reports/inmates/dmInmNameLongRpt.h"
#include "reports/inmates/dmInmNameShortRpt.h"
#include "reports/inmates/dmInmNameWithPictureRpt.h"
#include "reports/inmates/dmRosterReportChooseDate.h"

#include <memory>

namespace {

void ShortReportClick(const QString& entry, bool inactive) {
  RunReportEntry(entry, TRunErrorStyle::rsLoggedWarning, [inactive] {
    auto module = std::make_unique<TdtmInmNameShortRpt>();
    module->TakeSession();
    module->xbInActive = inactive;
    module->PrintRosterByNameShort();
  });
}

void LongReportClick(const QString& entry, bool inactive) {
  RunReportEntry(entry, TRunErrorStyle::rsLoggedWarning, [inactive] {
    // The active roster keeps its module for later runs; the inactive one
    // frees it whichever way the run ends.
    struct TFreeAfterInactive {
      bool Inactive;
      ~TFreeAfterInactive() {
        if (Inactive) FreeInmNameLongRpt();
      }
    } freeAfter{inactive};
    if (!dtmInmNameLongRpt) dtmInmNameLongRpt = new TdtmInmNameLongRpt();
    dtmInmNameLongRpt->TakeSession();
    if (inactive)
      dtmInmNameLongRpt->InmateLongInactiveRpt();
    else
      dtmInmNameLongRpt->InmateLongRpt();
  });
}

// The handler asks for the range itself and hands it to the module; what
// fails here reaches the program's error handler after the clean-up.
void PictureRosterClick(const QString& entry, bool inactive) {
  RunReportEntry(entry, TRunErrorStyle::rsPropagate, [inactive] {
    TDateTimeRangeModel range;
    range.ShowDateAndTimeOnly();
    range.Caption = QStringLiteral("Select a Date/Time Range");
    if (!ParameterDialogs().ShowDateTimeRange(range)) return;
    auto module = std::make_unique<TdtmInmNameWithPictureRpt>();
    module->TakeSession();
    module->xsDateStart = range.xsDateStart;
    module->xsTimeStart = range.xsTimeStart;
    module->xsDateEnd = range.xsDateEnd;
    module->xsTimeEnd = range.xsTimeEnd;
    if (inactive)
      module->PrintInactiveRosterWithPictures();
    else
      module->PrintRosterWithPictures();
  });
}

void RosterForSpecificDateClick(const QString& entry) {
  RunReportEntry(entry, TRunErrorStyle::rsLoggedWarning, [] {
    TdtmJailAdminReports& session = ReportSession();
    // The report is handed the session's connection open, as it expects.
    if (!session.dbJail.Connected()) session.dbJail.Open();
    RunChooseDateRosterReport(&session, &session, dtmMastCfg);
  });
}

}  // namespace

void RegisterInmatesRostersByNameHandlers(TReportCatalogue& catalogue) {
  const auto add = [&catalogue](const char* handler, void (*click)(const QString&, bool),
                                bool inactive) {
    const QString name = QString::fromLatin1(handler);
    catalogue.RegisterHandler(
        name, [name, click, inactive](const TReportCatalogueEntry&) { click(name, inactive); });
  };
  add("ShortReport1Click", ShortReportClick, false);
  add("ShortReportInactiveClick", ShortReportClick, true);
  add("LongReport1Click", LongReportClick, false);
  add("LongReportInactiveClick", LongReportClick, true);
  add("SpecifyDateTimeRange1Click", PictureRosterClick, false);
  add("SpecifyInactiveDateTimeRange1Click", PictureRosterClick, true);
  catalogue.RegisterHandler(
      QStringLiteral("mniRosterForSpecificDateClick"), [](const TReportCatalogueEntry&) {
        RosterForSpecificDateClick(QStringLiteral("mniRosterForSpecificDateClick"));
      });
}

#pragma once

#include "reports/engine/LayoutBuilder.h"
#include "reports/engine/StandardBlocks.h"

#include <QString>

#include <vector>

class TAgencyBlock;
class TDateTimeRangeModel;

// What the jail log layouts are built on: the holder's pipelines and agency
// block, the run's range dialog (read while pages are made) and its user.
struct TJailLogLayoutContext {
  TReportPipeline* Log = nullptr;       // dbpJailLog: log entries
  TReportPipeline* Refs = nullptr;      // ppJailLogRef: entry-to-booking links
  TReportPipeline* Bookings = nullptr;  // dbpJailBook: linked bookings
  TReportPipeline* Generic = nullptr;   // dbpGeneric: bookings joined to entries
  TAgencyBlock* Agency = nullptr;
  const TDateTimeRangeModel* Range = nullptr;
  QString UserName;
};

// The height of one line of captioned values, and their fonts.
inline constexpr double kLogLineMm = 4;
QFont LogCaptionFont();
QFont LogValueFont();

// The captioned values a line of a log entry shows, left to right.
enum class TLogItem {
  liDate,
  liTime,
  liUsername,
  liOfficer,
  liPersonnelNo,
  liPriority,
  liLogCode,
  liDorm,
};
using TLogLine = std::vector<TLogItem>;

// What an entry prints in place of its text when it has none.
enum class TEmptyEntry {
  eeNoComments,  // empty or NULL: "No Comments"
  eeNoLogEntry,  // NULL: "No Log Entry available."
  eeNoEntry,     // NULL: "No entry is available."
};

// The title band: agency, logos, title, facility, the dialog's window (and
// its dorm range for the dorm layouts). The facility comes from the rows
// when given, otherwise from a label the handler fills (pplblFacility).
TAgencyHeader AddLogTitleBand(TLayoutBuilder& b, const TJailLogLayoutContext& ctx,
                              const QString& title, TReportPipeline* facilityRows, bool dorm,
                              TReportLabel** facilityLabel = nullptr);
// The title again at the top of every page after the first.
TReportLabel* AddLogPageHeader(TLayoutBuilder& b, const QString& title);
void AddLogPageFooter(TLayoutBuilder& b, const TJailLogLayoutContext& ctx);

// One line of captioned values at y; returns the height used.
double AddLogLine(TBandBuilder& band, TReportPipeline* rows, const TLogLine& line, double yMm);
// The lines of an entry, then "Entry:" with its rich text, which grows.
void AddEntryLines(TBandBuilder& band, TReportPipeline* rows, const std::vector<TLogLine>& lines,
                   TEmptyEntry empty);
// The text an entry prints: the stored rich text, or the caption for none.
QString EntryText(const TReportPipeline& rows, const QString& stored, TEmptyEntry empty);

// The bookings linked to the current entry, one line each: "Booking No/
// Inmate Name:", the booking number, the name and the active mark. The
// outer sub-report walks the entry's links, the inner one the booking each
// names, so a link to a booking of another facility prints nothing.
struct TLinkedInmates {
  TReportSubReport* Links = nullptr;
  TReportSubReport* Inmates = nullptr;
};
TLinkedInmates AddLinkedInmates(TBandBuilder& band, const TJailLogLayoutContext& ctx,
                                const QString& linksName, const QString& inmatesName, double xMm,
                                double yMm, double widthMm);

// A check box ticked while the booking is not released, and "Active".
struct TActiveMark {
  TReportCheckBox* Box = nullptr;
  TReportLabel* Caption = nullptr;
};
TActiveMark AddActiveMark(TBandBuilder& band, TReportPipeline* bookings, double xMm, double yMm);

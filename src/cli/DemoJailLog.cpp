#include "cli/DemoJailLog.h"

#include "cli/DemoCodes.h"
#include "cli/DemoRichText.h"
#include "cli/DemoSubjectWriter.h"
#include "cli/DemoTableWriter.h"

#include <algorithm>

namespace {

class TJailLogWriter : public TDemoSubjectWriter {
 public:
  explicit TJailLogWriter(TDemoContext& context) : TDemoSubjectWriter(context, "jail log") {}

  void Write() {
    TDemoTableWriter log(C.Db(), QStringLiteral("JBLOG"));
    TDemoTableWriter links(C.Db(), QStringLiteral("JL_JB_XREF"));
    static const char* const kEntries[] = {
        "Shift briefing held; all posts manned.",
        "Head count cleared and matches the board.",
        "Meal trays delivered and collected.",
        "Inmate complained of chest pains; nurse notified and responded.",
        "Cell search conducted; contraband found under mattress.",
        "Recreation yard opened for one hour.",
        "Visitation started; no incidents.",
        "Verbal altercation between two inmates broken up.",
        "Plumbing repaired in the shower area.",
        "Security rounds completed every 30 minutes.",
        "Property bag returned to intake.",
        "Inmate moved to protective custody pending review."};
    static const char* const kEmphasis[] = {"Supervisor notified.", "Follow up required.",
                                            "No injuries.", "Maintenance ticket opened."};
    const auto& codes = DemoLogCodes();
    const int days = C.Scale() == 0 ? 45 : 180;
    const int perDay = C.Sized(5, 2);
    std::vector<QDateTime> moments;
    for (size_t f = 0; f < C.Facilities.size(); ++f)
      for (int n = 0; n < days * perDay; ++n) moments.push_back(RecentMoment(days));
    std::vector<int> facilityOf;
    for (size_t f = 0; f < C.Facilities.size(); ++f)
      facilityOf.insert(facilityOf.end(), size_t(days * perDay), int(f));
    std::vector<size_t> order(moments.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return moments[a] < moments[b]; });

    int number = 0;
    bool malformedWritten = false;
    for (size_t i : order) {
      const QDateTime at = moments[i];
      const int f = facilityOf[i];
      const TDemoFacility& facility = C.Facilities[size_t(f)];
      const TDemoCode& code = R.Pick(codes);
      const TDemoEmployee& officer = Officer();
      const QString logNo = QStringLiteral("JL%1").arg(++number, 8, 10, QLatin1Char('0'));
      log.Set("JAILLOGNO", logNo)
          .Set("DATE", DemoTime::DateOf(at))
          .Set("TIME", DemoTime::TimeOf(at))
          .Set("LOGCODE", code.Code)
          .Set("CODEDESC", code.Desc)
          .Set("OFFICER", officer.FullName())
          .Set("PERNO", officer.PerNo)
          .Set("USERNAME",
               R.Chance(0.7) ? officer.UserName : QLatin1String(R.Pick({"DEMO", "CLERK"})))
          .Set("PRIORITY", R.Chance(0.1))
          .Set("FACICODE", facility.Id)
          .Set("FACILITY", facility.Desc)
          .Set("SupervisorLog", R.Chance(0.1))
          .Set("UNIQUEKEY", R.Key());
      if (!R.Chance(0.05)) {
        const TDemoDorm& dorm = R.Pick(facility.Dorms);
        log.Set("DOORMSCODE", dorm.Code).Set("DOORMSDESC", dorm.Desc);
      }
      const QString text = QLatin1String(kEntries[R.Int(0, 11)]);
      switch (R.Weighted({70, 20, 5, 5})) {
        case 0:
          log.Set("LOGENTRY",
                  DemoRtf(text, R.Chance(0.5) ? QLatin1String(kEmphasis[R.Int(0, 3)]) : QString()));
          break;
        case 1:
          log.Set("LOGENTRY", text);
          break;
        case 2:
          log.Set("LOGENTRY", QString());
          break;
        default:
          break;
      }
      if (!malformedWritten && R.Chance(0.01)) {
        // Written by an old editor that cut the text short.
        log.Set("LOGENTRY",
                QStringLiteral(
                    "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Power outage in the \\b east wing"));
        malformedWritten = true;
      }
      log.Insert();

      if (R.Chance(0.45)) {
        for (int n = R.Int(1, 3); n > 0; --n) {
          // Now and then an inmate of another facility is linked.
          const int linkFacility = R.Chance(0.03) ? R.Int(0, int(C.Facilities.size()) - 1) : f;
          const int booking = InCustodyAt(linkFacility, at);
          if (booking < 0) continue;
          const TDemoBooking& b = C.Bookings[size_t(booking)];
          links.Set("JAILOGNO", logNo)
              .Set("BOOKNO", b.BookNo)
              .Set("MNINO", C.People[size_t(b.Person)].Ecsoid)
              .Set("UNIQUEKEY", R.Key());
          links.Insert();
        }
      }
    }
  }
};

}  // namespace

void WriteDemoJailLog(TDemoContext& context) {
  TJailLogWriter(context).Write();
}

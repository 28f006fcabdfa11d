#include "cli/DemoVisitors.h"

#include "cli/DemoNames.h"
#include "cli/DemoPeople.h"
#include "cli/DemoRichText.h"
#include "cli/DemoSubjectWriter.h"
#include "cli/DemoTableWriter.h"

#include <algorithm>

namespace {

class TVisitorsWriter : public TDemoSubjectWriter {
 public:
  explicit TVisitorsWriter(TDemoContext& context) : TDemoSubjectWriter(context, "visitors") {}

  void Write() {
    TDemoTableWriter visit(C.Db(), QStringLiteral("JBVISIT"));
    TDemoTableWriter visits(C.Db(), QStringLiteral("JBVSTLOG"));
    TDemoTableWriter scheduled(C.Db(), QStringLiteral("JBVisitScheduled"));
    TDemoTableWriter mni(C.Db(), QStringLiteral("MNI"));
    TDemoRandom people = C.Random("visitors");
    std::vector<int> visitors;
    int banned = 0;
    const int bans = C.Sized(25, 4);

    for (size_t i = 0; i < C.Bookings.size(); ++i) {
      const TDemoBooking& b = C.Bookings[i];
      const bool recent = b.InCustody() || b.Released > C.Now().addDays(-365);
      if (!recent || !R.Chance(b.InCustody() ? 0.6 : 0.3)) continue;
      // A copy: adding visitors below may move the people around.
      const TDemoPerson inmate = C.People[size_t(b.Person)];
      const TDemoFacility& f = C.Facilities[size_t(b.Facility)];
      for (int n = R.Int(1, 3); n > 0; --n) {
        int v = -1;
        if (!visitors.empty() && R.Chance(0.1)) {
          v = R.Pick(visitors);
        } else {
          v = AddDemoPerson(C, people,
                            R.Chance(0.6) ? TDemoPersonKind::Female : TDemoPersonKind::Adult,
                            C.Today());
          visitors.push_back(v);
          const TDemoPerson& p = C.People[size_t(v)];
          // Most visitors are in the master name index; a few (the first
          // among them) are not.
          if (visitors.size() > 1 && !R.Chance(0.1)) {
            mni.Set("ECSOID", p.Ecsoid)
                .Set("LNAME", p.LName)
                .Set("FNAME", p.FName)
                .Set("MNAME", p.MName)
                .Set("DOB", DemoTime::At(p.Dob))
                .Set("SEX", p.Sex)
                .Set("RACE", p.Race)
                .Set("WARACT", p.Warrant)
                .Set("I_LEO", false)
                .Set("UNIQUEKEY", R.Key());
            mni.Insert();
          }
        }
        const TDemoPerson& p = C.People[size_t(v)];
        const bool ban = banned < bans && R.Chance(0.08);
        const QDateTime entered = b.Booked.addDays(R.Int(0, 3));
        visit.Set("INM_BOOKNO", b.BookNo)
            .Set("INM_ECSOID", inmate.Ecsoid)
            .Set("VECSOID", p.Ecsoid)
            .Set("LNAME", p.LName)
            .Set("FNAME", p.FName)
            .Set("MNAME", p.MName)
            .Set("RELATIONSHIP", QLatin1String(R.Pick(DemoNames::Relationships())))
            .Set("ALLOWED", !ban && !R.Chance(0.05))
            .Set("ACTIVE", true)
            .Set("DOB", DemoTime::At(p.Dob))
            .Set("SSN", p.Ssn.isEmpty() ? QVariant() : QVariant(p.Ssn))
            .Set("RACE", p.Race)
            .Set("SEX", p.Sex)
            .Set("WEIGHT", p.Weight)
            .Set("HEIGHT", p.Height)
            .Set("EYES", p.Eyes)
            .Set("HAIR", p.Hair)
            .Set("AGE", DemoTime::Age(p.Dob, C.Today()))
            .Set("CITIZENSHIP", QStringLiteral("US"))
            .Set("DRIVERLICENSENO", QChar(p.LName.at(0)) + R.Digits(12))
            .Set("PLACEOFBIRTH", QStringLiteral("FLORIDA"))
            .Set("HOUSENU", p.HouseNo)
            .Set("QUAD", p.Quad)
            .Set("STREET", p.Street)
            .Set("CITY", p.City)
            .Set("STATE", p.State)
            .Set("ZIP", p.Zip)
            .Set("PHONENUMBER", p.Phone)
            .Set("COMMENT",
                 R.Chance(0.5)
                     ? QVariant(DemoRtf(QStringLiteral("Approved after background check.")))
                     : QVariant())
            .Set("STATUS", ban ? 2 : 1)
            .Set("DATE", DemoTime::DateOf(entered))
            .Set("TIME", DemoTime::TimeOf(entered))
            .Set("USERNAME", Officer().UserName)
            // A few entries were made at another facility of the jail.
            .Set("FACICODE",
                 R.Chance(0.02)
                     ? C.Facilities[size_t((b.Facility + 1) % int(C.Facilities.size()))].Id
                     : f.Id)
            .Set("FACILITY", f.Desc)
            .Set("UNIQUEKEY", R.Key());
        if (ban) {
          ++banned;
          const bool permanent = R.Chance(0.3);
          visit.Set("PERMANENTBAN", permanent)
              .Set("EXPIRED", permanent
                                  ? QVariant()
                                  : QVariant(DemoTime::DateOf(entered.addDays(R.Int(30, 365)))))
              .Set("BANCOMMENT",
                   R.Chance(0.8)
                       ? QVariant(DemoRtf(
                             QStringLiteral("Attempted to pass contraband during visitation."),
                             QStringLiteral("Do not admit.")))
                       : QVariant());
        }
        visit.Insert();
        if (!ban) WriteVisits(visits, scheduled, b, p);
      }
    }
  }

  void WriteVisits(TDemoTableWriter& visits, TDemoTableWriter& scheduled, const TDemoBooking& b,
                   const TDemoPerson& visitor) {
    const TDemoPerson& inmate = C.People[size_t(b.Person)];
    const TDemoFacility& f = C.Facilities[size_t(b.Facility)];
    const QDateTime end = b.InCustody() ? C.Now() : b.Released;
    const QDateTime start = std::max(b.Booked, end.addDays(-90));
    if (start.secsTo(end) < 86400) return;
    const int cell = b.InCustody() ? b.Bed : b.HistoryCell;
    for (int n = R.Int(0, 5); n > 0; --n) {
      const QDate day = start.addSecs(qint64(R.Unit() * double(start.secsTo(end)))).date();
      const int hour = R.Pick({9, 10, 13, 14, 15, 18});
      const QDateTime in = DemoTime::At(day, hour, R.Pick({0, 5, 30, 35}));
      if (in <= b.Booked || in >= end) continue;
      const QString key = R.Key();
      visits.Set("BOOKNO", b.BookNo)
          .Set("ECSOID", inmate.Ecsoid)
          .Set("ILNAME", inmate.LName)
          .Set("IFNAME", inmate.FName)
          .Set("IMNAME", inmate.MName)
          .Set("CELLASSIGN", cell >= 0 ? C.BedText(C.Beds[size_t(cell)]) : QString())
          .Set("VECSOID", visitor.Ecsoid)
          .Set("VLNAME", visitor.LName)
          .Set("VFNAME", visitor.FName)
          .Set("VMNAME", visitor.MName)
          .Set("DATE", DemoTime::DateOf(in))
          .Set("TIMEIN", DemoTime::TimeOf(in))
          .Set("TIMEOUT", DemoTime::TimeOf(in.addSecs(60 * qint64(R.Int(20, 60)))))
          .Set("COMPLETED", !R.Chance(0.08))
          .Set("COMMENT", R.Chance(0.3) ? QVariant(DemoRtf(QStringLiteral("Visit through glass.")))
                                        : QVariant())
          .Set("FACICODE", f.Id)
          .Set("FACILITY", f.Desc)
          .Set("UniqueKey", key);
      visits.Insert();
      if (R.Chance(0.5)) {
        scheduled.Set("JBVSTLogFKey", key)
            .Set("ScheduledDateTime", in.addSecs(-60 * qint64(R.Pick({0, 0, 15, 30}))))
            .Set("BOOKNO", b.BookNo)
            .Set("VECSOID", visitor.Ecsoid)
            .Set("UniqueKey", R.Key());
        scheduled.Insert();
      }
    }
  }
};

}  // namespace

void WriteDemoVisitors(TDemoContext& context) {
  TVisitorsWriter(context).Write();
}

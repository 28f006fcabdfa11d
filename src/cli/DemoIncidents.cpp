#include "cli/DemoIncidents.h"

#include "cli/DemoCodes.h"
#include "cli/DemoRichText.h"
#include "cli/DemoSubjectWriter.h"
#include "cli/DemoTableWriter.h"

#include <algorithm>

namespace {

class TIncidentsWriter : public TDemoSubjectWriter {
 public:
  explicit TIncidentsWriter(TDemoContext& context) : TDemoSubjectWriter(context, "incidents") {}

  void Write() {
    TDemoTableWriter incidents(C.Db(), QStringLiteral("JBINCIDE"));
    TDemoTableWriter persons(C.Db(), QStringLiteral("JBINCPER"));
    TDemoTableWriter charges(C.Db(), QStringLiteral("JBINCCHG"));
    TDemoTableWriter narratives(C.Db(), QStringLiteral("JBINC_NAR"));
    const auto& types = DemoIncidentTypes();
    std::vector<int> locations;
    for (size_t i = 0; i < DemoPlaces().size(); ++i)
      if (!DemoPlaces()[i].Movement) locations.push_back(int(i) + 1);
    const int count = C.Sized(60, 8);
    std::vector<QDateTime> moments;
    for (int n = 0; n < count; ++n) moments.push_back(RecentMoment(700));
    std::sort(moments.begin(), moments.end());
    int number = 0;
    for (const QDateTime& at : moments) {
      const int f = R.Int(0, int(C.Facilities.size()) - 1);
      const int booking = InCustodyAt(f, at);
      if (booking < 0) continue;
      const TDemoBooking& b = C.Bookings[size_t(booking)];
      const TDemoPerson& inmate = C.People[size_t(b.Person)];
      const TDemoFacility& facility = C.Facilities[size_t(f)];
      const int type = R.Int(0, int(types.size()) - 1);
      const QString incidentNo = QStringLiteral("IN%1-%2")
                                     .arg(at.date().year() % 100, 2, 10, QLatin1Char('0'))
                                     .arg(++number, 5, 10, QLatin1Char('0'));
      const QDateTime to = at.addSecs(60 * qint64(R.Int(5, 90)));
      const QDateTime reported = to.addSecs(60 * qint64(R.Int(10, 300)));
      const int approval = R.Weighted({70, 25, 5});  // approved, unapproved, never set
      const TDemoEmployee& reporter = Officer();
      const TDemoEmployee& supervisor = Officer();
      const TDemoEmployee& sergeant = Officer();
      const TDemoEmployee& commander = Officer();
      incidents.Set("INCIDENTNO", incidentNo)
          .Set("INCDATE", DemoTime::DateOf(at))
          .Set("INCTIME", DemoTime::TimeOf(at))
          .Set("INCDATE2", DemoTime::DateOf(to))
          .Set("INCTIMETO", DemoTime::TimeOf(to))
          .Set("REPTONDATE", DemoTime::DateOf(reported))
          .Set("REPORTONTIME", DemoTime::TimeOf(reported))
          .Set("COMPLETED", approval == 2 ? QVariant() : QVariant(approval == 0))
          .Set("SUPAPPROVE", approval == 0)
          .Set("INMATELNAME", inmate.LName)
          .Set("INMATEFNAME", inmate.FName)
          .Set("INMATEMNAME", inmate.MName)
          .Set("SHORTDESC", QLatin1String(types[size_t(type)].Desc) + QStringLiteral(" in ") +
                                facility.Dorms[size_t(b.Dorm)].Desc)
          .Set("FK_IncidentType", DemoFixedKey("INCT", type + 1))
          .Set("REPOFFICERALLNAME", reporter.FullName())
          .Set("OFFPERNO", reporter.PerNo)
          .Set("REPTSUPALLNAME", supervisor.FullName())
          .Set("SUPPERNO", supervisor.PerNo)
          .Set("SECURITYSGTALLNAME", sergeant.FullName())
          .Set("SECURITYSGTPERNO", sergeant.PerNo)
          .Set("SHIFTCOMMANDERALLNAME", commander.FullName())
          .Set("SHIFTCOMMANDERPERNO", commander.PerNo)
          .Set("APPROVEDBYALLNAME", approval == 0 ? QVariant(commander.FullName()) : QVariant())
          .Set("CONTRABAND", types[size_t(type)].Code == QLatin1String("CONTR"))
          .Set("ATTACHED", R.Chance(0.2))
          .Set("SO_CONTACTED", R.Chance(0.15))
          .Set("VICTIMWILLCHARGE", R.Chance(0.1))
          .Set("DISCIPLINARYHEARING", R.Chance(0.4))
          .Set("WITNESS1", R.Chance(0.6) ? QVariant(Officer().FullName()) : QVariant())
          .Set("WITNESS2", R.Chance(0.2) ? QVariant(Officer().FullName()) : QVariant())
          .Set("CASENO",
               R.Chance(0.2) && !b.Cases.empty() ? QVariant(b.Cases.front().CaseNo) : QVariant())
          .Set("FACICODE", facility.Id)
          .Set("FACILITY", facility.Desc)
          .Set("UNIQUEKEY", R.Key());
      if (R.Chance(0.5))
        incidents.Set("FK_CFGMOVE", DemoFixedKey("MOVE", R.Pick(locations)));
      else {
        const int cell = b.InCustody() ? b.Bed : b.HistoryCell;
        incidents.Set("INCLOCATION", cell >= 0
                                         ? QStringLiteral("CELL ") + C.Beds[size_t(cell)].CellNo
                                         : QStringLiteral("INTAKE HOLDING"));
      }
      incidents.Insert();

      // The inmate, and sometimes others involved.
      for (int n = 0; n < R.Int(1, 3); ++n) {
        const int other = n == 0 ? booking : InCustodyAt(f, at);
        if (other < 0) continue;
        const TDemoPerson& p = C.People[size_t(C.Bookings[size_t(other)].Person)];
        const QDateTime stated = reported.addSecs(60 * qint64(R.Int(5, 120)));
        persons.Set("INCIDENTNO", incidentNo)
            .Set("LNAME", p.LName)
            .Set("FNAME", p.FName)
            .Set("MNAME", p.MName)
            .Set("PERECSOID", p.Ecsoid)
            .Set("PERSONTYPE",
                 n == 0 ? QStringLiteral("SUSPECT") : QLatin1String(R.Pick({"VICTIM", "WITNESS"})))
            .Set("ST_DATE", DemoTime::DateOf(stated))
            .Set("ST_TIME", DemoTime::TimeOf(stated))
            .Set("STATEMENT",
                 R.Chance(0.7)
                     ? QVariant(DemoRtf(QStringLiteral("I was in my bunk when it started."),
                                        QStringLiteral("I did not see who threw the first punch.")))
                     : QVariant())
            .Set("HAIR", p.Hair)
            .Set("EYES", p.Eyes)
            .Set("SEX", p.Sex)
            .Set("RACE", p.Race)
            .Set("HEIGHT", p.Height)
            .Set("WEIGHT", p.Weight)
            .Set("UNIQUEKEY", R.Key());
        persons.Insert();
      }
      for (int n = R.Int(0, 2); n > 0; --n) {
        charges.Set("INCIDENTNO", incidentNo)
            .Set("TYPEOFCHARGE", QLatin1String(R.Pick({"ADMINISTRATIVE", "CRIMINAL"})))
            .Set("SHORTDESCRIPTION",
                 QLatin1String(R.Pick({"FIGHTING", "POSSESSION OF CONTRABAND",
                                       "DESTRUCTION OF PROPERTY", "DISOBEYING ORDERS"})))
            .Set("COMMENTS",
                 R.Chance(0.6) ? QVariant(QStringLiteral("Referred to the disciplinary committee."))
                               : QVariant())
            .Set("PENALTY", QLatin1String(R.Pick({"15 DAYS LOCKDOWN", "LOSS OF COMMISSARY",
                                                  "LOSS OF VISITATION", "WRITTEN WARNING"})))
            .Set("UNIQUEKEY", R.Key());
        charges.Insert();
      }
      for (int n = 0; n < R.Int(1, 2); ++n) {
        const QDateTime added = reported.addSecs(3600 * qint64(n * R.Int(2, 30)));
        narratives.Set("INCIDENTNO", incidentNo)
            .Set("ADDDATE", DemoTime::DateOf(added))
            .Set("ADDTIME", DemoTime::TimeOf(added))
            .Set("OFFICERNAME", reporter.FullName())
            .Set("REPTAKER", supervisor.FullName())
            .Set("TYPE", n == 0 ? QStringLiteral("I")
                                : (R.Chance(0.9) ? QStringLiteral("S") : QStringLiteral("X")))
            .Set("NARRATIVE",
                 R.Chance(0.9)
                     ? QVariant(DemoRtf(QStringLiteral("On the above date and time I responded to "
                                                       "a call from the dorm officer."),
                                        QStringLiteral("Both inmates were separated.")))
                     : QVariant())
            .Set("UNIQUEKEY", R.Key());
        if (R.Chance(0.3)) {
          const QDateTime edited = added.addSecs(3600 * qint64(R.Int(1, 48)));
          narratives.Set("EDITDATE", DemoTime::DateOf(edited))
              .Set("EDITTIME", DemoTime::TimeOf(edited));
        }
        narratives.Insert();
      }
    }
  }
};

}  // namespace

void WriteDemoIncidents(TDemoContext& context) {
  TIncidentsWriter(context).Write();
}

#include "cli/DemoDisciplinary.h"

#include "cli/DemoSubjectWriter.h"
#include "cli/DemoTableWriter.h"

namespace {

class TDisciplinaryWriter : public TDemoSubjectWriter {
 public:
  explicit TDisciplinaryWriter(TDemoContext& context)
      : TDemoSubjectWriter(context, "disciplinary") {}

  void Write() {
    TDemoTableWriter w(C.Db(), QStringLiteral("JBDISPLN"));
    static const char* const kRules[][2] = {{"1-1", "FIGHTING"},
                                            {"2-4", "POSSESSION OF CONTRABAND"},
                                            {"3-2", "DISOBEYING A DIRECT ORDER"},
                                            {"4-1", "DESTRUCTION OF COUNTY PROPERTY"},
                                            {"5-3", "INSOLENCE TOWARDS STAFF"}};
    static const char* const kChecklist[] = {
        "MEMBER_COMM_INVOLVED",  "24HRS_EXPIRED",      "HEARING_WITHIN5",
        "SIGNED_COPY",           "REFUSAL_WITNESSED",  "INVESTIGATE_WITHIN24HRS",
        "ONECHARGE_PERRPT",      "CHARGE_READ_INMATE", "INMATE_ASSISTANCE",
        "WITNESS_REQUESTED",     "INFO_RESTRICTED",    "HEARING_POSTPONED",
        "INMATE_SIGNED_COMPCOPY"};
    const int count = C.Sized(40, 5);
    int report = 0, event = 0;
    for (int n = 0; n < count; ++n) {
      const QDateTime at = RecentMoment(400);
      const int f = R.Int(0, int(C.Facilities.size()) - 1);
      const int booking = InCustodyAt(f, at);
      if (booking < 0) continue;
      const TDemoBooking& b = C.Bookings[size_t(booking)];
      const TDemoPerson& p = C.People[size_t(b.Person)];
      const QString eventNo = QStringLiteral("EV%1").arg(++event, 6, 10, QLatin1Char('0'));
      for (int k = 0; k < (R.Chance(0.2) ? 2 : 1); ++k) {
        const auto& rule = kRules[R.Int(0, 4)];
        const TDemoEmployee& reporter = Officer();
        const TDemoEmployee& investigator = Officer();
        const bool guilty = R.Chance(0.7);
        const int cell = b.InCustody() ? b.Bed : b.HistoryCell;
        w.Set("DISPLNNO", QStringLiteral("DR%1").arg(++report, 6, 10, QLatin1Char('0')))
            .Set("EVENTNO", eventNo)
            .Set("BOOKNO", b.BookNo)
            .Set("MNINO", p.Ecsoid)
            .Set("INMATE_NAME", p.NameLastFirst())
            .Set("CELLNO", cell >= 0 ? C.BedText(C.Beds[size_t(cell)]) : QString())
            .Set("INCIDENT_DATE", DemoTime::DateOf(at))
            .Set("INCIDENT_TIME", DemoTime::TimeOf(at))
            .Set("RULE_NUM", rule[0])
            .Set("RULE_CHARGE", rule[1])
            .Set("REPT_BY", reporter.FullName())
            .Set("REPT_BY_PERNO", reporter.PerNo)
            .Set("DELIV_BY_OFFNAME", Officer().FullName())
            .Set("DELIV_DATE", DemoTime::DateOf(at.addDays(1)))
            .Set("DELIV_TIME", DemoTime::TimeOf(at.addSecs(3600)))
            .Set("INVESTIGATE_DATE_BEGAN", DemoTime::DateOf(at.addDays(1)))
            .Set("INVESTIGATE_TIME_BEGAN", DemoTime::TimeOf(at.addSecs(7200)))
            .Set("INMATE_STATEMENT",
                 R.Chance(0.7)
                     ? QVariant(QStringLiteral(
                           "Inmate stated he was defending himself. Attitude cooperative."))
                     : QVariant())
            .Set("OTHER_FACTS", R.Chance(0.6)
                                    ? QVariant(QStringLiteral(
                                          "Video footage reviewed by the investigating officer."))
                                    : QVariant())
            .Set("INVESTIGATED_BY", investigator.FullName())
            .Set("INVESTIGATE_DATE_COMP", DemoTime::DateOf(at.addDays(2)))
            .Set("INVESTIGATE_TIME_COMP", DemoTime::TimeOf(at.addSecs(10800)))
            .Set("INMATE_CMTS_TOCOMM",
                 R.Chance(0.5) ? QVariant(QStringLiteral("Inmate apologised to the committee."))
                               : QVariant())
            .Set("INMATE_PLEA_GUILTY", guilty)
            .Set("INMATE_PLEA_NOTGUILTY", !guilty)
            .Set("INMATE_PLEA_NOCONTEST", false)
            .Set("COMMITTEE_FIND_GUILTY", guilty)
            .Set("COMMITTEE_FIND_NOTGUILTY", !guilty && R.Chance(0.5))
            .Set("COMMITTEE_FIND_CHARGEDISMISSED", !guilty)
            .Set("COMMITTEE_FINDINGS",
                 guilty ? QVariant(QStringLiteral("Officer's report and video footage."))
                        : QVariant())
            .Set("ACTIONS_PRIVILEGESUSP", guilty)
            .Set("ACTIONS_PRIVILEGESUSPDAYS", guilty ? R.Int(5, 30) : 0)
            .Set("ACTIONS_DISCIPLCONFINEDAYS", guilty ? R.Int(0, 15) : 0)
            .Set("ACTIONS_DISCIPLCONFINECREDITDAYS", guilty ? R.Int(0, 3) : 0)
            .Set("DOJSENTINM_GAINTIMEDAYS", guilty ? R.Int(0, 10) : 0)
            .Set("DOJSENTINM_GAINTIME_FORTEITED", guilty && R.Chance(0.3))
            .Set("ADDITIONAL_CMTS", QVariant())
            .Set("DIRECTOR_GAINTIMEFORT_APPROVED", guilty)
            .Set("DIRECTOR_GAINTIMEFORT_NOTAPPROVED", false)
            .Set("SERV_DATE", DemoTime::DateOf(at.addDays(4)))
            .Set("WAIVED", false)
            .Set("UNRULY", false)
            .Set("REFUSED", R.Chance(0.1))
            .Set("CHAIRPERSON_DATE", DemoTime::DateOf(at.addDays(3)))
            .Set("CHAIRPERSON_NAME", Officer().FullName())
            .Set("COMMITTEEMEMBER_DATE", DemoTime::DateOf(at.addDays(3)))
            .Set("COMMITTEEMEMBER_NAME", Officer().FullName())
            .Set("COMMITTEEMEMBER2_DATE", DemoTime::DateOf(at.addDays(3)))
            .Set("COMMITTEEMEMBER2_NAME", Officer().FullName())
            .Set("SHIFTCOMMREVIEW_APPROVED", true)
            .Set("SHIFTCOMMREVIEW_DISAPPROVED", false)
            .Set("SHIFTCOMMREVIEW_MODIFIED", false)
            .Set(
                "SHIFTCOMMREVIEW_CMTS",
                R.Chance(0.3) ? QVariant(QStringLiteral("Reviewed; sanction stands.")) : QVariant())
            .Set("SHIFTCOMMREVIEW_DATE", DemoTime::DateOf(at.addDays(5)))
            .Set("SHIFTCOMMREVIEW_NAME", Officer().FullName())
            .Set("INMATE_PRESENT", true)
            .Set("INMATE_PRESENT_NA", false)
            .Set("INMATE_PRESENT_NO", false)
            .Set("INMATE_ASSISTANCE_WHO", QVariant())
            .Set("HEARING_POSTPONED_INMATE_NA", true)
            .Set("SHIFT_COMMANDER", Officer().FullName())
            .Set("AGENCY", C.PrimaryAgency().Abbrev)
            .Set("VIC_UPDATE", false)
            .Set("UNIQUEKEY", R.Key());
        for (const char* question : kChecklist) {
          const bool yes = R.Chance(0.6);
          w.Set(QLatin1String(question), yes)
              .Set(QLatin1String(question) + QStringLiteral("_NO"), !yes);
        }
        w.Insert();
      }
    }
  }
};

}  // namespace

void WriteDemoDisciplinary(TDemoContext& context) {
  TDisciplinaryWriter(context).Write();
}

#include "cli/DemoOperations.h"

#include "cli/DemoCodes.h"
#include "cli/DemoContext.h"
#include "cli/DemoNames.h"
#include "cli/DemoPeople.h"
#include "cli/DemoRichText.h"
#include "cli/DemoTableWriter.h"

#include <algorithm>

namespace {

QString NameOf(const TDemoPerson& p) {
  return (p.LName + QStringLiteral(", ") + p.FName + QLatin1Char(' ') + p.MName).trimmed();
}

class TOperationsWriter {
 public:
  explicit TOperationsWriter(TDemoContext& context)
      : C(context), R(context.Random("operations")) {
    const QDateTime from = C.Now().addDays(-2 * 366);
    FRecent.resize(C.Facilities.size());
    for (size_t i = 0; i < C.Bookings.size(); ++i) {
      const TDemoBooking& b = C.Bookings[i];
      if (b.InCustody() || b.Released > from) FRecent[size_t(b.Facility)].push_back(int(i));
    }
  }

  void Write() {
    WriteLog();
    WriteVisitors();
    WriteIncidents();
    WriteProperty();
    WriteDisciplinary();
  }

 private:
  const TDemoEmployee& Officer() { return R.Pick(C.Officers); }

  // A booking of the facility in custody at `at`, or -1.
  int InCustodyAt(int facility, const QDateTime& at) {
    const std::vector<int>& list = FRecent[size_t(facility)];
    if (list.empty()) return -1;
    for (int attempt = 0; attempt < 30; ++attempt) {
      const int i = R.Pick(list);
      const TDemoBooking& b = C.Bookings[size_t(i)];
      if (b.Booked <= at && (b.InCustody() || b.Released > at)) return i;
    }
    return -1;
  }

  // A moment of the last `days` days, to the minute as the suite's forms
  // record them.
  QDateTime RecentMoment(int days) {
    const QDateTime at = C.Now().addSecs(-60 * qint64(R.Unit() * days * 1440.0) - 60);
    return DemoTime::At(at.date(), at.time().hour(), at.time().minute());
  }

  void WriteLog() {
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
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return moments[a] < moments[b]; });

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
          .Set("USERNAME", R.Chance(0.7) ? officer.UserName : QLatin1String(R.Pick({"DEMO", "CLERK"})))
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
        case 0: log.Set("LOGENTRY", DemoRtf(text, R.Chance(0.5) ? QLatin1String(kEmphasis[R.Int(0, 3)]) : QString())); break;
        case 1: log.Set("LOGENTRY", text); break;
        case 2: log.Set("LOGENTRY", QString()); break;
        default: break;
      }
      if (!malformedWritten && R.Chance(0.01)) {
        // Written by an old editor that cut the text short.
        log.Set("LOGENTRY", QStringLiteral("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Power outage in the \\b east wing"));
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

  void WriteVisitors() {
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
          v = AddDemoPerson(C, people, R.Chance(0.6) ? TDemoPersonKind::Female : TDemoPersonKind::Adult,
                            C.Today());
          visitors.push_back(v);
          const TDemoPerson& p = C.People[size_t(v)];
          // Most visitors are in the master name index; a few are not.
          if (!R.Chance(0.1)) {
            mni.Set("ECSOID", p.Ecsoid).Set("LNAME", p.LName).Set("FNAME", p.FName).Set("MNAME", p.MName)
                .Set("DOB", DemoTime::At(p.Dob)).Set("SEX", p.Sex).Set("RACE", p.Race)
                .Set("WARACT", p.Warrant).Set("I_LEO", false).Set("UNIQUEKEY", R.Key());
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
            .Set("COMMENT", R.Chance(0.5) ? QVariant(DemoRtf(QStringLiteral("Approved after background check."))) : QVariant())
            .Set("STATUS", ban ? 2 : 1)
            .Set("DATE", DemoTime::DateOf(entered))
            .Set("TIME", DemoTime::TimeOf(entered))
            .Set("USERNAME", Officer().UserName)
            // A few entries were made at another facility of the jail.
            .Set("FACICODE", R.Chance(0.02) ? C.Facilities[size_t((b.Facility + 1) % int(C.Facilities.size()))].Id : f.Id)
            .Set("FACILITY", f.Desc)
            .Set("UNIQUEKEY", R.Key());
        if (ban) {
          ++banned;
          const bool permanent = R.Chance(0.3);
          visit.Set("PERMANENTBAN", permanent)
              .Set("EXPIRED", permanent ? QVariant() : QVariant(DemoTime::DateOf(entered.addDays(R.Int(30, 365)))))
              .Set("BANCOMMENT", R.Chance(0.8) ? QVariant(DemoRtf(QStringLiteral("Attempted to pass contraband during visitation."), QStringLiteral("Do not admit."))) : QVariant());
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
      const QDateTime in = DemoTime::At(day, R.Pick({9, 10, 13, 14, 15, 18}), R.Pick({0, 5, 30, 35}));
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
          .Set("COMMENT", R.Chance(0.3) ? QVariant(DemoRtf(QStringLiteral("Visit through glass."))) : QVariant())
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

  void WriteIncidents() {
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
      const QString incidentNo = QStringLiteral("IN%1-%2").arg(at.date().year() % 100, 2, 10, QLatin1Char('0')).arg(++number, 5, 10, QLatin1Char('0'));
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
          .Set("SHORTDESC", QLatin1String(types[size_t(type)].Desc) + QStringLiteral(" in ") + facility.Dorms[size_t(b.Dorm)].Desc)
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
          .Set("CASENO", R.Chance(0.2) && !b.Cases.empty() ? QVariant(b.Cases.front().CaseNo) : QVariant())
          .Set("FACICODE", facility.Id)
          .Set("FACILITY", facility.Desc)
          .Set("UNIQUEKEY", R.Key());
      if (R.Chance(0.5)) incidents.Set("FK_CFGMOVE", DemoFixedKey("MOVE", R.Pick(locations)));
      else {
        const int cell = b.InCustody() ? b.Bed : b.HistoryCell;
        incidents.Set("INCLOCATION", cell >= 0 ? QStringLiteral("CELL ") + C.Beds[size_t(cell)].CellNo
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
            .Set("PERSONTYPE", n == 0 ? QStringLiteral("SUSPECT") : QLatin1String(R.Pick({"VICTIM", "WITNESS"})))
            .Set("ST_DATE", DemoTime::DateOf(stated))
            .Set("ST_TIME", DemoTime::TimeOf(stated))
            .Set("STATEMENT", R.Chance(0.7) ? QVariant(DemoRtf(QStringLiteral("I was in my bunk when it started."), QStringLiteral("I did not see who threw the first punch."))) : QVariant())
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
            .Set("SHORTDESCRIPTION", QLatin1String(R.Pick({"FIGHTING", "POSSESSION OF CONTRABAND", "DESTRUCTION OF PROPERTY", "DISOBEYING ORDERS"})))
            .Set("COMMENTS", R.Chance(0.6) ? QVariant(QStringLiteral("Referred to the disciplinary committee.")) : QVariant())
            .Set("PENALTY", QLatin1String(R.Pick({"15 DAYS LOCKDOWN", "LOSS OF COMMISSARY", "LOSS OF VISITATION", "WRITTEN WARNING"})))
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
            .Set("TYPE", n == 0 ? QStringLiteral("I") : (R.Chance(0.9) ? QStringLiteral("S") : QStringLiteral("X")))
            .Set("NARRATIVE", R.Chance(0.9) ? QVariant(DemoRtf(QStringLiteral("On the above date and time I responded to a call from the dorm officer."), QStringLiteral("Both inmates were separated."))) : QVariant())
            .Set("UNIQUEKEY", R.Key());
        if (R.Chance(0.3)) {
          const QDateTime edited = added.addSecs(3600 * qint64(R.Int(1, 48)));
          narratives.Set("EDITDATE", DemoTime::DateOf(edited)).Set("EDITTIME", DemoTime::TimeOf(edited));
        }
        narratives.Insert();
      }
    }
  }

  void WriteProperty() {
    TDemoTableWriter records(C.Db(), QStringLiteral("JBIPROP"));
    TDemoTableWriter items(C.Db(), QStringLiteral("JBPITEMS"));
    const auto& storages = DemoStorages();
    const auto& types = DemoPropertyTypes();
    int number = 0;
    for (const TDemoBooking& b : C.Bookings) {
      if (!b.InCustody() && b.Released < C.Now().addDays(-2 * 366)) continue;
      const TDemoPerson& p = C.People[size_t(b.Person)];
      // Each facility keeps property in its own room; valuables in the safe.
      const size_t storageIndex = b.Facility == 0 ? 0 : b.Facility == 1 ? 1 : 3;
      const TDemoStorage& storage = storages[size_t(R.Chance(0.1) ? 2 : storageIndex)];
      int firstContainer = 1;
      for (size_t s = 0; s < storages.size() && storages[s].LocKey != storage.LocKey; ++s) firstContainer += storages[s].Containers;
      for (int k = 0; k < (R.Chance(0.1) ? 2 : 1); ++k) {
        const QString propertyNo = QStringLiteral("PR%1").arg(++number, 8, 10, QLatin1Char('0'));
        const QDateTime received = b.Booked.addSecs(60 * qint64(R.Int(15, 90) + k * 600));
        const TDemoEmployee& officer = Officer();
        records.Set("PROPERTYNO", propertyNo)
            .Set("PROPERTYINT", k + 1)
            .Set("BOOKNO", b.BookNo)
            .Set("ECSOID", p.Ecsoid)
            .Set("GROUPID", QLatin1String(types[0].Code))
            .Set("COMMENTS", R.Chance(0.4) ? QVariant(DemoRtf(QStringLiteral("Inventoried in the presence of the inmate."))) : QVariant())
            .Set("RECDATE", DemoTime::DateOf(received))
            .Set("RECTIME", DemoTime::TimeOf(received))
            .Set("RECOFFNO", officer.PerNo)
            .Set("RECOFFNAME", officer.FullName())
            .Set("PROPRELEASE", !b.InCustody())
            .Set("LOCATION", storage.Location)
            .Set("LOCATIONCODE", storage.Code)
            .Set("LOCKEY", storage.LocKey)
            .Set("VIC_UPDATE", false)
            .Set("UNIQUEKEY", R.Key());
        if (!b.InCustody()) {
          const TDemoEmployee& releaser = Officer();
          records.Set("RETDATE", DemoTime::DateOf(b.Released))
              .Set("RETTIME", DemoTime::TimeOf(b.Released))
              .Set("RETOFFNO", releaser.PerNo)
              .Set("RETOFFNAME", releaser.FullName())
              .Set("RELEASETONAME", R.Chance(0.8) ? NameOf(p) : QString(QLatin1String(R.Pick(DemoNames::FemaleFirst())) + QLatin1Char(' ') + p.LName))
              .Set("RELEASETOMNINO", p.Ecsoid);
        }
        records.Insert();
        if (R.Chance(0.05)) continue;  // a record whose items were never entered
        const int container = firstContainer + R.Int(0, storage.Containers - 1);
        for (int n = 1; n <= R.Int(2, 5); ++n) {
          const TDemoCode& type = R.Pick(types);
          const bool cash = QLatin1String(type.Code) == QLatin1String("5004");
          items.Set("PROPITEMNO", QString::number(n).rightJustified(2, QLatin1Char('0')))
              .Set("PROPERTYNO", propertyNo)
              .Set("BOOKNO", b.BookNo)
              .Set("ECSOID", p.Ecsoid)
              .Set("GROUPID", type.Code)
              .Set("QTY", R.Int(1, 4))
              .Set("DESCRIPTION", R.Chance(0.05) ? QVariant() : QVariant(QString(QLatin1String(type.Desc)) + QStringLiteral(" - ") + QLatin1String(R.Pick({"BLACK", "BLUE", "BROWN", "WHITE", "GOLD"}))))
              .Set("LOCATION", QStringLiteral("BIN %1").arg(container - firstContainer + 1, 3, 10, QLatin1Char('0')))
              .Set("COMMENTS", R.Chance(0.2) ? QVariant(DemoRtf(QStringLiteral("Worn condition."))) : QVariant())
              .Set("CASH", cash)
              .Set("CASHAMOUNT", cash ? QVariant(double(R.Int(1, 400)) + 0.25 * R.Int(0, 3)) : QVariant())
              .Set("CHECK", false)
              .Set("MONEYORDER", false)
              .Set("RELEASE", !b.InCustody())
              .Set("RELEASETOMNI", b.InCustody() ? QVariant() : QVariant(p.Ecsoid))
              .Set("CONTAINERID", container)
              .Set("UNIQUEKEY", R.Key());
          items.Insert();
        }
      }
    }
  }

  void WriteDisciplinary() {
    TDemoTableWriter w(C.Db(), QStringLiteral("JBDISPLN"));
    static const char* const kRules[][2] = {{"1-1", "FIGHTING"}, {"2-4", "POSSESSION OF CONTRABAND"},
                                            {"3-2", "DISOBEYING A DIRECT ORDER"}, {"4-1", "DESTRUCTION OF COUNTY PROPERTY"},
                                            {"5-3", "INSOLENCE TOWARDS STAFF"}};
    static const char* const kChecklist[] = {
        "MEMBER_COMM_INVOLVED", "24HRS_EXPIRED", "HEARING_WITHIN5", "SIGNED_COPY",
        "REFUSAL_WITNESSED", "INVESTIGATE_WITHIN24HRS", "ONECHARGE_PERRPT", "CHARGE_READ_INMATE",
        "INMATE_ASSISTANCE", "WITNESS_REQUESTED", "INFO_RESTRICTED", "HEARING_POSTPONED",
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
            .Set("INMATE_NAME", NameOf(p))
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
            .Set("INMATE_STATEMENT", R.Chance(0.7) ? QVariant(QStringLiteral("Inmate stated he was defending himself. Attitude cooperative.")) : QVariant())
            .Set("OTHER_FACTS", R.Chance(0.6) ? QVariant(QStringLiteral("Video footage reviewed by the investigating officer.")) : QVariant())
            .Set("INVESTIGATED_BY", investigator.FullName())
            .Set("INVESTIGATE_DATE_COMP", DemoTime::DateOf(at.addDays(2)))
            .Set("INVESTIGATE_TIME_COMP", DemoTime::TimeOf(at.addSecs(10800)))
            .Set("INMATE_CMTS_TOCOMM", R.Chance(0.5) ? QVariant(QStringLiteral("Inmate apologised to the committee.")) : QVariant())
            .Set("INMATE_PLEA_GUILTY", guilty)
            .Set("INMATE_PLEA_NOTGUILTY", !guilty)
            .Set("INMATE_PLEA_NOCONTEST", false)
            .Set("COMMITTEE_FIND_GUILTY", guilty)
            .Set("COMMITTEE_FIND_NOTGUILTY", !guilty && R.Chance(0.5))
            .Set("COMMITTEE_FIND_CHARGEDISMISSED", !guilty)
            .Set("COMMITTEE_FINDINGS", guilty ? QVariant(QStringLiteral("Officer's report and video footage.")) : QVariant())
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
            .Set("SHIFTCOMMREVIEW_CMTS", R.Chance(0.3) ? QVariant(QStringLiteral("Reviewed; sanction stands.")) : QVariant())
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
          w.Set(QLatin1String(question), yes).Set(QLatin1String(question) + QStringLiteral("_NO"), !yes);
        }
        w.Insert();
      }
    }
  }

  TDemoContext& C;
  TDemoRandom R;
  std::vector<std::vector<int>> FRecent;  // per facility: bookings of the last two years
};

}  // namespace

void WriteDemoOperations(TDemoContext& context) {
  TOperationsWriter(context).Write();
}

#include "cli/DemoBookings.h"

#include "cli/DemoCodes.h"
#include "cli/DemoContext.h"
#include "cli/DemoNames.h"
#include "cli/DemoPeople.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace {

struct TStay {
  QDateTime From, To;  // To invalid: still in custody
};

enum class TCaseKind { Felony, Misdemeanor, Hold };

const char* const kTrustyJobs[] = {"KITCHEN", "LAUNDRY", "OUTSIDE DETAIL", "MAINTENANCE"};
const char* const kWorkTypes[] = {"DAY LABOR", "CONSTRUCTION", "FOOD SERVICE", "LANDSCAPING"};

class TPopulationBuilder {
 public:
  explicit TPopulationBuilder(TDemoContext& context) : C(context), R(context.Random("bookings")) {}

  void Build() {
    for (size_t f = 0; f < C.Facilities.size(); ++f) AddInCustody(int(f));
    AddReleased();
    std::stable_sort(
        C.Bookings.begin(), C.Bookings.end(),
        [](const TDemoBooking& a, const TDemoBooking& b) { return a.Booked < b.Booked; });
    NumberBookings();
    for (TDemoBooking& b : C.Bookings) {
      AddCases(b);
      Classify(b);
    }
    PickAbsences();
    PickKeepFrom();
    EnsureShowcases();
  }

 private:
  // A time of day weighted towards evenings and nights, when most arrests
  // are brought in.
  QDateTime At(const QDate& day) {
    static const std::vector<int> kHourWeights = {6, 6, 5, 4, 3, 2, 2, 2, 3, 3, 4, 4,
                                                  4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 8, 7};
    const int hour = R.Weighted(kHourWeights);
    return DemoTime::At(day, hour, R.Int(0, 59));
  }

  int PersonFor(TDemoPersonKind kind, const QDateTime& from, const QDateTime& to, double reuse) {
    if (kind != TDemoPersonKind::Juvenile && !C.People.empty() && R.Chance(reuse)) {
      for (int attempt = 0; attempt < 6; ++attempt) {
        const int candidate = R.Int(0, int(C.People.size()) - 1);
        const TDemoPerson& p = C.People[size_t(candidate)];
        if ((kind == TDemoPersonKind::Female) != (p.Sex == QLatin1String("F"))) continue;
        if (DemoTime::Age(p.Dob, from.date()) < 18) continue;
        if (Overlaps(candidate, from, to)) continue;
        Stays(candidate).push_back({from, to});
        return candidate;
      }
    }
    const int person = AddDemoPerson(C, R, kind, from.date());
    Stays(person).push_back({from, to});
    return person;
  }

  std::vector<TStay>& Stays(int person) {
    if (FStays.size() <= size_t(person)) FStays.resize(size_t(person) + 1);
    return FStays[size_t(person)];
  }

  bool Overlaps(int person, const QDateTime& from, const QDateTime& to) {
    for (const TStay& s : Stays(person)) {
      const bool endsBefore = to.isValid() && to <= s.From;
      const bool startsAfter = s.To.isValid() && from >= s.To;
      if (!endsBefore && !startsAfter) return true;
    }
    return false;
  }

  void AddInCustody(int facility) {
    const TDemoFacility& f = C.Facilities[size_t(facility)];
    std::vector<int> beds;
    for (size_t i = 0; i < C.Beds.size(); ++i)
      if (C.Beds[i].Facility == facility) beds.push_back(int(i));
    R.Shuffle(beds);
    const int withoutCell = std::max(1, f.ActiveTarget * 3 / 100);
    const QDate today = C.Today();

    for (int i = 0; i < f.ActiveTarget; ++i) {
      TDemoBooking b;
      b.Facility = facility;
      b.Bed = i < f.ActiveTarget - withoutCell && size_t(i) < beds.size() ? beds[size_t(i)] : -1;
      b.Dorm = b.Bed >= 0 ? C.Beds[size_t(b.Bed)].Dorm : 0;
      const TDemoHousing housing =
          b.Bed >= 0 ? f.Dorms[size_t(b.Dorm)].Housing : TDemoHousing::General;
      const TDemoPersonKind kind = housing == TDemoHousing::Female     ? TDemoPersonKind::Female
                                   : housing == TDemoHousing::Juvenile ? TDemoPersonKind::Juvenile
                                                                       : TDemoPersonKind::Adult;
      b.WorkRelease = housing == TDemoHousing::WorkRelease;
      b.Weekender = housing == TDemoHousing::General && R.Chance(0.05);

      int daysAgo = 0;
      switch (R.Weighted({12, 33, 38, 17})) {
        case 0:
          daysAgo = R.Int(0, 3);
          break;
        case 1:
          daysAgo = R.Int(4, 30);
          break;
        case 2:
          daysAgo = R.Int(31, 180);
          break;
        default:
          daysAgo = R.Int(181, 720);
          break;
      }
      if (b.Weekender) {
        // Weekenders report on a Friday evening.
        QDate friday = today.addDays(-R.Int(7, 56));
        while (friday.dayOfWeek() != Qt::Friday) friday = friday.addDays(-1);
        b.Booked = DemoTime::At(friday, 18, R.Int(0, 25));
      } else {
        b.Booked = At(today.addDays(-daysAgo));
        if (b.Booked >= C.Now()) {
          const int hour = R.Int(0, 5);
          b.Booked = DemoTime::At(today, hour, R.Int(0, 59));
        }
      }
      b.Juvenile = kind == TDemoPersonKind::Juvenile;
      b.Person = PersonFor(kind, b.Booked, QDateTime(), 0.15);
      b.NameReleas = R.Chance(0.02) ? QVariant() : QVariant(0);
      C.Bookings.push_back(b);
    }
  }

  void AddReleased() {
    const int count = C.Sized(4200, 150);
    const QDateTime first = C.Now().addDays(-6 * 365);
    const qint64 span = first.secsTo(C.Now().addDays(-1));
    for (int i = 0; i < count; ++i) {
      TDemoBooking b;
      b.Facility = R.Weighted({55, 30, 15});
      b.Booked = At(first.addSecs(qint64(R.Unit() * double(span))).date());
      qint64 stayMinutes = 0;
      switch (R.Weighted({40, 30, 20, 10})) {
        case 0:
          stayMinutes = R.Int(90, 2 * 1440);
          break;
        case 1:
          stayMinutes = R.Int(3 * 1440, 14 * 1440);
          break;
        case 2:
          stayMinutes = R.Int(15 * 1440, 90 * 1440);
          break;
        default:
          stayMinutes = R.Int(91 * 1440, 400 * 1440);
          break;
      }
      b.Released = b.Booked.addSecs(stayMinutes * 60);
      if (b.Released > C.Now().addSecs(-3600))
        b.Released = C.Now().addSecs(-60 * qint64(R.Int(60, 2000)));
      if (b.Released <= b.Booked) b.Released = b.Booked.addSecs(5400);

      const int kindDraw = R.Weighted({80, 17, 3});
      const TDemoPersonKind kind = kindDraw == 1   ? TDemoPersonKind::Female
                                   : kindDraw == 2 ? TDemoPersonKind::Juvenile
                                                   : TDemoPersonKind::Adult;
      // The cell they last had, for the housing columns of the history.
      const TDemoFacility& f = C.Facilities[size_t(b.Facility)];
      std::vector<int> fitting;
      for (size_t bi = 0; bi < C.Beds.size(); ++bi) {
        const TDemoBed& bed = C.Beds[bi];
        if (bed.Facility != b.Facility) continue;
        const TDemoHousing h = f.Dorms[size_t(bed.Dorm)].Housing;
        const bool fits = kind == TDemoPersonKind::Female ? h == TDemoHousing::Female
                          : kind == TDemoPersonKind::Juvenile
                              ? h == TDemoHousing::Juvenile
                              : h != TDemoHousing::Female && h != TDemoHousing::Juvenile;
        if (fits) fitting.push_back(int(bi));
      }
      if (!fitting.empty()) {
        const TDemoBed& bed = C.Beds[size_t(R.Pick(fitting))];
        b.Dorm = bed.Dorm;
        b.HistoryCell = int(&bed - C.Beds.data());
      }
      b.WorkRelease = f.Dorms[size_t(b.Dorm)].Housing == TDemoHousing::WorkRelease;
      b.Juvenile = kind == TDemoPersonKind::Juvenile;
      b.Person = PersonFor(kind, b.Booked, b.Released, 0.3);
      b.NameReleas = 1;
      b.ReleaseReason = R.Weighted({22, 25, 15, 8, 14, 4, 4, 3, 5});
      C.Bookings.push_back(b);
    }
  }

  void NumberBookings() {
    std::map<QString, int> counters;  // facility and year
    for (TDemoBooking& b : C.Bookings) {
      const QString facility = C.Facilities[size_t(b.Facility)].Id;
      const QString yy =
          QString::number(b.Booked.date().year() % 100).rightJustified(2, QLatin1Char('0'));
      const int n = ++counters[facility + yy];
      b.BookNo = QStringLiteral("JBN") + facility + yy +
                 QString::number(n).rightJustified(5, QLatin1Char('0'));
      b.UniqueKey = R.Key();
    }
    for (size_t i = 0; i < C.Bookings.size(); ++i)
      if (C.Bookings[i].Bed >= 0) C.Beds[size_t(C.Bookings[i].Bed)].Occupant = int(i);
  }

  const TDemoCaseStatus& Status(TCaseKind kind, bool sentenced) {
    const auto& statuses = DemoCaseStatuses();
    auto find = [&](const char* code) -> const TDemoCaseStatus& {
      for (const TDemoCaseStatus& s : statuses)
        if (qstrcmp(s.Code, code) == 0) return s;
      return statuses.front();
    };
    if (kind == TCaseKind::Hold) return find("HOLD");
    const bool felony = kind == TCaseKind::Felony;
    if (sentenced)
      return find(felony ? R.Pick({"SF", "SF", "SFYR"}) : R.Pick({"SM", "SM", "SMYR"}));
    switch (R.Weighted({60, 20, 20})) {
      case 0:
        return find(felony ? "FA" : "MA");
      case 1:
        return find(felony ? "PSIF" : "PSIM");
      default:
        return find(felony ? "FVOP" : "MVOP");
    }
  }

  int StatuteFor(TCaseKind kind) {
    std::vector<int> fitting;
    for (size_t i = 0; i < C.Statutes.size(); ++i) {
      const TDemoStatute& s = C.Statutes[i];
      const bool warrant = s.Code.startsWith(QLatin1String("OUT CNTY"));
      if (kind == TCaseKind::Hold
              ? warrant || s.Code.startsWith(QLatin1String("PROB VIOLATION"))
              : !warrant &&
                    s.Acl == (kind == TCaseKind::Felony ? QLatin1String("F") : QLatin1String("M")))
        fitting.push_back(int(i));
    }
    return R.Pick(fitting);
  }

  void AddCases(TDemoBooking& b) {
    const bool inCustody = b.InCustody();
    const QDateTime end = inCustody ? C.Now() : b.Released;
    const int cases = 1 + R.Weighted({55, 30, 15});
    const bool hold = R.Chance(0.1);
    const double stayDays = double(b.Booked.secsTo(end)) / 86400.0;
    for (int n = 0; n < cases; ++n) {
      TDemoCase c;
      // A weekender serves a misdemeanor sentence on weekends.
      const bool weekendSentence = b.Weekender && n == 0;
      const TCaseKind kind = weekendSentence                    ? TCaseKind::Misdemeanor
                             : hold && n == cases - 1           ? TCaseKind::Hold
                             : R.Chance(b.Juvenile ? 0.6 : 0.5) ? TCaseKind::Felony
                                                                : TCaseKind::Misdemeanor;
      const bool sentenced = weekendSentence || (kind != TCaseKind::Hold && stayDays > 20 &&
                                                 R.Chance(inCustody ? 0.35 : 0.4));
      c.CaseNo = QStringLiteral("%1-%2")
                     .arg(b.Booked.date().year() % 100, 2, 10, QLatin1Char('0'))
                     .arg(++FCaseCounter, 6, 10, QLatin1Char('0'));
      const bool felony = kind == TCaseKind::Felony;
      c.CourtCaseNum = QStringLiteral("%1%2%3")
                           .arg(b.Booked.date().year())
                           .arg(felony                    ? QStringLiteral("CF")
                                : kind == TCaseKind::Hold ? QStringLiteral("WR")
                                                          : QStringLiteral("MM"))
                           .arg(R.Digits(6));
      c.Court = kind == TCaseKind::Hold ? QStringLiteral("OUT OF COUNTY")
                : felony                ? QStringLiteral("CIRCUIT COURT")
                                        : QStringLiteral("COUNTY COURT");
      c.Judge = QLatin1String(R.Pick(DemoNames::Judges()));
      if (R.Chance(0.02) && kind != TCaseKind::Hold) {
        c.Status = QLatin1String(DemoUnconfiguredStatus());
      } else {
        const TDemoCaseStatus& s = Status(kind, sentenced);
        c.Status = QLatin1String(s.Code);
      }
      c.Sentenced = sentenced;
      // Arrests by the sheriff's office carry the facility's code as the
      // arresting agency code, as the suite records its own arrests.
      if (R.Chance(0.45)) {
        c.Agency = C.Facilities[size_t(b.Facility)].Id;
        c.AgencyName = C.PrimaryAgency().Org;
      } else {
        std::vector<const TDemoAgency*> arresting;
        for (const TDemoAgency& a : C.Agencies)
          if (a.Arresting) arresting.push_back(&a);
        const TDemoAgency* a = arresting.empty() ? &C.PrimaryAgency() : R.Pick(arresting);
        c.Agency = a->Abbrev;
        c.AgencyName = a->Org;
      }
      c.Arrested = R.Chance(0.1)
                       ? b.Booked.addDays(-R.Int(1, 20)).addSecs(-60 * qint64(R.Int(0, 660)))
                       : b.Booked.addSecs(-60 * qint64(R.Int(20, 300)));
      c.Added = b.Booked.addSecs(60 * qint64(R.Int(5, 90)));
      c.FirstAppearanceDone = !(inCustody && b.Booked > C.Now().addDays(-2)) || R.Chance(0.1);
      c.Active = inCustody ? R.Chance(0.85) : R.Chance(0.05);
      c.Cancel = !c.Active && R.Chance(0.03);
      c.Seal = R.Chance(0.03);

      c.BondKind = kind == TCaseKind::Hold ? 0 : R.Weighted({30, 25, 45});
      if (c.BondKind == 1) {
        c.BondBy =
            C.Officers.empty() ? QStringLiteral("SGT ON DUTY") : R.Pick(C.Officers).FullName();
        c.BondAmount = 250.0 * R.Int(2, 20);
      } else if (c.BondKind == 2) {
        c.BondBy = QLatin1String(R.Pick(DemoNames::Judges()));
        c.BondAmount = 500.0 * R.Int(2, 200);
      }
      c.AttorneyKind = R.Weighted({20, 45, 5, 10, 5, 5, 10});
      if (c.AttorneyKind == 0) c.Attorney = QLatin1String(R.Pick(DemoNames::Attorneys()));
      if (c.AttorneyKind == 1) c.Attorney = QStringLiteral("PUBLIC DEFENDER OFFICE");

      if (sentenced)
        AddSentence(b, c, felony);
      else if (inCustody)
        c.Estimated = C.Now().addDays(R.Int(2, 120));
      if (R.Chance(0.4))
        c.Comments = R.Pick({"Defendant advised of rights at first appearance.",
                             "Bond conditions: no contact with victim.",
                             "Transport to court arranged with the bailiff.",
                             "Case consolidated with prior docket."});

      const int charges = 1 + R.Weighted({60, 28, 12});
      for (int k = 0; k < charges; ++k) {
        TDemoCharge ch;
        ch.ChargeNo = QString::number(k + 1).rightJustified(2, QLatin1Char('0'));
        const TCaseKind chargeKind =
            k > 0 && felony && R.Chance(0.3) ? TCaseKind::Misdemeanor : kind;
        ch.Statute = StatuteFor(chargeKind);
        ch.Counts = R.Weighted({80, 15, 5}) + 1;
        ch.StatusDesc = sentenced  ? QStringLiteral("SENTENCED")
                        : c.Active ? QStringLiteral("PENDING")
                                   : QStringLiteral("DISPOSED");
        ch.Dispo = sentenced  ? QStringLiteral("GUILTY")
                   : c.Active ? QStringLiteral("PENDING")
                              : QLatin1String(R.Pick({"NOLLE PROSEQUI", "DISMISSED", "ADJ WITHHELD",
                                                      "TIME SERVED"}));
        if (c.BondKind != 0 && R.Chance(0.9)) ch.Bond = c.BondAmount / charges;
        c.Charges.push_back(ch);
      }
      b.Cases.push_back(c);
      if (kind == TCaseKind::Hold) {
        b.Hold = true;
        std::vector<const TDemoAgency*> billed;
        for (const TDemoAgency& a : C.Agencies)
          if (a.Billed) billed.push_back(&a);
        b.HoldFor = billed.empty() ? QStringLiteral("OUT OF COUNTY") : R.Pick(billed)->Org;
      }
    }
  }

  void AddSentence(TDemoBooking& b, TDemoCase& c, bool felony) {
    const bool inCustody = b.InCustody();
    const QDateTime stop = inCustody ? C.Now() : b.Released;
    c.Doc = felony && c.Status == QLatin1String("SFYR");
    c.Weekender = b.Weekender;
    const qint64 stayed = b.Booked.secsTo(stop);
    c.Start = b.Booked.addSecs(qint64(R.Real(0.1, 0.6) * double(stayed)));
    c.Credit = double(b.Booked.secsTo(c.Start)) / 86400.0;
    if (inCustody) {
      // Most are still serving; a few are due out in the coming week.
      if (R.Chance(0.15)) {
        const QDate due = C.Today().addDays(R.Int(0, 7));
        c.End = DemoTime::At(due, R.Int(7, 17));
      } else {
        c.End = C.Now().addDays(R.Int(8, felony ? 700 : 300));
      }
    } else {
      c.End = b.Released;
    }
    c.Length = double(c.Start.secsTo(c.End)) / 86400.0 + c.Credit;
    c.Served = double(c.Start.secsTo(std::min(stop, c.End))) / 86400.0;
    c.Remaining = std::max(0.0, double(stop.secsTo(c.End)) / 86400.0);
    c.Worked = R.Chance(0.3) ? R.Real(0.0, c.Served / 4) : 0.0;
    c.Credited = R.Chance(0.5) ? std::floor(c.Length * 0.1) : 0.0;
    c.Estimated = c.End;
  }

  void Classify(TDemoBooking& b) {
    const auto& classes = DemoClassCodes();
    auto setClass = [&](const char* code) {
      for (const TDemoCode& c : classes)
        if (qstrcmp(c.Code, code) == 0) {
          b.ClassCode = QLatin1String(c.Code);
          b.ClassDesc = QLatin1String(c.Desc);
        }
    };
    bool serious = false;
    for (const TDemoCase& c : b.Cases)
      for (const TDemoCharge& ch : c.Charges) {
        const QString& group = C.Statutes[size_t(ch.Statute)].Group;
        serious |= group == QLatin1String("32011") || group == QLatin1String("32009") ||
                   group == QLatin1String("32002");
      }
    if (b.Juvenile)
      setClass("JUV");
    else if (b.Weekender)
      setClass("WEEK");
    else if (b.WorkRelease)
      setClass("WR");
    else if (serious)
      setClass("MAX");
    else if (R.Chance(0.03)) {
      // never classified
    } else {
      setClass(R.Pick({"MED", "MED", "MIN", "MIN", "MAX", "PC"}));
      if (b.ClassCode == QLatin1String("MIN") && R.Chance(0.3)) {
        b.Trusty = true;
        b.TrustyStatus = QLatin1String(kTrustyJobs[R.Int(0, 3)]);
      }
    }
    if (b.WorkRelease) b.WorkRelType = QLatin1String(kWorkTypes[R.Int(0, 3)]);

    // Held for another jurisdiction (and billed to it) now and then.
    std::vector<const TDemoAgency*> billed;
    for (const TDemoAgency& a : C.Agencies)
      if (a.Billed) billed.push_back(&a);
    if (!billed.empty() && !b.Juvenile && R.Chance(0.15)) b.Jurisdiction = R.Pick(billed)->Org;

    QDateTime expected;
    for (const TDemoCase& c : b.Cases)
      if (c.Sentenced && c.End.isValid() && (!expected.isValid() || c.End > expected))
        expected = c.End;
    b.ExpectedRelease = expected;
    if (R.Chance(0.9)) {
      const QDateTime stop = b.InCustody() ? C.Now() : b.Released;
      b.LastReclass = b.Booked.addSecs(qint64(R.Unit() * double(b.Booked.secsTo(stop))));
    }
  }

  // Who is out of the jail right now: weekenders between their weekends,
  // and a few others at court, in hospital or at an appointment.
  void PickAbsences() {
    const QDateTime now = C.Now();
    QDate sunday = now.date();
    while (sunday.dayOfWeek() != Qt::Sunday) sunday = sunday.addDays(-1);
    const QDateTime weekendEnd = DemoTime::At(sunday, 18);
    const QDateTime weekendStart = weekendEnd.addDays(-2);
    const bool inForWeekend = now >= weekendStart && now < weekendEnd;
    std::vector<int> candidates;
    for (size_t i = 0; i < C.Bookings.size(); ++i) {
      TDemoBooking& b = C.Bookings[i];
      if (!b.InCustody()) continue;
      if (b.Weekender) {
        if (!inForWeekend && b.Booked < weekendEnd) {
          b.CheckedOut = true;
          b.CheckedOutAt = weekendEnd.addSecs(60 * qint64(R.Int(0, 30)));
          b.CheckOutReason = DemoReason::OutForWeekend;
          b.CheckOutTo = QStringLiteral("HOME - WEEKENDER");
        }
        continue;
      }
      if (!b.Juvenile && !b.WorkRelease && b.Booked < now.addDays(-1)) candidates.push_back(int(i));
    }
    R.Shuffle(candidates);
    const int out = std::max(2, int(candidates.size()) / 25);
    for (int n = 0; n < out && size_t(n) < candidates.size(); ++n) {
      TDemoBooking& b = C.Bookings[size_t(candidates[size_t(n)])];
      b.CheckedOut = true;
      b.CheckedOutAt = now.addSecs(-60 * qint64(R.Int(45, 20 * 60)));
      switch (n % 3) {
        case 0:
          b.CheckOutReason = DemoReason::Hospital;
          b.CheckOutTo = QStringLiteral("REGIONAL HOSPITAL");
          break;
        case 1:
          b.CheckOutReason = DemoReason::Court;
          b.CheckOutTo = QStringLiteral("COUNTY COURTHOUSE");
          break;
        default:
          b.CheckOutReason = DemoReason::Medical;
          b.CheckOutTo = QStringLiteral("DENTAL CLINIC");
          break;
      }
    }
    for (TDemoBooking& b : C.Bookings)
      if (b.CheckedOut) b.NameReleas = 1;
  }

  // However the dice fell, the jail has what the reports distinguish: a
  // sealed and a closed case, someone without a photograph, a booking whose
  // released flag was never set, someone held for another jurisdiction and
  // someone awaiting the first appearance, in custody.
  void EnsureShowcases() {
    bool sealed = false, closed = false, unpictured = false, unflagged = false, held = false,
         appearing = false;
    TDemoBooking* first = nullptr;
    TDemoBooking* latest = nullptr;
    for (TDemoBooking& b : C.Bookings) {
      if (!b.InCustody()) continue;
      if (!b.CheckedOut && !b.Weekender) latest = &b;
      for (const TDemoCase& c : b.Cases) appearing |= !c.FirstAppearanceDone;
      unflagged |= !b.NameReleas.isValid();
      held |= !b.Jurisdiction.isEmpty();
      if (!first && b.Cases.size() > 1 && !b.CheckedOut) first = &b;
      for (const TDemoCase& c : b.Cases) {
        sealed |= c.Seal;
        closed |= !c.Active;
      }
      unpictured |= C.People[size_t(b.Person)].Photo < 0;
    }
    if (!appearing && latest) latest->Cases[0].FirstAppearanceDone = false;
    if (!first) return;
    if (!sealed) first->Cases[0].Seal = true;
    if (!closed) first->Cases[1].Active = false;
    if (!unpictured) C.People[size_t(first->Person)].Photo = -1;
    if (!unflagged) first->NameReleas = QVariant();
    if (!held)
      for (const TDemoAgency& a : C.Agencies)
        if (a.Billed && first->Jurisdiction.isEmpty()) first->Jurisdiction = a.Org;
  }

  void PickKeepFrom() {
    std::vector<int> inCustody;
    for (size_t i = 0; i < C.Bookings.size(); ++i)
      if (C.Bookings[i].InCustody() && !C.Bookings[i].Juvenile) inCustody.push_back(int(i));
    if (inCustody.size() < 4) return;
    const int pairs = std::max(2, int(inCustody.size()) / 25);
    for (int n = 0; n < pairs; ++n) {
      const int a = R.Pick(inCustody);
      // Mostly someone in custody too, sometimes a released co-defendant.
      const int other = R.Chance(0.75) ? R.Pick(inCustody) : R.Int(0, int(C.Bookings.size()) - 1);
      if (other == a) continue;
      C.Bookings[size_t(a)].KeepFrom.push_back(other);
    }
  }

  TDemoContext& C;
  TDemoRandom R;
  std::vector<std::vector<TStay>> FStays;
  int FCaseCounter = 0;
};

}  // namespace

void BuildDemoBookings(TDemoContext& context) {
  TPopulationBuilder(context).Build();
}

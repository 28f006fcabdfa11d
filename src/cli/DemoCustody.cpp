#include "cli/DemoCustody.h"

#include "cli/DemoCodes.h"
#include "cli/DemoContext.h"
#include "cli/DemoNames.h"
#include "cli/DemoSubjectWriter.h"
#include "cli/DemoTableWriter.h"

#include <algorithm>

namespace {

struct TAbsence {
  QDateTime Out;
  int OutReason = 0;
  QDateTime In;  // invalid: still out
  int InReason = 0;
  QString Place;
};

int ReturnReason(int outReason) {
  using namespace DemoReason;
  switch (outReason) {
    case Court:
      return BackFromCourt;
    case Hospital:
      return BackFromHospital;
    case WorkRelease:
      return BackFromWork;
    case Medical:
      return BackFromMedical;
    case OutForWeekend:
      return InForWeekend;
    default:
      return Returned;
  }
}

class TCustodyWriter : public TDemoSubjectWriter {
 public:
  explicit TCustodyWriter(TDemoContext& context)
      : TDemoSubjectWriter(context, "custody"),
        FStays(context.Db(), QStringLiteral("CheckInOut")),
        FTracking(context.Db(), QStringLiteral("INMATETRACKING")),
        FMoves(context.Db(), QStringLiteral("JBMOVE")) {}

  void Write() {
    PickAcrossMidnight();
    for (size_t i = 0; i < C.Bookings.size(); ++i) {
      const TDemoBooking& b = C.Bookings[i];
      std::vector<TAbsence> absences = Absences(b, int(i) == FAcrossMidnight);
      WriteStays(b, absences);
      if (b.InCustody()) WriteTracking(b, absences);
      WriteMoves(b, absences);
    }
  }

 private:
  // One inmate in custody comes back at 03:00 from a hospital trip that
  // began at 22:00 the evening before, so a day's roster has an absence
  // across midnight to show.
  void PickAcrossMidnight() {
    const QDateTime evening = DemoTime::At(C.Today().addDays(-1), 22);
    for (size_t i = 0; i < C.Bookings.size(); ++i) {
      const TDemoBooking& b = C.Bookings[i];
      if (b.InCustody() && !b.CheckedOut && !b.Weekender && !b.WorkRelease && !b.Juvenile &&
          b.Booked < evening.addDays(-2)) {
        FAcrossMidnight = int(i);
        return;
      }
    }
  }

  std::vector<TAbsence> Absences(const TDemoBooking& b, bool acrossMidnight) {
    using namespace DemoReason;
    std::vector<TAbsence> list;
    const QDateTime end = b.InCustody() ? C.Now() : b.Released;
    if (b.Weekender) {
      // In on Friday at 18:00, out on Sunday at 18:00, every week.
      for (QDate day = b.Booked.date().addDays(2); day < end.date().addDays(1);
           day = day.addDays(7)) {
        TAbsence a;
        a.Out = DemoTime::At(day, 18, R.Int(0, 20));
        a.OutReason = OutForWeekend;
        a.Place = QStringLiteral("HOME - WEEKENDER");
        if (a.Out >= end) break;
        const QDateTime back = DemoTime::At(day.addDays(5), 18, R.Int(0, 25));
        if (back < end) {
          a.In = back;
          a.InReason = InForWeekend;
        }
        list.push_back(a);
      }
      return list;
    }
    if (b.WorkRelease && b.InCustody()) {
      // Out to work on weekdays of the last two weeks.
      for (int d = 14; d >= 1; --d) {
        const QDate day = C.Today().addDays(-d);
        if (day.dayOfWeek() > 5 || DemoTime::At(day) < b.Booked) continue;
        list.push_back({DemoTime::At(day, 7, R.Int(0, 15)), WorkRelease,
                        DemoTime::At(day, 17, R.Int(0, 40)), BackFromWork,
                        QStringLiteral("WORK SITE")});
      }
    }
    // Trips end before an absence that is still going on.
    const QDateTime limit = b.CheckedOut ? b.CheckedOutAt : end;
    const double days = double(b.Booked.secsTo(limit)) / 86400.0;
    const int trips =
        days < 2 || acrossMidnight ? 0 : std::min(4, int(days / 30) + (R.Chance(0.5) ? 1 : 0));
    for (int t = 0; t < trips; ++t) {
      const QDateTime day =
          b.Booked.addSecs(qint64(R.Real(0.05, 0.95) * double(b.Booked.secsTo(limit))));
      TAbsence a;
      if (R.Chance(0.7)) {
        a.Out = DemoTime::At(day.date(), 8, R.Int(0, 30));
        a.OutReason = Court;
        a.In = a.Out.addSecs(60 * qint64(R.Int(90, 360)));
        a.Place = QStringLiteral("COUNTY COURTHOUSE");
      } else {
        // Hospital trips run into the night now and then.
        const int hour = R.Chance(0.3) ? 22 : 13;
        a.Out = DemoTime::At(day.date(), hour, R.Int(0, 50));
        a.OutReason = R.Chance(0.6) ? Hospital : Medical;
        a.In = a.Out.addSecs(60 * qint64(R.Int(120, 400)));
        a.Place = a.OutReason == Hospital ? QStringLiteral("REGIONAL HOSPITAL")
                                          : QStringLiteral("DENTAL CLINIC");
      }
      a.InReason = ReturnReason(a.OutReason);
      if (a.Out <= b.Booked || a.In >= limit.addSecs(-3600)) continue;
      list.push_back(a);
    }
    if (acrossMidnight) {
      const QDateTime out = DemoTime::At(C.Today().addDays(-1), 22);
      list.push_back({out, Hospital, DemoTime::At(C.Today(), 3), BackFromHospital,
                      QStringLiteral("REGIONAL HOSPITAL")});
    }
    if (b.CheckedOut)
      list.push_back({b.CheckedOutAt, b.CheckOutReason, QDateTime(), 0, b.CheckOutTo});
    std::sort(list.begin(), list.end(),
              [](const TAbsence& x, const TAbsence& y) { return x.Out < y.Out; });
    // Absences never overlap: drop one that starts before the previous ends.
    std::vector<TAbsence> kept;
    for (const TAbsence& a : list)
      if (kept.empty() || (kept.back().In.isValid() && a.Out > kept.back().In)) kept.push_back(a);
    return kept;
  }

  void WriteStay(const QString& bookNo, const QDateTime& in, int inReason, const QDateTime& out,
                 int outReason) {
    const TDemoEmployee& inOfficer = Officer();
    FStays.Set("CheckInOutId", ++FStayId)
        .Set("BookNo", bookNo)
        .Set("CheckInTime", in)
        .Set("CheckInReasonCode", inReason)
        .Set("CheckInOfficerName", inOfficer.FullName())
        .Set("CheckInOfficerNumber", inOfficer.PerNo)
        .Set("UNIQUEKEY", R.Key());
    if (out.isValid()) {
      const TDemoEmployee& outOfficer = Officer();
      FStays.Set("CheckOutTime", out)
          .Set("CheckOutReasonCode", outReason)
          .Set("CheckOutOfficerName", outOfficer.FullName())
          .Set("CheckOutOfficerNumber", outOfficer.PerNo);
    }
    FStays.Insert();
  }

  // A stay opens at booking or at a return and closes at the next absence
  // or at release.
  void WriteStays(const TDemoBooking& b, const std::vector<TAbsence>& absences) {
    QDateTime in = b.Booked;
    int inReason = DemoReason::Booked;
    for (const TAbsence& a : absences) {
      WriteStay(b.BookNo, in, inReason, a.Out, a.OutReason);
      if (!a.In.isValid()) return;
      in = a.In;
      inReason = a.InReason;
    }
    WriteStay(b.BookNo, in, inReason, b.InCustody() ? QDateTime() : b.Released,
              DemoReason::Released);
  }

  void WriteTracking(const TDemoBooking& b, const std::vector<TAbsence>& absences) {
    const TDemoPerson& p = C.People[size_t(b.Person)];
    const TDemoFacility& f = C.Facilities[size_t(b.Facility)];
    const QString home =
        b.Bed >= 0 ? f.Dorms[size_t(b.Dorm)].Desc.toUpper() : QStringLiteral("INTAKE");
    // Earlier whereabouts stay as inactive rows.
    if (!absences.empty() && absences.front().In.isValid()) {
      const TAbsence& a = absences.front();
      FTracking.Set("MNINo", p.Ecsoid)
          .Set("BookNo", b.BookNo)
          .Set("CheckOutDate", DemoTime::DateOf(a.Out))
          .Set("CheckOutTime", DemoTime::TimeOf(a.Out))
          .Set("NextLocation", a.Place)
          .Set("CheckInDate", DemoTime::DateOf(a.In))
          .Set("CheckInTime", DemoTime::TimeOf(a.In))
          .Set("Location", home)
          .Set("Status", 1)
          .Set("Active", false)
          .Set("UNIQUEKEY", R.Key());
      FTracking.Insert();
    }
    if (!b.CheckedOut && R.Chance(0.02)) return;  // no current whereabouts recorded
    const TDemoEmployee& officer = Officer();
    FTracking.Set("MNINo", p.Ecsoid)
        .Set("BookNo", b.BookNo)
        .Set("Active", true)
        .Set("UNIQUEKEY", R.Key());
    if (b.CheckedOut) {
      FTracking.Set("Status", 2)
          .Set("Location", home)
          .Set("NextLocation", b.CheckOutTo)
          .Set("CheckOutDate", DemoTime::DateOf(b.CheckedOutAt))
          .Set("CheckOutTime", DemoTime::TimeOf(b.CheckedOutAt))
          .Set("CheckOutOfficerNo", officer.PerNo)
          .Set("CheckOutOfficerName", officer.FullName());
    } else {
      QDateTime since = b.Booked;
      for (const TAbsence& a : absences)
        if (a.In.isValid()) since = a.In;
      FTracking.Set("Status", R.Chance(0.01) ? 3 : 1)
          .Set("Location", home)
          .Set("CheckInDate", DemoTime::DateOf(since))
          .Set("CheckInTime", DemoTime::TimeOf(since))
          .Set("CheckInOfficerNo", officer.PerNo)
          .Set("CheckInOfficerName", officer.FullName());
    }
    FTracking.Insert();
  }

  void Move(const TDemoBooking& b, int& order, const QDateTime& requested,
            const QDateTime& scheduled, const QString& dest) {
    const TDemoFacility& f = C.Facilities[size_t(b.Facility)];
    FMoves.Set("BOOKNO", b.BookNo)
        .Set("ECSOID", C.People[size_t(b.Person)].Ecsoid)
        .Set("MOVENO", QStringLiteral("MV%1").arg(++FMoveNo, 7, 10, QLatin1Char('0')))
        .Set("MOVEINT", ++order)
        .Set("DATE", DemoTime::DateOf(requested))
        .Set("TIME", DemoTime::TimeOf(requested))
        .Set("DEST", dest)
        .Set("FACICODE", f.Id)
        .Set("FACILITY", f.Desc)
        .Set("UNIQUEKEY", R.Key());
    if (scheduled.isValid())
      FMoves.Set("SCHMOVDATE", DemoTime::DateOf(scheduled))
          .Set("SCHMOVTIME", DemoTime::TimeOf(scheduled));
  }

  void CellMove(const TDemoBooking& b, int& order, const QDateTime& at, int bed, bool in) {
    const TDemoBed& cell = C.Beds[size_t(bed)];
    Move(b, order, at, QDateTime(),
         (in ? QStringLiteral("Move To Cell ") : QStringLiteral("Remove From Cell ")) +
             C.BedText(cell));
    FMoves.Set("CellKey", cell.CellKey).Set("COMPLETE", true).Set("CANCELED", false);
    FMoves.Insert();
  }

  void Trip(const TDemoBooking& b, int& order, const QDateTime& when, const QString& dest,
            bool firstAppearance, int state) {
    Move(b, order, when.addDays(-R.Int(1, 6)), when, dest);
    const bool court = dest.contains(QLatin1String("COURT"));
    FMoves
        .Set("COURT", court ? QVariant(dest == QLatin1String("CIRCUIT COURT")
                                           ? QStringLiteral("CIRCUIT COURT")
                                           : QStringLiteral("COUNTY COURT"))
                            : QVariant())
        .Set("JUDGE", court ? QVariant(QLatin1String(R.Pick(DemoNames::Judges()))) : QVariant())
        .Set("CITY", R.Chance(0.1) ? QVariant() : QVariant(QStringLiteral("LAKE CITY")))
        .Set("STATE", QStringLiteral("FL"))
        .Set("VEHICLE", R.Chance(0.2)
                            ? QVariant()
                            : QVariant(QStringLiteral("TRANSPORT VAN %1").arg(R.Int(1, 6))))
        .Set("FIRSTAPPEAR", firstAppearance)
        .Set("TRANSREQ", !firstAppearance || R.Chance(0.5))
        .Set("COMMENTS", R.Chance(0.5)
                             ? QVariant(QStringLiteral(
                                   "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs18 Leg "
                                   "irons required. \\b Separate from co-defendants.\\b0\\par}"))
                             : QVariant());
    // state: 0 open (0/0), 1 open (NULL/NULL), 2 completed, 3 canceled,
    // 4 half-filled (0/NULL), which counts as neither open nor closed.
    switch (state) {
      case 0:
        FMoves.Set("COMPLETE", false).Set("CANCELED", false);
        break;
      case 1:
        break;
      case 2:
        FMoves.Set("COMPLETE", true).Set("CANCELED", false);
        break;
      case 3:
        FMoves.Set("COMPLETE", false).Set("CANCELED", true);
        break;
      default:
        FMoves.Set("COMPLETE", false);
        break;
    }
    FMoves.Insert();
  }

  void WriteMoves(const TDemoBooking& b, const std::vector<TAbsence>& absences) {
    int order = 0;
    const int bed = b.InCustody() ? b.Bed : b.HistoryCell;
    if (bed >= 0) {
      const QDateTime placed = b.Booked.addSecs(60 * qint64(R.Int(30, 150)));
      const TDemoBed& home = C.Beds[size_t(bed)];
      // Some started in another cell of the same dorm before moving.
      std::vector<int> others;
      if (R.Chance(0.2)) {
        for (size_t i = 0; i < C.Beds.size(); ++i)
          if (C.Beds[i].Facility == home.Facility && C.Beds[i].Dorm == home.Dorm &&
              C.Beds[i].CellKey != home.CellKey)
            others.push_back(int(i));
      }
      if (!others.empty()) {
        const int first = R.Pick(others);
        const QDateTime moved = placed.addSecs(
            qint64(R.Real(0.1, 0.5) * double(placed.secsTo(b.InCustody() ? C.Now() : b.Released))));
        CellMove(b, order, placed, first, true);
        CellMove(b, order, moved, first, false);
        CellMove(b, order, moved.addSecs(600), bed, true);
      } else {
        CellMove(b, order, placed, bed, true);
      }
      if (!b.InCustody() && R.Chance(0.5)) CellMove(b, order, b.Released.addSecs(-900), bed, false);
    }
    for (const TAbsence& a : absences)
      if (a.OutReason == DemoReason::Court && a.In.isValid())
        Trip(b, order, a.Out, a.Place, false, 2);

    if (b.InCustody()) {
      bool pending = false;
      for (const TDemoCase& k : b.Cases) pending |= !k.FirstAppearanceDone;
      if (pending) {
        // First appearance today, or tomorrow for some booked last night.
        const bool tomorrow =
            FFirstAppearanceToday && b.Booked.date() >= C.Today().addDays(-1) && R.Chance(0.3);
        const QDate day = tomorrow ? C.Today().addDays(1) : C.Today();
        FFirstAppearanceToday |= !tomorrow;
        const QDateTime when = DemoTime::At(day, R.Chance(0.5) ? 9 : 13, 30);
        const QString court =
            R.Chance(0.7) ? QStringLiteral("COUNTY COURTHOUSE") : QStringLiteral("CIRCUIT COURT");
        Trip(b, order, when, court, true, 0);
      }
      if (R.Chance(0.3)) {
        const QDate day = C.Today().addDays(R.Int(0, 14));
        const int hour = R.Pick({8, 9, 10, 13, 14});
        const QDateTime when = DemoTime::At(day, hour, R.Pick({0, 15, 30}));
        const char* dest = R.Pick({"COUNTY COURTHOUSE", "CIRCUIT COURT", "REGIONAL HOSPITAL",
                                   "DENTAL CLINIC", "FEDERAL COURT", "STATE RECEPTION"});
        Trip(b, order, when, QLatin1String(dest), false, R.Weighted({62, 20, 0, 10, 8}));
      }
      if (R.Chance(0.05)) {
        // Requested, not yet scheduled.
        const QDateTime requested =
            C.Now().addDays(-R.Int(0, 5)).addSecs(-60 * qint64(R.Int(1, 600)));
        const QString dest =
            QLatin1String(R.Pick({"DENTAL CLINIC", "REGIONAL HOSPITAL", "STATE RECEPTION"}));
        Move(b, order, requested, QDateTime(), dest);
        FMoves.Set("TRANSREQ", true).Set("COMPLETE", false).Set("CANCELED", false);
        FMoves.Set("COMMENTS", R.Chance(0.5)
                                   ? QVariant(QStringLiteral("Awaiting appointment date."))
                                   : QVariant());
        FMoves.Insert();
      }
    } else if (R.Chance(0.03)) {
      // A trip scheduled before release that nobody closed.
      const QDateTime when = b.Released.addDays(-R.Int(1, 5));
      Trip(b, order, when, QStringLiteral("COUNTY COURTHOUSE"), R.Chance(0.3), 0);
    }
  }

  TDemoTableWriter FStays, FTracking, FMoves;
  int FStayId = 0;
  int FMoveNo = 0;
  int FAcrossMidnight = -1;
  bool FFirstAppearanceToday = false;
};

}  // namespace

void WriteDemoCustody(TDemoContext& context) {
  TCustodyWriter(context).Write();
}

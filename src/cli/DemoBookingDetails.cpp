#include "cli/DemoBookingDetails.h"

#include "cli/DemoCodes.h"
#include "cli/DemoNames.h"
#include "cli/DemoSubjectWriter.h"
#include "cli/DemoTableWriter.h"

namespace {

class TBookingDetailsWriter : public TDemoSubjectWriter {
 public:
  explicit TBookingDetailsWriter(TDemoContext& context)
      : TDemoSubjectWriter(context, "booking details") {}

  void Write() {
    WriteJurisdictions();
    WriteAdjustments();
    WriteKeepFrom();
    WriteRequirements();
  }

 private:
  // Whole or half days.
  double AdjustmentAmount() {
    const double days = R.Int(1, 10);
    return days + (R.Chance(0.3) ? 0.5 : 0.0);
  }

  void WriteJurisdictions() {
    TDemoTableWriter w(C.Db(), QStringLiteral("JURISDICTIONHISTORY"));
    std::vector<const TDemoAgency*> billed;
    for (const TDemoAgency& a : C.Agencies)
      if (a.Billed) billed.push_back(&a);
    for (const TDemoBooking& b : C.Bookings) {
      if (b.Jurisdiction.isEmpty()) continue;
      QDateTime start = b.Booked.addSecs(60 * qint64(R.Int(0, 3000)));
      const QDateTime end = b.InCustody() ? C.Now() : b.Released;
      if (start >= end) start = b.Booked;
      // Some were held for another agency first.
      if (!billed.empty() && R.Chance(0.2) && b.Booked.secsTo(end) > 10 * 86400) {
        const QDateTime handOver = b.Booked.addSecs(b.Booked.secsTo(end) / 3);
        const TDemoAgency* first = R.Pick(billed);
        if (first->Org != b.Jurisdiction) {
          w.Set("BookNo", b.BookNo)
              .Set("JURISDICTION", first->Org)
              .Set("STARTDATE", DemoTime::DateOf(start))
              .Set("STARTTIME", DemoTime::TimeOf(start))
              .Set("ENDDATE", DemoTime::DateOf(handOver))
              .Set("ENDTIME", DemoTime::TimeOf(handOver))
              .Set("UNIQUEKEY", R.Key());
          w.Insert();
          start = handOver;
        }
      }
      w.Set("BookNo", b.BookNo)
          .Set("JURISDICTION", b.Jurisdiction)
          .Set("STARTDATE", DemoTime::DateOf(start))
          .Set("STARTTIME", DemoTime::TimeOf(start))
          .Set("UNIQUEKEY", R.Key());
      if (!b.InCustody())
        w.Set("ENDDATE", DemoTime::DateOf(b.Released)).Set("ENDTIME", DemoTime::TimeOf(b.Released));
      w.Insert();
    }
  }

  void WriteAdjustments() {
    TDemoTableWriter adjustments(C.Db(), QStringLiteral("SENTENCEADJUSTMENTS"));
    TDemoTableWriter caseList(C.Db(), QStringLiteral("SENTENCEADJCASELIST"));
    int id = 0;
    for (const TDemoBooking& b : C.Bookings) {
      if (!b.InCustody()) continue;
      for (const TDemoCase& k : b.Cases) {
        if (!k.Sentenced || !R.Chance(0.6)) continue;
        for (int n = R.Int(1, 3); n > 0; --n) {
          const QString adjustmentId = QStringLiteral("ADJ%1").arg(++id, 6, 10, QLatin1Char('0'));
          const int kind = R.Int(1, 5);
          const TDemoEmployee& who = Officer();
          adjustments.Set("BOOKNO", b.BookNo)
              .Set("ADJUSTMENTID", adjustmentId)
              .Set("ADJUSTMENTTIME",
                   k.Start.addSecs(qint64(R.Unit() * double(k.Start.secsTo(C.Now())))))
              .Set("ADJUSTMENTAMOUNT", AdjustmentAmount())
              .Set("ADJUSTMENTKIND", kind)
              .Set("ADJUSTERNAME", who.FullName())
              .Set("ADJUSTERID", who.PerNo)
              .Set("ADJUSTMENTCOMMENTS",
                   kind >= 4
                       ? QVariant(QStringLiteral("Disciplinary hearing finding."))
                       : (R.Chance(0.5) ? QVariant(QStringLiteral("Kitchen detail.")) : QVariant()))
              .Set("UNIQUEKEY", R.Key());
          adjustments.Insert();
          caseList.Set("BOOKNO", b.BookNo)
              .Set("CASENO", k.CaseNo)
              .Set("ADJUSTMENTID", adjustmentId)
              .Set("UNIQUEKEY", R.Key());
          caseList.Insert();
        }
      }
    }
  }

  void WriteKeepFrom() {
    TDemoTableWriter w(C.Db(), QStringLiteral("JBKpFrom"));
    for (const TDemoBooking& b : C.Bookings) {
      for (int other : b.KeepFrom) {
        const TDemoBooking& o = C.Bookings[size_t(other)];
        const TDemoPerson& p = C.People[size_t(o.Person)];
        w.Set("BOOKNO", b.BookNo)
            .Set("KPF_BOOKNO", o.BookNo)
            .Set("KPF_MNINO", p.Ecsoid)
            .Set("LNAME", p.LName)
            .Set("FNAME", p.FName)
            .Set("MNAME", p.MName)
            .Set("TITLE", p.Title)
            .Set("KPFROM_INM_PIC", p.Photo >= 0 ? QVariant(C.Photos[size_t(p.Photo)]) : QVariant())
            .Set(
                "KPFROM_COMMENTS",
                QLatin1String(R.Pick({"Co-defendant.", "Threatened inmate in dorm A.",
                                      "Gang affiliation conflict.", "Victim of inmate's charge."})))
            .Set("VIC_UPDATE", false)
            .Set("UNIQUEKEY", R.Key());
        w.Insert();
      }
      if (!b.KeepFrom.empty() && R.Chance(0.3)) {
        // Someone never booked here: a name only.
        w.Set("BOOKNO", b.BookNo)
            .Set("LNAME", QLatin1String(R.Pick(DemoNames::Last())))
            .Set("FNAME", QLatin1String(R.Pick(DemoNames::MaleFirst())))
            .Set("KPFROM_COMMENTS", QStringLiteral("Witness for the State."))
            .Set("UNIQUEKEY", R.Key());
        w.Insert();
      }
    }
  }

  void WriteRequirements() {
    TDemoTableWriter w(C.Db(), QStringLiteral("JBSpecialRequirements"));
    const int kinds = int(DemoSpecialRequirements().size());
    for (const TDemoBooking& b : C.Bookings) {
      if (!b.InCustody() || !R.Chance(0.2)) continue;
      for (int n = R.Int(1, 2); n > 0; --n) {
        w.Set("FK_JBUniqueKey", b.UniqueKey)
            .Set("FK_SRUniqueKey", DemoFixedKey("SREQ", R.Int(1, kinds)));
        // Open-ended, current, expired yesterday, or starting tomorrow.
        switch (R.Weighted({40, 35, 15, 10})) {
          case 0:
            break;
          case 1:
            w.Set("StartDate", DemoTime::DateOf(b.Booked))
                .Set("EndDate", DemoTime::At(C.Today().addDays(R.Int(5, 90))));
            break;
          case 2:
            w.Set("StartDate", DemoTime::DateOf(b.Booked))
                .Set("EndDate", DemoTime::At(C.Today().addDays(-1)));
            break;
          default:
            w.Set("StartDate", DemoTime::At(C.Today().addDays(1)));
            break;
        }
        w.Set("UniqueKey", R.Key());
        w.Insert();
      }
    }
  }
};

}  // namespace

void WriteDemoBookingDetails(TDemoContext& context) {
  TBookingDetailsWriter(context).Write();
}

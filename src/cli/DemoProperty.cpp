#include "cli/DemoProperty.h"

#include "cli/DemoCodes.h"
#include "cli/DemoNames.h"
#include "cli/DemoRichText.h"
#include "cli/DemoSubjectWriter.h"
#include "cli/DemoTableWriter.h"

namespace {

class TPropertyWriter : public TDemoSubjectWriter {
 public:
  explicit TPropertyWriter(TDemoContext& context) : TDemoSubjectWriter(context, "property") {}

  // Dollars and quarters.
  double CashAmount() {
    const double dollars = R.Int(1, 400);
    return dollars + 0.25 * R.Int(0, 3);
  }

  void Write() {
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
      for (size_t s = 0; s < storages.size() && storages[s].LocKey != storage.LocKey; ++s)
        firstContainer += storages[s].Containers;
      for (int k = 0; k < (R.Chance(0.1) ? 2 : 1); ++k) {
        const QString propertyNo = QStringLiteral("PR%1").arg(++number, 8, 10, QLatin1Char('0'));
        const QDateTime received = b.Booked.addSecs(60 * qint64(R.Int(15, 90) + k * 600));
        const TDemoEmployee& officer = Officer();
        records.Set("PROPERTYNO", propertyNo)
            .Set("PROPERTYINT", k + 1)
            .Set("BOOKNO", b.BookNo)
            .Set("ECSOID", p.Ecsoid)
            .Set("GROUPID", QLatin1String(types[0].Code))
            .Set("COMMENTS", R.Chance(0.4) ? QVariant(DemoRtf(QStringLiteral(
                                                 "Inventoried in the presence of the inmate.")))
                                           : QVariant())
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
              .Set("RELEASETONAME", R.Chance(0.8)
                                        ? p.NameLastFirst()
                                        : QString(QLatin1String(R.Pick(DemoNames::FemaleFirst())) +
                                                  QLatin1Char(' ') + p.LName))
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
              .Set("DESCRIPTION",
                   R.Chance(0.05)
                       ? QVariant()
                       : QVariant(
                             QString(QLatin1String(type.Desc)) + QStringLiteral(" - ") +
                             QLatin1String(R.Pick({"BLACK", "BLUE", "BROWN", "WHITE", "GOLD"}))))
              .Set("LOCATION", QStringLiteral("BIN %1").arg(container - firstContainer + 1, 3, 10,
                                                            QLatin1Char('0')))
              .Set("COMMENTS", R.Chance(0.2) ? QVariant(DemoRtf(QStringLiteral("Worn condition.")))
                                             : QVariant())
              .Set("CASH", cash)
              .Set("CASHAMOUNT", cash ? QVariant(CashAmount()) : QVariant())
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
};

}  // namespace

void WriteDemoProperty(TDemoContext& context) {
  TPropertyWriter(context).Write();
}

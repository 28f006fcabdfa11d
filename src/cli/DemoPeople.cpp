#include "cli/DemoPeople.h"

#include "cli/DemoCodes.h"
#include "cli/DemoContext.h"
#include "cli/DemoNames.h"

namespace {

QString Ssn(TDemoRandom& random) {
  const QString digits = random.Digits(9).replace(0, 1, QString::number(random.Int(1, 7)));
  // As booking clerks type them: mostly with dashes, some without, a few
  // incomplete or missing, which the SSN file writes as zeros.
  switch (random.Weighted({70, 20, 4, 6})) {
    case 0:
      return digits.left(3) + QLatin1Char('-') + digits.mid(3, 2) + QLatin1Char('-') +
             digits.mid(5);
    case 1:
      return digits;
    case 2:
      return QStringLiteral("UNK-") + digits.left(4);
    default:
      return QString();
  }
}

}  // namespace

int AddDemoPerson(TDemoContext& context, TDemoRandom& random, TDemoPersonKind kind,
                  const QDate& on) {
  TDemoPerson p;
  p.Ecsoid = QString::number(1000001 + int(context.People.size()));
  const bool female =
      kind == TDemoPersonKind::Female || (kind == TDemoPersonKind::Juvenile && random.Chance(0.2));
  // A handful of records have no sex recorded, or an unusual code.
  p.Sex = female ? QStringLiteral("F") : QStringLiteral("M");
  if (kind == TDemoPersonKind::Adult && random.Chance(0.015))
    p.Sex = random.Chance(0.5) ? QString() : QStringLiteral("U");
  p.FName = QLatin1String(female ? random.Pick(DemoNames::FemaleFirst())
                                 : random.Pick(DemoNames::MaleFirst()));
  p.LName = QLatin1String(random.Pick(DemoNames::Last()));
  p.MName = random.Chance(0.8) ? QString(QChar('A' + random.Int(0, 25))) : QString();
  if (!female && random.Chance(0.05))
    p.Title = QLatin1String(random.Pick({"JR", "SR", "II", "III"}));

  const int age = kind == TDemoPersonKind::Juvenile ? random.Int(14, 17)
                                                    : 18 + int(random.Unit() * random.Unit() * 52);
  p.Dob = on.addYears(-age).addDays(-random.Int(1, 360));

  const int race = random.Weighted({52, 33, 9, 2, 1, 2, 1});
  p.Race = QLatin1String(DemoRaces()[size_t(race)].Code);
  p.Hispanic = race == 2 || random.Chance(0.04);
  const int inches = female ? random.Int(59, 70) : random.Int(63, 76);
  p.Height = QStringLiteral("%1%2").arg(inches / 12).arg(inches % 12, 2, 10, QLatin1Char('0'));
  p.Weight = QString::number(female ? random.Int(105, 230) : random.Int(130, 290));
  p.Hair = QLatin1String(random.Pick({"BLK", "BRO", "BLN", "GRY", "RED", "BLD"}));
  p.Eyes = QLatin1String(random.Pick({"BRO", "BLU", "HAZ", "GRN", "BLK"}));
  p.Ssn = Ssn(random);
  p.Phone = QStringLiteral("386-%1-%2").arg(random.Int(200, 999)).arg(random.Digits(4));

  p.HouseNo = QString::number(random.Int(10, 9800));
  p.Quad = random.Chance(0.4) ? QLatin1String(random.Pick({"NW", "NE", "SW", "SE"})) : QString();
  p.Street = QLatin1String(random.Pick(DemoNames::Streets()));
  p.City = QLatin1String(random.Pick(DemoNames::Cities()));
  p.State =
      random.Chance(0.9) ? QStringLiteral("FL") : QLatin1String(random.Pick({"GA", "AL", "TX"}));
  p.Zip = QString::number(random.Int(32024, 32096));
  p.County = random.Chance(0.85)
                 ? context.CountyName()
                 : QLatin1String(random.Pick({"SUWANNEE", "BAKER", "UNION", "ALACHUA"}));

  // Some were born abroad and carry an immigration number.
  if (kind != TDemoPersonKind::Juvenile && random.Chance(0.05)) {
    const auto& countries = DemoCountries();
    p.BirthCountry =
        QLatin1String(countries[size_t(random.Int(1, int(countries.size()) - 1))].Code);
    p.InsNumber = QStringLiteral("A") + random.Digits(9);
  }
  p.Leo = random.Chance(0.004);
  p.Warrant = random.Chance(0.08);
  // A few people never had a picture taken.
  p.Photo = random.Chance(0.03) || context.Photos.empty()
                ? -1
                : random.Int(0, int(context.Photos.size()) - 1);
  context.People.push_back(p);
  return int(context.People.size()) - 1;
}

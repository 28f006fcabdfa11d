#include "cli/DemoMedical.h"

#include "cli/DemoCodes.h"
#include "cli/DemoContext.h"
#include "cli/DemoRichText.h"
#include "cli/DemoTableWriter.h"

#include <QStringList>

#include <algorithm>

namespace {

// The screening form's check boxes the demo answers at random; the rest of
// its bit columns stay unanswered (NULL).
const char* const kScreeningFlags[] = {"CONSCIOUS",
                                       "NORMALBEHAV",
                                       "FAINTED",
                                       "LOSTCONSIOUS",
                                       "HEADINJURY",
                                       "SEVEREINJ",
                                       "BLEEDING",
                                       "ILLNESS",
                                       "PAIN",
                                       "FEVER",
                                       "SKINRASH",
                                       "LESIONS",
                                       "BRUISES",
                                       "MINORINJURIES",
                                       "JAUNDICE",
                                       "SKININFECTIONS",
                                       "BODYVERMIN",
                                       "CUTS",
                                       "APPEARSTOBEWITHDRAWING",
                                       "ASSAULTRISK",
                                       "SUICIDERISK",
                                       "HEARTCONDITION",
                                       "ASTHMA",
                                       "SYSPHILIS",
                                       "LICE",
                                       "HIGHBLOOD",
                                       "CANCER",
                                       "HEPATITS",
                                       "CHESTPAIN",
                                       "ARTHRITIS",
                                       "DIABETES",
                                       "ULCER",
                                       "SHORTNESSOFBREATH",
                                       "RHEUMATIC",
                                       "HERPES",
                                       "EPILEPSY",
                                       "ABDOMINALPAIN",
                                       "TUBERCU",
                                       "GONORRHEA",
                                       "SEIZURES",
                                       "HOSPITLATELY",
                                       "MENTALHEALTHPROBLEM",
                                       "MAJORDENTAL",
                                       "CONTACTS",
                                       "GLASSES",
                                       "DENTURES",
                                       "PROSTHETICS",
                                       "PAINFUL_DENTAL_CONDITION",
                                       "ATTEMPTSUICIDE",
                                       "CONTSUICIDE",
                                       "CURRENTSUICIDE",
                                       "HOPELESSNESS",
                                       "ALCOHOLABUSE",
                                       "CONSUMEALCOHOL",
                                       "APPEARINTOX",
                                       "ALCOHOLAM",
                                       "ALCOHOLPM",
                                       "LIQUOR",
                                       "BEER",
                                       "WINE",
                                       "DRUGUSAGE",
                                       "DRUGSLATELY",
                                       "DRUGPROGRAM",
                                       "SIGNSOFDRUG",
                                       "DRUGAM",
                                       "DRUGPM",
                                       "NEEDLEMARKS",
                                       "CHEWTOBACCO",
                                       "SMOKE",
                                       "CIGARETTE",
                                       "PIPE",
                                       "CIGAR",
                                       "USEMEDICINE",
                                       "ALLERGICMEDICINE",
                                       "SPECIFICDIET",
                                       "PRODUCTIVECOUGH",
                                       "WEIGHTLOSS_DIETING",
                                       "TIREDNESS_FATIGUE",
                                       "MOBILITY_RESTRICTED"};
const char* const kFemaleFlags[] = {"PREGNANT",      "BIRTHCONTROL",
                                    "RECENTLYBIRTH", "FEMALE_ABDOMINALPAIN",
                                    "RECENTLYABORT", "DISCHARGE"};
const char* const kPlacements[] = {"PLACEMENT_GENERALPOP",   "PLACEMENT_OBSERVATION",
                                   "PLACEMENT_INFIRMARY",    "PLACEMENT_ISOLATION",
                                   "PLACEMENT_NEXTSICKCALL", "PLACEMENT_EMERGENCYROOM"};

class TMedicalWriter {
 public:
  explicit TMedicalWriter(TDemoContext& context)
      : C(context),
        R(context.Random("medical")),
        FScreenings(context.Db(), QStringLiteral("JBMEDI")),
        FVisits(context.Db(), QStringLiteral("JBMEDVIS")),
        FPrescriptions(context.Db(), QStringLiteral("JBMEDS")),
        FItems(context.Db(), QStringLiteral("JBPMITEM")),
        FDispensings(context.Db(), QStringLiteral("JBMDLOG")),
        FLabs(context.Db(), QStringLiteral("JBMEDLAB")),
        FServices(context.Db(), QStringLiteral("JBMEDSVC")),
        FAppointments(context.Db(), QStringLiteral("JBMEDAPT")) {}

  void Write() {
    const QDateTime yearAgo = C.Now().addDays(-365);
    for (const TDemoBooking& b : C.Bookings) {
      const bool recent = b.InCustody() || b.Released > yearAgo;
      if (!recent) continue;
      if (b.Booked > yearAgo || b.InCustody()) Screening(b);
      if (R.Chance(b.InCustody() ? 0.35 : 0.15)) Visits(b);
    }
  }

 private:
  QString Nurse() { return QStringLiteral("NURSE ") + R.Pick(C.Officers).LName; }

  void Screening(const TDemoBooking& b) {
    const TDemoPerson& p = C.People[size_t(b.Person)];
    const QDateTime at = b.Booked.addSecs(60 * qint64(R.Int(20, 180)));
    const TDemoEmployee& by = R.Pick(C.Officers);
    FScreenings
        .Set("MEDICALNO", QStringLiteral("MS%1").arg(++FScreeningNo, 7, 10, QLatin1Char('0')))
        .Set("MEDICALINT", 1)
        .Set("BOOKNO", b.BookNo)
        .Set("ECSOID", p.Ecsoid)
        .Set("LNAME", p.LName)
        .Set("FNAME", p.FName)
        .Set("MNAME", p.MName)
        .Set("ADDRESS", (p.HouseNo + QLatin1Char(' ') + p.Street))
        .Set("STATE", p.State)
        .Set("ZIPCODE", p.Zip)
        .Set("PHONENO", p.Phone)
        .Set("RPTDATE", DemoTime::DateOf(at))
        .Set("RPTTIME", DemoTime::TimeOf(at))
        .Set("MEDICALHISTBY", by.FullName())
        .Set("MEDICALHISTBYNO", by.PerNo)
        .Set("RESPIRATION", R.Chance(0.05) ? QVariant() : QVariant(QString::number(R.Int(12, 22))))
        .Set("PULSE", QString::number(R.Int(58, 110)))
        .Set("TEMPERATURE", QStringLiteral("%1").arg(R.Real(97.2, 100.4), 0, 'f', 1))
        .Set("BLOODPRESSURE", QStringLiteral("%1/%2").arg(R.Int(105, 165)).arg(R.Int(65, 100)))
        .Set("LASTTETANUS", R.Chance(0.4)
                                ? QVariant()
                                : QVariant(QString::number(b.Booked.date().year() - R.Int(0, 12))))
        .Set("KINLNAME", p.LName)
        .Set("KINFNAME", QLatin1String(R.Pick({"MARY", "JOHN", "LINDA", "JAMES"})))
        .Set("KINADDRESS", p.HouseNo + QLatin1Char(' ') + p.Street)
        .Set("KINSTATE", p.State)
        .Set("KINZIPCODE", p.Zip)
        .Set("KINCOUNTRY", QStringLiteral("USA"))
        .Set("KINPHONENO", p.Phone)
        .Set("NextOfKinRelationship",
             QLatin1String(R.Pick({"MOTHER", "FATHER", "SPOUSE", "SISTER"})))
        .Set("EMERGCONTLNAME", R.Chance(0.2)
                                   ? QVariant()
                                   : QVariant(QLatin1String(R.Pick({"SMITH", "JONES", "DAVIS"}))))
        .Set("EMERGCONTFNAME", QLatin1String(R.Pick({"ANNA", "PAUL", "RITA"})))
        .Set("EMERGCONTPHONE", QStringLiteral("386-555-%1").arg(R.Digits(4)))
        .Set("EmergencyContactRelationship", QStringLiteral("FRIEND"))
        .Set("HEALTHINSNAME", R.Chance(0.7) ? QVariant() : QVariant(QStringLiteral("MEDICAID")))
        .Set("HEALTHINSNO", R.Chance(0.7) ? QVariant() : QVariant(R.Digits(10)))
        .Set("INMATEDOCNAME", R.Chance(0.8) ? QVariant() : QVariant(QStringLiteral("DR. PATEL")))
        .Set("MEDICATIONINFO",
             R.Chance(0.5)
                 ? QVariant(DemoRtf(QStringLiteral("Inmate cooperative during screening.")))
                 : QVariant())
        .Set("UNIQUEKEY", R.Key());
    for (const char* flag : kScreeningFlags) FScreenings.Set(QLatin1String(flag), R.Chance(0.12));
    if (p.Sex == QLatin1String("F"))
      for (const char* flag : kFemaleFlags) FScreenings.Set(QLatin1String(flag), R.Chance(0.1));
    FScreenings.Set(QLatin1String(kPlacements[R.Weighted({70, 10, 8, 4, 6, 2})]), true);
    if (R.Chance(0.3)) FScreenings.Set("MEDICATIONUSED", QStringLiteral("LISINOPRIL 10MG DAILY"));
    if (R.Chance(0.2)) FScreenings.Set("MEDALLERGICTO", QStringLiteral("PENICILLIN"));
    if (R.Chance(0.1)) FScreenings.Set("SPECIFICDIETINFORMATION", QStringLiteral("DIABETIC DIET"));
    if (R.Chance(0.1)) FScreenings.Set("ABNORMALDESC", QStringLiteral("Agitated, pacing."));
    FScreenings.Insert();
  }

  void Visits(const TDemoBooking& b) {
    const QDateTime end = b.InCustody() ? C.Now() : b.Released;
    if (b.Booked.secsTo(end) < 86400) return;
    const auto& meds = DemoMedications();
    for (int v = 1; v <= R.Int(1, 3); ++v) {
      const QDateTime at =
          b.Booked.addSecs(qint64(R.Real(0.05, 0.95) * double(b.Booked.secsTo(end))));
      const QString visitNo = QString::number(v);
      FVisits.Set("BOOKNO", b.BookNo)
          .Set("ECSOID", C.People[size_t(b.Person)].Ecsoid)
          .Set("MEDVISIT NO", visitNo)
          .Set("MEDVISIT DATE", DemoTime::DateOf(at))
          .Set("MEDVISIT TIME", DemoTime::TimeOf(at))
          .Set("VISIT REASON",
               QLatin1String(R.Pick({"HEADACHE", "TOOTH PAIN", "BLOOD PRESSURE CHECK", "RASH",
                                     "BACK PAIN", "FOLLOW-UP", "DIABETIC CHECK"})))
          .Set("UNIQUEKEY", R.Key());
      FVisits.Insert();

      if (R.Chance(0.6)) {
        const QString prescription =
            QStringLiteral("RX%1").arg(++FPrescriptionNo, 7, 10, QLatin1Char('0'));
        double total = 0;
        const int itemCount = R.Int(1, 2);
        for (int i = 1; i <= itemCount; ++i) {
          const TDemoMedication& m = R.Pick(meds);
          const int days = R.Int(5, 20);
          const double cost = m.Cost * days;
          total += cost;
          const QString item = QStringLiteral("%1-%2").arg(prescription).arg(i);
          FItems.Set("BOOKNO", b.BookNo)
              .Set("PRESCRPTNO", prescription)
              .Set("MEDVISIT NO", visitNo)
              .Set("PRESITEM_NO", item)
              .Set("MEDICATION_NAME", m.Name)
              .Set("DATEFILLED", DemoTime::DateOf(at.addDays(R.Int(0, 1))))
              .Set("REFILLS", R.Int(0, 3))
              .Set("FILLEDBY", QStringLiteral("COUNTY PHARMACY"))
              .Set("COST", cost)
              .Set("UNIQUEKEY", R.Key());
          FItems.Insert();
          // Daily doses, as far as the stay lasted.
          for (int d = 0; d < days; ++d) {
            const int hour = R.Pick({8, 20});
            const QDateTime given = DemoTime::At(at.date().addDays(d + 1), hour, R.Int(0, 30));
            if (given >= end) break;
            FDispensings.Set("BOOKNO", b.BookNo)
                .Set("PRESCRPTNO", prescription)
                .Set("MEDVISIT NO", visitNo)
                .Set("PRESITEM_NO", item)
                .Set("DISPENSENO", QString::number(d + 1))
                .Set("DATEDISP", DemoTime::DateOf(given))
                .Set("TIMEDISP", DemoTime::TimeOf(given))
                .Set("QTYDISP", 1)
                .Set("DISP_BY", Nurse())
                .Set("DISPCMTS",
                     R.Chance(0.1) ? QVariant(QStringLiteral("Refused dose.")) : QVariant())
                .Set("UNIQUEKEY", R.Key());
            FDispensings.Insert();
          }
        }
        FPrescriptions.Set("BOOKNO", b.BookNo)
            .Set("MEDVISIT NO", visitNo)
            .Set("PRESCRPTNO", prescription)
            .Set("PRESCRIPDATE", DemoTime::DateOf(at))
            .Set("PRESCRIPTIME", DemoTime::TimeOf(at))
            .Set("PRESCRIBED BY",
                 QLatin1String(R.Pick({"DR. PATEL", "DR. OKAFOR", "DR. LINDQUIST"})))
            .Set("PRESCRIPTOTAL", total)
            .Set("UNIQUEKEY", R.Key());
        FPrescriptions.Insert();
      }
      if (R.Chance(0.35)) {
        const TDemoCode& lab = R.Pick(DemoLabTests());
        const QDateTime when = at.addSecs(3600 * qint64(R.Int(1, 30)));
        FLabs.Set("BOOKNO", b.BookNo)
            .Set("MEDVISIT NO", visitNo)
            .Set("LABTESTNO", QStringLiteral("LB%1").arg(++FLabNo, 7, 10, QLatin1Char('0')))
            .Set("LABTEST DATE", DemoTime::DateOf(when))
            .Set("LABTEST TIME", DemoTime::TimeOf(when))
            .Set("LABCODE", lab.Code)
            .Set("TYPE LABTEST", lab.Desc)
            .Set("LABCMTS", R.Chance(0.5) ? QVariant(QStringLiteral("Results within normal range."))
                                          : QVariant())
            .Set("UNIQUEKEY", R.Key());
        FLabs.Insert();
      }
      if (R.Chance(0.4)) {
        const TDemoCode& service = R.Pick(DemoMedicalServices());
        FServices.Set("BOOKNO", b.BookNo)
            .Set("MEDVISIT NO", visitNo)
            .Set("MEDSVCNO", QStringLiteral("SV%1").arg(++FServiceNo, 7, 10, QLatin1Char('0')))
            .Set("SVC DATE", DemoTime::DateOf(at))
            .Set("SVC TIME", DemoTime::TimeOf(at.addSecs(1800)))
            .Set("SVCCODE", service.Code)
            .Set("TYPE SVC", service.Desc)
            .Set("SVC LOC", QLatin1String(R.Pick({"INFIRMARY", "DORM", "REGIONAL HOSPITAL"})))
            .Set("SVC COST", double(R.Int(15, 400)))
            .Set("SVC CMTS",
                 R.Chance(0.5) ? QVariant(QStringLiteral("No complications.")) : QVariant())
            .Set("UNIQUEKEY", R.Key());
        FServices.Insert();
      }
      if (R.Chance(0.4)) {
        // Pending appointments lie ahead of inmates in custody.
        const bool pending = b.InCustody() && R.Chance(0.6);
        QDateTime when = at.addDays(R.Int(3, 14));
        if (pending) {
          const QDate day = C.Today().addDays(R.Int(0, 30));
          const int hour = R.Int(8, 15);
          when = DemoTime::At(day, hour, R.Pick({0, 30}));
        }
        if (!pending && when >= end) continue;
        FAppointments.Set("BOOKNO", b.BookNo)
            .Set("MEDVISIT NO", visitNo)
            .Set("FOLLOWUPNO",
                 QStringLiteral("FU%1").arg(++FAppointmentNo, 7, 10, QLatin1Char('0')))
            .Set("FOLLOWUP APPT DATE", DemoTime::DateOf(when))
            .Set("FOLLOWUP APPT TIME", DemoTime::TimeOf(when))
            .Set("FOLLOWUP APPT LOC",
                 QLatin1String(R.Pick({"INFIRMARY", "DENTAL CLINIC", "REGIONAL HOSPITAL"})))
            .Set("FOLLOWUP APPT CMTS",
                 R.Chance(0.5) ? QVariant(QStringLiteral("Recheck blood pressure.")) : QVariant())
            .Set("COMPLETED",
                 pending ? (R.Chance(0.5) ? QVariant(false) : QVariant()) : QVariant(true))
            .Set("UNIQUEKEY", R.Key());
        FAppointments.Insert();
      }
    }
  }

  TDemoContext& C;
  TDemoRandom R;
  TDemoTableWriter FScreenings, FVisits, FPrescriptions, FItems, FDispensings, FLabs, FServices,
      FAppointments;
  int FScreeningNo = 0, FPrescriptionNo = 0, FLabNo = 0, FServiceNo = 0, FAppointmentNo = 0;
};

}  // namespace

void WriteDemoMedical(TDemoContext& context) {
  TMedicalWriter(context).Write();
}

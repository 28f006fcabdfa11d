#include "cli/DemoBookingWriter.h"

#include "cli/DemoCodes.h"
#include "cli/DemoContext.h"
#include "cli/DemoNames.h"
#include "cli/DemoTableWriter.h"

namespace {

void WritePeople(TDemoContext& c, TDemoRandom& r) {
  TDemoTableWriter mni(c.Db(), QStringLiteral("MNI"));
  TDemoTableWriter arrest(c.Db(), QStringLiteral("ARREST"));
  int arrests = 0;
  for (const TDemoPerson& p : c.People) {
    mni.Set("ECSOID", p.Ecsoid)
        .Set("LNAME", p.LName)
        .Set("FNAME", p.FName)
        .Set("MNAME", p.MName)
        .Set("TITLE", p.Title)
        .Set("DOB", DemoTime::At(p.Dob))
        .Set("SEX", p.Sex)
        .Set("RACE", p.Race)
        .Set("SSN", p.Ssn)
        .Set("WARACT", p.Warrant)
        .Set("I_LEO", p.Leo)
        .Set("UNIQUEKEY", r.Key());
    mni.Insert();
    // Warrant-type records for people with an active warrant (and some old
    // served ones), arrest reports for a share of everyone.
    const int warrants = p.Warrant ? r.Int(1, 3) : (r.Chance(0.05) ? 1 : 0);
    for (int w = 0; w < warrants; ++w) {
      const QDateTime reported = c.Now().addDays(-r.Int(3, 900)).addSecs(r.Int(0, 80000));
      const char* type = r.Pick({"W", "W", "T", "C", "S", "D"});
      const char* status = p.Warrant && w == 0 ? r.Pick({"1", "5", "W", "N"})
                                               : r.Pick({"2", "6", "9", "E", "P", "R", "H", "Z"});
      arrest.Set("ARRESTNO", QStringLiteral("W%1").arg(++arrests, 7, 10, QLatin1Char('0')))
          .Set("ECSOID", p.Ecsoid)
          .Set("WARRANTNO", QStringLiteral("%1-%2").arg(reported.date().year()).arg(r.Digits(6)))
          .Set("WARSTATUS", status)
          .Set("ARRESTTYPE", type)
          .Set("SERVEBY", r.Chance(0.3) ? QVariant()
                                        : QVariant(QLatin1String(r.Pick({"CCSO", "LCPD", "FHP"}))))
          .Set("REPORTDATE", DemoTime::DateOf(reported))
          .Set("REPORTTIME", DemoTime::TimeOf(reported))
          .Set("ARROFFNAME", c.Officers.empty() ? QString() : r.Pick(c.Officers).FullName())
          .Set("ARROFFNO", c.Officers.empty() ? QString() : r.Pick(c.Officers).PerNo)
          .Set("OFFENSE", QLatin1String(r.Pick({"FAILURE TO APPEAR", "VIOLATION OF PROBATION",
                                                "CONTEMPT OF COURT", "CHILD SUPPORT"})))
          .Set("UNIQUEKEY", r.Key());
      arrest.Insert();
    }
    if (r.Chance(0.3)) {
      const QDateTime reported = c.Now().addDays(-r.Int(3, 1500));
      arrest.Set("ARRESTNO", QStringLiteral("A%1").arg(++arrests, 7, 10, QLatin1Char('0')))
          .Set("ECSOID", p.Ecsoid)
          .Set("ARRESTTYPE", QStringLiteral("A"))
          .Set("WARSTATUS", QStringLiteral("2"))
          .Set("REPORTDATE", DemoTime::DateOf(reported))
          .Set("REPORTTIME", DemoTime::TimeOf(reported))
          .Set("ARROFFNAME", c.Officers.empty() ? QString() : r.Pick(c.Officers).FullName())
          .Set("OFFENSE", QStringLiteral("ARREST REPORT"))
          .Set("UNIQUEKEY", r.Key());
      arrest.Insert();
    }
  }
}

const TDemoCaseStatus* FindStatus(const QString& code) {
  for (const TDemoCaseStatus& s : DemoCaseStatuses())
    if (code == QLatin1String(s.Code)) return &s;
  return nullptr;
}

// Seven digits, a letter and two digits.
QString FbiNumber(TDemoRandom& r) {
  QString number = r.Digits(7);
  number += QChar('A' + r.Int(0, 25));
  return number + r.Digits(2);
}

QString InmateStatus(const TDemoBooking& b) {
  if (b.Jurisdiction.contains(QLatin1String("MARSHAL")) ||
      b.Jurisdiction.contains(QLatin1String("IMMIGRATION")))
    return QStringLiteral("F");
  if (b.Hold) return QStringLiteral("H");
  for (const TDemoCase& k : b.Cases)
    if (k.Sentenced) return QStringLiteral("S");
  return QStringLiteral("P");
}

void FillBooking(TDemoTableWriter& w, const TDemoContext& c, TDemoRandom& r,
                 const TDemoBooking& b) {
  const TDemoPerson& p = c.People[size_t(b.Person)];
  const TDemoFacility& f = c.Facilities[size_t(b.Facility)];
  const int cell = b.InCustody() ? b.Bed : b.HistoryCell;
  const bool inCustody = b.InCustody();
  const QDateTime stop = inCustody ? c.Now() : b.Released;
  const TDemoEmployee* booker = c.Officers.empty() ? nullptr : &r.Pick(c.Officers);

  w.Set("BOOKNO", b.BookNo)
      .Set("ECSOID", p.Ecsoid)
      .Set("OBTS", r.Digits(10))
      .Set("LNAME", p.LName)
      .Set("FNAME", p.FName)
      .Set("MNAME", p.MName)
      .Set("TITLE", p.Title)
      .Set("DOB", DemoTime::At(p.Dob))
      .Set("RACE", p.Race)
      .Set("SEX", p.Sex)
      .Set("AGE", DemoTime::Age(p.Dob, b.Booked.date()))
      .Set("HISPANIC", p.Hispanic)
      .Set("HEIGHT", p.Height)
      .Set("WEIGHT", p.Weight)
      .Set("HAIR", p.Hair)
      .Set("EYES", p.Eyes)
      .Set("SSN", p.Ssn.isEmpty() ? QVariant() : QVariant(p.Ssn))
      .Set("LOCATION", inCustody ? QStringLiteral("IN CUSTODY") : QStringLiteral("RELEASED"))
      .Set("FACICODE", f.Id)
      .Set("FACILITY", f.Desc);
  if (cell >= 0) {
    const TDemoBed& bed = c.Beds[size_t(cell)];
    w.Set("CELLKEY", bed.CellKey)
        .Set("TOWER", bed.Tower)
        .Set("FLOOR", bed.Floor)
        .Set("POD", f.Dorms[size_t(bed.Dorm)].Code)
        .Set("CELLNO", c.BedText(bed))
        .Set("BED", bed.BedNo)
        .Set("CELLLOCATION", f.Dorms[size_t(bed.Dorm)].Desc);
  }
  w.Set("ESCAPERISK", r.Chance(0.03))
      .Set("HIGHPROF", r.Chance(0.01))
      .Set("SUICIDEW", r.Chance(0.02))
      .Set("ISOLATION", r.Chance(0.02))
      .Set("NAMERELEAS", b.NameReleas)
      .Set("ALLOWVISIT", !r.Chance(0.05))
      .Set("ALLOWPHONE", true)
      .Set("TRUSTY", b.Trusty)
      .Set("TRUSTYSTATUS", b.TrustyStatus.isEmpty() ? QVariant() : QVariant(b.TrustyStatus))
      .Set("BOOKDATE", DemoTime::DateOf(b.Booked))
      .Set("BOOKTIME", DemoTime::TimeOf(b.Booked))
      .Set("BOOKTIMESTAMP", b.Booked)
      .Set("CASESPEND", int(b.Cases.size()))
      .Set("DONOTREL", b.Hold)
      .Set("HOLD", b.Hold)
      .Set("RELDEMANDAGNCYDESC", b.HoldFor.isEmpty() ? QVariant() : QVariant(b.HoldFor))
      .Set("KPFROM", !b.KeepFrom.empty())
      .Set("KPFROMCOMMENTS",
           b.KeepFrom.empty()
               ? QVariant()
               : QVariant(QStringLiteral("Co-defendants; keep separated at all times.")))
      .Set("BOOKBY", booker ? booker->FullName() : QString())
      .Set("BOOKEDBYNO", booker ? booker->PerNo : QString())
      .Set("RELIGION",
           QLatin1String(r.Pick({"BAPTIST", "CATHOLIC", "NONE", "METHODIST", "MUSLIM", "OTHER"})))
      .Set("INMPICTURE", p.Photo >= 0 ? QVariant(c.Photos[size_t(p.Photo)]) : QVariant())
      .Set("IMAGE_TYPE", p.Photo >= 0 ? QVariant(QStringLiteral("JPG")) : QVariant())
      .Set("OCCUPATION",
           QLatin1String(r.Pick({"LABORER", "COOK", "MECHANIC", "CLERK", "DRIVER", "NONE"})))
      .Set("EMPLOYER", QLatin1String(r.Pick(DemoNames::Employers())))
      .Set("MAILINGADDRESS", QStringLiteral("%1 %2 %3, %4 %5 %6")
                                 .arg(p.HouseNo, p.Quad, p.Street, p.City, p.State, p.Zip)
                                 .simplified())
      .Set("PHYSICALADDRESS",
           QStringLiteral("%1 %2 %3").arg(p.HouseNo, p.Quad, p.Street).simplified())
      .Set("PLACEOFBIRTH", p.BirthCountry.isEmpty() ? QStringLiteral("FLORIDA") : p.BirthCountry)
      .Set("DRIVERLICENSENO",
           r.Chance(0.7) ? QVariant(QChar(p.LName.at(0)) + r.Digits(12)) : QVariant())
      .Set("PHONENO", p.Phone)
      .Set("PHONE", p.Phone)
      .Set("JUVENILE", b.Juvenile)
      .Set("CITIZENSHIP", p.BirthCountry.isEmpty() ? QStringLiteral("US") : p.BirthCountry)
      .Set("SEXOFFENDER", r.Chance(0.02))
      .Set("VIOLENT", b.ClassCode == QLatin1String("MAX"))
      .Set("GENERALPOPULATION",
           b.ClassCode != QLatin1String("PC") && b.ClassCode != QLatin1String("MAX"))
      .Set("SPECIALSEGREGATION", b.ClassCode == QLatin1String("PC"))
      .Set("HIGHOBSERVATION", b.ClassCode == QLatin1String("MAX"))
      .Set("CLOSEOBSERVATION", b.ClassCode == QLatin1String("MED"))
      .Set("LOWOBSERVATION",
           b.ClassCode == QLatin1String("MIN") || b.ClassCode == QLatin1String("TRST"))
      .Set("FEDERAL", b.Jurisdiction.contains(QLatin1String("MARSHAL")))
      .Set("HOUSENO", p.HouseNo)
      .Set("QUAD", p.Quad)
      .Set("STREET", p.Street)
      .Set("CITY", p.City)
      .Set("STATE", p.State)
      .Set("ZIP", p.Zip)
      .Set("OTHERCOUNTY", p.County != c.CountyName())
      .Set("COUNTYNAME", p.County)
      .Set("DAYSSERVED", int(b.Booked.daysTo(stop)))
      .Set("CLASSCODE", b.ClassCode.isEmpty() ? QVariant() : QVariant(b.ClassCode))
      .Set("CLASSCODEDESC", b.ClassDesc.isEmpty() ? QVariant() : QVariant(b.ClassDesc))
      .Set("LASTUPDDATE", stop)
      .Set("LASTUPDUSERNAME", QStringLiteral("DEMO"))
      .Set("INMATESTATUS", InmateStatus(b))
      .Set("LASTRECLASSDATE",
           b.LastReclass.isValid() ? QVariant(DemoTime::DateOf(b.LastReclass)) : QVariant())
      .Set("LASTRECLASSTIME",
           b.LastReclass.isValid() ? QVariant(DemoTime::TimeOf(b.LastReclass)) : QVariant())
      .Set("SID", QStringLiteral("FL") + r.Digits(8))
      .Set("FBI_ID", r.Chance(0.8) ? QVariant(FbiNumber(r)) : QVariant())
      .Set("OCA_ID", QStringLiteral("%1-%2").arg(b.Booked.date().year()).arg(r.Digits(6)))
      .Set("WEEKENER", b.Weekender)
      .Set("PRINTS", true)
      .Set("WORKRELEASE", b.WorkRelease)
      .Set("WORKRELTYPE", b.WorkRelType.isEmpty() ? QVariant() : QVariant(b.WorkRelType))
      .Set("JURISDICTION",
           b.Jurisdiction.isEmpty() ? QStringLiteral("COLUMBIA COUNTY") : b.Jurisdiction)
      .Set("WARRANT", p.Warrant)
      .Set("INS", !p.InsNumber.isEmpty())
      .Set("INSNUMBER", p.InsNumber.isEmpty() ? QVariant() : QVariant(p.InsNumber))
      .Set("INSCOUNTRYCODE",
           p.BirthCountry.isEmpty() ? QVariant(QStringLiteral("FL")) : QVariant(p.BirthCountry))
      .Set("DOC", false)
      .Set("CHECKEDIN", inCustody && !b.CheckedOut)
      .Set("InmateTimeServed", double(b.Booked.secsTo(stop)) / 86400.0)
      .Set("InmateReleaseTime",
           b.ExpectedRelease.isValid() ? QVariant(b.ExpectedRelease) : QVariant())
      .Set("FingerPrintStatus", QStringLiteral("SUBMITTED"))
      .Set("MARITALSTATUS", QLatin1String(r.Pick({"SINGLE", "MARRIED", "DIVORCED", "SINGLE"})))
      .Set("PublicRecord", !b.Juvenile && !r.Chance(0.05))
      .Set("InmatePhonePinNumber", r.Digits(6))
      .Set("UNIQUEKEY", b.UniqueKey);
  bool doc = false;
  for (const TDemoCase& k : b.Cases) doc |= k.Doc;
  w.Set("DOC", doc);
  // Adults are ADULT 1; juveniles 0; a few records left both flags empty.
  if (b.Juvenile)
    w.Set("ADULT", false);
  else if (!r.Chance(0.01))
    w.Set("ADULT", true);
  else
    w.Set("JUVENILE", QVariant());

  if (!inCustody) {
    const TDemoEmployee* off = c.Officers.empty() ? nullptr : &r.Pick(c.Officers);
    const TDemoEmployee* sup = c.Officers.empty() ? nullptr : &r.Pick(c.Officers);
    w.Set("RELDATE", DemoTime::DateOf(b.Released))
        .Set("RELTIME", DemoTime::TimeOf(b.Released))
        .Set("RELOFFNAME", off ? off->FullName() : QString())
        .Set("RELOFFNO", off ? off->PerNo : QString())
        .Set("RELSUPNAME", sup ? sup->FullName() : QString())
        .Set("RELSUPNO", sup ? sup->PerNo : QString())
        .Set("RELSTATUS", QStringLiteral("RELEASED"));
    if (r.Chance(0.4))
      w.Set("RELCOMMENT",
            QLatin1String(r.Pick({"Property returned.", "Released to family member.",
                                  "Transported by receiving agency.", "Given bus voucher."})));
    for (const char* flag :
         {"RELROR", "BONDOUT", "RELCOURTORDER", "RELTXR", "HOLDEXT", "RELTIMESERVED", "RELEXT",
          "RELOTH", "RELFUR", "RELDEMANDAGENCY", "RELCARECENTER", "RELESCAPE"})
      w.Set(QLatin1String(flag), false);
    switch (b.ReleaseReason) {
      case 0:
        w.Set("BONDOUT", true)
            .Set("BONDOUTAMOUNT", 500.0 * r.Int(1, 40))
            .Set("POWERNO", QStringLiteral("P") + r.Digits(7));
        break;
      case 1:
        w.Set("RELTIMESERVED", true);
        break;
      case 2:
        w.Set("RELROR", true).Set("RELRORPER", QLatin1String(r.Pick(DemoNames::Judges())));
        if (r.Chance(0.4)) w.Set("BONDOUT", true).Set("BONDOUTAMOUNT", 250.0 * r.Int(1, 8));
        break;
      case 3:
        w.Set("RELCOURTORDER", true)
            .Set("RELCOURTAUTH", QLatin1String(r.Pick(DemoNames::Judges())));
        break;
      case 4:
        w.Set("RELOTH", true)
            .Set("RELOTHCOM", QStringLiteral("Charges dropped by the State Attorney."));
        break;
      case 5:
        w.Set("RELTXR", true).Set("RELTXRTO", QStringLiteral("STATE RECEPTION AND MEDICAL CENTER"));
        break;
      case 6:
        w.Set("RELEXT", true)
            .Set("RELEXTTO", QLatin1String(r.Pick({"GEORGIA", "ALABAMA", "TEXAS"})));
        break;
      case 7: {
        const QDateTime back = b.Released.addDays(r.Int(1, 5));
        w.Set("RELFUR", true)
            .Set("RELFURPER", QLatin1String(r.Pick(DemoNames::Judges())))
            .Set("RELFURRETD", DemoTime::DateOf(back))
            .Set("RELFURRETT", DemoTime::TimeOf(back));
        break;
      }
      default:
        w.Set("RELDEMANDAGENCY", true)
            .Set("HOLDEXT", true)
            .Set("RELDEMANDAGNCYDESC",
                 b.HoldFor.isEmpty() ? QStringLiteral("SUWANNEE COUNTY SHERIFF") : b.HoldFor);
        if (r.Chance(0.2))
          w.Set("RELCARECENTER", true)
              .Set("RELCARECENTERDESC", QStringLiteral("MERIDIAN BEHAVIORAL CARE"));
        break;
    }
  }
  w.Insert();
}

void WriteCases(TDemoTableWriter& cases, TDemoTableWriter& charges, const TDemoContext& c,
                TDemoRandom& r, const TDemoBooking& b) {
  const TDemoPerson& p = c.People[size_t(b.Person)];
  int group = 0;
  for (const TDemoCase& k : b.Cases) {
    const TDemoCaseStatus* status = FindStatus(k.Status);
    double bondTotal = 0;
    for (const TDemoCharge& ch : k.Charges)
      bondTotal += ch.Bond.isValid() ? ch.Bond.toDouble() : 0.0;
    cases.Set("BOOKNO", b.BookNo)
        .Set("ECSOID", p.Ecsoid)
        .Set("CASENO", k.CaseNo)
        .Set("COURTCASENUM", k.CourtCaseNum)
        .Set("COURT", r.Chance(0.03) ? QVariant() : QVariant(k.Court))
        .Set("JUDGE", k.Judge)
        .Set("STATUS", k.Status)
        .Set("STATUSDESC", status ? QString::fromLatin1(status->Desc) : QStringLiteral("TRAFFIC"))
        .Set("AGENCY", k.Agency)
        .Set("AGENCYNAME", k.AgencyName)
        .Set("ACTIVE", k.Active)
        .Set("CANCEL", k.Cancel)
        .Set("SEAL", k.Seal)
        .Set("COMMENTS", k.Comments.isEmpty() ? QVariant() : QVariant(k.Comments))
        .Set("ARR_DATE", DemoTime::DateOf(k.Arrested))
        .Set("ARR_TIME", DemoTime::TimeOf(k.Arrested))
        .Set("CASEGROUP",
             k.Sentenced ? QVariant(++group) : (r.Chance(0.5) ? QVariant(0) : QVariant()))
        .Set("FIRSTAPPEARANCEDONE", k.FirstAppearanceDone)
        .Set("AddDateTime", k.Added)
        .Set("BONDNONE", k.BondKind == 0)
        .Set("BONDLEO", k.BondKind == 1)
        .Set("BONDJUD", k.BondKind == 2)
        .Set("BondAmount", bondTotal)
        .Set("RetainPrivateAttorney", k.AttorneyKind == 0)
        .Set("PublicDefenderAssigned", k.AttorneyKind == 1)
        .Set("GivesUpAttorney", k.AttorneyKind == 2)
        .Set("StatesUnableAffordAttor", k.AttorneyKind == 3)
        .Set("NotQualifyForAttorn", k.AttorneyKind == 4)
        .Set("UnDecidedOnAttorn", k.AttorneyKind == 5)
        .Set("AttorneyName", k.Attorney.isEmpty() ? QVariant() : QVariant(k.Attorney))
        .Set("CASEESTIMATEDENDTIME", k.Estimated.isValid() ? QVariant(k.Estimated) : QVariant())
        .Set("CASEDOCFLAG", k.Doc)
        .Set("CASEGCGAINTIMEFLAG", k.Credited > 0)
        .Set("CASEEXTRAGAINTIMEFLAG", k.Worked > 0)
        .Set("CASEPARTTIMEFLAG", k.Weekender)
        .Set("CASECOMPLETEFLAG", k.Sentenced && !b.InCustody())
        .Set("CASECIVILFLAG", k.Status == QLatin1String("CIV"))
        .Set("UNIQUEKEY", r.Key());
    if (k.BondKind == 1) cases.Set("BONDLEOAUTH", k.BondBy).Set("BONDLEOAMOUNT", k.BondAmount);
    if (k.BondKind == 2) cases.Set("BONJUDNAME", k.BondBy).Set("BONDJUDGEAMOUNT", k.BondAmount);
    if (k.Sentenced) {
      cases.Set("CASESTARTTIME", k.Start)
          .Set("CASEENDTIME", k.End)
          .Set("SENTEND", DemoTime::DateOf(k.End))
          .Set("CASERULINGTIME", k.Start)
          .Set("CASELENGTH", k.Length)
          .Set("CASECREDITFORTIMESERVED", k.Credit)
          .Set("CASETIMESERVED", k.Served)
          .Set("CASETIMEWORKED", k.Worked)
          .Set("CASETIMECREDITED", k.Credited)
          .Set("CASETIMEREMAINING", k.Remaining);
      if (k.Weekender)
        cases.Set("CASETIMEPERWEEK", 2.0).Set("CASESCHEDULEIN", 5.75).Set("CASESCHEDULEOUT", 0.75);
    }
    cases.Insert();

    for (const TDemoCharge& ch : k.Charges) {
      const TDemoStatute& s = c.Statutes[size_t(ch.Statute)];
      charges.Set("BOOKNO", b.BookNo)
          .Set("ECSOID", p.Ecsoid)
          .Set("CASENO", k.CaseNo)
          .Set("CHARGENO", ch.ChargeNo)
          .Set("COUNTS", ch.Counts)
          .Set("ACL", s.Acl)
          .Set("DV", s.Dv)
          .Set("FSN", s.Fsn)
          .Set("FCICCODEV", s.Code)
          .Set("FSDESC", r.Chance(0.01) ? QVariant() : QVariant(s.Desc))
          .Set("CHRGDISPO", ch.Dispo)
          .Set("STATUSDESC", ch.StatusDesc)
          .Set("GROUPID", s.Group)
          .Set("BONDCHARGEAMOUNT", ch.Bond)
          .Set("UCR", s.Group.right(2))
          .Set("UNIQUEKEY", r.Key());
      charges.Insert();
    }
  }
}

}  // namespace

void WriteDemoBookings(TDemoContext& context) {
  TDemoRandom r = context.Random("booking rows");
  WritePeople(context, r);
  TDemoTableWriter jailbook(context.Db(), QStringLiteral("JAILBOOK"));
  TDemoTableWriter jbhisto(context.Db(), QStringLiteral("JBHISTO"));
  TDemoTableWriter cases(context.Db(), QStringLiteral("JBCASE"));
  TDemoTableWriter charges(context.Db(), QStringLiteral("JBCHARGE"));
  for (const TDemoBooking& b : context.Bookings) {
    FillBooking(b.InCustody() ? jailbook : jbhisto, context, r, b);
    WriteCases(cases, charges, context, r, b);
  }
}

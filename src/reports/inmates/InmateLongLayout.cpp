#include "reports/inmates/InmateLongLayout.h"

#include "core/RegionalFormats.h"
#include "reports/engine/LayoutBuilder.h"
#include "reports/engine/StandardBlocks.h"
#include "reports/framework/AgencyBlock.h"
#include "reports/framework/ReportRowTexts.h"
#include "reports/inmates/CaseBondTexts.h"

namespace {

// Shows or hides every component of a band but one.
void ShowAllBut(TReportBand* band, bool visible, const TReportComponent* except) {
  for (const auto& component : band->Components())
    if (component.get() != except) component->Visible = visible;
}

QString Money(const TReportVariable* sum) {
  return FormatCurrency(sum->Value().toDouble(), 2);
}

// What the layout's handlers read of the row being printed. Held by value
// in each handler: the builder is gone when pages are generated.
struct TCaseRow {
  TReportPipeline* Rows;
  std::function<bool()> ShowsSealedCases;

  bool HasCase() const {
    return !Rows->GetFieldAsString(QStringLiteral("CaseNo")).trimmed().isEmpty();
  }
  // A sealed case the user may not see.
  bool HidesCase() const {
    return VariantToBool(Rows->GetFieldValue(QStringLiteral("Seal"))) && !ShowsSealedCases();
  }
};

class TInmateLongLayout {
 public:
  TInmateLongLayout(TReport& layout, TReportPipeline& rows, TReportPipeline& counts,
                    TAgencyBlock& agency, bool inactive, TInmateLongContext context)
      : FRows(rows),
        FCounts(counts),
        FAgency(agency),
        FInactive(inactive),
        FContext(std::move(context)),
        B(layout) {}

  void Build() {
    B.Letter().Landscape().Margins(6.35, 6.35, 6.35, 19.05).TwoPass().Pipeline(&FRows);
    FCounts.SetMaster(&FRows, {{QStringLiteral("FaciCode"), QStringLiteral("FaciCode")}});
    Headers();
    TGroupBuilder facility = B.Group(QStringLiteral("FaciCode"));
    facility.NewPage().ResetPageNo();
    if (FInactive) facility.Footer(1).Rule(0.3);
    TGroupBuilder booking = B.Group(QStringLiteral("BOOKNO"));
    booking.KeepTogether();
    BookingBands(booking);
    TGroupBuilder caseGroup = B.Group(QStringLiteral("CaseNo"));
    caseGroup.KeepTogether();
    CaseHeader(caseGroup.Header(14).Font(Arial(5)));
    caseGroup.Footer(1)
        .PrintWhen([row = Row()] { return row.HasCase(); })
        .Rule(0.3, TLineStyle::Dotted, 0.5);
    CaseTotal(B.Group(QStringLiteral("CaseNo")));
    ChargeDetail();
    TBandBuilder footer = B.PageFooter(8);
    AddStandardPageFooter(footer, QString()).UserName->OnGetText =
        [user = FContext.UserName](QString& text) { text = user(); };
  }

 private:
  TCaseRow Row() const { return TCaseRow{&FRows, FContext.ShowsSealedCases}; }

  // Agency block, title, facility and count; the inactive roster prints
  // them once in its title band and only the captions on every page.
  void Headers() {
    const double width = B.PrintableWidthMm();
    TBandBuilder top = FInactive ? B.TitleBand(10) : B.PageHeader(10);
    const TAgencyHeader agency = AddAgencyHeader(
        top, FAgency.HeaderSettings(
                 FInactive ? QStringLiteral("Inactive Inmate Roster with Cases/Charges")
                           : QStringLiteral("Inmate Roster with Cases/Charges"),
                 &FRows));
    const double y = agency.BottomMm + 0.5;
    const QFont total = Arial(10, fsBold);
    top.Label(FInactive ? QStringLiteral("Total Inmates:  ") : QStringLiteral("Total Inmates: "))
        .Font(total)
        .At(0, y, 28, 4.5);
    top.DBText(QStringLiteral("InmCount"), &FCounts).Font(total).At(28, y, 20, 4.5);
    top.Height(y + 5.5);
    TBandBuilder captions = FInactive ? B.PageHeader(1) : top;
    const double captionsTop = FInactive ? 0.5 : y + 6;
    std::vector<TColumnCaption> columns = {
        {QStringLiteral("Name"), 0, 44},
        {QStringLiteral("Gender"), 45, 9},
        {QStringLiteral("Race"), 55, 7},
        {QStringLiteral("Age"), 63, 7},
        {QStringLiteral("DOB"), 71, 15},
        {QStringLiteral("Cell Assigned"), 87, 30},
        {QStringLiteral("Jurisdiction"), 118, 28},
        {FInactive ? QStringLiteral("MNI No") : QStringLiteral("Custody Level"), 147, 17},
        {QStringLiteral("Classification Code/Description"), 165, 46},
        {QStringLiteral("Trusty\nStatus"), 212, 16},
        {QStringLiteral("Work\nRelease"), 229, 17},
        {QStringLiteral("Booking No"), 247, width - 247},
    };
    AddColumnCaptions(captions, captionsTop, columns, Arial(7, fsBold | fsUnderline));
  }

  void BookingBands(TGroupBuilder& booking) {
    TBandBuilder header = booking.Header(11.5).Font(Arial(6));
    const double y = 0.5, h = 3;
    header.DBText(QStringLiteral("LName"))
        .Font(Arial(6, fsBold | fsItalic))
        .At(0, y, 44, h)
        .OnGetText([rows = &FRows](QString& text) { text = ReportRowTexts::InmateName(*rows); });
    header.DBText(QStringLiteral("Sex")).At(45, y, 9, h);
    header.DBText(QStringLiteral("Race")).At(55, y, 7, h);
    header.DBText(QStringLiteral("Age")).At(63, y, 7, h);
    header.DBText(QStringLiteral("DOB")).Format(QStringLiteral("ddddd")).At(71, y, 15, h);
    header.DBText(QStringLiteral("CellNo")).At(87, y, 30, h).OnGetText([](QString& text) {
      text = ReportRowTexts::Cell(text);
    });
    NotApplicable(header.DBText(QStringLiteral("Jurisdiction")).At(118, y, 28, h));
    if (FInactive)
      header.DBText(QStringLiteral("ECSOID")).At(147, y, 17, h);
    else
      header.DBText(QStringLiteral("custodylevel")).Font(Arial(6, fsBold)).At(147, y, 17, h);
    header.DBText(QStringLiteral("Classcode")).At(165, y, 14, h).OnGetText([](QString& text) {
      text = ReportRowTexts::OrNotAssigned(text);
    });
    header.DBText(QStringLiteral("ClasscodeDesc")).At(180, y, 31, h);
    NotApplicable(header.DBText(QStringLiteral("TrustyStatus")).At(212, y, 16, h));
    NotApplicable(header.DBText(QStringLiteral("WorkRelType")).At(229, y, 17, h));
    header.DBText(QStringLiteral("Bookno")).At(247, y, B.PrintableWidthMm() - 247, h);

    const double y2 = 4, y3 = 7.5;
    header.Label(QStringLiteral("Days Served:")).At(0, y2, 15, h);
    header.DBText(QStringLiteral("InmateTimeServed"))
        .Format(QStringLiteral("#,##0.00"))
        .At(15, y2, 20, h);
    header.Label(QStringLiteral("Book Date/Time: ")).At(40, y2, 20, h);
    header.DBText(QStringLiteral("Bookdate")).Format(QStringLiteral("ddddd")).At(60, y2, 14, h);
    header.DBText(QStringLiteral("BookTime")).Format(QStringLiteral("t")).At(75, y2, 14, h);
    header.Label(QStringLiteral("Hold:")).At(0, y3, 8, h);
    header.CheckBox(QStringLiteral("Hold")).At(8, y3 + 0.2, 2.5, 2.5);
    header.Label(QStringLiteral("OCA: ")).At(40, y3, 8, h);
    header.DBText(QStringLiteral("OCA_ID")).At(48, y3, 30, h);
    header.Rule(11);

    TBandBuilder footer = booking.Footer(4.5).Font(Arial(6, fsBold));
    footer.Label(QStringLiteral("Charge Bond Totals")).At(180, 0.7, 30, h);
    BondTotal(footer, QStringLiteral("varBookingBondTotal"), booking.Group()).At(211, 0.7, 30, h);
  }

  void CaseHeader(TBandBuilder header) {
    const double y = 0.5, below = 3, h = 2.5;
    header.Label(QStringLiteral("Active")).At(0, y, 8, h);
    header.CheckBox(QStringLiteral("Active")).At(1.5, below, 2.2, 2.2);
    CaptionAndField(header, "Court Case No:", 10, 15, "CourtCaseNum", 25, 26);
    CaptionAndField(header, "Agency Code:", 52, 13, "Agency", 65, 15);
    CaptionAndField(header, "Arresting Agency:", 81, 17, "AgencyName", 98, 41);
    header.Label(QStringLiteral("Attorney:")).At(140, y, 30, h);
    header.Label(QString())
        .AutoSize(false)
        .At(140, below, 40, h)
        .OnGetText([rows = &FRows](QString& text) { text = CaseBondTexts::Attorney(*rows); });
    const struct {
      const char* Field;
      const char* Caption;
      double Y;
    } bonds[] = {{"BondLeo", "Bond By ", 0.5},
                 {"BondJud", "Bond By Judge", 3},
                 {"BondNone", "No Bond", 5.5}};
    for (const auto& bond : bonds) {
      header.CheckBox(QString::fromLatin1(bond.Field)).At(182, bond.Y, 2.2, 2.2);
      auto caption = header.Label(QString::fromLatin1(bond.Caption)).At(185, bond.Y, 19, h);
      if (QByteArray(bond.Field) == "BondLeo")
        caption.OnGetText([label = FContext.BondByLabel](QString& text) { text += label(); });
    }
    header.Label(QStringLiteral("Bond By:")).At(205, y, 30, h);
    header.Label(QString())
        .AutoSize(false)
        .At(205, below, 31, h)
        .OnGetText([rows = &FRows](QString& text) { text = CaseBondTexts::BondBy(*rows); });
    header.Label(QStringLiteral("Bond Amount:")).At(237, y, 29, h);
    header.Label(QString())
        .AutoSize(false)
        .At(237, below, 29, h)
        .OnGetText([rows = &FRows](QString& text) { text = CaseBondTexts::BondAmount(*rows); });
    CaptionAndField(header, "Case Status:", 10, 14, "Status", 24, 10, 8);
    CaptionAndField(header, "Status Description:", 35, 20, "StatusDesc", 55, 40, 8);
    const double captions = 11;
    for (const auto& c : {std::pair<const char*, double>{"Charge No", 10},
                          {"Statute", 25},
                          {"Bond Amount", 56},
                          {"Charge Code", 77},
                          {"Charge Description", 108},
                          {"Disposition", 219}})
      header.Label(QString::fromLatin1(c.first))
          .Font(Arial(5, fsBold))
          .At(c.second, captions, 30, h);

    // Laid over the whole band when the case is sealed to this user.
    TReportLabel* sealed = header.Label(QStringLiteral("Sealed Case"))
                               .Font(Arial(5, fsBold))
                               .Opaque()
                               .AutoSize(false)
                               .At(0, 0, B.PrintableWidthMm(), 14)
                               .Name(QStringLiteral("lblSealedCase"));
    TReportBand* band = header.Band();
    header.BeforePrint([row = Row(), band, sealed] {
      const bool hidden = row.HidesCase();
      ShowAllBut(band, !hidden, sealed);
      sealed->Visible = hidden;
    });
    // A booking without cases prints its booking lines alone.
    header.PrintWhen([row = Row()] { return row.HasCase(); });
  }

  // The case's charge bonds, left out when there are none.
  void CaseTotal(TGroupBuilder group) {
    TBandBuilder footer = group.Footer(3.5).Font(Arial(5, fsBold));
    TReportVariable* sum = BondTotal(footer, QStringLiteral("varCaseBondTotal"), group.Group())
                               .Right()
                               .At(56, 0.3, 20, 2.8);
    footer.PrintWhen([sum] { return sum->Value().toDouble() != 0; });
  }

  void ChargeDetail() {
    TBandBuilder detail = B.Detail(3).Font(Arial(5));
    const double y = 0.2, h = 2.6;
    detail.DBText(QStringLiteral("ChargeNo")).At(10, y, 14, h);
    detail.DBText(QStringLiteral("FSN")).At(25, y, 30, h);
    detail.DBText(QStringLiteral("BondChargeAmount"))
        .Right()
        .At(56, y, 20, h)
        .OnGetText([rows = &FRows](QString& text) {
          text = CaseBondTexts::ChargeBondAmount(
              rows->GetFieldValue(QStringLiteral("BondChargeAmount")));
        });
    detail.DBText(QStringLiteral("FCICCODEV")).At(77, y, 30, h);
    detail.DBText(QStringLiteral("FSDESC")).At(108, y, 110, h);
    detail.DBText(QStringLiteral("ChrgDispo")).At(219, y, B.PrintableWidthMm() - 219, h);
    detail.PrintWhen([row = Row()] { return row.HasCase() && !row.HidesCase(); });
  }

  // The charge bonds of a group in currency. Charges of a case sealed to
  // this user count for nothing, so no total gives their amounts away.
  TItem<TReportVariable> BondTotal(TBandBuilder& band, const QString& name, TReportGroup* group) {
    TItem<TReportVariable> sum = band.Variable(name);
    TReportVariable* variable = sum;
    variable->InitialValue = 0.0;
    variable->ResetType = TVariableReset::Group;
    variable->ResetGroup = group;
    variable->OnCalc = [row = Row()](QVariant& value) {
      if (!row.HidesCase())
        value = value.toDouble() +
                row.Rows->GetFieldValue(QStringLiteral("BondChargeAmount")).toDouble();
    };
    variable->OnGetText = [variable](QString& text) { text = Money(variable); };
    return sum;
  }

  void CaptionAndField(TBandBuilder& band, const char* caption, double x, double w,
                       const char* field, double fx, double fw, double y = 0.5) {
    band.Label(QString::fromLatin1(caption)).At(x, y, w, 2.5);
    band.DBText(QString::fromLatin1(field)).At(fx, y, fw, 2.5);
  }

  static void NotApplicable(TItem<TReportDBText> item) {
    item.OnGetText([](QString& text) { text = ReportRowTexts::OrNotApplicable(text); });
  }

  TReportPipeline& FRows;
  TReportPipeline& FCounts;
  TAgencyBlock& FAgency;
  bool FInactive;
  TInmateLongContext FContext;
  TLayoutBuilder B;
};

}  // namespace

void BuildInmateLongLayout(TReport& layout, TReportPipeline& rows, TReportPipeline& counts,
                           TAgencyBlock& agency, bool inactive, TInmateLongContext context) {
  TInmateLongLayout(layout, rows, counts, agency, inactive, std::move(context)).Build();
}

#include "reports/engine/StandardBlocks.h"

#include <algorithm>

namespace {

constexpr double KLogoWidth = 27;
constexpr double KLogoHeight = 19;

double BandWidthMm(const TBandBuilder& band) {
  return band.Band()->Report() ? band.Band()->Report()->PrintableWidthUm() / 1000.0 : 203.2;
}

void GrowTo(TBandBuilder& band, double bottomMm) {
  band.Band()->Height = std::max(band.Band()->Height, Um::FromMm(bottomMm));
}

TItem<TReportDBImage> Logo(TBandBuilder& band, const TAgencyHeaderSettings& settings) {
  if (settings.LogoPipeline) return band.Image(settings.LogoField, settings.LogoPipeline);
  return band.Image(settings.Logo);
}

}  // namespace

TAgencyHeader AddAgencyHeader(TBandBuilder& band, const TAgencyHeaderSettings& settings,
                              double topMm) {
  TAgencyHeader h;
  const double width = BandWidthMm(band);
  h.TopRule = band.Rule(topMm, TLineStyle::Double, 0.75, 0, width);
  double y = topMm + 1.5;
  h.LeftLogo =
      Logo(band, settings).At(0, y, KLogoWidth, KLogoHeight).Name(QStringLiteral("imgLogoLeft"));
  h.RightLogo = Logo(band, settings)
                    .At(width - KLogoWidth, y, KLogoWidth, KLogoHeight)
                    .Name(QStringLiteral("imgLogoRight"));
  const double middleX = KLogoWidth + 2;
  const double middleW = width - 2 * middleX;
  auto centred = [&](const QString& text, const QFont& font, double top, double height) {
    return band.Label(text).Font(font).AutoSize(false).Center().At(middleX, top, middleW, height);
  };
  h.AgencyName =
      centred(settings.AgencyName, Arial(12), y + 1, 5.5).Name(QStringLiteral("lblAgencyName"));
  h.Title = centred(settings.Title, TimesNewRoman(settings.TitlePoints, fsBold), y + 7, 6.5)
                .Name(QStringLiteral("lblTitle"));
  double bottom = y + 14;
  if (settings.FacilityPipeline) {
    h.Facility = band.DBText(settings.FacilityField, settings.FacilityPipeline)
                     .Font(Arial(settings.FacilityPoints, fsBold))
                     .Center()
                     .At(middleX, bottom, middleW, 5)
                     .Name(QStringLiteral("dbFacility"));
    bottom += 5;
  }
  if (settings.RangeFrom || settings.RangeTo) {
    const QFont font = Arial(10, fsBold);
    const double half = middleW / 2;
    h.FromCaption = band.Label(QStringLiteral("From:"))
                        .Font(font)
                        .AutoSize(false)
                        .Right()
                        .At(middleX, bottom, 15, 4.5);
    h.FromValue =
        band.Label(QString()).Font(font).AutoSize(false).At(middleX + 16, bottom, half - 17, 4.5);
    h.ToCaption = band.Label(QStringLiteral("To:"))
                      .Font(font)
                      .AutoSize(false)
                      .Right()
                      .At(middleX + half, bottom, 10, 4.5);
    h.ToValue = band.Label(QString()).Font(font).AutoSize(false).At(middleX + half + 11, bottom,
                                                                    half - 11, 4.5);
    if (settings.RangeFrom)
      h.FromValue->OnGetText = [get = settings.RangeFrom](QString& text) { text = get(); };
    if (settings.RangeTo)
      h.ToValue->OnGetText = [get = settings.RangeTo](QString& text) { text = get(); };
    bottom += 5;
  }
  bottom = std::max(bottom, y + KLogoHeight) + 0.5;
  h.BottomRule = band.Rule(bottom, TLineStyle::Solid, 0.75, 0, width);
  h.BottomMm = bottom + 0.6;
  GrowTo(band, h.BottomMm);
  return h;
}

std::vector<TReportLabel*> AddColumnCaptions(TBandBuilder& band, double topMm,
                                             const std::vector<TColumnCaption>& captions,
                                             const QFont& font, double lineMm) {
  std::vector<TReportLabel*> labels;
  int lines = 1;
  for (const TColumnCaption& c : captions)
    lines = std::max<int>(lines, c.Text.count(QLatin1Char('\n')) + 1);
  for (const TColumnCaption& c : captions) {
    auto label = band.Label(c.Text)
                     .Font(font)
                     .At(c.XMm, topMm, c.WidthMm, lineMm * lines)
                     .Align(c.Alignment);
    if (c.Text.contains(QLatin1Char('\n')))
      label.Wrap(false);
    else
      label.AutoSize(false);
    labels.push_back(label);
  }
  GrowTo(band, topMm + lineMm * lines + 0.5);
  return labels;
}

TPageFooter AddStandardPageFooter(TBandBuilder& band, const QString& userName) {
  TPageFooter f;
  const double width = BandWidthMm(band);
  const QFont font = Arial(9, fsBold);
  band.Rule(0.5, TLineStyle::Solid, 0.75, 0, width);
  band.Label(QStringLiteral("Printed On:")).Font(font).At(0, 2, 22, 4.5);
  f.PrintedOn = band.SystemVariable(TSystemVarType::PrintDateTime)
                    .Font(font)
                    .Format(QStringLiteral("ddddd t"))
                    .AutoSize(false)
                    .At(22, 2, 45, 4.5)
                    .Name(QStringLiteral("sysPrintedOn"));
  band.Label(QStringLiteral("User Name:")).Font(font).At(72, 2, 22, 4.5);
  f.UserName = band.Label(userName)
                   .Font(font)
                   .AutoSize(false)
                   .At(94, 2, 60, 4.5)
                   .Name(QStringLiteral("lblUserName"));
  f.PageSet = band.SystemVariable(TSystemVarType::PageSetDesc)
                  .Font(font)
                  .AutoSize(false)
                  .Right()
                  .At(width - 45, 2, 45, 4.5)
                  .Name(QStringLiteral("sysPageSet"));
  GrowTo(band, 7.5);
  return f;
}

#pragma once

#include "reports/engine/LayoutBuilder.h"

#include <functional>
#include <vector>

// The layout blocks every report shares, written once.

struct TAgencyHeaderSettings {
  QString AgencyName;                       // trimmed agency name; the label can be changed later
  TReportPipeline* LogoPipeline = nullptr;  // range: current record
  QString LogoField = QStringLiteral("AGENCYLOGO");
  QImage Logo;  // used when there is no logo pipeline
  QString Title;
  double TitlePoints = 14;
  TReportPipeline* FacilityPipeline = nullptr;  // the report's rows; none: no facility line
  QString FacilityField = QStringLiteral("FACILITY");
  double FacilityPoints = 11;
  // "From:" / "To:" with texts read at print time; no getters: no range line.
  std::function<QString()> RangeFrom;
  std::function<QString()> RangeTo;
};

struct TAgencyHeader {
  TReportLine* TopRule = nullptr;
  TReportDBImage* LeftLogo = nullptr;
  TReportDBImage* RightLogo = nullptr;
  TReportLabel* AgencyName = nullptr;
  TReportLabel* Title = nullptr;
  TReportDBText* Facility = nullptr;
  TReportLabel* FromCaption = nullptr;
  TReportLabel* FromValue = nullptr;
  TReportLabel* ToCaption = nullptr;
  TReportLabel* ToValue = nullptr;
  TReportLine* BottomRule = nullptr;
  double BottomMm = 0;  // below the closing rule
};

// A double rule across the top; the logo at the left and right edges
// (27 x 19 mm, centred, stretched in proportion); the agency name centred
// between them (Arial 12); the title (Times New Roman bold); the facility
// (Arial bold); the range (Arial 10 bold); a closing rule. Starts at topMm
// of the band and grows the band to fit.
TAgencyHeader AddAgencyHeader(TBandBuilder& band, const TAgencyHeaderSettings& settings,
                              double topMm = 0);

struct TColumnCaption {
  QString Text;  // "\n" separates the lines of two-line captions
  double XMm = 0;
  double WidthMm = 20;
  Qt::Alignment Alignment = Qt::AlignLeft;
};

// Column captions in one row starting at topMm; returns their labels.
std::vector<TReportLabel*> AddColumnCaptions(TBandBuilder& band, double topMm,
                                             const std::vector<TColumnCaption>& captions,
                                             const QFont& font = Arial(7, fsBold),
                                             double lineMm = 3.2);

struct TPageFooter {
  TReportSystemVariable* PrintedOn = nullptr;
  TReportLabel* UserName = nullptr;
  TReportSystemVariable* PageSet = nullptr;
};

// A rule; "Printed On:" with the print date and time ("ddddd t");
// "User Name:" with the user; the page-set description at the right. All
// Arial 9 bold. The band gets its height (about 8 mm).
TPageFooter AddStandardPageFooter(TBandBuilder& band, const QString& userName);

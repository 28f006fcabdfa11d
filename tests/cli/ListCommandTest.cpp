#include "cli/CliArguments.h"
#include "cli/ListCommand.h"
#include "reports/framework/ReportCatalogue.h"

#include <QRegularExpression>
#include <QTextStream>

#include <gtest/gtest.h>

namespace {

QStringList Listing(const TReportCatalogue& catalogue) {
  QString text;
  QTextStream out(&text);
  WriteCatalogueListing(catalogue, out);
  out.flush();
  return text.split('\n', Qt::SkipEmptyParts);
}

// The columns of a listed line: runs of two or more blanks separate them
// (captions hold single blanks only, trailing ones aside).
QStringList Columns(const QString& line) {
  return line.split(QRegularExpression("\\s{2,}"), Qt::SkipEmptyParts);
}

TEST(ListCommandTest, ListsEveryEntryWithPathHandlerVisibilityAndBuildState) {
  TReportCatalogue catalogue;
  catalogue.RegisterHandler("ShortRptClick", [](const TReportCatalogueEntry&) {});
  const QStringList lines = Listing(catalogue);
  ASSERT_EQ(lines.size(), 1 + 219 + 1);
  EXPECT_EQ(Columns(lines[0]), (QStringList{"MENU PATH", "ITEM", "HANDLER", "SHOWN", "BUILT"}));
  EXPECT_EQ(Columns(lines[1]), (QStringList{"Inmate Reports > By Release Date > Short", "ShortRpt",
                                            "ShortRptClick", "shown", "built"}));
  EXPECT_EQ(lines.last(), "219 entries: 209 shown, 10 hidden; 1 built, 218 not built yet");

  const auto line = [&](const QString& item) {
    for (const QString& l : lines)
      if (Columns(l).value(1) == item) return Columns(l);
    return QStringList();
  };
  EXPECT_EQ(line("Active1"), (QStringList{"Inmate Reports > <<By Facility (disabled)>> > Active",
                                          "Active1", "FacilityActClick", "hidden", "not built"}));
  EXPECT_EQ(line("mmXDaysReclassification1"),
            (QStringList{"Misc Reports > [X] Days Reclassification", "mmXDaysReclassification1",
                         "action actXDaysReclass", "shown", "not built"}));
}

TEST(ListCommandTest, TakesNoArguments) {
  QString text;
  QTextStream out(&text);
  EXPECT_THROW(RunListCommand({"extra"}, out), ECommandLineError);
  EXPECT_THROW(RunListCommand({"--all"}, out), ECommandLineError);
  EXPECT_TRUE(text.isEmpty());
}

}  // namespace

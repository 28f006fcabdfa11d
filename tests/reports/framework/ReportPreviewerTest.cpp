#include "core/ScriptedPrompts.h"
#include "redaction/KsRedactionLib.h"
#include "reports/engine/DeviceRegistry.h"
#include "reports/framework/ReportViewer.h"
#include "reports/framework/faReportPreviewer.h"
#include "reports/framework/fmReportPreview.h"

#include "fixtures/PdfTools.h"
#include "fixtures/ReportDocumentFixture.h"
#include "fixtures/WidgetEvents.h"

#include <QAction>
#include <QActionGroup>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QPdfWriter>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QToolBar>

#include <gtest/gtest.h>

using namespace DocFixture;

namespace {

const QColor kRed(255, 0, 0);

// Three pages, each with a red box at the top left and its number under it.
TReportDocument ThreePages() {
  std::vector<TReportPage> pages;
  for (int i = 1; i <= 3; ++i)
    pages.push_back(Page({FilledBox(QRectF(20, 20, 60, 40), kRed),
                          SavedText(QStringLiteral("PAGE %1").arg(i), 1, i, 1, 1, 6)}));
  return Document(std::move(pages), "Roster");
}

class ReportPreviewerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FFrame.resize(1000, 800);
    FFrame.show();
    FFrame.SetReport(&FDoc);
    SetPrinterInstalledCheck([] { return true; });
  }
  void TearDown() override { SetPrinterInstalledCheck({}); }

  void Enter(QLineEdit* edit, const QString& text) {
    edit->setText(text);
    WidgetEvents::Key(edit, Qt::Key_Return);
  }

  // A rectangle dragged on the redactor's current page, in page pixels.
  void DrawRedaction(const QRect& r) {
    QWidget* image = FFrame.Redactor().imgPreview();
    WidgetEvents::Mouse(image, QEvent::MouseButtonPress, r.topLeft());
    WidgetEvents::Mouse(image, QEvent::MouseMove, r.bottomRight());
    WidgetEvents::Mouse(image, QEvent::MouseButtonRelease, r.bottomRight());
  }

  // Answers the print dialog with a PDF on Letter paper without margins.
  QString PrintTo(const QString& name,
                  TPrintRangeChoice::TKind kind = TPrintRangeChoice::prAllPages, int from = 1,
                  int to = 1) {
    const QString path = FDir.filePath(name);
    QPdfWriter writer(path);
    writer.setResolution(96);
    writer.setPageSize(QPageSize(QPageSize::Letter));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    FFrame.OnChoosePrint = [&](int, int, bool, TPrintRequest& request) {
      request.Device = &writer;
      request.Range.Kind = kind;
      request.Range.FromPage = from;
      request.Range.ToPage = to;
      return true;
    };
    FFrame.PrintReport();
    return path;
  }

  TStandardDeviceRegistration FDevices;
  TScriptedPrompts FPrompts;
  TUserPromptsScope FPromptsScope{FPrompts};
  QTemporaryDir FDir;
  TReportDocument FDoc = ThreePages();
  TfraReportPreviewer FFrame;
};

TEST_F(ReportPreviewerTest, ToolbarInOrderWithHintsAndShortcuts) {
  struct TTool {
    QAction* Action;
    const char* Text;
    QKeySequence Shortcut;
    const char* Hint;
  };
  const TTool tools[] = {
      {FFrame.actPrint, "Print", QKeySequence(Qt::CTRL | Qt::Key_P), nullptr},
      {FFrame.actWholePage, "Whole Page", {}, nullptr},
      {FFrame.actPageWidth, "Page Width", {}, nullptr},
      {FFrame.act100Percent, "100%", {}, nullptr},
      {nullptr, "Zoom Percentage", {}, nullptr},
      {FFrame.actFirstPage, "First Page", QKeySequence(Qt::CTRL | Qt::Key_Home), nullptr},
      {FFrame.actPriorPage, "Prior Page", QKeySequence(Qt::Key_PageUp), nullptr},
      {nullptr, "Page Number", {}, nullptr},
      {FFrame.actNextPage, "Next Page", QKeySequence(Qt::Key_PageDown), nullptr},
      {FFrame.actLastPage, "Last Page", QKeySequence(Qt::CTRL | Qt::Key_End), nullptr},
      {FFrame.actCancel, "Cancel", QKeySequence(Qt::CTRL | Qt::Key_C), "Cancel Report Creation"},
      {FFrame.actRedact, "Redact", QKeySequence(Qt::CTRL | Qt::Key_R), "Toggle Redaction Mode"},
      {FFrame.actClose, "Close", QKeySequence(Qt::Key_Escape), nullptr},
  };
  QStringList order;
  for (QAction* action : FFrame.tbPreview->actions()) {
    if (action->isSeparator()) continue;
    QWidget* widget = FFrame.tbPreview->widgetForAction(action);
    auto* edit = qobject_cast<QLineEdit*>(widget);
    order << (edit ? edit->toolTip() : action->text());
  }
  QStringList expected;
  for (const TTool& tool : tools) {
    expected << tool.Text;
    if (!tool.Action) continue;
    EXPECT_EQ(tool.Action->shortcut(), tool.Shortcut) << tool.Text;
    if (tool.Hint) {
      EXPECT_EQ(tool.Action->toolTip(), tool.Hint);
    }
  }
  EXPECT_EQ(order, expected);
  EXPECT_FALSE(FFrame.CloseButtonVisible());
  EXPECT_TRUE(FFrame.actRedact->isCheckable());
}

TEST_F(ReportPreviewerTest, TypedZoomAndPageFallBackWhenNotANumber) {
  Enter(FFrame.edtZoomPercentage, "abc");
  EXPECT_EQ(FFrame.ppViewer1()->ZoomSetting(), TppZoomSetting::zsPercentage);
  EXPECT_EQ(FFrame.ppViewer1()->CalculatedZoom(), 100);
  EXPECT_EQ(FFrame.edtZoomPercentage->text(), "100%");
  EXPECT_EQ(FFrame.grpZoom->checkedAction(), nullptr) << "the zoom buttons are released";
  Enter(FFrame.edtZoomPercentage, "250%");
  EXPECT_EQ(FFrame.ppViewer1()->CalculatedZoom(), 250);

  FFrame.actLastPage->trigger();
  EXPECT_EQ(FFrame.edtPageNumber->text(), "3");
  Enter(FFrame.edtPageNumber, "abc");
  EXPECT_EQ(FFrame.ppViewer1()->AbsolutePageNo(), 1);
  EXPECT_EQ(FFrame.edtPageNumber->text(), "1");
  Enter(FFrame.edtPageNumber, "99");
  EXPECT_EQ(FFrame.ppViewer1()->AbsolutePageNo(), 3);
  EXPECT_EQ(FFrame.edtPageNumber->text(), "3");
  EXPECT_EQ(FFrame.ppViewer1()->StatusText(), "Page 3 of 3");
}

TEST_F(ReportPreviewerTest, ZoomButtonsShowTheViewersCalculatedZoom) {
  EXPECT_TRUE(FFrame.actPageWidth->isChecked()) << "page width at first";
  FFrame.actWholePage->trigger();
  const int whole = FFrame.ppViewer1()->CalculatedZoom();
  EXPECT_LT(whole, 100);
  EXPECT_EQ(FFrame.edtZoomPercentage->text(), QStringLiteral("%1%").arg(whole));
  // The whole page fits inside the dead space.
  const QRect page = FFrame.ppViewer1()->PageRect();
  EXPECT_GE(page.top(), 30);
  EXPECT_LE(page.bottom(), FFrame.ppViewer1()->viewport()->height() - 30);
  FFrame.act100Percent->trigger();
  EXPECT_EQ(FFrame.edtZoomPercentage->text(), "100%");
}

TEST_F(ReportPreviewerTest, RedactIsOfferedOnlyWithAReport) {
  TfraReportPreviewer empty;
  EXPECT_FALSE(empty.actRedact->isEnabled());
  empty.SetRedactionEnabled(true);
  EXPECT_FALSE(empty.RedactionEnabled());
  EXPECT_TRUE(FFrame.actRedact->isEnabled());
  FFrame.SetRedactionModeAvailable(false);
  EXPECT_FALSE(FFrame.actRedact->isVisible());

  FFrame.SetControlsEnabled(false);
  EXPECT_FALSE(FFrame.edtPageNumber->isEnabled());
  FFrame.SetControlsEnabled(true);
  EXPECT_TRUE(FFrame.edtPageNumber->isEnabled());
}

TEST_F(ReportPreviewerTest, RedactionModeFollowsThePagesAndLocksTheZoom) {
  FFrame.actNextPage->trigger();
  FFrame.actRedact->trigger();
  ASSERT_TRUE(FFrame.RedactionEnabled());
  EXPECT_EQ(FFrame.Redactor().PageCount(), 3);
  EXPECT_EQ(FFrame.Redactor().CurrentViewPage(), 1) << "starts on the viewer's page";
  EXPECT_EQ(FFrame.edtZoomPercentage->text(), "100%");
  EXPECT_FALSE(FFrame.edtZoomPercentage->isEnabled());
  EXPECT_FALSE(FFrame.actWholePage->isEnabled());
  EXPECT_EQ(FFrame.pnlRedaction->size(), FFrame.Redactor().imgPreview()->size());

  FFrame.actLastPage->trigger();
  EXPECT_EQ(FFrame.Redactor().CurrentViewPage(), 2);
  Enter(FFrame.edtPageNumber, "42");
  EXPECT_EQ(FFrame.Redactor().CurrentViewPage(), 2);
  Enter(FFrame.edtPageNumber, "abc");
  EXPECT_EQ(FFrame.Redactor().CurrentViewPage(), 0);
  EXPECT_EQ(FFrame.edtPageNumber->text(), "1");

  FFrame.FrameShow();
  EXPECT_FALSE(FFrame.RedactionEnabled());
  EXPECT_EQ(FFrame.Redactor().PageCount(), 0);
  EXPECT_TRUE(FFrame.actWholePage->isChecked());
  EXPECT_EQ(FFrame.ppViewer1()->ZoomSetting(), TppZoomSetting::zsWholePage);
  EXPECT_TRUE(FFrame.edtZoomPercentage->isEnabled());

  FFrame.actRedact->trigger();
  FFrame.Reset();
  EXPECT_FALSE(FFrame.RedactionEnabled());
  EXPECT_EQ(FFrame.Report(), nullptr);
  EXPECT_EQ(FFrame.ppViewer1()->AbsolutePageNo(), 0);
  EXPECT_FALSE(FFrame.actRedact->isEnabled());
}

TEST_F(ReportPreviewerTest, NoPrinterShowsTheWarningAndPrintsNothing) {
  SetPrinterInstalledCheck([] { return false; });
  bool asked = false;
  FFrame.OnChoosePrint = [&asked](int, int, bool, TPrintRequest&) { return asked = true; };
  FFrame.PrintReport();
  EXPECT_FALSE(asked);
  EXPECT_FALSE(FFrame.WasPrinted());
  EXPECT_EQ(FPrompts.Texts(TPromptKind::pkWarning),
            QStringList{"An installed printer was not detected.\n"
                        "A printer must be installed to view or print reports."});
}

TEST_F(ReportPreviewerTest, PrintingOutsideRedactionModePrintsTheReport) {
  const QString pdf = PrintTo("plain.pdf", TPrintRangeChoice::prPageRange, 2, 3);
  EXPECT_TRUE(FFrame.WasPrinted());
  EXPECT_EQ(PdfTools::PageCount(pdf), 2);
  EXPECT_TRUE(PdfTools::Text(pdf).contains("PAGE 2"));
}

TEST_F(ReportPreviewerTest, RedactionModePrintsOnlyTheRedactedPages) {
  FFrame.SetRedactionEnabled(true);
  FFrame.GotoPage(2);
  const QRect drawn(60, 60, 200, 120);
  DrawRedaction(drawn);
  ASSERT_EQ(FFrame.Redactor().Redactions(1).size(), 1u);

  const QString pdf = PrintTo("redacted.pdf");
  EXPECT_TRUE(FFrame.WasPrinted());
  // Three pictures and nothing else: the report is not sent a second time.
  ASSERT_EQ(PdfTools::PageCount(pdf), 3);
  EXPECT_TRUE(PdfTools::Text(pdf).trimmed().isEmpty());
  const QRect probe = drawn.adjusted(6, 6, -6, -6);
  EXPECT_EQ(PdfTools::CountColor(PdfTools::Render(pdf, 2), probe, kRed, 60), 0);
  EXPECT_GT(PdfTools::CountColor(PdfTools::Render(pdf, 1), probe, kRed, 60), 0);
  EXPECT_TRUE(FFrame.isEnabled());
  EXPECT_FALSE(FFrame.pnlProgress->isVisible());
  EXPECT_EQ(FFrame.pbPrinting->value(), FFrame.pbPrinting->maximum());

  const QString current = PrintTo("current.pdf", TPrintRangeChoice::prCurrentPage);
  EXPECT_EQ(PdfTools::PageCount(current), 1);
  EXPECT_EQ(PdfTools::CountColor(PdfTools::Render(current, 1), probe, kRed, 60), 0);
}

TEST_F(ReportPreviewerTest, SavingInRedactionModeCarriesTheRedaction) {
  FFrame.SetRedactionEnabled(true);
  // Over the red box and the page number under it.
  DrawRedaction(QRect(40, 40, 400, 120));

  const QString pdf = FDir.filePath("redacted.pdf");
  ASSERT_TRUE(FFrame.SaveToFile(pdf));
  ASSERT_EQ(PdfTools::PageCount(pdf), 3);
  EXPECT_FALSE(PdfTools::Text(pdf).contains("PAGE 1"));
  EXPECT_EQ(PdfTools::CountColor(PdfTools::Render(pdf, 1), QRect(90, 90, 180, 60), kRed, 60), 0);
  EXPECT_GT(PdfTools::CountColor(PdfTools::Render(pdf, 2), QRect(90, 90, 180, 60), kRed, 60), 0);

  for (const QString& name : {QStringLiteral("redacted.txt"), QStringLiteral("redacted.csv"),
                              QStringLiteral("redacted.xlsx")}) {
    EXPECT_FALSE(FFrame.SaveToFile(FDir.filePath(name))) << name.toStdString();
    EXPECT_FALSE(QFile::exists(FDir.filePath(name))) << name.toStdString();
  }
  EXPECT_EQ(FPrompts.Texts(TPromptKind::pkWarning).size(), 3);
  EXPECT_EQ(FPrompts.Texts(TPromptKind::pkWarning).value(0), RedactedSaveMessage());

  FFrame.SetRedactionEnabled(false);
  const QString plain = FDir.filePath("plain.txt");
  ASSERT_TRUE(FFrame.SaveToFile(plain));
  QFile file(plain);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.readAll().contains("PAGE 1"));
}

TEST_F(ReportPreviewerTest, ZeroPageReportIsHarmless) {
  TReportDocument none = Document({});
  FFrame.SetReport(&none);
  FFrame.SetRedactionEnabled(true);
  EXPECT_EQ(FFrame.Redactor().PageCount(), 0);
  Enter(FFrame.edtPageNumber, "5");
  FFrame.actNextPage->trigger();
  FFrame.actLastPage->trigger();
  const QString all = PrintTo("all.pdf");
  const QString current = PrintTo("current.pdf", TPrintRangeChoice::prCurrentPage);
  EXPECT_EQ(QFileInfo(all).size(), 0);
  EXPECT_EQ(QFileInfo(current).size(), 0);
  EXPECT_TRUE(FFrame.isEnabled());
}

TEST_F(ReportPreviewerTest, PreviewWindowSavesThroughTheChosenDevice) {
  TfrmReportPreview preview(FDoc);
  EXPECT_TRUE(preview.Previewer()->CloseButtonVisible());
  EXPECT_EQ(preview.Thumbnails()->model()->rowCount(), 3);
  EXPECT_EQ(TfrmReportPreview::SaveDeviceNames(),
            (QStringList{"PDFFile", "TextFile", "CSVFile", "XLSXFile"}));

  const QString csv = FDir.filePath("roster.csv");
  TfrmReportPreview::SetSaveFileChooser(
      [&csv](QWidget*, const QStringList& devices, const QString& suggested, TSaveChoice& choice) {
        EXPECT_TRUE(suggested.endsWith("Roster.pdf")) << suggested.toStdString();
        EXPECT_EQ(devices.value(0), "PDFFile");
        choice = {csv, "CSVFile"};
        return true;
      });
  EXPECT_TRUE(preview.SaveAs());
  TfrmReportPreview::SetSaveFileChooser({});
  QFile file(csv);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), QByteArray("\"PAGE 1\"\r\n\"PAGE 2\"\r\n\"PAGE 3\""));

  preview.Thumbnails()->clicked(preview.Thumbnails()->model()->index(2, 0));
  EXPECT_EQ(preview.Previewer()->CurrentPage(), 3);
}

}  // namespace

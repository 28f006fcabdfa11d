// A roster of N synthetic inmates through the report engine: generation to
// pages, and pages to PDF, against QPdfWriter drawing the same commands
// with no engine around it.
//
//   bench_EngineRoster --benchmark_filter=/10000
//
// Counters: pages, pages per second, peak resident memory of the process
// (run one size per process for a clean peak) and, for the PDF run, the
// ratio of generation + PDF to the bare QPdfWriter baseline.
//
// Every iteration starts cold: freed memory goes back to the system between
// iterations, so a small report repeated many times pays for fresh pages as
// a large report run once does, and the sizes compare fairly.

#include "reports/engine/LayoutBuilder.h"
#include "reports/engine/MemoryDataSource.h"
#include "reports/engine/PagePainter.h"
#include "reports/engine/PdfDevice.h"
#include "reports/engine/ReportGenerator.h"
#include "reports/engine/StandardBlocks.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sys/resource.h>

#include <chrono>
#include <memory>

namespace {

double PeakRssMb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024.0;
}

QByteArray LogoJpeg() {
  QImage logo(270, 190, QImage::Format_RGB32);
  logo.fill(QColor(30, 60, 120));
  QPainter p(&logo);
  p.setPen(Qt::white);
  p.drawEllipse(40, 20, 190, 150);
  p.end();
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  logo.save(&buffer, "JPEG");
  return bytes;
}

// Rows sorted by facility then name, as the roster's SQL orders them.
std::unique_ptr<TMemoryDataSource> MakeRows(int count) {
  static const char* const lastNames[] = {
      "SMITH", "JOHNSON",   "WILLIAMS", "BROWN",     "JONES", "GARCIA", "MILLER",
      "DAVIS", "RODRIGUEZ", "MARTINEZ", "HERNANDEZ", "LOPEZ", "WILSON"};
  static const char* const firstNames[] = {"JAMES", "MARY",      "ROBERT",  "PATRICIA",
                                           "JOHN",  "JENNIFER",  "MICHAEL", "LINDA",
                                           "DAVID", "ELIZABETH", "WILLIAM", "BARBARA"};
  auto rows = std::make_unique<TMemoryDataSource>(
      QStringList{"FACICODE", "FACILITY", "LNAME", "FNAME", "MNAME", "TITLE", "ECSOID", "BOOKNO",
                  "CELLNO", "HOLD", "RELDEMANDAGNCYDESC", "DOB", "CLASSCODE", "TRUSTY",
                  "TRUSTYSTATUS", "WORKRELEASE", "BOOKDATE"});
  const int facilities = 5;
  for (int i = 0; i < count; ++i) {
    const int f = i * facilities / count;
    rows->AddRow(
        {QStringLiteral("F%1").arg(f), QStringLiteral("Facility %1").arg(f),
         QString::fromLatin1(lastNames[i % 13]), QString::fromLatin1(firstNames[(i / 13) % 12]),
         i % 3 ? QStringLiteral("A") : QString(), i % 17 ? QString() : QStringLiteral("JR"),
         QStringLiteral("M%1").arg(100000 + i),
         QStringLiteral("B24-%1").arg(i, 6, 10, QLatin1Char('0')),
         i % 11 ? QVariant(QStringLiteral("C-%1").arg(i % 40)) : QVariant(), i % 7 == 0,
         i % 5 ? QVariant() : QVariant(QStringLiteral("STATE DOC")),
         QDateTime(QDate(1970 + i % 35, 1 + i % 12, 1 + i % 28), QTime(0, 0), Qt::UTC),
         QStringLiteral("C%1").arg(i % 4), i % 9 == 0, QStringLiteral("T%1").arg(i % 3),
         i % 13 == 0, QDateTime(QDate(2024, 1 + i % 12, 1 + i % 28), QTime(0, 0), Qt::UTC)});
  }
  return rows;
}

// The short roster's shape: agency block and captions in the page header,
// one 7-point line per inmate, a group per facility restarting page
// numbers, the standard page footer.
struct TRoster {
  std::unique_ptr<TMemoryDataSource> Rows;
  TMemoryDataSource Logo{QStringList{"AGENCYLOGO"}};
  TReportPipeline RowPipe{"ppInmates"};
  TReportPipeline LogoPipe{"ppCFGLOGO"};
  TReport Report{"rptInmRoster"};

  explicit TRoster(int count) : Rows(MakeRows(count)) {
    Logo.AddRow({LogoJpeg()});
    RowPipe.SetDataSource(Rows.get());
    LogoPipe.SetDataSource(&Logo);
    LogoPipe.SetRecordRange(TRecordRange::CurrentRecord);

    TLayoutBuilder b(Report);
    b.Letter().Landscape().Margins(6.35).Pipeline(&RowPipe).Title("Active Inmate Roster");
    auto header = b.PageHeader(0);
    TAgencyHeaderSettings headerSettings;
    headerSettings.AgencyName = "Tally County Sheriff's Office";
    headerSettings.LogoPipeline = &LogoPipe;
    headerSettings.Title = "Active Inmate Roster";
    headerSettings.TitlePoints = 13;
    headerSettings.FacilityPipeline = &RowPipe;
    const TAgencyHeader agency = AddAgencyHeader(header, headerSettings);
    AddColumnCaptions(header, agency.BottomMm + 0.5,
                      {{"Name", 0, 55},
                       {"MNI No", 56, 16},
                       {"Booking No", 73, 20},
                       {"Cell Assigned", 94, 20},
                       {"HOLD", 115, 9},
                       {"Demanding Agency", 125, 30},
                       {"DOB", 156, 16},
                       {"Class\nCode", 173, 10},
                       {"Trusty\nStatus", 184, 12},
                       {"Work\nRelease", 197, 12},
                       {"Booking\nDate", 210, 16}});

    b.Group("FACICODE").NewPage().ResetPageNo();

    auto detail = b.Detail(4.4).Font(Arial(7));
    detail.Label(QString())
        .Font(Arial(7, fsBold | fsItalic))
        .AutoSize(false)
        .At(0, 0.4, 55, 3.4)
        .OnGetText([this](QString& text) {
          text = RowPipe.GetFieldAsString("LNAME") + ", " + RowPipe.GetFieldAsString("FNAME") +
                 " " + RowPipe.GetFieldAsString("MNAME");
        });
    detail.DBText("ECSOID").At(56, 0.4, 16, 3.4);
    detail.DBText("BOOKNO").At(73, 0.4, 20, 3.4);
    detail.DBText("CELLNO").At(94, 0.4, 20, 3.4).OnGetText([](QString& text) {
      if (text.isEmpty()) text = "Cell not assigned.";
    });
    detail.CheckBox("HOLD").At(117, 0.5, 3, 3);
    detail.DBText("RELDEMANDAGNCYDESC").At(125, 0.4, 30, 3.4);
    detail.DBText("DOB").Format("mm/dd/yyyy").At(156, 0.4, 16, 3.4);
    detail.DBText("CLASSCODE").At(173, 0.4, 10, 3.4);
    detail.DBText("TRUSTYSTATUS").At(184, 0.4, 12, 3.4).OnGetText([this](QString& text) {
      if (!RowPipe.GetFieldValue("TRUSTY").toBool()) text.clear();
    });
    detail.CheckBox("WORKRELEASE").At(200, 0.5, 3, 3);
    detail.DBText("BOOKDATE").Format("ddddd").At(210, 0.4, 16, 3.4);
    detail.Rule(4.1, TLineStyle::Dotted, 0.5);

    auto footer = b.PageFooter(0);
    AddStandardPageFooter(footer, "bench");
  }
};

std::shared_ptr<TReportDocument> Generate(TReport& report) {
  TGenerationOptions options;
  options.PrintDateTime = QDateTime(QDate(2024, 3, 14), QTime(21, 5), Qt::UTC);
  return TReportGenerator(report, options).Generate();
}

// The same commands drawn straight onto a QPdfWriter: what writing the
// PDF costs without the engine.
void BaselinePdf(const TReportDocument& doc, const QString& file) {
  QPdfWriter writer(file);
  writer.setResolution(1200);
  writer.setPageLayout(QPageLayout(doc.PageSize, doc.Orientation, QMarginsF()));
  QPainter painter(&writer);
  const qreal s = writer.resolution() / 25400.0;
  const qreal fontFactor = s * 25400.0 / writer.logicalDpiY();
  bool first = true;
  for (const TReportPage& page : doc.Pages) {
    if (!first) writer.newPage();
    first = false;
    for (const TDrawCommand& command : page.Commands) {
      if (const auto* t = std::get_if<TTextCommand>(&command)) {
        QFont f = t->Font;
        f.setPointSizeF(t->Font.pointSizeF() * fontFactor);
        painter.setFont(f);
        painter.setPen(t->Color);
        for (const TTextLine& line : t->Lines) painter.drawText(line.Origin * s, line.Text);
      } else if (const auto* l = std::get_if<TLineCommand>(&command)) {
        QPen pen(l->Pen.Color, l->Pen.WidthUm * s);
        if (l->Pen.Style == TLineStyle::Dotted) pen.setStyle(Qt::DotLine);
        painter.setPen(pen);
        painter.drawLine(QPointF(l->From) * s, QPointF(l->To) * s);
      } else if (const auto* i = std::get_if<TImageCommand>(&command)) {
        painter.drawImage(QRectF(i->Target.topLeft() * s, i->Target.size() * s), i->Image);
      } else if (const auto* c = std::get_if<TCheckBoxCommand>(&command)) {
        painter.setPen(QPen(c->Color, c->PenWidthUm * s));
        painter.drawRect(QRectF(QPointF(c->Box.topLeft()) * s, QSizeF(c->Box.size()) * s));
      }
    }
  }
}

void SetCounters(benchmark::State& state, int pages) {
  state.counters["pages"] = pages;
  state.counters["pages_per_s"] =
      benchmark::Counter(pages, benchmark::Counter::kIsIterationInvariantRate);
  state.counters["peak_rss_MB"] = PeakRssMb();
}

void BM_RosterGenerate(benchmark::State& state) {
  TRoster roster(static_cast<int>(state.range(0)));
  int pages = 0;
  for (auto _ : state) {
    auto doc = Generate(roster.Report);
    pages = static_cast<int>(doc->Pages.size());
    benchmark::DoNotOptimize(doc);
    doc.reset();
    state.PauseTiming();
    malloc_trim(0);
    state.ResumeTiming();
  }
  SetCounters(state, pages);
}

void BM_RosterToPdf(benchmark::State& state) {
  TRoster roster(static_cast<int>(state.range(0)));
  QTemporaryDir dir;
  const QString ours = dir.filePath("roster.pdf");
  const QString bare = dir.filePath("baseline.pdf");
  int pages = 0;
  double engineSeconds = 0;
  double baselineSeconds = 0;
  for (auto _ : state) {
    const auto t0 = std::chrono::steady_clock::now();
    auto doc = Generate(roster.Report);
    TPdfDevice().Write(*doc, ours);
    const auto t1 = std::chrono::steady_clock::now();
    state.PauseTiming();
    BaselinePdf(*doc, bare);
    const auto t2 = std::chrono::steady_clock::now();
    engineSeconds += std::chrono::duration<double>(t1 - t0).count();
    baselineSeconds += std::chrono::duration<double>(t2 - t1).count();
    pages = static_cast<int>(doc->Pages.size());
    doc.reset();
    malloc_trim(0);
    state.ResumeTiming();
  }
  SetCounters(state, pages);
  state.counters["baseline_s"] = baselineSeconds / static_cast<double>(state.iterations());
  state.counters["ratio_to_baseline"] = engineSeconds / baselineSeconds;
}

void BM_PdfBaseline(benchmark::State& state) {
  TRoster roster(static_cast<int>(state.range(0)));
  auto doc = Generate(roster.Report);
  QTemporaryDir dir;
  for (auto _ : state) BaselinePdf(*doc, dir.filePath("baseline.pdf"));
  SetCounters(state, static_cast<int>(doc->Pages.size()));
}

BENCHMARK(BM_RosterGenerate)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RosterToPdf)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PdfBaseline)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

#include "reports/framework/faReportPreviewer.h"

#include "core/UserPrompts.h"
#include "redaction/KsRedactionLib.h"
#include "reports/engine/DeviceRegistry.h"
#include "reports/engine/PdfFileDevice.h"
#include "reports/framework/ReportViewer.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QProgressBar>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

// A number typed into an edit, or the fallback when there is none.
int TypedNumber(const QString& text, int fallback) {
  QString digits = text.trimmed();
  if (digits.endsWith(QLatin1Char('%'))) digits.chop(1);
  bool ok = false;
  const int value = digits.trimmed().toInt(&ok);
  return ok ? value : fallback;
}

QAction* MakeAction(QWidget* owner, const QString& text, const QKeySequence& shortcut,
                    const QString& hint = {}) {
  auto* action = new QAction(text, owner);
  if (!shortcut.isEmpty()) action->setShortcut(shortcut);
  // Active while the focus is anywhere in the frame, not in the whole window.
  action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  if (!hint.isEmpty()) action->setToolTip(hint);
  owner->addAction(action);
  return action;
}

}  // namespace

QString NoPrinterMessage() {
  return QStringLiteral(
      "An installed printer was not detected.\n"
      "A printer must be installed to view or print reports.");
}

QString RedactedSaveMessage() {
  return QStringLiteral(
      "The redacted report can be saved only as a PDF file.\n"
      "Choose PDF, or leave redaction mode to save the report in another format.");
}

TfraReportPreviewer::TfraReportPreviewer(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  BuildToolbar();
  layout->addWidget(tbPreview);

  FPages = new QStackedWidget(this);
  layout->addWidget(FPages, 1);
  BuildViewer();
  BuildRedactionArea();

  sbStatus = new QStatusBar(this);
  sbStatus->setSizeGripEnabled(false);
  lblStatus = new QLabel(sbStatus);
  sbStatus->addWidget(lblStatus, 1);
  layout->addWidget(sbStatus);

  OnChoosePrint = [this](int pageCount, int currentPage, bool redacting, TPrintRequest& request) {
    return DefaultChoosePrint(pageCount, currentPage, redacting, request);
  };
  ConnectActions();
  SetCloseButtonVisible(false);
  SetReport(nullptr);
}

TfraReportPreviewer::~TfraReportPreviewer() {
  // The redactor's widgets live on the redaction panel; free them first.
  FRedactor.reset();
}

void TfraReportPreviewer::BuildToolbar() {
  tbPreview = new QToolBar(this);
  tbPreview->setToolButtonStyle(Qt::ToolButtonTextOnly);

  actPrint = MakeAction(this, tr("Print"), QKeySequence(Qt::CTRL | Qt::Key_P));
  tbPreview->addAction(actPrint);
  tbPreview->addSeparator();

  grpZoom = new QActionGroup(this);
  grpZoom->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
  actWholePage = MakeAction(this, tr("Whole Page"), {});
  actPageWidth = MakeAction(this, tr("Page Width"), {});
  act100Percent = MakeAction(this, tr("100%"), {});
  for (QAction* action : {actWholePage, actPageWidth, act100Percent}) {
    action->setCheckable(true);
    grpZoom->addAction(action);
    tbPreview->addAction(action);
  }
  actPageWidth->setChecked(true);

  edtZoomPercentage = new QLineEdit(tbPreview);
  edtZoomPercentage->setToolTip(tr("Zoom Percentage"));
  edtZoomPercentage->setMaximumWidth(60);
  edtZoomPercentage->setValidator(new QRegularExpressionValidator(
      QRegularExpression(QStringLiteral("\\d{0,3}%?")), edtZoomPercentage));
  edtZoomPercentage->installEventFilter(this);
  tbPreview->addWidget(edtZoomPercentage);
  tbPreview->addSeparator();

  actFirstPage = MakeAction(this, tr("First Page"), QKeySequence(Qt::CTRL | Qt::Key_Home));
  actPriorPage = MakeAction(this, tr("Prior Page"), QKeySequence(Qt::Key_PageUp));
  tbPreview->addAction(actFirstPage);
  tbPreview->addAction(actPriorPage);

  edtPageNumber = new QLineEdit(tbPreview);
  edtPageNumber->setToolTip(tr("Page Number"));
  edtPageNumber->setMaximumWidth(60);
  edtPageNumber->setValidator(new QRegularExpressionValidator(
      QRegularExpression(QStringLiteral("\\d{0,5}")), edtPageNumber));
  edtPageNumber->installEventFilter(this);
  tbPreview->addWidget(edtPageNumber);

  actNextPage = MakeAction(this, tr("Next Page"), QKeySequence(Qt::Key_PageDown));
  actLastPage = MakeAction(this, tr("Last Page"), QKeySequence(Qt::CTRL | Qt::Key_End));
  tbPreview->addAction(actNextPage);
  tbPreview->addAction(actLastPage);
  tbPreview->addSeparator();

  actCancel = MakeAction(this, tr("Cancel"), QKeySequence(Qt::CTRL | Qt::Key_C),
                         tr("Cancel Report Creation"));
  actRedact = MakeAction(this, tr("Redact"), QKeySequence(Qt::CTRL | Qt::Key_R),
                         tr("Toggle Redaction Mode"));
  actRedact->setCheckable(true);
  actClose = MakeAction(this, tr("Close"), QKeySequence(Qt::Key_Escape));
  tbPreview->addAction(actCancel);
  tbPreview->addAction(actRedact);
  tbPreview->addAction(actClose);
}

void TfraReportPreviewer::BuildViewer() {
  FViewer = new TReportViewer(FPages);
  FViewer->SetDeadSpace(30);
  FViewer->SetZoomSetting(TppZoomSetting::zsPageWidth);
  FPages->addWidget(FViewer);

  mnuViewer = new QMenu(FViewer);
  // The shortcuts belong to the toolbar's actions; the menu only names them.
  QAction* prior = mnuViewer->addAction(tr("Prior page") + QStringLiteral("\tPgUp"));
  QAction* next = mnuViewer->addAction(tr("Next page") + QStringLiteral("\tPgDown"));
  connect(prior, &QAction::triggered, actPriorPage, &QAction::trigger);
  connect(next, &QAction::triggered, actNextPage, &QAction::trigger);
  FViewer->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(FViewer, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& pos) { mnuViewer->popup(FViewer->mapToGlobal(pos)); });
}

void TfraReportPreviewer::BuildRedactionArea() {
  auto* area = new QWidget(FPages);
  auto* layout = new QVBoxLayout(area);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  FRedactionScroll = new QScrollArea(area);
  FRedactionScroll->setBackgroundRole(QPalette::Dark);
  FRedactionScroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  // The panel sits at least 10 pixels from the left and top edges.
  auto* holder = new QWidget;
  auto* holderLayout = new QHBoxLayout(holder);
  holderLayout->setContentsMargins(10, 10, 10, 10);
  pnlRedaction = new QWidget(holder);
  pnlRedaction->setFixedSize(0, 0);
  holderLayout->addWidget(pnlRedaction, 0, Qt::AlignHCenter | Qt::AlignTop);
  FRedactionScroll->setWidget(holder);
  FRedactionScroll->setWidgetResizable(true);
  layout->addWidget(FRedactionScroll, 1);

  pnlProgress = new QWidget(area);
  auto* progressLayout = new QHBoxLayout(pnlProgress);
  progressLayout->addWidget(new QLabel(tr("Printing..."), pnlProgress));
  pbPrinting = new QProgressBar(pnlProgress);
  progressLayout->addWidget(pbPrinting, 1);
  pnlProgress->hide();
  layout->addWidget(pnlProgress);
  FPages->addWidget(area);

  FRedactor = std::make_unique<TKsRedactor>(nullptr, pnlRedaction);
  FRedactor->OnPageChange = [this] { RedactorPageChanged(); };
  FRedactor->OnPrintProgress = [this](std::uint32_t done, std::uint32_t total) {
    return RedactorPrintProgress(done, total);
  };
}

void TfraReportPreviewer::ConnectActions() {
  connect(actPrint, &QAction::triggered, this, [this] { PrintActionClick(); });
  connect(actWholePage, &QAction::triggered, this,
          [this] { ZoomButtonClick(TppZoomSetting::zsWholePage); });
  connect(actPageWidth, &QAction::triggered, this,
          [this] { ZoomButtonClick(TppZoomSetting::zsPageWidth); });
  connect(act100Percent, &QAction::triggered, this,
          [this] { ZoomButtonClick(TppZoomSetting::zs100Percent); });
  connect(actFirstPage, &QAction::triggered, this, [this] { MovePage(&TReportViewer::FirstPage); });
  connect(actPriorPage, &QAction::triggered, this, [this] { MovePage(&TReportViewer::PriorPage); });
  connect(actNextPage, &QAction::triggered, this, [this] { MovePage(&TReportViewer::NextPage); });
  connect(actLastPage, &QAction::triggered, this, [this] { MovePage(&TReportViewer::LastPage); });
  connect(actCancel, &QAction::triggered, this, [this] {
    if (FGenerating && OnCancelGeneration) OnCancelGeneration();
  });
  connect(actRedact, &QAction::triggered, this,
          [this](bool checked) { SetRedactionEnabled(checked); });
  connect(actClose, &QAction::triggered, this, [this] { window()->close(); });
  connect(FViewer, &TReportViewer::PageChanged, this, [this] { ViewerPageChanged(); });
  connect(FViewer, &TReportViewer::StatusChanged, lblStatus, &QLabel::setText);
  connect(FViewer, &TReportViewer::ZoomChanged, this, [this] {
    if (!FRedactionEnabled && !edtZoomPercentage->hasFocus()) ShowCalculatedZoom();
  });
}

// --- properties ---------------------------------------------------------------

void TfraReportPreviewer::SetReport(const TReportDocument* report) {
  if (FRedactionEnabled) SetRedactionEnabled(false);
  FReport = report;
  FWasPrinted = false;
  FViewer->SetDocument(report);
  FRedactor->SetReport(report);
  UpdateActions();
  ShowCalculatedZoom();
  ShowPageNumber();
}

bool TfraReportPreviewer::RedactionModeAvailable() const {
  return FRedactionAvailable;
}

void TfraReportPreviewer::SetRedactionModeAvailable(bool available) {
  FRedactionAvailable = available;
  if (!available && FRedactionEnabled) SetRedactionEnabled(false);
  actRedact->setVisible(available);
}

bool TfraReportPreviewer::CloseButtonVisible() const {
  return actClose->isVisible();
}

void TfraReportPreviewer::SetCloseButtonVisible(bool visible) {
  actClose->setVisible(visible);
}

void TfraReportPreviewer::SetControlsEnabled(bool enabled) {
  FControlsEnabled = enabled;
  // Disabling the frame disables every control inside it.
  setEnabled(enabled);
}

void TfraReportPreviewer::UpdateActions() {
  const bool loaded = FReport != nullptr;
  actRedact->setEnabled(loaded && !FGenerating);
  actPrint->setEnabled(loaded && !FGenerating);
  actCancel->setEnabled(FGenerating);
}

void TfraReportPreviewer::SetGenerating(bool generating) {
  if (generating == FGenerating) return;
  FGenerating = generating;
  if (generating && !FRedactionEnabled) {
    FHourglass = std::make_unique<THourglass>();
  } else {
    FHourglass.reset();
  }
  UpdateActions();
}

// --- lifecycle ----------------------------------------------------------------

void TfraReportPreviewer::Reset() {
  SetRedactionEnabled(false);
  FViewer->Reset();
  SetReport(nullptr);
}

void TfraReportPreviewer::FrameShow() {
  SetRedactionEnabled(false);
  actWholePage->setChecked(true);
  FViewer->SetZoomSetting(TppZoomSetting::zsWholePage);
  ShowCalculatedZoom();
}

void TfraReportPreviewer::FrameClose() {
  SetRedactionEnabled(false);
}

// --- zoom and pages ---------------------------------------------------------

void TfraReportPreviewer::ShowCalculatedZoom() {
  edtZoomPercentage->setText(QStringLiteral("%1%").arg(FViewer->CalculatedZoom()));
}

void TfraReportPreviewer::ShowPageNumber() {
  edtPageNumber->setText(CurrentPage() > 0 ? QString::number(CurrentPage()) : QString());
}

int TfraReportPreviewer::CurrentPage() const {
  if (FRedactionEnabled && FRedactor->PageCount() > 0) return FRedactor->CurrentViewPage() + 1;
  return FViewer->AbsolutePageNo();
}

void TfraReportPreviewer::ZoomButtonClick(TppZoomSetting setting) {
  FViewer->SetZoomSetting(setting);
  ShowCalculatedZoom();
}

void TfraReportPreviewer::ZoomEntered() {
  if (FRedactionEnabled) return;
  FViewer->SetZoomPercentage(TypedNumber(edtZoomPercentage->text(), 100));
  for (QAction* action : grpZoom->actions()) action->setChecked(false);
  ShowCalculatedZoom();
}

void TfraReportPreviewer::PageEntered() {
  GotoPage(TypedNumber(edtPageNumber->text(), 1));
}

void TfraReportPreviewer::GotoPage(int pageNo) {
  FViewer->GotoPage(pageNo);
  // The viewer keeps the page inside the report; the redactor follows it.
  if (FRedactionEnabled) FRedactor->SetCurrentViewPage(FViewer->AbsolutePageNo() - 1);
  ShowPageNumber();
}

void TfraReportPreviewer::MovePage(void (TReportViewer::*viewerMove)()) {
  (FViewer->*viewerMove)();
  if (FRedactionEnabled) FRedactor->SetCurrentViewPage(FViewer->AbsolutePageNo() - 1);
}

void TfraReportPreviewer::ViewerPageChanged() {
  if (!FRedactionEnabled) {
    ShowPageNumber();
    ShowCalculatedZoom();
    emit PageChanged(FViewer->AbsolutePageNo());
  }
}

void TfraReportPreviewer::RedactorPageChanged() {
  if (QWidget* image = FRedactor->imgPreview()) pnlRedaction->setFixedSize(image->size());
  edtPageNumber->setText(QString::number(FRedactor->CurrentViewPage() + 1));
  edtZoomPercentage->setText(QStringLiteral("100%"));
  emit PageChanged(FRedactor->CurrentViewPage() + 1);
}

bool TfraReportPreviewer::eventFilter(QObject* watched, QEvent* event) {
  if (watched != edtZoomPercentage && watched != edtPageNumber)
    return QWidget::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::KeyPress: {
      // Enter takes whatever the edit holds, pasted text included; a text
      // that is no number falls back rather than being ignored.
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key != Qt::Key_Return && key != Qt::Key_Enter) break;
      if (watched == edtZoomPercentage)
        ZoomEntered();
      else
        PageEntered();
      return true;
    }
    case QEvent::FocusOut:
      if (watched == edtZoomPercentage && !FRedactionEnabled) ShowCalculatedZoom();
      break;
    case QEvent::MouseButtonRelease:
      // A click selects the whole text, ready to be typed over.
      static_cast<QLineEdit*>(watched)->selectAll();
      break;
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

// --- redaction mode -----------------------------------------------------------

void TfraReportPreviewer::SetRedactionEnabled(bool enabled) {
  if (enabled && (!FReport || !FRedactionAvailable)) enabled = false;
  if (enabled == FRedactionEnabled) {
    actRedact->setChecked(enabled);
    return;
  }
  FRedactionEnabled = enabled;
  actRedact->setChecked(enabled);
  for (QAction* action : grpZoom->actions()) action->setEnabled(!enabled);
  edtZoomPercentage->setEnabled(!enabled);
  if (enabled) {
    FPages->setCurrentIndex(1);
    edtZoomPercentage->setText(QStringLiteral("100%"));
    FRedactor->SetReport(FReport);
    FRedactor->LoadPages();
    FRedactor->SetCurrentViewPage(FViewer->AbsolutePageNo() - 1);
  } else {
    FPages->setCurrentIndex(0);
    FRedactor->UnloadPages();
    pnlRedaction->setFixedSize(0, 0);
    ShowCalculatedZoom();
    ShowPageNumber();
  }
}

// --- printing -------------------------------------------------------------------

bool TfraReportPreviewer::DefaultChoosePrint(int pageCount, int, bool redacting,
                                             TPrintRequest& request) {
  if (!FPrinter) FPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
  if (!ExecPrintDialog(*FPrinter, pageCount, redacting, request.Range, this)) return false;
  request.Device = FPrinter.get();
  return true;
}

void TfraReportPreviewer::PrintReport() {
  if (!FReport) return;
  if (!PrinterInstalled()) {
    UserPrompts().ShowWarning(NoPrinterMessage());
    FWasPrinted = false;
    return;
  }
  const int pageCount =
      FRedactionEnabled ? FRedactor->PageCount() : static_cast<int>(FReport->Pages.size());
  TPrintRequest request;
  if (!OnChoosePrint || !OnChoosePrint(pageCount, CurrentPage(), FRedactionEnabled, request) ||
      !request.Device)
    return;

  if (FRedactionEnabled) {
    // Only the redacted pictures go to the printer: the report itself is not
    // sent again, which would print the pages without their redactions.
    PrintRedacted(request);
  } else {
    TPrinterDevice device;
    device.SetTarget(request.Device);
    switch (request.Range.Kind) {
      case TPrintRangeChoice::prAllPages:
        device.SetPageRange(0, 0);
        break;
      case TPrintRangeChoice::prCurrentPage:
        device.SetPageRange(CurrentPage(), CurrentPage());
        break;
      case TPrintRangeChoice::prPageRange:
        device.SetPageRange(request.Range.FromPage, request.Range.ToPage);
        break;
    }
    THourglass hourglass;
    device.Print(*FReport);
  }
  FWasPrinted = true;
}

void TfraReportPreviewer::PrintRedacted(const TPrintRequest& request) {
  QWidget* holder = window();
  pbPrinting->setValue(0);
  pnlProgress->show();
  holder->setEnabled(false);
  const auto restore = [&] {
    holder->setEnabled(true);
    pnlProgress->hide();
    FRedactor->SetPrintDevice(nullptr);
  };
  try {
    FRedactor->SetPrintDevice(request.Device);
    switch (request.Range.Kind) {
      case TPrintRangeChoice::prAllPages:
        FRedactor->Print();
        break;
      case TPrintRangeChoice::prCurrentPage:
        FRedactor->PrintCurrentPage();
        break;
      case TPrintRangeChoice::prPageRange:
        FRedactor->PrintRange(request.Range.FromPage - 1, request.Range.ToPage - 1);
        break;
    }
  } catch (...) {
    restore();
    throw;
  }
  restore();
}

bool TfraReportPreviewer::RedactorPrintProgress(std::uint32_t done, std::uint32_t total) {
  pbPrinting->setMaximum(static_cast<int>(total));
  pbPrinting->setValue(static_cast<int>(done));
  return true;
}

void TfraReportPreviewer::PrintActionClick() {
  try {
    PrintReport();
  } catch (const std::exception& e) {
    UserPrompts().ShowError(ExceptionMessage(e));
  }
}

// --- saving -------------------------------------------------------------------

bool TfraReportPreviewer::SaveToFile(const QString& fileName, const QString& deviceName) {
  if (!FReport) return false;
  const TDeviceRegistry& registry = TDeviceRegistry::Instance();
  const TDeviceInfo* info = nullptr;
  if (!deviceName.isEmpty()) {
    info = registry.Find(deviceName);
  } else {
    info = registry.FindByExtension(QFileInfo(fileName).suffix());
    if (!info) info = registry.Find(TPdfFileDevice::Name());
  }
  if (!info || !info->IsFileDevice)
    throw EReportDeviceError(
        QStringLiteral("\"%1\" is not a file type a report can be saved as.").arg(deviceName));

  const bool redacted = FRedactionEnabled && FRedactor->HasRedactions();
  if (redacted && info->Name != TPdfFileDevice::Name()) {
    UserPrompts().ShowWarning(RedactedSaveMessage());
    return false;
  }
  std::unique_ptr<TOutputDevice> device = info->Create();
  auto* file = dynamic_cast<TFileOutputDevice*>(device.get());
  if (!file) throw EReportDeviceError(QStringLiteral("\"%1\" writes no file.").arg(info->Name));
  file->SetFileName(fileName);
  THourglass hourglass;
  if (redacted)
    file->Print(FRedactor->RedactedImageDocument());
  else
    file->Print(*FReport);
  return !file->Cancelled();
}

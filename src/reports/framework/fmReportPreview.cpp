#include "reports/framework/fmReportPreview.h"

#include "core/UserPrompts.h"
#include "reports/engine/DeviceRegistry.h"
#include "reports/engine/PdfFileDevice.h"
#include "reports/framework/PageThumbnailModel.h"
#include "reports/framework/faReportPreviewer.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QListView>
#include <QSplitter>
#include <QStandardPaths>
#include <QToolBar>

namespace {

TSaveFileChooser& Chooser() {
  static TSaveFileChooser chooser;
  return chooser;
}

// "Description|*.ext" as the file dialog writes it: "Description (*.ext)".
QString DialogFilter(const TDeviceInfo& info) {
  const QStringList parts = info.FileFilter.split(QLatin1Char('|'));
  if (parts.size() < 2) return info.Description;
  return QStringLiteral("%1 (%2)").arg(parts[0], parts[1]);
}

bool ChooseWithDialog(QWidget* parent, const QStringList& deviceNames, const QString& suggestedName,
                      TSaveChoice& choice) {
  const TDeviceRegistry& registry = TDeviceRegistry::Instance();
  QStringList filters;
  for (const QString& name : deviceNames) filters << DialogFilter(*registry.Find(name));

  QFileDialog dialog(parent, QObject::tr("Save Report As"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilters(filters);
  dialog.selectNameFilter(filters.value(0));
  dialog.setDefaultSuffix(registry.Find(deviceNames.value(0))->DefaultExt);
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
    const qsizetype i = filters.indexOf(filter);
    if (i >= 0) dialog.setDefaultSuffix(registry.Find(deviceNames[i])->DefaultExt);
  });
  dialog.selectFile(suggestedName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  choice.FileName = dialog.selectedFiles().constFirst();
  choice.DeviceName = deviceNames.value(filters.indexOf(dialog.selectedNameFilter()));
  return true;
}

// A file name safe to offer from the report's title.
QString SuggestedName(const TReportDocument& document, const QString& ext) {
  QString base = document.Title.trimmed();
  base.replace(QRegularExpression(QStringLiteral("[/\\\\:*?\"<>|]+")), QStringLiteral("_"));
  if (base.isEmpty()) base = QStringLiteral("Report");
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return QDir(folder).filePath(base + QLatin1Char('.') + ext);
}

}  // namespace

TfrmReportPreview::TfrmReportPreview(const TReportDocument& document, QWidget* parent)
    : QDialog(parent), FDocument(document) {
  setWindowTitle(document.Title.isEmpty() ? tr("Print Preview") : document.Title);
  setWindowFlag(Qt::WindowMaximizeButtonHint);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* splitter = new QSplitter(Qt::Horizontal, this);
  layout->addWidget(splitter);

  FThumbnailModel = new TPageThumbnailModel(this);
  FThumbnailModel->SetDocument(&document);
  FThumbnails = new QListView(splitter);
  FThumbnails->setModel(FThumbnailModel);
  FThumbnails->setViewMode(QListView::IconMode);
  FThumbnails->setFlow(QListView::TopToBottom);
  FThumbnails->setWrapping(false);
  FThumbnails->setMovement(QListView::Static);
  FThumbnails->setUniformItemSizes(true);
  FThumbnails->setSpacing(6);
  FThumbnails->setIconSize(
      QSize(FThumbnailModel->ThumbnailWidth(), FThumbnailModel->ThumbnailWidth() * 13 / 10));
  FThumbnails->setMinimumWidth(FThumbnailModel->ThumbnailWidth() + 40);
  splitter->addWidget(FThumbnails);

  FPreviewer = new TfraReportPreviewer(splitter);
  splitter->addWidget(FPreviewer);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({FThumbnails->minimumWidth(), 1000});
  FPreviewer->SetCloseButtonVisible(true);
  FPreviewer->SetReport(&document);

  actSave = new QAction(tr("Save"), FPreviewer);
  actSave->setShortcut(QKeySequence::Save);
  actSave->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  actSave->setToolTip(tr("Save the Report to a File"));
  addAction(actSave);
  // Beside Print, the other way out of the preview.
  const QList<QAction*> tools = FPreviewer->tbPreview->actions();
  FPreviewer->tbPreview->insertAction(tools.value(tools.indexOf(FPreviewer->actPrint) + 1),
                                      actSave);
  actSave->setEnabled(!SaveDeviceNames().isEmpty());
  connect(actSave, &QAction::triggered, this, [this] { SaveAs(); });

  connect(FThumbnails, &QListView::clicked, this,
          [this](const QModelIndex& index) { FPreviewer->GotoPage(index.row() + 1); });
  connect(FPreviewer, &TfraReportPreviewer::PageChanged, this, [this](int pageNo) {
    const QModelIndex index = FThumbnailModel->index(pageNo - 1);
    if (!index.isValid()) return;
    FThumbnails->setCurrentIndex(index);
    FThumbnails->scrollTo(index);
  });
  if (FThumbnailModel->rowCount() > 0) FThumbnails->setCurrentIndex(FThumbnailModel->index(0));
}

TfrmReportPreview::~TfrmReportPreview() = default;

QStringList TfrmReportPreview::SaveDeviceNames() {
  QStringList names;
  const TDeviceRegistry& registry = TDeviceRegistry::Instance();
  for (const QString& name : {TPdfFileDevice::Name(), QStringLiteral("TextFile"),
                              QStringLiteral("CSVFile"), QStringLiteral("XLSXFile")})
    if (const TDeviceInfo* info = registry.Find(name); info && info->IsFileDevice)
      names << info->Name;
  return names;
}

void TfrmReportPreview::SetSaveFileChooser(TSaveFileChooser chooser) {
  Chooser() = std::move(chooser);
}

bool TfrmReportPreview::SaveAs() {
  const QStringList devices = SaveDeviceNames();
  if (devices.isEmpty()) return false;
  const QString ext = TDeviceRegistry::Instance().Find(devices.first())->DefaultExt;
  TSaveChoice choice;
  const TSaveFileChooser& chooser = Chooser() ? Chooser() : TSaveFileChooser(ChooseWithDialog);
  if (!chooser(this, devices, SuggestedName(FDocument, ext), choice) || choice.FileName.isEmpty())
    return false;
  try {
    return FPreviewer->SaveToFile(choice.FileName, choice.DeviceName);
  } catch (const std::exception& e) {
    UserPrompts().ShowError(ExceptionMessage(e));
    return false;
  }
}

int TfrmReportPreview::exec() {
  setWindowState(windowState() | Qt::WindowMaximized);
  return QDialog::exec();
}

bool PreviewReport(const TReportDocument& document, QWidget* parent) {
  TfrmReportPreview preview(document, parent);
  preview.exec();
  return preview.Previewer()->WasPrinted();
}

#include "reports/framework/ReportOutput.h"

#include "reports/engine/DeviceRegistry.h"
#include "reports/engine/OutputDevice.h"
#include "reports/engine/PngDevice.h"
#include "reports/engine/ReportDeviceError.h"
#include "reports/framework/fmReportPreview.h"

#include <QDir>
#include <QFileInfo>

namespace {

class TPreviewOutput : public IReportOutput {
 public:
  void Deliver(const TReportDocument& document) override { PreviewReport(document); }
};

IReportOutput* GOutput = nullptr;

}  // namespace

IReportOutput& ReportOutput() {
  static TPreviewOutput preview;
  return GOutput ? *GOutput : preview;
}

void SetReportOutput(IReportOutput* output) {
  GOutput = output;
}

TReportOutputScope::TReportOutputScope(IReportOutput& output) : FPrevious(GOutput) {
  GOutput = &output;
}

TReportOutputScope::~TReportOutputScope() {
  GOutput = FPrevious;
}

TFileReportOutput::TFileReportOutput(QString fileName) : FFileName(std::move(fileName)) {}

QStringList TFileReportOutput::Extensions() {
  return {QStringLiteral("pdf"), QStringLiteral("txt"), QStringLiteral("csv"),
          QStringLiteral("png"), QStringLiteral("xlsx")};
}

bool TFileReportOutput::IsSupported(const QString& fileName, QString* message) {
  const QString ext = QFileInfo(fileName).suffix().toLower();
  if (Extensions().contains(ext)) return true;
  if (message)
    *message = QStringLiteral("The output file \"%1\" must end in .%2.")
                   .arg(fileName, Extensions().join(QStringLiteral(", .")));
  return false;
}

QString TFileReportOutput::NextFileName() const {
  if (FDelivered == 0) return FFileName;
  const QFileInfo info(FFileName);
  return info.dir().filePath(QStringLiteral("%1_%2.%3")
                                 .arg(info.completeBaseName())
                                 .arg(FDelivered + 1)
                                 .arg(info.suffix()));
}

void TFileReportOutput::Deliver(const TReportDocument& document) {
  const QString fileName = NextFileName();
  const QString ext = QFileInfo(fileName).suffix().toLower();
  if (ext == QLatin1String("png")) {
    FWritten << TPngDevice().Write(document, fileName);
  } else {
    const TDeviceInfo* info = TDeviceRegistry::Instance().FindByExtension(ext);
    if (!info) {
      QString message;
      IsSupported(fileName, &message);
      throw EReportDeviceError(message);
    }
    std::unique_ptr<TOutputDevice> device = info->Create();
    auto* file = dynamic_cast<TFileOutputDevice*>(device.get());
    if (!file) throw EReportDeviceError(QStringLiteral("%1 is not a file device.").arg(info->Name));
    file->SetFileName(fileName);
    file->Print(document);
    FWritten << fileName;
  }
  ++FDelivered;
}

#pragma once

#include "reports/engine/ReportDeviceError.h"
#include "reports/engine/ReportDocument.h"

#include <QString>

#include <memory>

class QTemporaryFile;

// "The file "<name>" could not be written: <reason>"
EReportDeviceError FileWriteError(const QString& fileName, const QString& reason);

// Where a generated document goes: a printer, a file, the screen. Devices
// are chosen by name through the device registry.
class TOutputDevice {
 public:
  virtual ~TOutputDevice() = default;

  virtual QString DeviceName() const = 0;
  virtual QString Description() const = 0;
  // File devices: the extension without the dot and the save dialog's
  // filter ("Description|*.ext"). Empty for devices that write no file.
  virtual QString DefaultExt() const { return {}; }
  virtual QString FileFilter() const { return {}; }
  virtual bool IsFileDevice() const { return false; }

  // Renders the whole document. Throws EReportDeviceError on failure.
  virtual void Print(const TReportDocument& document) = 0;

  // Asks a running Print to stop at the next page; nothing more is output.
  void Cancel() { FCancelled = true; }
  bool Cancelled() const { return FCancelled; }

 protected:
  void ClearCancel() { FCancelled = false; }

 private:
  bool FCancelled = false;
};

// A device writing one file. The output goes to a temporary file beside the
// target, which replaces the target only when the run completes, so a run
// that fails or is cancelled leaves no partial file behind.
class TFileOutputDevice : public TOutputDevice {
 public:
  bool IsFileDevice() const override { return true; }

  // The file written, exactly as given (no extension is added).
  const QString& FileName() const { return FFileName; }
  void SetFileName(const QString& fileName) { FFileName = fileName; }

  void Print(const TReportDocument& document) final;

 protected:
  // Writes the document to `path`, checking Cancelled() between pages.
  virtual void WriteFile(const TReportDocument& document, const QString& path) = 0;

 private:
  QString FFileName;
};

// A temporary file in the target's folder that is renamed over the target
// on Commit and removed otherwise.
class TAtomicFile {
 public:
  explicit TAtomicFile(const QString& target);
  ~TAtomicFile();
  TAtomicFile(const TAtomicFile&) = delete;
  TAtomicFile& operator=(const TAtomicFile&) = delete;

  QString TempPath() const;
  // Replaces the target with the temporary file. Throws EReportDeviceError.
  void Commit();

 private:
  QString FTarget;
  std::unique_ptr<QTemporaryFile> FTemp;
};

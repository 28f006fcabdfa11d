#include "app/fmCrashReport.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QSysInfo>
#include <QVBoxLayout>

TfrmCrashReport::TfrmCrashReport(const TCrashReport& AReport, const QString& ALogFile,
                                 const QString& ALogText, QWidget* AParent)
    : QDialog(AParent) {
  setObjectName(QStringLiteral("frmCrashReport"));
  setWindowTitle(AReport.Program.isEmpty() ? QStringLiteral("Error") : AReport.Program);
  setModal(true);

  auto* icon = new QLabel(this);
  icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(32, 32));
  lblMessage = new QLabel(AReport.ErrorMessage, this);
  lblMessage->setObjectName(QStringLiteral("lblMessage"));
  lblMessage->setWordWrap(true);
  lblMessage->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* top = new QHBoxLayout;
  top->addWidget(icon, 0, Qt::AlignTop);
  top->addWidget(lblMessage, 1);

  lblLogFile =
      new QLabel(ALogFile.isEmpty() ? QStringLiteral("The crash log could not be saved.")
                                    : QStringLiteral("A crash log was saved to %1").arg(ALogFile),
                 this);
  lblLogFile->setObjectName(QStringLiteral("lblLogFile"));
  lblLogFile->setWordWrap(true);
  lblLogFile->setTextInteractionFlags(Qt::TextSelectableByMouse);

  memDetails = new QPlainTextEdit(ALogText, this);
  memDetails->setObjectName(QStringLiteral("memDetails"));
  memDetails->setReadOnly(true);
  memDetails->setMinimumSize(480, 180);

  auto* buttons = new QDialogButtonBox(this);
  btnCopy = buttons->addButton(QStringLiteral("&Copy"), QDialogButtonBox::ActionRole);
  btnCopy->setObjectName(QStringLiteral("btnCopy"));
  btnOK = buttons->addButton(QDialogButtonBox::Ok);
  btnOK->setObjectName(QStringLiteral("btnOK"));
  btnOK->setDefault(true);
  connect(btnCopy, &QPushButton::clicked, this,
          [this] { QApplication::clipboard()->setText(memDetails->toPlainText()); });
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(lblLogFile);
  layout->addWidget(memDetails, 1);
  layout->addWidget(buttons);
}

QString ShowCrashReport(const QString& AErrorClass, const QString& AMessage,
                        const TErrorReportingCustomFields& AFields, const QString& AConfigFolder,
                        const QString& ALogFolder, QWidget* AParent) {
  TCrashReport report;
  report.When = QDateTime::currentDateTime();
  report.Program = QStringLiteral("%1 %2")
                       .arg(QApplication::applicationName(), QApplication::applicationVersion())
                       .trimmed();
  report.Computer = QSysInfo::machineHostName();
  report.ErrorClass = AErrorClass;
  report.ErrorMessage = AMessage;
  report.CustomLines = ErrorReportingCustomLines(AFields);

  const TErrorReportingSettings settings = LoadErrorReportingSettings(AConfigFolder);
  const QString logFile = WriteCrashLog(report, settings, ALogFolder);
  TfrmCrashReport dialog(report, logFile, CrashLogText(report, settings), AParent);
  dialog.exec();
  return logFile;
}

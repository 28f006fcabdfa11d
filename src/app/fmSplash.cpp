#include "app/fmSplash.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QProgressBar>
#include <QScreen>

#include <algorithm>

QPointer<TfrmSplash> frmSplash;

namespace {
const QColor kSplashBlue(47, 96, 187);
constexpr int kClientWidth = 531;
constexpr int kClientHeight = 310;
constexpr int kPictureWidth = 497;
constexpr int kPictureHeight = 237;

// Pale sky with a few sweeping bands in the program's blue; the titles sit
// on the calm middle of it.
QPixmap SplashArtwork() {
  QPixmap pixmap(kPictureWidth, kPictureHeight);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, kPictureHeight);
  sky.setColorAt(0.0, QColor(226, 236, 250));
  sky.setColorAt(1.0, Qt::white);
  painter.fillRect(pixmap.rect(), sky);
  painter.setPen(Qt::NoPen);
  for (int band = 0; band < 3; ++band) {
    QColor colour = kSplashBlue;
    colour.setAlpha(60 + band * 45);
    QPainterPath path;
    const int top = kPictureHeight - 70 + band * 18;
    path.moveTo(0, top);
    path.cubicTo(kPictureWidth * 0.3, top - 40, kPictureWidth * 0.6, top + 30, kPictureWidth,
                 top - 20);
    path.lineTo(kPictureWidth, kPictureHeight);
    path.lineTo(0, kPictureHeight);
    path.closeSubpath();
    painter.setBrush(colour);
    painter.drawPath(path);
  }
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(kSplashBlue, 2));
  painter.drawRect(pixmap.rect().adjusted(1, 1, -1, -1));
  return pixmap;
}

QLabel* TitleLabel(QWidget* parent, int pixelSize, bool bold, int top, int height) {
  auto* label = new QLabel(parent);
  QFont font(QStringLiteral("Tahoma"));
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  label->setFont(font);
  label->setAlignment(Qt::AlignCenter);
  label->setGeometry((kClientWidth - kPictureWidth) / 2, top, kPictureWidth, height);
  label->setVisible(false);
  return label;
}
}  // namespace

TfrmSplash::TfrmSplash(QWidget* parent)
    : TNrvStartupForm(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
  setWindowTitle(QStringLiteral("Initializing..."));
  setFixedSize(kClientWidth, kClientHeight);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::white);
  pal.setColor(QPalette::WindowText, kSplashBlue);
  pal.setColor(QPalette::Highlight, kSplashBlue);
  setPalette(pal);
  setAutoFillBackground(true);

  imgSplash = new QLabel(this);
  imgSplash->setGeometry((kClientWidth - kPictureWidth) / 2, 8, kPictureWidth, kPictureHeight);
  imgSplash->setPixmap(SplashArtwork());

  lblPROGRAM_GROUP = TitleLabel(this, 24, true, 70, 34);
  lblMODULE_NAME = TitleLabel(this, 19, true, 108, 28);
  lblVERSION_NO = TitleLabel(this, 13, false, 140, 20);

  lblPrimaryCaption = new QLabel(QStringLiteral("..."), this);
  lblPrimaryCaption->setAlignment(Qt::AlignCenter);
  lblPrimaryCaption->setGeometry((kClientWidth - 513) / 2, 252, 513, 20);
  lblPrimaryCaption->setVisible(false);

  pbarPrimary = new QProgressBar(this);
  pbarPrimary->setRange(0, 100);
  pbarPrimary->setTextVisible(false);
  pbarPrimary->setGeometry((kClientWidth - 500) / 2, 280, 500, 18);
  pbarPrimary->setVisible(false);

  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }

  FormCreate();
}

void TfrmSplash::FormCreate() {
  pbarPrimary->setValue(0);
  SetFileName(QCoreApplication::applicationFilePath());
  FMaxSteps = 10;
  xiPrimaryStepCnt = 0;
}

void TfrmSplash::SetFileName(const QString& value) {
  FFileName = value;
  RzVersionInfo.SetFileName(value);
  lblMODULE_NAME->setText(RzVersionInfo.StringField(TVersionInfo::vsiProductName));
  lblPROGRAM_GROUP->setText(RzVersionInfo.StringField(TVersionInfo::vsiFileDescription));
  lblVERSION_NO->setText(QStringLiteral("Version ") +
                         RzVersionInfo.StringField(TVersionInfo::vsiFileVersion));
}

void TfrmSplash::SetModuleName(const QString& value) {
  FModuleName = value;
  lblMODULE_NAME->setText(value);
}

void TfrmSplash::SetProgramGroup(const QString& value) {
  FProgramGroup = value;
  lblPROGRAM_GROUP->setText(value);
}

void TfrmSplash::PrimaryStepIt(const QString& sCaption) {
  PrimaryStepIt(FMaxSteps, sCaption);
}

void TfrmSplash::PrimaryStepIt(int iMax, const QString& sCaption) {
  if (xiPrimaryStepCnt == 0) {
    lblPROGRAM_GROUP->setVisible(true);
    lblMODULE_NAME->setVisible(true);
    lblVERSION_NO->setVisible(true);
    repaint();
  }
  ++xiPrimaryStepCnt;
  lblPrimaryCaption->setText(QStringLiteral("Initializing [") + sCaption.trimmed() +
                             QStringLiteral("]..."));
  lblPrimaryCaption->repaint();
  // Whole-number arithmetic: 8 of 9 steps is 88, and exact fractions never
  // come out one short as they can in floating point.
  if (iMax > 0) pbarPrimary->setValue(std::clamp(xiPrimaryStepCnt * 100 / iMax, 0, 100));
  QCoreApplication::processEvents();
}

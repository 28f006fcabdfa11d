#include "reports/framework/PageThumbnailModel.h"

#include "reports/engine/PagePainter.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>

TPageThumbnailModel::TPageThumbnailModel(QObject* parent) : QAbstractListModel(parent) {}

void TPageThumbnailModel::SetDocument(const TReportDocument* document) {
  beginResetModel();
  FDocument = document;
  FCache.clear();
  endResetModel();
}

void TPageThumbnailModel::SetThumbnailWidth(int width) {
  beginResetModel();
  FWidth = std::max(16, width);
  FCache.clear();
  endResetModel();
}

int TPageThumbnailModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid() || !FDocument) return 0;
  return static_cast<int>(FDocument->Pages.size());
}

QVariant TPageThumbnailModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  if (role == Qt::DisplayRole) return QString::number(index.row() + 1);
  if (role == Qt::DecorationRole) return Thumbnail(index.row());
  if (role == Qt::ToolTipRole) return tr("Page %1").arg(index.row() + 1);
  return {};
}

QPixmap TPageThumbnailModel::Thumbnail(int row) const {
  if (auto it = FCache.constFind(row); it != FCache.constEnd()) return *it;
  const TReportPage& page = FDocument->Pages[row];
  const double scale = FWidth / static_cast<double>(std::max(1, page.WidthUm));
  const int height = std::max(1, static_cast<int>(std::lround(page.HeightUm * scale)));
  QImage image(FWidth, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintPage(painter, page, scale);
    painter.setPen(Qt::gray);
    painter.drawRect(image.rect().adjusted(0, 0, -1, -1));
  }
  const QPixmap pixmap = QPixmap::fromImage(image);
  FCache.insert(row, pixmap);
  return pixmap;
}

#pragma once

#include "reports/engine/ReportDocument.h"

#include <QAbstractListModel>
#include <QHash>
#include <QPixmap>

// The pages of a document as small pictures, drawn when a view first asks
// for them, so a long report opens without drawing every page.
class TPageThumbnailModel : public QAbstractListModel {
 public:
  explicit TPageThumbnailModel(QObject* parent = nullptr);

  // The document shown; not owned.
  void SetDocument(const TReportDocument* document);
  // Width of a thumbnail in pixels.
  void SetThumbnailWidth(int width);
  int ThumbnailWidth() const { return FWidth; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  // Display: the page number; decoration: the page's picture.
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

 private:
  QPixmap Thumbnail(int row) const;

  const TReportDocument* FDocument = nullptr;
  int FWidth = 120;
  mutable QHash<int, QPixmap> FCache;
};

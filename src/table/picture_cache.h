#pragma once
// The table's bitmaps, read once from the program folder and scaled once
// per size and device pixel ratio: a paint only copies pixmaps.

#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QString>

namespace zunpa::qt {

class PictureCache {
 public:
  void SetFolder(const QString& folder);
  // The picture `name` at `size` device-independent pixels; a null pixmap
  // when the file is missing or unreadable.
  QPixmap Scaled(const QString& name, QSize size, qreal devicePixelRatio);
  // Whether the file could be read.
  bool Has(const QString& name);
  // Drops every scaled pixmap: the table changed size or screen.
  void ForgetScaled() { scaled_.clear(); }
  int scalings() const { return scalings_; }

 private:
  const QImage& Source(const QString& name);
  QString folder_;
  QHash<QString, QImage> sources_;
  QHash<QString, QPixmap> scaled_;  // by name, size and ratio
  int scalings_ = 0;
};

}  // namespace zunpa::qt

#include "table/picture_cache.h"

#include <QDir>
#include <QImageReader>

namespace zunpa::qt {

void PictureCache::SetFolder(const QString& folder) {
  folder_ = folder;
  sources_.clear();
  scaled_.clear();
}

const QImage& PictureCache::Source(const QString& name) {
  auto it = sources_.find(name);
  if (it == sources_.end()) {
    QImageReader reader(QDir(folder_).filePath(name));
    it = sources_.insert(name, reader.read());
  }
  return *it;
}

bool PictureCache::Has(const QString& name) {
  return !Source(name).isNull();
}

QPixmap PictureCache::Scaled(const QString& name, QSize size, qreal ratio) {
  const QString key = QString("%1@%2x%3@%4").arg(name).arg(size.width()).arg(size.height()).arg(ratio);
  auto it = scaled_.find(key);
  if (it != scaled_.end()) return *it;
  const QImage& source = Source(name);
  QPixmap pixmap;
  if (!source.isNull() && !size.isEmpty()) {
    const QImage image = source.scaled(size * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(ratio);
    ++scalings_;
  }
  return *scaled_.insert(key, pixmap);
}

}  // namespace zunpa::qt

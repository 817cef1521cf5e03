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

void PictureCache::Preload(const QStringList& names) {
  for (const QString& name : names)
    Source(name);
}

bool PictureCache::Has(const QString& name) {
  return !Source(name).isNull();
}

QPixmap PictureCache::Scaled(const QString& name, QSize size, qreal ratio) {
  const quint64 key = (quint64(size.width()) << 40) | (quint64(size.height()) << 20) | quint64(qRound(ratio * 1000));
  QHash<quint64, QPixmap>& sizes = scaled_[name];
  if (const auto it = sizes.constFind(key); it != sizes.constEnd()) return *it;
  const QImage& source = Source(name);
  QPixmap pixmap;
  if (!source.isNull() && !size.isEmpty()) {
    const QImage image = source.scaled(size * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(ratio);
    ++scalings_;
  }
  return *sizes.insert(key, pixmap);
}

}  // namespace zunpa::qt

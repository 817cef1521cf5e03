#pragma once
// The table's bitmaps, read once from the program folder and scaled once
// per size and device pixel ratio: a paint only copies pixmaps.

#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <QStringList>

namespace zunpa::qt {

class PictureCache {
 public:
  void SetFolder(const QString& folder);
  // The picture `name` at `size` device-independent pixels; a null pixmap
  // when the file is missing or unreadable.
  QPixmap Scaled(const QString& name, QSize size, qreal devicePixelRatio);
  // Whether the file could be read.
  bool Has(const QString& name);
  // Reads these files now, so that no paint waits on the disk.
  void Preload(const QStringList& names);
  // Drops every scaled pixmap: the table changed size or screen.
  void ForgetScaled() { scaled_.clear(); }
  int scalings() const { return scalings_; }

 private:
  const QImage& Source(const QString& name);
  QString folder_;
  QHash<QString, QImage> sources_;
  // By name, then by size and ratio: a paint looks a picture up without
  // making a string.
  QHash<QString, QHash<quint64, QPixmap>> scaled_;
  int scalings_ = 0;
};

}  // namespace zunpa::qt

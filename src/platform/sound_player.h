#pragma once
// Synchronous sound over QSoundEffect. With no audio output device
// QSoundEffect "plays" forever, so the device is asked for first and every
// wait is bounded by the file's own length.

#include <QObject>
#include <QString>
#include <QStringList>
#include <map>
#include <optional>

class QSoundEffect;

namespace zunpa::qt {

class SoundPlayer : public QObject {
  Q_OBJECT
 public:
  explicit SoundPlayer(QObject* parent = nullptr);
  ~SoundPlayer() override;

  // False when the system offers no audio output at all.
  bool HasOutput() const;
  // Loads these files ahead of their first play; names inside `folder`.
  void Preload(const QString& folder, const QStringList& names);
  // Plays the file and returns when it has ended, failed, or run for its
  // length plus 0.75 s; user input waits meanwhile. Returns at once without
  // an output device or for a file that is no readable WAV.
  void PlayAndWait(const QString& path);

 private:
  QSoundEffect* EffectFor(const QString& path);
  std::optional<double> SecondsOf(const QString& path);
  // std::map, not QHash: GCC 12's link-time optimiser sees a bogus
  // allocation size in QHash's growth and fails the build on it.
  std::map<QString, QSoundEffect*> effects_;
  std::map<QString, double> seconds_;
  bool hasOutput_ = false;
};

}  // namespace zunpa::qt

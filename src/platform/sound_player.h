#pragma once
// Synchronous sound for the game: a play returns when the sound has been
// heard to its end, and at once when nobody can hear it. Every wait is
// bounded by the file's own length. The output follows the sound server
// as it comes and goes.

#include <QByteArray>
#include <QObject>
#include <QString>
#include <map>
#include <memory>
#include <optional>

#include "ui_logic/wav_reader.h"

namespace zunpa::qt {

class SoundOutput;

class SoundPlayer : public QObject {
  Q_OBJECT
 public:
  // The platform's own output.
  explicit SoundPlayer(QObject* parent = nullptr);
  SoundPlayer(std::unique_ptr<SoundOutput> output, QObject* parent);
  ~SoundPlayer() override;

  // False while no audio output can be heard.
  bool HasOutput() const;
  // Plays the file and returns when it has ended, failed, or run for its
  // length plus a small margin (its stream then ends); user input waits
  // meanwhile. False when it could not be heard: at once without an
  // output or for a file that is no playable WAV, and as soon as the
  // output goes away.
  bool PlayAndWait(const QString& path);

 signals:
  void OutputChanged(bool present);

 private:
  struct Loaded {
    QByteArray bytes;
    ui::WavSound sound;
  };
  const Loaded* Load(const QString& path);

  std::unique_ptr<SoundOutput> output_;
  // std::map, not QHash: GCC 12's link-time optimiser sees a bogus
  // allocation size in QHash's growth and fails the build on it.
  std::map<QString, Loaded> sounds_;
};

}  // namespace zunpa::qt

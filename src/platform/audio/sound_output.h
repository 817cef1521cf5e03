#pragma once
// Where the game's sounds go: a sound server that may come and go. An
// output says whether it can be heard now and reports each play's end.

#include <QObject>
#include <optional>

#include "ui_logic/wav_reader.h"

namespace zunpa::qt {

class SoundOutput : public QObject {
  Q_OBJECT
 public:
  using QObject::QObject;
  // True while some device would play a sound.
  virtual bool Ready() const = 0;
  // Starts playing; the PCM must outlive the play. Nothing when it cannot
  // start, else the id that Finished reports.
  virtual std::optional<int> Start(const ui::WavSound& sound) = 0;
  // Cuts a play short; nothing happens for one that has ended.
  virtual void Stop(int id) = 0;

 signals:
  void ReadyChanged(bool ready);
  // `heard`: the sound was played to its end.
  void Finished(int id, bool heard);
};

}  // namespace zunpa::qt

#pragma once
// Sounds through Qt Multimedia, where no PulseAudio client library was
// built in (Windows): one push-mode sink per play, topped up until the
// whole sound is written, ended when the device goes idle.

#include <QMediaDevices>
#include <QTimer>
#include <map>

#include "platform/audio/sound_output.h"

class QAudioSink;
class QIODevice;

namespace zunpa::qt {

class QtOutput : public SoundOutput {
  Q_OBJECT
 public:
  explicit QtOutput(QObject* parent = nullptr);
  ~QtOutput() override;

  bool Ready() const override { return ready_; }
  std::optional<int> Start(const ui::WavSound& sound) override;
  void Stop(int id) override;

 private:
  struct Play {
    QAudioSink* sink;
    QIODevice* device;
    std::string_view left;
  };
  void TopUp();
  void EndPlay(int id, bool heard);

  QMediaDevices devices_;
  std::map<int, Play> plays_;
  QTimer topUp_;
  int nextId_ = 1;
  bool ready_ = false;
};

}  // namespace zunpa::qt

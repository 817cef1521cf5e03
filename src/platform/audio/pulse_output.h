#pragma once
// Sounds through a PulseAudio server (or PipeWire's), followed as it comes
// and goes: the connection is watched and made again while the server is
// away, and each play is a stream of its own, written whole and drained.
// Qt Multimedia 6.4 gives up for good once its server has gone, and its
// reused sinks ask for ever smaller buffers until they fall silent.

#include <QTimer>
#include <map>
#include <string_view>

#include "platform/audio/sound_output.h"

struct pa_context;
struct pa_stream;
struct pa_threaded_mainloop;

namespace zunpa::qt {

class PulseOutput : public SoundOutput {
  Q_OBJECT
 public:
  explicit PulseOutput(QObject* parent = nullptr);
  ~PulseOutput() override;

  bool Ready() const override { return ready_; }
  std::optional<int> Start(const ui::WavSound& sound) override;
  void Stop(int id) override;

 private:
  class Lock;
  static void ContextStateChanged(pa_context* context, void* self);
  static void ServerEvent(unsigned event, void* self);
  static void StreamStateChanged(pa_stream* stream, void* self);
  static void Drained(pa_stream* stream, int success, void* self);
  // On the server's thread, with the lock held: tells the window's thread.
  void Post(void (PulseOutput::*handler)(int, bool), int value, bool flag);

  void Connect();
  void OnContextState(int state, bool);
  void CountSinks();
  void OnSinksCounted(int sinks, bool);
  void OnPlayEnded(int id, bool heard);
  void DropContext();
  void SetReady(bool ready);
  void EndPlay(int id, bool heard);

  pa_threaded_mainloop* loop_ = nullptr;
  pa_context* context_ = nullptr;
  struct Play {
    int id;
    std::string_view pcm;
  };
  std::map<pa_stream*, Play> plays_;
  int nextId_ = 1;
  int sinksCounting_ = 0;
  bool connectedOnce_ = false;
  bool ready_ = false;
  QTimer retry_;
};

}  // namespace zunpa::qt

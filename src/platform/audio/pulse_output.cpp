#include "platform/audio/pulse_output.h"

#include <pulse/pulseaudio.h>

#include <QGuiApplication>

namespace zunpa::qt {
namespace {

// While the server is away, a new connection is tried this often.
constexpr int kRetryMilliseconds = 1500;
// Little is kept ahead of the device, so a play ends soon after its sound.
constexpr pa_usec_t kTargetLatency = 40 * PA_USEC_PER_MSEC;

std::optional<pa_sample_spec> SampleFormatOf(const ui::WavSound& sound) {
  pa_sample_spec format{};
  if (sound.formatTag == 1 && sound.bitsPerSample == 8)
    format.format = PA_SAMPLE_U8;
  else if (sound.formatTag == 1 && sound.bitsPerSample == 16)
    format.format = PA_SAMPLE_S16LE;
  else if (sound.formatTag == 1 && sound.bitsPerSample == 24)
    format.format = PA_SAMPLE_S24LE;
  else if (sound.formatTag == 1 && sound.bitsPerSample == 32)
    format.format = PA_SAMPLE_S32LE;
  else if (sound.formatTag == 3 && sound.bitsPerSample == 32)
    format.format = PA_SAMPLE_FLOAT32LE;
  else
    return std::nullopt;
  format.rate = sound.sampleRate;
  format.channels = static_cast<std::uint8_t>(sound.channels);
  if (sound.channels > PA_CHANNELS_MAX || !pa_sample_spec_valid(&format)) return std::nullopt;
  return format;
}

}  // namespace

// The server's thread calls back with this lock held; the window's thread
// takes it for every call into the library.
class PulseOutput::Lock {
 public:
  explicit Lock(pa_threaded_mainloop* loop) : loop_(loop) { pa_threaded_mainloop_lock(loop_); }
  ~Lock() { pa_threaded_mainloop_unlock(loop_); }
  Lock(const Lock&) = delete;
  Lock& operator=(const Lock&) = delete;

 private:
  pa_threaded_mainloop* loop_;
};

PulseOutput::PulseOutput(QObject* parent) : SoundOutput(parent) {
  retry_.setSingleShot(true);
  connect(&retry_, &QTimer::timeout, this, &PulseOutput::Connect);
  loop_ = pa_threaded_mainloop_new();
  if (!loop_) return;
  pa_threaded_mainloop_set_name(loop_, "zunpa-sound");
  if (pa_threaded_mainloop_start(loop_) < 0) {
    pa_threaded_mainloop_free(loop_);
    loop_ = nullptr;
    return;
  }
  Connect();
}

PulseOutput::~PulseOutput() {
  if (!loop_) return;
  // No callback runs once the thread has stopped.
  pa_threaded_mainloop_stop(loop_);
  for (const auto& [stream, id] : plays_)
    pa_stream_unref(stream);
  if (context_) {
    pa_context_disconnect(context_);
    pa_context_unref(context_);
  }
  pa_threaded_mainloop_free(loop_);
}

void PulseOutput::Post(void (PulseOutput::*handler)(int, bool), int value, bool flag) {
  QMetaObject::invokeMethod(
      this, [this, handler, value, flag] { (this->*handler)(value, flag); }, Qt::QueuedConnection);
}

void PulseOutput::Connect() {
  if (!loop_ || context_) return;
  Lock lock(loop_);
  pa_proplist* properties = pa_proplist_new();
  pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, "ZunpaS");
  const QByteArray id = QGuiApplication::desktopFileName().toUtf8();
  if (!id.isEmpty()) pa_proplist_sets(properties, PA_PROP_APPLICATION_ID, id.constData());
  context_ = pa_context_new_with_proplist(pa_threaded_mainloop_get_api(loop_), nullptr, properties);
  pa_proplist_free(properties);
  if (!context_) return retry_.start(kRetryMilliseconds);
  pa_context_set_state_callback(context_, &PulseOutput::ContextStateChanged, this);
  // Only the first connection may start a server, as any client's would;
  // one the user stopped stays stopped.
  const auto flags = connectedOnce_ ? PA_CONTEXT_NOAUTOSPAWN : PA_CONTEXT_NOFLAGS;
  if (pa_context_connect(context_, nullptr, flags, nullptr) < 0) {
    pa_context_unref(context_);
    context_ = nullptr;
    retry_.start(kRetryMilliseconds);
  }
}

void PulseOutput::ContextStateChanged(pa_context* context, void* self) {
  const pa_context_state_t state = pa_context_get_state(context);
  if (state == PA_CONTEXT_READY || !PA_CONTEXT_IS_GOOD(state))
    static_cast<PulseOutput*>(self)->Post(&PulseOutput::OnContextState, int(state), false);
}

void PulseOutput::OnContextState(int state, bool) {
  if (!context_) return;
  connectedOnce_ = true;
  if (state != PA_CONTEXT_READY) {
    DropContext();
    return retry_.start(kRetryMilliseconds);
  }
  {
    Lock lock(loop_);
    pa_context_set_subscribe_callback(
        context_,
        [](pa_context*, pa_subscription_event_type_t event, uint32_t, void* self) { ServerEvent(event, self); }, this);
    if (pa_operation* op = pa_context_subscribe(context_, PA_SUBSCRIPTION_MASK_SINK, nullptr, nullptr))
      pa_operation_unref(op);
  }
  CountSinks();
}

void PulseOutput::ServerEvent(unsigned event, void* self) {
  const unsigned type = event & PA_SUBSCRIPTION_EVENT_TYPE_MASK;
  if (type == PA_SUBSCRIPTION_EVENT_NEW || type == PA_SUBSCRIPTION_EVENT_REMOVE)
    static_cast<PulseOutput*>(self)->Post(&PulseOutput::OnSinksCounted, -1, false);
}

// The device list is read afresh whenever a sink comes or goes.
void PulseOutput::CountSinks() {
  if (!context_) return;
  Lock lock(loop_);
  sinksCounting_ = 0;
  pa_operation* op = pa_context_get_sink_info_list(
      context_,
      [](pa_context*, const pa_sink_info* sink, int last, void* data) {
        auto* self = static_cast<PulseOutput*>(data);
        if (sink) ++self->sinksCounting_;
        if (last) self->Post(&PulseOutput::OnSinksCounted, last < 0 ? 0 : self->sinksCounting_, true);
      },
      this);
  if (op) pa_operation_unref(op);
}

// A count of -1 asks for a new count.
void PulseOutput::OnSinksCounted(int sinks, bool counted) {
  if (!counted) return CountSinks();
  SetReady(context_ && sinks > 0);
}

void PulseOutput::DropContext() {
  {
    Lock lock(loop_);
    pa_context_set_state_callback(context_, nullptr, nullptr);
    pa_context_set_subscribe_callback(context_, nullptr, nullptr);
    pa_context_disconnect(context_);
    pa_context_unref(context_);
    context_ = nullptr;
  }
  SetReady(false);
  while (!plays_.empty())
    EndPlay(plays_.begin()->second.id, false);
}

void PulseOutput::SetReady(bool ready) {
  if (ready == ready_) return;
  ready_ = ready;
  emit ReadyChanged(ready);
}

std::optional<int> PulseOutput::Start(const ui::WavSound& sound) {
  const std::optional<pa_sample_spec> format = SampleFormatOf(sound);
  if (!ready_ || !format || sound.pcm.empty()) return std::nullopt;
  Lock lock(loop_);
  pa_stream* stream = pa_stream_new(context_, "ZunpaS", &*format, nullptr);
  if (!stream) return std::nullopt;
  const auto unset = static_cast<std::uint32_t>(-1);
  const pa_buffer_attr buffer{unset, static_cast<std::uint32_t>(pa_usec_to_bytes(kTargetLatency, &*format)), unset,
                              unset, unset};
  if (pa_stream_connect_playback(stream, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY, nullptr, nullptr) < 0) {
    pa_stream_unref(stream);
    return std::nullopt;
  }
  pa_stream_set_state_callback(stream, &PulseOutput::StreamStateChanged, this);
  const int id = nextId_++;
  plays_.emplace(stream, Play{id, sound.pcm});
  return id;
}

// Both run with the lock held, so the list of plays is safe to read; a
// stream's callbacks end with its disconnection. Once the stream is up the
// whole sound goes to the server (copied) and the drain says when the
// device has played it.
void PulseOutput::StreamStateChanged(pa_stream* stream, void* data) {
  auto* self = static_cast<PulseOutput*>(data);
  const auto play = self->plays_.find(stream);
  if (play == self->plays_.end()) return;
  const pa_stream_state_t state = pa_stream_get_state(stream);
  if (state == PA_STREAM_READY) {
    const std::string_view pcm = play->second.pcm;
    if (pa_stream_write(stream, pcm.data(), pcm.size(), nullptr, 0, PA_SEEK_RELATIVE) == 0) {
      if (pa_operation* op = pa_stream_drain(stream, &PulseOutput::Drained, self)) return pa_operation_unref(op);
    }
    self->Post(&PulseOutput::OnPlayEnded, play->second.id, false);
  } else if (!PA_STREAM_IS_GOOD(state)) {
    self->Post(&PulseOutput::OnPlayEnded, play->second.id, false);
  }
}

void PulseOutput::Drained(pa_stream* stream, int success, void* data) {
  auto* self = static_cast<PulseOutput*>(data);
  if (const auto play = self->plays_.find(stream); play != self->plays_.end())
    self->Post(&PulseOutput::OnPlayEnded, play->second.id, success != 0);
}

void PulseOutput::OnPlayEnded(int id, bool heard) {
  EndPlay(id, heard);
}

void PulseOutput::Stop(int id) {
  for (const auto& [stream, play] : plays_)
    if (play.id == id) return EndPlay(id, false);
}

void PulseOutput::EndPlay(int id, bool heard) {
  pa_stream* stream = nullptr;
  {
    Lock lock(loop_);
    for (auto it = plays_.begin(); it != plays_.end(); ++it)
      if (it->second.id == id) {
        stream = it->first;
        plays_.erase(it);
        break;
      }
    if (!stream) return;
    pa_stream_set_state_callback(stream, nullptr, nullptr);
    if (PA_STREAM_IS_GOOD(pa_stream_get_state(stream))) pa_stream_disconnect(stream);
    pa_stream_unref(stream);
  }
  emit Finished(id, heard);
}

}  // namespace zunpa::qt

#include "platform/audio/qt_output.h"

#include <QAudioDevice>
#include <QAudioSink>

namespace zunpa::qt {
namespace {

std::optional<QAudioFormat> FormatOf(const ui::WavSound& sound) {
  QAudioFormat format;
  if (sound.formatTag == 1 && sound.bitsPerSample == 8)
    format.setSampleFormat(QAudioFormat::UInt8);
  else if (sound.formatTag == 1 && sound.bitsPerSample == 16)
    format.setSampleFormat(QAudioFormat::Int16);
  else if (sound.formatTag == 1 && sound.bitsPerSample == 32)
    format.setSampleFormat(QAudioFormat::Int32);
  else if (sound.formatTag == 3 && sound.bitsPerSample == 32)
    format.setSampleFormat(QAudioFormat::Float);
  else
    return std::nullopt;
  format.setSampleRate(int(sound.sampleRate));
  format.setChannelCount(sound.channels);
  return format;
}

}  // namespace

QtOutput::QtOutput(QObject* parent) : SoundOutput(parent), ready_(!QMediaDevices::audioOutputs().isEmpty()) {
  connect(&devices_, &QMediaDevices::audioOutputsChanged, this, [this] {
    const bool ready = !QMediaDevices::audioOutputs().isEmpty();
    if (ready == ready_) return;
    ready_ = ready;
    emit ReadyChanged(ready);
  });
  connect(&topUp_, &QTimer::timeout, this, &QtOutput::TopUp);
}

QtOutput::~QtOutput() {
  while (!plays_.empty())
    EndPlay(plays_.begin()->first, false);
}

std::optional<int> QtOutput::Start(const ui::WavSound& sound) {
  const std::optional<QAudioFormat> format = FormatOf(sound);
  if (!ready_ || !format || sound.pcm.empty()) return std::nullopt;
  auto* sink = new QAudioSink(QMediaDevices::defaultAudioOutput(), *format, this);
  QIODevice* device = sink->start();
  if (!device) {
    delete sink;
    return std::nullopt;
  }
  const int id = nextId_++;
  plays_.emplace(id, Play{sink, device, sound.pcm});
  connect(sink, &QAudioSink::stateChanged, this, [this, id, sink](QAudio::State state) {
    const auto play = plays_.find(id);
    if (play == plays_.end()) return;
    if (sink->error() != QAudio::NoError)
      EndPlay(id, false);
    else if (state == QAudio::IdleState && play->second.left.empty())
      EndPlay(id, true);
  });
  TopUp();
  topUp_.start(10);
  return id;
}

void QtOutput::TopUp() {
  for (auto& [id, play] : plays_) {
    const qint64 room = std::min<qint64>(play.sink->bytesFree(), qint64(play.left.size()));
    const qint64 written = room > 0 ? play.device->write(play.left.data(), room) : 0;
    if (written > 0) play.left.remove_prefix(std::size_t(written));
  }
  if (plays_.empty()) topUp_.stop();
}

void QtOutput::Stop(int id) {
  if (plays_.count(id)) EndPlay(id, false);
}

void QtOutput::EndPlay(int id, bool heard) {
  const auto play = plays_.find(id);
  if (play == plays_.end()) return;
  QAudioSink* sink = play->second.sink;
  plays_.erase(play);
  sink->disconnect(this);
  sink->stop();
  sink->deleteLater();
  emit Finished(id, heard);
}

}  // namespace zunpa::qt

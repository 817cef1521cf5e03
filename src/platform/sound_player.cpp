#include "platform/sound_player.h"

#include <QAudioDevice>
#include <QEventLoop>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <cmath>

#include "ui_logic/wav_duration.h"

namespace zunpa::qt {
namespace {

// The output may start late and end late; a file is given this much more
// than its own length before the wait gives up on it.
constexpr double kGraceSeconds = 0.75;
// A header may claim hours; no wait runs longer than this.
constexpr double kLongestWaitSeconds = 600;

std::optional<double> ReadWavSeconds(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray bytes = file.readAll();
  return ui::WavDurationSeconds(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent), hasOutput_(!QMediaDevices::audioOutputs().isEmpty()) {}

SoundPlayer::~SoundPlayer() = default;

bool SoundPlayer::HasOutput() const {
  return hasOutput_;
}

void SoundPlayer::Preload(const QString& folder, const QStringList& names) {
  if (!hasOutput_) return;
  for (const QString& name : names)
    EffectFor(folder + '/' + name);
}

QSoundEffect* SoundPlayer::EffectFor(const QString& path) {
  QSoundEffect*& effect = effects_[path];
  if (!effect) {
    effect = new QSoundEffect(this);
    effect->setSource(QUrl::fromLocalFile(path));
  }
  return effect;
}

std::optional<double> SoundPlayer::SecondsOf(const QString& path) {
  if (const auto known = seconds_.find(path); known != seconds_.end()) return known->second;
  const std::optional<double> seconds = ReadWavSeconds(path);
  // Only a length is kept: a file put right later is read again.
  if (seconds) seconds_.emplace(path, *seconds);
  return seconds;
}

void SoundPlayer::PlayAndWait(const QString& path) {
  if (!hasOutput_) return;
  const std::optional<double> seconds = SecondsOf(path);
  if (!seconds) return;
  QSoundEffect* effect = EffectFor(path);
  effect->play();
  // play() refuses a source that failed to load.
  if (!effect->isPlaying()) return;

  QEventLoop loop;
  const auto endWhenDone = [&] {
    if (!effect->isPlaying() || effect->status() == QSoundEffect::Error) loop.quit();
  };
  connect(effect, &QSoundEffect::playingChanged, &loop, endWhenDone);
  connect(effect, &QSoundEffect::statusChanged, &loop, endWhenDone);
  QTimer limit;
  limit.setSingleShot(true);
  connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
  limit.start(static_cast<int>(std::ceil(std::min(*seconds + kGraceSeconds, kLongestWaitSeconds) * 1000)));
  loop.exec(QEventLoop::ExcludeUserInputEvents);
  // A device that never reports the end would otherwise "play" on.
  if (effect->isPlaying()) effect->stop();
}

}  // namespace zunpa::qt

#include "platform/sound_player.h"

#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <algorithm>
#include <cmath>

#ifdef ZUNPA_HAVE_PULSE
#include "platform/audio/pulse_output.h"
#else
#include "platform/audio/qt_output.h"
#endif

namespace zunpa::qt {
namespace {

// The device starts a little late and the drain reports a little late; a
// play is given this much more than its own length. By then the server has
// taken the whole sound into the device, whatever its latency, so ending
// the stream cuts nothing a device would play.
constexpr double kMarginSeconds = 0.1;
// A header may claim hours; no wait runs longer than this.
constexpr double kLongestWaitSeconds = 600;
// Sound files are small; a bigger one is no sound of the game's.
constexpr qint64 kLargestFile = 16 << 20;

std::unique_ptr<SoundOutput> PlatformOutput() {
#ifdef ZUNPA_HAVE_PULSE
  return std::make_unique<PulseOutput>();
#else
  return std::make_unique<QtOutput>();
#endif
}

}  // namespace

SoundPlayer::SoundPlayer(QObject* parent) : SoundPlayer(PlatformOutput(), parent) {}

SoundPlayer::SoundPlayer(std::unique_ptr<SoundOutput> output, QObject* parent)
    : QObject(parent), output_(std::move(output)) {
  connect(output_.get(), &SoundOutput::ReadyChanged, this, &SoundPlayer::OutputChanged);
}

SoundPlayer::~SoundPlayer() = default;

bool SoundPlayer::HasOutput() const {
  return output_->Ready();
}

// Only a sound read whole is kept: a file put right later is read again.
const SoundPlayer::Loaded* SoundPlayer::Load(const QString& path) {
  if (const auto known = sounds_.find(path); known != sounds_.end()) return &known->second;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestFile) return nullptr;
  Loaded loaded{file.readAll(), {}};
  const std::optional<ui::WavSound> sound =
      ui::ReadWav(std::string_view(loaded.bytes.constData(), std::size_t(loaded.bytes.size())));
  if (!sound) return nullptr;
  loaded.sound = *sound;
  // The PCM points into the bytes, which a QByteArray keeps in place when
  // it is moved into the map.
  return &sounds_.emplace(path, std::move(loaded)).first->second;
}

bool SoundPlayer::PlayAndWait(const QString& path) {
  if (!output_->Ready()) return false;
  const Loaded* loaded = Load(path);
  if (!loaded) return false;
  const std::optional<int> play = output_->Start(loaded->sound);
  if (!play) return false;

  bool failed = false;
  QEventLoop loop;
  connect(output_.get(), &SoundOutput::Finished, &loop, [&](int id, bool heard) {
    if (id != *play) return;
    failed = !heard;
    loop.quit();
  });
  // A server that goes away mid-play ends the wait at once.
  connect(output_.get(), &SoundOutput::ReadyChanged, &loop, [&](bool ready) {
    failed = !ready;
    if (failed) loop.quit();
  });
  QTimer limit;
  limit.setSingleShot(true);
  limit.setTimerType(Qt::PreciseTimer);  // a coarse one may run 5 % over
  connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
  const double seconds = std::min(loaded->sound.Seconds() + kMarginSeconds, kLongestWaitSeconds);
  limit.start(int(std::ceil(seconds * 1000)));
  loop.exec(QEventLoop::ExcludeUserInputEvents);
  // A server that reports the end late (one far ahead of its device, a
  // null sink nobody hears) keeps no stream past its sound: back to back,
  // they would pile up behind the game.
  const bool heard = !failed;
  output_->Stop(*play);
  return heard;
}

}  // namespace zunpa::qt

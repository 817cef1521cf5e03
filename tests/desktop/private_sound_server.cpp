#include "desktop/private_sound_server.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>
#include <cstdlib>

namespace zunpa::testing {
namespace {

constexpr int kSampleRate = 22050;
// A sample this loud is sound, not the null sink's silence.
constexpr int kLoud = 1000;

}  // namespace

PrivateSoundServer::PrivateSoundServer() {
  QFile::setPermissions(runtime_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  QFile config(runtime_.filePath("server.pa"));
  if (config.open(QIODevice::WriteOnly)) {
    config.write(
        "load-module module-native-protocol-unix\n"
        "load-module module-null-sink sink_name=null\n"
        "set-default-sink null\n");
  }
  // This process and its children talk to this server alone, and never
  // start one of their own.
  qputenv("PULSE_SERVER", "unix:" + runtime_.filePath("pulse/native").toUtf8());
  server_.setProcessEnvironment(Environment());
  server_.setProcessChannelMode(QProcess::MergedChannels);
  recorder_.setProcessEnvironment(Environment());
  watcher_.setProcessEnvironment(Environment());
}

PrivateSoundServer::~PrivateSoundServer() {
  for (QProcess* helper : {&recorder_, &watcher_}) {
    helper->kill();
    helper->waitForFinished(5000);
  }
  Kill();
}

QProcessEnvironment PrivateSoundServer::Environment() const {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("XDG_RUNTIME_DIR", runtime_.path());
  env.insert("HOME", runtime_.path());
  env.insert("PULSE_SERVER", "unix:" + runtime_.filePath("pulse/native"));
  return env;
}

bool PrivateSoundServer::Start() {
  server_.start("pulseaudio", {"-n", "-F", runtime_.filePath("server.pa"), "--exit-idle-time=-1", "--daemonize=no",
                               "--disallow-exit", "--log-target=stderr"});
  if (!server_.waitForStarted(5000)) return false;
  bool answers = false;
  for (QDeadlineTimer deadline(10000); !answers && !deadline.hasExpired(); QThread::msleep(50))
    answers = Pactl({"info"});
  return answers && Listen();
}

bool PrivateSoundServer::Listen() {
  recorder_.kill();
  recorder_.waitForFinished(5000);
  recorder_.start("parec", {"-d", "null.monitor", "--latency-msec=20", "--raw", "--format=s16le",
                            "--rate=" + QString::number(kSampleRate), "--channels=1"});
  // Listening once the first samples come.
  return recorder_.waitForStarted(5000) && recorder_.waitForReadyRead(5000);
}

void PrivateSoundServer::StopListening() {
  recorder_.kill();
  recorder_.waitForFinished(5000);
}

bool PrivateSoundServer::Pactl(const QStringList& arguments) {
  QProcess pactl;
  pactl.setProcessEnvironment(Environment());
  pactl.start("pactl", arguments);
  return pactl.waitForFinished(5000) && pactl.exitCode() == 0;
}

void PrivateSoundServer::Kill() {
  server_.kill();
  server_.waitForFinished(5000);
  recorder_.kill();
  recorder_.waitForFinished(5000);
}

QByteArray PrivateSoundServer::TakeRecording() {
  // The monitor runs a little behind what was played.
  QThread::msleep(200);
  recorder_.waitForReadyRead(200);
  return recorder_.readAllStandardOutput();
}

bool PrivateSoundServer::WatchPlays() {
  watcher_.kill();
  watcher_.waitForFinished(5000);
  plays_ = ended_ = 0;
  watcher_.start("pactl", {"subscribe"});
  if (!watcher_.waitForStarted(5000)) return false;
  // Watching once it has seen a change of the server's own making: a play
  // started before then would go uncounted.
  for (QDeadlineTimer deadline(5000); !deadline.hasExpired();) {
    Pactl({"set-sink-mute", "null", "0"});
    if (watcher_.waitForReadyRead(200)) {
      watcher_.readAll();
      return true;
    }
  }
  return false;
}

void PrivateSoundServer::ReadEvents() {
  while (watcher_.canReadLine()) {
    const QByteArray line = watcher_.readLine();
    if (line.contains("'new' on sink-input")) ++plays_;
    if (line.contains("'remove' on sink-input")) ++ended_;
  }
}

int PrivateSoundServer::PlaysStarted() {
  ReadEvents();
  return plays_;
}

int PrivateSoundServer::PlaysEnded() {
  ReadEvents();
  return ended_;
}

int PrivateSoundServer::CountSounds(const QByteArray& samples, int gapMs) {
  const auto* pcm = reinterpret_cast<const qint16*>(samples.constData());
  const qsizetype count = samples.size() / 2;
  const qsizetype gap = qsizetype(kSampleRate) * gapMs / 1000;
  int sounds = 0;
  qsizetype lastLoud = -gap - 1;
  for (qsizetype i = 0; i < count; ++i) {
    if (std::abs(int(pcm[i])) < kLoud) continue;
    if (i - lastLoud > gap) ++sounds;
    lastLoud = i;
  }
  return sounds;
}

}  // namespace zunpa::testing

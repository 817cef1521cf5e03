#pragma once
// A PulseAudio server of the test's own, with one null sink, in a runtime
// folder of its own; this process is pointed at it. What is played is
// recorded from the sink's monitor.

#include <QProcess>
#include <QTemporaryDir>

namespace zunpa::testing {

class PrivateSoundServer {
 public:
  PrivateSoundServer();
  ~PrivateSoundServer();
  // Starts the server and waits (bounded) until it answers, then listens
  // to its monitor. The null sink keeps the latency its monitor asks for
  // (2 s unheard), so listening closely makes it play like a device.
  bool Start();
  // (Again) listens to the null sink's monitor.
  bool Listen();
  // Nobody listens: the null sink then runs far ahead and reports each
  // stream's end up to 2 s late.
  void StopListening();
  // Kills it at once, as a crash would.
  void Kill();
  // Runs pactl against it; true when it succeeded.
  bool Pactl(const QStringList& arguments);

  // What was heard since the last call, as 22050 Hz mono 16-bit samples.
  QByteArray TakeRecording();
  // Counts the plays the server sees begin, and end, from now on (each
  // play is a stream of its own).
  bool WatchPlays();
  int PlaysStarted();
  int PlaysEnded();
  // Non-silent stretches in a recording, at least `gapMs` of quiet apart.
  static int CountSounds(const QByteArray& samples, int gapMs);

 private:
  QProcessEnvironment Environment() const;
  void ReadEvents();
  QTemporaryDir runtime_;
  QProcess server_;
  QProcess recorder_;
  QProcess watcher_;
  int plays_ = 0;
  int ended_ = 0;
};

}  // namespace zunpa::testing

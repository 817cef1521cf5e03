// Writes the game's sounds into the program folder: five synthesised
// effects, and the call-outs spoken by espeak-ng in three voices when it is
// installed (without it the game shows its call-outs in balloons).
// Usage: zunpa-sounds FOLDER

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <cstdio>

#include "effects.h"

namespace {

using namespace zunpa::sound;

struct Line {
  const char* stem;
  const char* text;  // what the balloon says, in kana
};

constexpr Line kLines[] = {
    {"ni", "ツー！"},        {"nai", "ツーなし！"}, {"rev", "リバース！"},       {"skip", "スキップ！"},
    {"spade", "スペード！"}, {"heart", "ハート！"}, {"club", "クローバー！"},    {"dia", "ダイヤ！"},
    {"agari", "あがり！"},   {"zunpa", "ズンパ！"}, {"kaesi", "ズンパがえし！"}, {"ah", "あっ！"},
};

struct Voice {
  const char* suffix;
  QStringList espeak;
};

const Voice kVoices[] = {
    {"_f", {"-v", "ja+f2", "-p", "80", "-s", "165"}},
    {"_m", {"-v", "ja+m3", "-p", "22", "-s", "145"}},
    {"_n", {"-v", "ja+klatt", "-p", "55", "-s", "160"}},
};

bool Write(const QString& path, const Sound& sound) {
  QFile file(path);
  const std::string bytes = WavBytes(sound);
  return file.open(QIODevice::WriteOnly) &&
         file.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size());
}

std::optional<Sound> Speak(const QString& espeak, QStringList args, const char* text) {
  QProcess process;
  args << "--stdout" << QString::fromUtf8(text);
  process.start(espeak, args);
  if (!process.waitForFinished(30000) || process.exitCode() != 0) return std::nullopt;
  const auto sound = ParseWav(process.readAllStandardOutput().toStdString());
  if (!sound || sound->samples.empty()) return std::nullopt;
  return Normalised(Trimmed(*sound));
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (app.arguments().size() != 2) {
    std::fprintf(stderr, "usage: zunpa-sounds FOLDER\n");
    return 2;
  }
  const QString folder = app.arguments()[1];
  bool ok = Write(folder + "/card.wav", CardSnap()) && Write(folder + "/agari.wav", Cheer()) &&
            Write(folder + "/agari2.wav", Fanfare()) && Write(folder + "/hizunpa.wav", Hit()) &&
            Write(folder + "/hizunpa2.wav", HeavyHit());
  const QString espeak = QStandardPaths::findExecutable("espeak-ng");
  if (espeak.isEmpty()) {
    std::fprintf(stderr, "zunpa-sounds: espeak-ng is not installed; the game will show call-outs as balloons\n");
    return ok ? 0 : 1;
  }
  for (const Voice& voice : kVoices) {
    for (const Line& line : kLines) {
      const auto spoken = Speak(espeak, voice.espeak, line.text);
      ok = spoken && Write(folder + "/" + line.stem + voice.suffix + ".wav", *spoken) && ok;
    }
  }
  // A second take of the female call, kept beside the first.
  const auto take = Speak(espeak, {"-v", "ja+f4", "-p", "90", "-s", "175"}, "ズンパ！");
  ok = take && Write(folder + "/zunpa_f_bk.wav", *take) && ok;
  return ok ? 0 : 1;
}

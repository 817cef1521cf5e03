// The program folder after a build: every picture, sound and the manual the
// game loads, under its exact name, in a form the game can use; and the
// generators make the same files every time.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <set>

#include "files/cp932_text.h"
#include "files/start_up.h"
#include "wav.h"

namespace zunpa {
namespace {

const QString kFolder = QStringLiteral(ZUNPA_PROGRAM_DIR);

std::vector<std::string> CardPictureNames() {
  std::vector<std::string> names;
  for (const char* letter : {"s", "h", "c", "d"})
    for (int rank = 1; rank <= 13; ++rank)
      names.push_back(letter + std::to_string(rank) + ".bmp");
  for (const char* name : {"ura.bmp", "Stemp.bmp", "Htemp.bmp", "Ctemp.bmp", "Dtemp.bmp"})
    names.push_back(name);
  return names;
}

QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(ProgramFolder, HoldsEveryFileTheGameLoadsUnderItsExactName) {
  std::vector<std::string> names = CardPictureNames();
  EXPECT_EQ(names.size(), 57u);
  for (const char* name : {"ArrowUp.ICO", "ArrowDn.ICO", "Zunpas.hlp", "zunpas.ico", "zunpas.png"})
    names.push_back(name);
  for (std::string_view sound : kSoundFiles) {
    const bool voice = sound.find('_') != std::string_view::npos;
    if (!voice || ZUNPA_HAVE_VOICES) names.emplace_back(sound);
  }
  for (const std::string& name : names)
    EXPECT_TRUE(FileExistsExactly(kFolder.toStdString(), name)) << name << " is missing from the program folder";
}

TEST(ProgramFolder, PicturesLoadAtTheirSizes) {
  for (const std::string& name : CardPictureNames()) {
    QImage image(kFolder + "/" + QString::fromStdString(name), "BMP");
    ASSERT_FALSE(image.isNull()) << name;
    // Three times a card of 46 x 64 pixels.
    EXPECT_EQ(image.size(), QSize(138, 192)) << name;
  }
  for (const char* name : {"ArrowUp.ICO", "ArrowDn.ICO"}) {
    QImage arrow(kFolder + "/" + name, "ICO");
    ASSERT_FALSE(arrow.isNull()) << name;
    EXPECT_GE(arrow.width(), 82);  // at least twice the 41-pixel arrow
  }
  EXPECT_EQ(QImage(kFolder + "/zunpas.ico", "ICO").size(), QSize(256, 256));
  for (int size : {16, 32, 48, 64, 128, 256}) {
    const QImage icon(QString("%1/zunpas-%2.png").arg(kFolder).arg(size), "PNG");
    EXPECT_EQ(icon.size(), QSize(size, size)) << "the desktop icon of " << size << " px";
    EXPECT_TRUE(icon.hasAlphaChannel()) << size;
  }
}

TEST(ProgramFolder, FacesDiffer) {
  std::set<QByteArray> seen;
  for (const std::string& name : CardPictureNames())
    seen.insert(Bytes(kFolder + "/" + QString::fromStdString(name)));
  EXPECT_EQ(seen.size(), 57u);
}

TEST(ProgramFolder, SoundsAreShortLoudSixteenBitMono) {
  for (std::string_view name : kSoundFiles) {
    const QByteArray bytes =
        Bytes(kFolder + "/" + QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    if (bytes.isEmpty() && !ZUNPA_HAVE_VOICES) continue;
    const auto sound = sound::ParseWav(bytes.toStdString());
    ASSERT_TRUE(sound) << name;
    EXPECT_EQ(sound->sampleRate, 22050) << name;
    EXPECT_GT(sound->Seconds(), 0.05) << name;
    EXPECT_LT(sound->Seconds(), 2.5) << name;
    int peak = 0;
    for (std::int16_t s : sound->samples)
      peak = std::max(peak, std::abs(static_cast<int>(s)));
    EXPECT_GT(peak, 20000) << name << " is not normalised";
    EXPECT_EQ(bytes.mid(20, 2), QByteArray("\x01\x00", 2)) << name << " is not PCM";
    EXPECT_EQ(bytes.mid(34, 2), QByteArray("\x10\x00", 2)) << name << " is not 16-bit";
  }
}

TEST(Generators, DrawTheSameBytesTwice) {
  QTemporaryDir first, second;
  for (const QTemporaryDir* dir : {&first, &second})
    ASSERT_EQ(QProcess::execute(QStringLiteral(ZUNPA_IMAGES_TOOL), {dir->path()}), 0);
  const QStringList files = QDir(first.path()).entryList(QDir::Files);
  EXPECT_EQ(files.size(), 67);  // 57 card pictures, 2 arrows, the icon as .ico, .png and at 6 sizes
  for (const QString& f : files)
    EXPECT_EQ(Bytes(first.path() + "/" + f), Bytes(second.path() + "/" + f)) << f.toStdString();
}

TEST(Generators, SynthesiseTheSameEffectsTwice) {
  QTemporaryDir first, second;
  for (const QTemporaryDir* dir : {&first, &second})
    ASSERT_EQ(QProcess::execute(QStringLiteral(ZUNPA_SOUNDS_TOOL), {dir->path()}), 0);
  for (const char* f : {"card.wav", "agari.wav", "agari2.wav", "hizunpa.wav", "hizunpa2.wav"}) {
    EXPECT_FALSE(Bytes(first.path() + "/" + f).isEmpty()) << f;
    EXPECT_EQ(Bytes(first.path() + "/" + f), Bytes(second.path() + "/" + f)) << f;
  }
}

TEST(Wav, TrimsSilenceAndNormalises) {
  sound::Sound s;
  s.samples = std::vector<std::int16_t>(1000, 0);
  s.samples.insert(s.samples.end(), {1000, -2000, 1500});
  s.samples.resize(3000, 0);
  const sound::Sound trimmed = sound::Trimmed(s, 0);
  EXPECT_EQ(trimmed.samples.size(), 3u);
  const sound::Sound loud = sound::Normalised(trimmed, 0.5);
  EXPECT_EQ(loud.samples[1], -16384);
  const auto back = sound::ParseWav(sound::WavBytes(loud));
  ASSERT_TRUE(back);
  EXPECT_EQ(back->samples, loud.samples);
  EXPECT_FALSE(sound::ParseWav("RIFF....WAVEjunk"));
}

}  // namespace
}  // namespace zunpa

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

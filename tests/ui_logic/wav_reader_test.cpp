// A WAV file's format, PCM and length from its bytes, odd headers included.

#include "ui_logic/wav_reader.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace zunpa::ui {
namespace {

std::string Le32(std::uint32_t v) {
  std::string s;
  for (int i = 0; i < 4; ++i)
    s += static_cast<char>((v >> (8 * i)) & 0xFF);
  return s;
}

std::string Le16(std::uint16_t v) {
  return Le32(v).substr(0, 2);
}

std::string Chunk(std::string_view id, const std::string& body, std::uint32_t declared) {
  std::string c = std::string(id) + Le32(declared) + body;
  return body.size() % 2 ? c + '\0' : c;
}

std::string Chunk(std::string_view id, const std::string& body) {
  return Chunk(id, body, static_cast<std::uint32_t>(body.size()));
}

// PCM, mono, 16 bits at `rate` samples a second.
std::string Fmt(std::uint32_t rate, std::uint32_t byteRate) {
  return Chunk("fmt ", Le16(1) + Le16(1) + Le32(rate) + Le32(byteRate) + Le16(2) + Le16(16));
}

std::string Riff(const std::string& chunks) {
  return "RIFF" + Le32(static_cast<std::uint32_t>(4 + chunks.size())) + "WAVE" + chunks;
}

TEST(WavDuration, PlainFile) {
  const auto seconds = WavDurationSeconds(Riff(Fmt(8000, 16000) + Chunk("data", std::string(8000, 'x'))));
  ASSERT_TRUE(seconds);
  EXPECT_DOUBLE_EQ(*seconds, 0.5);
}

TEST(WavReader, FormatAndWholeFramesOfPcm) {
  // Stereo 16-bit: a frame is 4 bytes, and the 2 bytes of a cut frame go.
  const std::string fmt = Chunk("fmt ", Le16(1) + Le16(2) + Le32(22050) + Le32(88200) + Le16(4) + Le16(16));
  const auto sound = ReadWav(Riff(fmt + Chunk("data", "abcdefghij")));
  ASSERT_TRUE(sound);
  EXPECT_EQ(sound->formatTag, 1);
  EXPECT_EQ(sound->channels, 2);
  EXPECT_EQ(sound->sampleRate, 22050u);
  EXPECT_EQ(sound->bitsPerSample, 16);
  EXPECT_EQ(sound->pcm, "abcdefgh");
}

TEST(WavDuration, ExtraChunksWithOddSizesAndPadBytesAreSkipped) {
  const std::string chunks = Chunk("LIST", std::string(7, 'i')) + Fmt(8000, 16000) + Chunk("fact", "abc") +
                             Chunk("data", std::string(4000, 'x'));
  EXPECT_DOUBLE_EQ(*WavDurationSeconds(Riff(chunks)), 0.25);
}

TEST(WavDuration, DataBeforeFmtCounts) {
  const std::string chunks = Chunk("data", std::string(16000, 'x')) + Fmt(8000, 16000);
  EXPECT_DOUBLE_EQ(*WavDurationSeconds(Riff(chunks)), 1.0);
}

TEST(WavDuration, TruncatedDataCountsWhatIsThere) {
  const std::string file = Riff(Fmt(8000, 16000) + Chunk("data", std::string(1600, 'x'), 160000));
  EXPECT_DOUBLE_EQ(*WavDurationSeconds(file), 0.1);
}

TEST(WavDuration, WrongRiffSizeIsNotTrusted) {
  std::string file = Riff(Fmt(8000, 16000) + Chunk("data", std::string(3200, 'x')));
  file.replace(4, 4, Le32(12));
  EXPECT_DOUBLE_EQ(*WavDurationSeconds(file), 0.2);
}

TEST(WavDuration, ZeroByteRateGivesNoDuration) {
  EXPECT_FALSE(WavDurationSeconds(Riff(Fmt(8000, 0) + Chunk("data", std::string(100, 'x')))));
}

TEST(WavDuration, MissingChunksGiveNoDuration) {
  EXPECT_FALSE(WavDurationSeconds(Riff(Fmt(8000, 16000))));
  EXPECT_FALSE(WavDurationSeconds(Riff(Chunk("data", std::string(100, 'x')))));
  EXPECT_FALSE(WavDurationSeconds(Riff("")));
}

TEST(WavDuration, ShortFmtChunkGivesNoDuration) {
  const std::string chunks = Chunk("fmt ", Le16(1) + Le16(1) + Le32(8000)) + Chunk("data", std::string(100, 'x'));
  EXPECT_FALSE(WavDurationSeconds(Riff(chunks)));
}

TEST(WavDuration, NotAWaveFile) {
  EXPECT_FALSE(WavDurationSeconds(""));
  EXPECT_FALSE(WavDurationSeconds("RIFF"));
  std::string avi = Riff(Fmt(8000, 16000) + Chunk("data", "xx"));
  avi.replace(8, 4, "AVI ");
  EXPECT_FALSE(WavDurationSeconds(avi));
}

TEST(WavDuration, HeaderCutInsideAChunkHeaderStopsTheWalk) {
  const std::string file = Riff(Fmt(8000, 16000)) + "da";
  EXPECT_FALSE(WavDurationSeconds(file));
}

TEST(WavDuration, HugeDeclaredSizeDoesNotWrapPastTheEnd) {
  const std::string file = Riff(Fmt(8000, 16000) + Chunk("junk", "", 0xFFFFFFFF) + Chunk("data", std::string(16, 'x')));
  EXPECT_FALSE(WavDurationSeconds(file));  // the data chunk lies inside the junk
}

TEST(WavDuration, EmptyDataIsZeroSeconds) {
  EXPECT_DOUBLE_EQ(*WavDurationSeconds(Riff(Fmt(8000, 16000) + Chunk("data", ""))), 0.0);
}

}  // namespace
}  // namespace zunpa::ui

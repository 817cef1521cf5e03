#pragma once
// How long a WAV file plays, read from its bytes: the window paces the
// voices by it without asking the sound system.

#include <optional>
#include <string_view>

namespace zunpa::ui {

// The seconds of the first data chunk at the fmt chunk's byte rate. Chunks
// may come in any order and odd-sized ones carry a pad byte; a data chunk
// cut short counts what is there. Nothing when it is no RIFF/WAVE file,
// a chunk is missing or the byte rate is zero.
std::optional<double> WavDurationSeconds(std::string_view bytes);

}  // namespace zunpa::ui

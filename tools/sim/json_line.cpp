#include "json_line.h"

namespace zunpa::sim {

void JsonLine::PutPastTheBuffer(std::string_view text) {
  Flush();
  if (text.size() > kBuffer)
    out_ += text;
  else
    Put(text);
}

void JsonLine::Flush() {
  out_.append(buffer_, static_cast<std::size_t>(end_ - buffer_));
  end_ = buffer_;
}

}  // namespace zunpa::sim

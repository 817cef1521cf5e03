#include "rules/records.h"

#include <limits>

namespace zunpa {

void Records::Add(int slot, RecordCounter counter, std::int64_t amount) {
  if (slot < 0 || slot >= kRecordSlots) return;
  std::int64_t v = std::int64_t{table[slot][counter]} + amount;
  if (v > std::numeric_limits<std::int32_t>::max()) v = std::numeric_limits<std::int32_t>::max();
  if (v < std::numeric_limits<std::int32_t>::min()) v = std::numeric_limits<std::int32_t>::min();
  table[slot][counter] = static_cast<std::int32_t>(v);
}

}  // namespace zunpa

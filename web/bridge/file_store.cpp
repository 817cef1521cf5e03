// The data files kept for good in the page's IndexedDB: a write counts as
// done only once the browser has stored its bytes.

#include <emscripten.h>

#include "files/safe_file.h"
#include "page.h"

namespace zunpa::web {
namespace {

// JavaScript, which clang-format would take apart.
// clang-format off
EM_ASYNC_JS(int, zp_store_file, (const char* path, const char* data, int size), {
  const bytes = HEAPU8.slice(data, data + size);
  return (await Module.zunpaFiles.store(UTF8ToString(path), bytes)) ? 1 : 0;
});
// clang-format on

bool StoreInPage(const std::string& path, const std::string& bytes) {
  return zp_store_file(path.c_str(), bytes.data(), int(bytes.size())) != 0;
}

struct Registration {
  Registration() { SetDurableStore(StoreInPage); }
} registration;

}  // namespace
}  // namespace zunpa::web

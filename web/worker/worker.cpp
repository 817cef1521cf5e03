// The worker's one entry: called by its script for each message the page
// posts; it runs to the end, so the page cuts a long one by ending the
// worker.

#include <emscripten.h>

#include <string>

#include "yomi_requests.h"

extern "C" {

// The text handed back stays valid until the next call.
EMSCRIPTEN_KEEPALIVE const char* zy_run(const char* request) {
  static std::string reply;
  reply = zunpa::web::RunYomiRequest(request ? request : "");
  return reply.c_str();
}
}

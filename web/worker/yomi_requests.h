#pragma once
// 読み's worker: a request of the page in, JSON text out. The page's own
// instance hands over the table as bytes, with the seed and the question;
// nothing here waits or keeps anything between requests.
//
//   {op: "hint", input, seed}            → {best, tags: [{stop, text, best}], words}
//   {op: "advice", question, input, seed} → {line}
//   {op: "lookBack", decisions}          → {status, rows: [{round, situation, chosen, preferred, difference}]}
//
// A stop is a card's code or "draw"; input is the serialised table as an
// array of byte values. Bad input gets {error}.

#include <string>
#include <string_view>

namespace zunpa::web {

std::string RunYomiRequest(std::string_view request);

}  // namespace zunpa::web

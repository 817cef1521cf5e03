#pragma once
// What 読み's worker needs from the page's game: the table as the user's
// seat sees it, the seed the window would use, and the decisions of the
// game so far for ふりかえり.

#include "page.h"

namespace zunpa::web {

// {asked, suit} of a message, {suitChoice: true}, or nothing for the
// user's move: {question, input, seed}, the question null when the
// message is none of 読み's questions.
Json YomiAsk(const Page& page, const Json& request);
// {decisions: [{input, question, chosen: {kind, code, suit}}]}, oldest first.
Json YomiDecisions(const Page& page);

}  // namespace zunpa::web

#pragma once
// A stored hand told in lines of text for the review's detail area: where and
// when it was played, the players and their stacks, the cards that were seen,
// the actions street by street, the board, and each player's result.

#include <string>

#include "history/model/HandHistory.h"

namespace window::review {

// Lines separated by "\n".
std::string handDetailText(const history::HandHistory& hand);

} // namespace window::review

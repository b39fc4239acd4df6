#pragma once
// A range written back in the notation players read: "QQ+, AKs, AQo+".

#include <string>

#include "engine/cards/Range.h"

namespace engine::cards {

// The shortest natural form: pairs first, then the other hands from the
// ace down. A run of kickers or pairs that reaches the top is written with
// "+" ("QQ+", "ATs+"), another run as a span ("JJ-99", "A5s-A2s"); suited
// and offsuit hands of the same run together without a mark ("AT+", "AK");
// connectors and other hands of one gap alone in their row as a span along
// the gap ("T9s+", "JTs-87s"); a class held only in part, or with unequal
// weights, by its combinations ("KhKs"); every combination alike as
// "random". A weight other than 1 follows its item: "AKs:0.5". The text
// reads back (parseRange) to the same combinations and weights; an empty
// range gives "".
std::string rangeText(const Range& range);

} // namespace engine::cards

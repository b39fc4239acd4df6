#pragma once
// The review's rows as records of typed values, written as JSON objects or
// as one CSV table: the `--format json` and `--format csv` of
// `tablewise review`.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "store/HandStore.h"

namespace cli {

class JsonWriter;

// One value of a record, typed as JSON writes it.
struct Cell {
    enum class Kind { Null, Integer, Real, Text, Pair };
    Kind kind = Kind::Null;
    std::string text;     // of a text
    std::uint64_t whole = 0;
    double low = 0.0;     // a real, or the lower number of a pair
    double high = 0.0;    // the upper number of a pair

    static Cell textCell(std::string_view t);
    static Cell integer(std::uint64_t n);
    static Cell real(double d);
    static Cell pair(double lowValue, double highValue);
    static Cell optionalReal(const std::optional<double>& d);
};

// Named values in their order.
using Record = std::vector<std::pair<std::string, Cell>>;

// Big blinds per 100 hands from a sum over `count` hands; none for no hands.
std::optional<double> perHundred(double sum, std::uint64_t count);

// A decision with its hand: site, hand, player, cards ... net_bb.
Record decisionRecord(const store::DecisionRow& row);
// A situation's figures: before, position, hands, graded, followed ...
Record situationRecord(const store::SituationSummary& s);

void writeJsonObject(JsonWriter& json, const Record& r);

// Records as one CSV table with a header row (RFC 4180, CR LF): the columns of
// all of them in the order they first appear (a pair as two columns, _low and
// _high), empty where a record has none.
std::string csvTable(const std::vector<Record>& records);

} // namespace cli

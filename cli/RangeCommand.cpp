// `tablewise range`: a range as the advisor reads it, written back in its
// shortest form with its number of combinations.

#include <cmath>
#include <cstdint>
#include <string>

#include "cli/Args.h"
#include "cli/ArgumentReaders.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/JsonWriter.h"
#include "cli/OutputFormat.h"
#include "engine/cards/Range.h"
#include "engine/cards/RangeText.h"

namespace cli {

namespace {

using namespace engine;

constexpr const char* kUsage = R"(Usage: tablewise range RANGE [-f text|json|csv]

Reads a range of starting hands and writes it back in its shortest form,
with the number of two-card combinations it holds (and their weighted count
when some weights are below 1).

  RANGE           items separated by commas or spaces:
                    QQ+  JJ-99  AKs  AQo+  A5s-A2s  T9s+  K9s+  AK  KhKs  random
                    15%                       the strongest 15 % of all hands
                    chart(raised, late):raise the hands the advisor's chart
                                              raises in that situation
                    AKs:0.5                   any item with a weight, above 0
                                              and at most 1
  -f, --format    text (default), json or csv
A chart item takes the chart command's words: chart(ACTION, POSITION[,
LIMPERS]):CLASS, CLASS one of raise, call (or limp/call), fold or advice.
When two items name one combination, the later item's weight holds. The
help's page on ranges gives the whole notation and the order of the hands.
)";

enum class Format { Text, Json, Csv };

struct RangeOptions {
    cards::Range range;
    Format format = Format::Text;
};

std::string usage()
{
    return kUsage;
}

Asked readOptions(int argc, char** argv, RangeOptions& o)
{
    static const Choices<Format> formats{{"text", Format::Text}, {"json", Format::Json}, {"csv", Format::Csv}};
    const Args args(argc, argv, 2, {kFormatOption});
    if (args.asked() != Asked::Work)
        return args.asked();
    const auto& typed = args.positional({"RANGE"});
    auto parsed = cards::parseRange(typed[0]);
    if (!parsed.ok())
        throw UsageError{"RANGE: " + parsed.error};
    o.range = std::move(parsed.value);
    o.format = chosen(args, "--format", formats).value_or(Format::Text);
    return Asked::Work;
}

std::string csvField(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    return out + "\"";
}

int describe(const RangeOptions& o)
{
    const std::string text = cards::rangeText(o.range);
    const std::uint64_t combos = o.range.combos().size();
    const double weighted = o.range.weightedCount();
    switch (o.format) {
    case Format::Json: {
        JsonWriter json;
        json.beginObject()
            .member("range", text)
            .memberInteger("combinations", combos)
            .memberReal("weightedCombinations", weighted)
            .endObject();
        write(json.text() + "\n");
        break;
    }
    case Format::Csv:
        write("range,combinations,weighted combinations\n" + csvField(text) + "," + std::to_string(combos) + ","
              + shortestNumber(weighted) + "\n");
        break;
    case Format::Text: {
        std::string out = "Range:        " + text + "\n";
        out += "Combinations: " + std::to_string(combos);
        if (weighted != static_cast<double>(combos))
            out += " (weighted " + shortestNumber(std::round(weighted * 1000) / 1000) + ")";
        write(out + "\n");
        break;
    }
    }
    return 0;
}

} // namespace

int rangeCommand(int argc, char** argv)
{
    return runCommand<RangeOptions>("range", usage, argc, argv, readOptions, describe);
}

void readRangeArguments(int argc, char** argv)
{
    RangeOptions o;
    readOptions(argc, argv, o);
}

} // namespace cli

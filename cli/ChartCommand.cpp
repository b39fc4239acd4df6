// `tablewise chart`: what to do with every starting hand in one situation.

#include <cerrno>
#include <cstring>
#include <fstream>
#include <optional>
#include <string>

#include "cli/Args.h"
#include "cli/ChartFormat.h"
#include "cli/ChartPicture.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "engine/Chart.h"
#include "engine/LimperCount.h"

namespace cli {

namespace {

constexpr const char* kUsage = R"(Usage: tablewise chart -a ACTION -p POSITION [-b AMOUNT] [-l N] [-f FORMAT] [-o FILE]

Shows what the advisor recommends for all 169 starting hands in one pre-flop
situation: the usual 13x13 grid, aces first, pairs on the diagonal, suited
hands above it and offsuit hands below. Each cell gives the hand, its group
and what to do (raise, limp/call, fold, or read the advice).

  -a, --action        opened | limped | raised | raised-called | re-raised
  -p, --position      early | middle | late | blinds
  -b, --bb AMOUNT     the big blind; without it amounts are in big blinds
  -l, --limpers N     the number of limpers with --action limped (default 1)
  -f, --format        text (default), csv, json, html or png
  -o, --output FILE   write to FILE instead of standard output (needed for png)
Choices may be written in any case.
)";

enum class Format { Text, Csv, Json, Html, Png };

} // namespace

int chartCommand(int argc, char** argv)
{
    static const Choices<Format> formats{
        {"text", Format::Text}, {"csv", Format::Csv}, {"json", Format::Json}, {"html", Format::Html}, {"png", Format::Png}};
    engine::ChartSituation situation;
    ChartArgs typed;
    Format format = Format::Text;
    std::optional<std::string> output;
    const platform::Money& money = platform::Money::process();
    try {
        const Args args(argc, argv, 2,
                        {{"--action", 'a', true}, {"--position", 'p', true}, {"--bb", 'b', true},
                         {"--limpers", 'l', true}, {"--format", 'f', true}, {"--output", 'o', true}, {"--help", 'h'}});
        if (args.flag("--help")) {
            write(kUsage);
            return 0;
        }
        args.positional({});
        situation.action = required(args, "--action", actionChoices());
        situation.position = required(args, "--position", positionChoices());
        if (const auto bb = args.value("--bb")) {
            const std::optional<double> value = typedBigBlind(*bb, money);
            if (!value)
                return usageError("chart: --bb \"" + *bb
                                  + "\" is not an amount (digits with one decimal point, up to 10 characters)");
            situation.bigBlind = *value;
            typed.bigBlind = *bb;
        } else {
            situation.inBigBlinds = true;
        }
        if (const auto limpers = args.value("--limpers")) {
            if (!isWholeNumber(*limpers))
                return usageError("chart: --limpers \"" + *limpers + "\" is not a whole number");
            if (situation.action != engine::PreflopAction::Limped)
                return usageError("chart: --limpers goes with --action limped only");
            situation.limpers = engine::limperCount(*limpers, money).value_or(0.0);
            typed.limpers = *limpers;
        }
        format = chosen(args, "--format", formats).value_or(Format::Text);
        output = args.value("--output");
        if (format == Format::Png && !output)
            return usageError("chart: --format png needs --output FILE");
    } catch (const UsageError& e) {
        return usageError("chart: " + e.message);
    }

    const engine::Chart chart = engine::computeChart(situation, money);
    if (format == Format::Png)
        return writeChartPng(chart, typed, money, *output) ? 0 : usageError(*output + ": could not write the picture");
    std::string text;
    switch (format) {
    case Format::Csv: text = chartAsCsv(chart); break;
    case Format::Json: text = chartAsJson(chart, typed, money); break;
    case Format::Html: text = chartAsHtml(chart, typed, money); break;
    case Format::Text:
    case Format::Png: text = chartAsText(chart, typed, money); break;
    }
    if (!output) {
        write(text);
        return 0;
    }
    std::ofstream file(*output, std::ios::binary);
    file << text;
    file.close();
    if (!file)
        return usageError(*output + ": " + std::strerror(errno));
    return 0;
}

} // namespace cli

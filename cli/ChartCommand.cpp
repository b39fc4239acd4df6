// `tablewise chart`: what to do with every starting hand in one situation.

#include <optional>
#include <string>

#include "cli/Args.h"
#include "cli/ArgumentReaders.h"
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

struct ChartOptions {
    engine::ChartSituation situation;
    ChartArgs typed;
    Format format = Format::Text;
    std::optional<std::string> output;
};

std::string usage()
{
    return kUsage;
}

Asked readOptions(int argc, char** argv, ChartOptions& o)
{
    static const Choices<Format> formats{
        {"text", Format::Text}, {"csv", Format::Csv}, {"json", Format::Json}, {"html", Format::Html}, {"png", Format::Png}};
    const platform::Money& money = platform::Money::process();
    const Args args(argc, argv, 2,
                    {{"--action", 'a', true}, {"--position", 'p', true}, {"--bb", 'b', true},
                     {"--limpers", 'l', true}, {"--format", 'f', true}, {"--output", 'o', true}});
    if (args.asked() != Asked::Work)
        return args.asked();
    args.positional({});
    engine::ChartSituation& situation = o.situation;
    situation.action = required(args, "--action", actionChoices());
    situation.position = required(args, "--position", positionChoices());
    if (const auto bb = args.value("--bb")) {
        const std::optional<double> value = typedBigBlind(*bb, money);
        if (!value)
            throw UsageError{"--bb \"" + *bb + "\" is not an amount (digits with one decimal point, up to 10 characters)"};
        situation.bigBlind = *value;
        o.typed.bigBlind = *bb;
    } else {
        situation.inBigBlinds = true;
    }
    if (const auto limpers = args.value("--limpers")) {
        if (!isWholeNumber(*limpers))
            throw UsageError{"--limpers \"" + *limpers + "\" is not a whole number"};
        if (situation.action != engine::PreflopAction::Limped)
            throw UsageError{"--limpers goes with --action limped only"};
        situation.limpers = engine::limperCount(*limpers, money).value_or(0.0);
        o.typed.limpers = *limpers;
    }
    o.format = chosen(args, "--format", formats).value_or(Format::Text);
    o.output = args.value("--output");
    if (o.format == Format::Png && !o.output)
        throw UsageError{"--format png needs --output FILE"};
    if (o.output && o.output->empty())
        throw UsageError{"--output needs a file name"};
    return Asked::Work;
}

int chart(const ChartOptions& o)
{
    const platform::Money& money = platform::Money::process();
    const engine::Chart chart = engine::computeChart(o.situation, money);
    if (o.format == Format::Png)
        return writeChartPng(chart, o.typed, money, *o.output);
    std::string text;
    switch (o.format) {
    case Format::Csv: text = chartAsCsv(chart); break;
    case Format::Json: text = chartAsJson(chart, o.typed, money); break;
    case Format::Html: text = chartAsHtml(chart, o.typed, money); break;
    case Format::Text:
    case Format::Png: text = chartAsText(chart, o.typed, money); break;
    }
    if (!o.output) {
        write(text);
        return 0;
    }
    return writeFile(*o.output, text);
}

} // namespace

int chartCommand(int argc, char** argv)
{
    return runCommand<ChartOptions>("chart", usage, argc, argv, readOptions, chart);
}

void readChartArguments(int argc, char** argv)
{
    ChartOptions o;
    readOptions(argc, argv, o);
}

} // namespace cli


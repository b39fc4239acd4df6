// `tablewise postflop`: the post-flop advice for a category.

#include <optional>
#include <string>

#include "cli/Args.h"
#include "cli/ArgumentReaders.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/JsonWriter.h"
#include "cli/OutputFormat.h"
#include "engine/Postflop.h"

namespace cli {

namespace {

constexpr const char* kUsage = R"(Usage: tablewise postflop CATEGORY [-p in|out] [--pot raised|limped] [--players heads-up|multi-way] [-f text|json]

Shows the post-flop advice for what you hold after the flop.

  CATEGORY        the category's text (in any case) or its number:
)";

constexpr const char* kOptions = R"(  -p, --position  in | out
  --pot           raised | limped
  --players       heads-up | multi-way
  -f, --format    text (default) or json; -j, --json is --format json
Choices may be written in any case.
)";

using namespace engine;

struct PostflopOptions {
    PostflopSituation situation;
    TextOrJson format = TextOrJson::Text;
};

std::string usage()
{
    std::string text = kUsage;
    for (std::size_t i = 0; i < kPostFlopCategories.size(); ++i)
        text += "                  " + std::to_string(i + 1) + "  " + std::string(kPostFlopCategories[i]) + "\n";
    return text + kOptions;
}

Asked readOptions(int argc, char** argv, PostflopOptions& o)
{
    static const Choices<PostflopSide> sides{{"in", PostflopSide::In}, {"out", PostflopSide::Out}};
    static const Choices<PostflopPot> pots{{"raised", PostflopPot::Raised}, {"limped", PostflopPot::Limped}};
    static const Choices<PostflopPlayers> players{{"heads-up", PostflopPlayers::HeadsUp},
                                                  {"multi-way", PostflopPlayers::MultiWay}};
    const Args args(argc, argv, 2,
                    {{"--position", 'p', true}, {"--pot", 0, true}, {"--players", 0, true}, kFormatOption, kJsonOption});
    if (args.asked() != Asked::Work)
        return args.asked();
    o.format = textOrJson(args);
    const std::string& category = args.positional({"CATEGORY"}).front();
    for (std::size_t i = 0; i < kPostFlopCategories.size(); ++i)
        if (equalsIgnoringCase(category, kPostFlopCategories[i]) || category == std::to_string(i + 1))
            o.situation.category = static_cast<PostflopCategory>(i);
    if (!o.situation.category)
        throw UsageError{"CATEGORY \"" + category + "\" is not a category (try --help)"};
    o.situation.side = chosen(args, "--position", sides);
    o.situation.pot = chosen(args, "--pot", pots);
    o.situation.players = chosen(args, "--players", players);
    return Asked::Work;
}

int writeAdvice(const PostflopOptions& o)
{
    // The window answers a category chosen with no option at all by asking
    // for the options, whatever the category.
    const PostflopSituation& s = o.situation;
    const bool anyOption = s.side || s.pot || s.players;
    const std::string advice = anyOption ? advisePostflop(s).advice->text() : kEnterCorrectOptions.text();
    if (o.format == TextOrJson::Json) {
        JsonWriter json;
        json.beginObject().member("category", categoryText(*s.category)).member("advice", advice).endObject();
        write(json.text() + "\n");
    } else {
        write(forTerminal(advice) + "\n");
    }
    return 0;
}

} // namespace

int postflopCommand(int argc, char** argv)
{
    return runCommand<PostflopOptions>("postflop", usage, argc, argv, readOptions, writeAdvice);
}

void readPostflopArguments(int argc, char** argv)
{
    PostflopOptions o;
    readOptions(argc, argv, o);
}

} // namespace cli


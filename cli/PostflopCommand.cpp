// `tablewise postflop`: the post-flop advice for a category.

#include <optional>
#include <string>

#include "cli/Args.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/JsonText.h"
#include "engine/Postflop.h"

namespace cli {

namespace {

constexpr const char* kUsage = R"(Usage: tablewise postflop CATEGORY [-p in|out] [--pot raised|limped] [--players heads-up|multi-way] [--json]

Shows the post-flop advice for what you hold after the flop.

  CATEGORY        the category's text (in any case) or its number:
)";

constexpr const char* kOptions = R"(  -p, --position  in | out
  --pot           raised | limped
  --players       heads-up | multi-way
  -j, --json      print JSON instead of text
Choices may be written in any case.
)";

} // namespace

int postflopCommand(int argc, char** argv)
{
    using namespace engine;
    static const Choices<PostflopSide> sides{{"in", PostflopSide::In}, {"out", PostflopSide::Out}};
    static const Choices<PostflopPot> pots{{"raised", PostflopPot::Raised}, {"limped", PostflopPot::Limped}};
    static const Choices<PostflopPlayers> players{{"heads-up", PostflopPlayers::HeadsUp},
                                                  {"multi-way", PostflopPlayers::MultiWay}};
    PostflopSituation situation;
    bool json = false;
    try {
        const Args args(argc, argv, 2,
                        {{"--position", 'p', true}, {"--pot", 0, true}, {"--players", 0, true}, {"--help", 'h'},
                         {"--json", 'j'}});
        if (args.flag("--help")) {
            std::string usage = kUsage;
            for (std::size_t i = 0; i < kPostFlopCategories.size(); ++i)
                usage += "                  " + std::to_string(i + 1) + "  " + std::string(kPostFlopCategories[i]) + "\n";
            write(usage + kOptions);
            return 0;
        }
        json = args.flag("--json");
        const std::string& category = args.positional({"CATEGORY"}).front();
        for (std::size_t i = 0; i < kPostFlopCategories.size(); ++i)
            if (equalsIgnoringCase(category, kPostFlopCategories[i]) || category == std::to_string(i + 1))
                situation.category = static_cast<PostflopCategory>(i);
        if (!situation.category)
            return usageError("postflop: CATEGORY \"" + category + "\" is not a category (try --help)");
        situation.side = chosen(args, "--position", sides);
        situation.pot = chosen(args, "--pot", pots);
        situation.players = chosen(args, "--players", players);
    } catch (const UsageError& e) {
        return usageError("postflop: " + e.message);
    }

    // The window answers a category chosen with no option at all by asking
    // for the options, whatever the category.
    const bool anyOption = situation.side || situation.pot || situation.players;
    const std::string advice = anyOption ? advisePostflop(situation).advice->text() : kEnterCorrectOptions.text();

    std::string out;
    if (json) {
        out.append("{\"category\":");
        appendJsonString(out, categoryText(*situation.category));
        out.append(",\"advice\":");
        appendJsonString(out, advice);
        out.append("}\n");
    } else {
        out.append(forTerminal(advice)).append("\n");
    }
    write(out);
    return 0;
}

} // namespace cli

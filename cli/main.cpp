// tablewise: the advisor without its window.

#include <clocale>
#include <cstdio>
#include <string_view>
#include <utility>

#include "cli/CommandLine.h"
#include "cli/Commands.h"

namespace {

constexpr const char* kUsage = R"(Usage: tablewise COMMAND [ARGS]

Brisvane Tablewise, the no-limit hold'em strategy advisor, from the command line.

Commands:
  advise HAND -a ACTION [-p POSITION] [-b AMOUNT] [-l N] [-f FORMAT]
                      pre-flop advice for one hand
  postflop CATEGORY [-p in|out] [--pot raised|limped] [--players heads-up|multi-way] [-f FORMAT]
                      post-flop advice
  chart -a ACTION -p POSITION [-b AMOUNT] [-l N] [-f FORMAT]
                      what to do with every starting hand in one situation
  equity HAND [--board CARDS] [-n N | --vs RANGE] [-d CARDS] [--exact | --trials N | --seconds S]
         [--seed N] [-f FORMAT]
                      the odds of a hand against random hands or a range
  equity PLAYER PLAYER [PLAYER...] [--board CARDS] [-d CARDS] [--exact | --trials N | --seconds S]
         [--seed N] [-f FORMAT]
                      each player's odds; a player is two cards, a range or random
  board HAND BOARD [-f FORMAT]
                      the made hand, draws, outs and post-flop category on a board
  range RANGE [-f FORMAT]
                      a range of hands written back in its shortest form, with its combinations
  import PATH...      reads hand histories into the local store
  review [--player NAME | --all-players] [--hands] [-f FORMAT] [PATH...]
                      your stored pre-flop decisions against the advice
  drill [--situation ACTION/POSITION | --mistakes] [--count N] [--seed S] [-f FORMAT]
                      practice: pre-flop questions judged by the advisor
  replay [FILE]       runs a session script against the window and dumps its state
  content             prints every advice text

Options:
  -h, --help          this text ("tablewise COMMAND --help" explains a command)
  -V, --version       the version (also after a command)

Every command spells its options alike: -b, --bb is the big blind, --board
the board's cards, -f, --format the output's format (text, json, and csv,
html or png where they apply). Money follows the locale (LC_MONETARY). Cards
are written higher rank first, and cards of one rank in the suit order
spades, hearts, diamonds, clubs: AsAh, QsQd.

Exit status: 0 done, 1 the output could not be written (or the store
failed), 2 bad arguments.
)";

using Command = int (*)(int, char**);
constexpr std::pair<std::string_view, Command> kCommands[] = {
    {"advise", cli::adviseCommand}, {"postflop", cli::postflopCommand}, {"chart", cli::chartCommand},
    {"equity", cli::equityCommand}, {"board", cli::boardCommand},       {"range", cli::rangeCommand},
    {"replay", cli::replayCommand},
    {"content", cli::contentCommand}, {"import", cli::importCommand}, {"review", cli::reviewCommand},
    {"drill", cli::drillCommand},
};

} // namespace

int main(int argc, char** argv)
{
    std::setlocale(LC_ALL, "");
    if (argc < 2) {
        std::fputs("tablewise: missing command (try tablewise --help)\n", stderr);
        return 2;
    }
    const std::string_view command = argv[1];
    if (command == "--help" || command == "-h" || command == "help") {
        cli::write(kUsage);
        return cli::finishOutput(0);
    }
    if (command == "--version" || command == "-V") {
        cli::write(cli::versionLine());
        return cli::finishOutput(0);
    }
    for (const auto& [name, run] : kCommands)
        if (command == name)
            return run(argc, argv);
    std::fprintf(stderr, "tablewise: unknown command \"%.*s\" (try tablewise --help)\n",
                 static_cast<int>(command.size()), command.data());
    return 2;
}

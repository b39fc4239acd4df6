// tablewise: the advisor without its window.

#include <clocale>
#include <cstdio>
#include <string_view>

#include "cli/Commands.h"

namespace {

constexpr const char* kUsage = R"(Usage: tablewise COMMAND [ARGS]

Brisvane Tablewise, the no-limit hold'em strategy advisor, from the command line.

Commands:
  advise HAND --action ACTION [--position P] [--bb AMOUNT] [--limpers N]
                      pre-flop advice for one hand
  postflop CATEGORY [--position in|out] [--pot raised|limped] [--players heads-up|multi-way]
                      post-flop advice
  chart --action ACTION --position P [--bb AMOUNT] [--limpers N] [--format F]
                      what to do with every starting hand in one situation
  replay [FILE]       runs a session script against the window and dumps its state
  content             prints every advice text

Run "tablewise COMMAND --help" for more. Money follows the locale (LC_MONETARY).
)";

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
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (command == "advise")
        return cli::adviseCommand(argc, argv);
    if (command == "postflop")
        return cli::postflopCommand(argc, argv);
    if (command == "replay")
        return cli::replayCommand(argc, argv);
    if (command == "chart")
        return cli::chartCommand(argc, argv);
    if (command == "content")
        return cli::contentCommand(argc, argv);
    std::fprintf(stderr, "tablewise: unknown command \"%.*s\" (try tablewise --help)\n",
                 static_cast<int>(command.size()), command.data());
    return 2;
}

// `tablewise advise`: the pre-flop advice for one hand.

#include <optional>
#include <string>

#include "cli/Args.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/JsonText.h"
#include "engine/Hand.h"
#include "engine/LimperCount.h"
#include "engine/Preflop.h"
#include "engine/PreflopQuery.h"
#include "platform/money/Money.h"

namespace cli {

namespace {

constexpr const char* kUsage = R"(Usage: tablewise advise HAND -a ACTION [-p POSITION] [-b AMOUNT] [-l N] [--json]

Shows the pre-flop advice for one hand: its group, the recommended bet and the
advice text, as the window gives them for the same situation.

  HAND                two ranks (A K Q J T 9 ... 2) in either order and case,
                      and an "s" when suited: AKs, ak, 72, QQ
  -a, --action        opened | limped | raised | raised-called | re-raised
  -p, --position      early | middle | late | blinds; needed when the advice
                      for the hand depends on it
  -b, --bb AMOUNT     the big blind, as typed in the window: digits with one
                      decimal point; without it amounts are in big blinds
  -l, --limpers N     the number of limpers (with --action limped only);
                      needed when the advice for the hand counts them
  -j, --json          print JSON instead of text
Choices may be written in any case.
)";

} // namespace

int adviseCommand(int argc, char** argv)
{
    engine::PreflopQuery query;
    std::string handText;
    std::optional<std::string> bb, limpers;
    std::optional<double> bigBlind;
    bool json = false;
    const platform::Money& money = platform::Money::process();
    try {
        const Args args(argc, argv, 2,
                        {{"--action", 'a', true}, {"--position", 'p', true}, {"--bb", 'b', true},
                         {"--limpers", 'l', true}, {"--help", 'h'}, {"--json", 'j'}});
        if (args.flag("--help")) {
            write(kUsage);
            return 0;
        }
        json = args.flag("--json");
        const std::string& h = args.positional({"HAND"}).front();
        const bool hasS = h.size() == 3 && (h[2] == 's' || h[2] == 'S');
        const std::string ranks = engine::upperCase(std::string_view(h).substr(0, 2));
        if ((h.size() != 2 && !hasS) || engine::rankIndex(ranks[0]) < 0 || engine::rankIndex(ranks[1]) < 0)
            return usageError("advise: HAND \"" + h + "\" is not two ranks with an optional s (AKs, 72, QQ)");
        if (hasS && ranks[0] == ranks[1])
            return usageError("advise: HAND \"" + h + "\" is a pair and cannot be suited");
        // Higher rank first, as the hand texts are written.
        handText = engine::rankIndex(ranks[0]) <= engine::rankIndex(ranks[1]) ? ranks : std::string{ranks[1], ranks[0]};
        if (hasS)
            handText += 's';
        query.hand = engine::handIndex(handText);

        query.action = required(args, "--action", actionChoices());
        query.position = chosen(args, "--position", positionChoices());
        bb = args.value("--bb");
        if (bb && !(bigBlind = typedBigBlind(*bb, money)))
            return usageError("advise: --bb \"" + *bb
                              + "\" is not an amount (digits with one decimal point, up to 10 characters)");
        limpers = args.value("--limpers");
        if (limpers && !isWholeNumber(*limpers))
            return usageError("advise: --limpers \"" + *limpers + "\" is not a whole number");
        if (limpers && query.action != engine::PreflopAction::Limped)
            return usageError("advise: --limpers goes with --action limped only");
    } catch (const UsageError& e) {
        return usageError("advise: " + e.message);
    }

    // What the advice reads, it must be told.
    const engine::PreflopReads reads = engine::preflopReads(query.action, handText, query.position);
    if (reads.position && !query.position)
        return usageError("advise: --position is needed for " + handText + " when the pot is "
                          + std::string(engine::actionName(query.action)) + " ("
                          + choiceList(positionChoices()) + ")");
    if (reads.limperCount && !limpers)
        return usageError("advise: --limpers is needed for " + handText + " in a limped pot (the number of limpers)");

    // Without a big blind the bet is worked out on one, and told in big blinds.
    query.bigBlind = bigBlind.value_or(1.0);
    if (limpers)
        query.limpers = engine::limperCount(*limpers, money);
    const engine::PreflopAnswer r = engine::answerPreflop(query);
    const std::string bet = bb ? engine::betText(r.bet, money) : engine::betTextInBigBlinds(r.bet);
    const std::string advice = r.advice->text();
    const std::string_view group = engine::groupText(r.group);

    std::string out;
    if (json) {
        out.append("{\"hand\":");
        appendJsonString(out, handText);
        out.append(",\"group\":");
        appendJsonString(out, group);
        out.append(",\"bet\":");
        appendJsonString(out, bet);
        out.append(",\"advice\":");
        appendJsonString(out, advice);
        out.append("}\n");
    } else {
        out.append("Hand:   ").append(handText).append("\n");
        out.append("Group:  ").append(group).append("\n");
        out.append("Bet:    ").append(bet).append("\n");
        out.append("Advice:\n").append(forTerminal(advice)).append("\n");
    }
    write(out);
    return 0;
}

} // namespace cli

// `tablewise advise`: the pre-flop advice for one hand.

#include <optional>
#include <string>

#include "cli/Args.h"
#include "cli/ArgumentReaders.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/JsonWriter.h"
#include "cli/OutputFormat.h"
#include "engine/Hand.h"
#include "engine/LimperCount.h"
#include "engine/Preflop.h"
#include "engine/PreflopQuery.h"
#include "platform/money/Money.h"

namespace cli {

namespace {

constexpr const char* kUsage = R"(Usage: tablewise advise HAND -a ACTION [-p POSITION] [-b AMOUNT] [-l N] [-f text|json]

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
  -f, --format        text (default) or json; -j, --json is --format json
Choices may be written in any case.
)";

struct AdviseOptions {
    engine::PreflopQuery query;
    std::string handText;
    std::optional<std::string> bb;
    std::optional<std::string> limpers;
    TextOrJson format = TextOrJson::Text;
};

std::string usage()
{
    return kUsage;
}

Asked readOptions(int argc, char** argv, AdviseOptions& o)
{
    const platform::Money& money = platform::Money::process();
    const Args args(argc, argv, 2,
                    {{"--action", 'a', true}, {"--position", 'p', true}, {"--bb", 'b', true},
                     {"--limpers", 'l', true}, kFormatOption, kJsonOption});
    if (args.asked() != Asked::Work)
        return args.asked();
    o.format = textOrJson(args);
    const std::string& h = args.positional({"HAND"}).front();
    const bool hasS = h.size() == 3 && (h[2] == 's' || h[2] == 'S');
    const std::string ranks = engine::upperCase(std::string_view(h).substr(0, 2));
    if ((h.size() != 2 && !hasS) || engine::rankIndex(ranks[0]) < 0 || engine::rankIndex(ranks[1]) < 0)
        throw UsageError{"HAND \"" + h + "\" is not two ranks with an optional s (AKs, 72, QQ)"};
    if (hasS && ranks[0] == ranks[1])
        throw UsageError{"HAND \"" + h + "\" is a pair and cannot be suited"};
    // Higher rank first, as the hand texts are written.
    o.handText = engine::rankIndex(ranks[0]) <= engine::rankIndex(ranks[1]) ? ranks : std::string{ranks[1], ranks[0]};
    if (hasS)
        o.handText += 's';
    o.query.hand = engine::handIndex(o.handText);

    o.query.action = required(args, "--action", actionChoices());
    o.query.position = chosen(args, "--position", positionChoices());
    o.bb = args.value("--bb");
    std::optional<double> bigBlind;
    if (o.bb && !(bigBlind = typedBigBlind(*o.bb, money)))
        throw UsageError{"--bb \"" + *o.bb + "\" is not an amount (digits with one decimal point, up to 10 characters)"};
    o.limpers = args.value("--limpers");
    if (o.limpers && !isWholeNumber(*o.limpers))
        throw UsageError{"--limpers \"" + *o.limpers + "\" is not a whole number"};
    if (o.limpers && o.query.action != engine::PreflopAction::Limped)
        throw UsageError{"--limpers goes with --action limped only"};

    // What the advice reads, it must be told.
    const engine::PreflopReads reads = engine::preflopReads(o.query.action, o.handText, o.query.position);
    if (reads.position && !o.query.position)
        throw UsageError{"--position is needed for " + o.handText + " when the pot is "
                         + std::string(engine::actionName(o.query.action)) + " (" + choiceList(positionChoices()) + ")"};
    if (reads.limperCount && !o.limpers)
        throw UsageError{"--limpers is needed for " + o.handText + " in a limped pot (the number of limpers)"};

    // Without a big blind the bet is worked out on one, and told in big blinds.
    o.query.bigBlind = bigBlind.value_or(1.0);
    if (o.limpers)
        o.query.limpers = engine::limperCount(*o.limpers, money);
    return Asked::Work;
}

int writeAdvice(const AdviseOptions& o)
{
    const platform::Money& money = platform::Money::process();
    const engine::PreflopAnswer r = engine::answerPreflop(o.query);
    const std::string bet = o.bb ? engine::betText(r.bet, money) : engine::betTextInBigBlinds(r.bet);
    const std::string advice = r.advice->text();
    const std::string_view group = engine::groupText(r.group);

    if (o.format == TextOrJson::Json) {
        JsonWriter json;
        json.beginObject().member("hand", o.handText).member("group", group).member("bet", bet);
        json.member("advice", advice).endObject();
        write(json.text() + "\n");
        return 0;
    }
    std::string out;
    out.append("Hand:   ").append(o.handText).append("\n");
    out.append("Group:  ").append(group).append("\n");
    out.append("Bet:    ").append(bet).append("\n");
    out.append("Advice:\n").append(forTerminal(advice)).append("\n");
    write(out);
    return 0;
}

} // namespace

int adviseCommand(int argc, char** argv)
{
    return runCommand<AdviseOptions>("advise", usage, argc, argv, readOptions, writeAdvice);
}

void readAdviseArguments(int argc, char** argv)
{
    AdviseOptions o;
    readOptions(argc, argv, o);
}

} // namespace cli


// The replay reader and the whole window model. Input is a session script;
// the mutator mostly writes valid action lines with random controls and
// texts, so the fuzzer spends its time in the handlers rather than in the
// parser. After every line the window must still make sense.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <string_view>

#include "cli/Replay.h"
#include "engine/Hand.h"
#include "platform/form/ToggleControls.h"
#include "window/model/FrmPoker.h"

extern "C" std::size_t LLVMFuzzerMutate(std::uint8_t* data, std::size_t size, std::size_t maxSize);

namespace {

void check(bool ok, const char* what)
{
    if (!ok) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

bool isGroup(std::string_view g)
{
    return g.empty() || g == "Not Ranked" || (g.size() == 1 && g[0] >= '1' && g[0] <= '8');
}

bool isHandValue(std::string_view v)
{
    if (v.empty() || v == "s" || engine::handIndex(v) >= 0)
        return true;
    // a stale pair with Suited ticked
    return v.size() == 3 && v[0] == v[1] && engine::rankIndex(v[0]) >= 0 && v[2] == 's';
}

bool isBetText(const platform::Money& money, std::string_view bet)
{
    for (std::string_view word : {"", "Fold", "Call", "See advice below", "See advise below", "See Advice below",
                                  "Re-Raise to full pot", "Apply 5/10 Rule", "Complete SB", "$0.00"})
        if (bet == word)
            return true;
    auto amount = [&](std::string_view a) {
        return money.isNumeric(a) || a == platform::kAmountTooLarge || a == platform::kAmountUnavailable;
    };
    const auto to = bet.find(" to ");
    if (to == std::string_view::npos)
        return amount(bet);
    return amount(bet.substr(0, to)) && amount(bet.substr(to + 4));
}

void checkWindow(const window::FrmPoker& s)
{
    for (const platform::OptionGroup* g :
         {&s.actionGroup, &s.positionGroup, &s.potGroup, &s.playersGroup, &s.postPositionGroup}) {
        int selected = 0;
        for (const platform::OptionButton* b : g->buttons())
            selected += b->value();
        check(selected <= 1, "at most one option per group");
    }
    check(isGroup(s.lblGroup.caption()), "lblGroup is a group");
    check(isGroup(s.groupNo), "groupNo is a group");
    check(isHandValue(s.lblCardValue.caption()), "lblCardValue is a hand text");
    check(isBetText(s.money, s.lblBetAmount.caption()), "lblBetAmount is a word or money");
    if (s.form.focus() != &s.txtBB)
        check(s.txtBB.text().empty() || s.money.isNumeric(s.txtBB.text()), "txtBB holds money once left");
    check(s.bbText.empty() || s.bbText == "0" || s.money.isNumeric(s.bbText), "bbText is an amount");
    check(s.chkSuited.value() == 0 || s.chkSuited.value() == 1, "chkSuited is 0 or 1");
    check(s.cmbPostFlop.listIndex() >= -1 && s.cmbPostFlop.listIndex() < 14, "list index in range");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static std::FILE* sink = std::fopen("/dev/null", "w");
    cli::ReplaySession session(sink, sink);
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    long number = 0;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        const auto end = text.find('\n', pos);
        const std::string_view line = text.substr(pos, end == std::string_view::npos ? text.npos : end - pos);
        ++number;
        if (!session.runLine(line, number))
            break;
        checkWindow(session.window());
        if (end == std::string_view::npos)
            break;
        pos = end + 1;
    }
    return 0;
}

namespace {

const char* const kTypeable[] = {"txtBB", "txtHoleCard", "txtLimpers", "txtPreFlop", "txtFlop", "cmbPostFlop"};
const char* const kClickable[] = {"chkSuited", "optEarly", "optMiddle", "optLate", "optBlinds", "optOpened",
                                  "optLimped", "optRaised", "optRaisedCalled", "optRaiseReRaise", "optIn",
                                  "optOut", "optRaisedPost", "optLimpedPost", "optHeadsUp", "optMultiWay",
                                  "cmdResetPartial"};
const char* const kTexts[] = {"a", "k", "AK", "qq", "t9", "72", "1", "2", "0", "12.5", "1.2.5", ".", "3",
                              "9999999999", "0.25", "x", "\xC3\xA4", "Trips", "$5.00", "99999999999999999999"};

std::string randomLine(std::mt19937& rng)
{
    auto pick = [&](auto& arr) { return std::string(arr[rng() % std::size(arr)]); };
    switch (rng() % 7) {
    case 0:
    case 1: return "type " + pick(kTypeable) + " " + pick(kTexts);
    case 2: return "backspace " + pick(kTypeable) + " " + std::to_string(1 + rng() % 3);
    case 3:
    case 4: return "click " + pick(kClickable);
    case 5: return "select cmbPostFlop " + std::to_string(rng() % 14);
    default: return "focus " + pick(kTypeable);
    }
}

} // namespace

extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t* data, std::size_t size, std::size_t maxSize,
                                               unsigned int seed)
{
    std::mt19937 rng(seed);
    if (rng() % 8 == 0)
        return LLVMFuzzerMutate(data, size, maxSize);
    // Insert or replace one whole line with a valid action.
    std::string text(reinterpret_cast<const char*>(data), size);
    std::size_t lines = 1;
    for (char c : text)
        lines += c == '\n';
    const std::size_t at = rng() % lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < at; ++i)
        start = text.find('\n', start) + 1;
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos)
        end = text.size();
    const std::string line = randomLine(rng);
    if (rng() % 2)
        text.replace(start, end - start, line);
    else
        text.insert(start, line + "\n");
    if (text.size() > maxSize)
        return LLVMFuzzerMutate(data, size, maxSize);
    std::memcpy(data, text.data(), text.size());
    return text.size();
}

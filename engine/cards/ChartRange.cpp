#include "engine/cards/ChartRange.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <mutex>
#include <optional>
#include <string>

#include "engine/Chart.h"
#include "platform/text/AsciiCase.h"

namespace engine::cards {

namespace {

template <class Words>
auto lookUp(const Words& words, std::string_view typed) -> std::optional<typename Words::value_type::second_type>
{
    for (const auto& [word, value] : words)
        if (platform::text::equalsIgnoringCase(word, typed))
            return value;
    return std::nullopt;
}

template <class Words>
std::string wordList(const Words& words)
{
    std::string out;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (i > 0)
            out += i + 1 == words.size() ? " or " : ", ";
        out += words[i].first;
    }
    return out;
}

std::vector<std::string_view> splitArguments(std::string_view text)
{
    std::vector<std::string_view> parts;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = std::min(text.find_first_of(", \t", at), text.size());
        if (end > at)
            parts.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    return parts;
}


// The bet class of every hand in a situation. A range is read again on each
// key typed, and working out a whole chart each time is most of that
// reading's cost, so the last few situations read are kept.
std::array<BetClass, kHandCount> chartClasses(const ChartSituation& situation)
{
    struct Kept {
        PreflopAction action;
        Position position;
        double limpers;
        std::array<BetClass, kHandCount> classes;
    };
    static constexpr std::size_t kKeep = 16;
    static std::mutex mutex;
    static std::vector<Kept> kept;
    const std::lock_guard lock(mutex);
    const auto found = std::find_if(kept.begin(), kept.end(), [&](const Kept& k) {
        return k.action == situation.action && k.position == situation.position && k.limpers == situation.limpers;
    });
    if (found != kept.end())
        return found->classes;
    const Chart chart = computeChart(situation);
    Kept k{situation.action, situation.position, situation.limpers, {}};
    for (int index = 0; index < kHandCount; ++index)
        k.classes[static_cast<std::size_t>(index)] = chart.cells[static_cast<std::size_t>(index)].betClass;
    if (kept.size() == kKeep)
        kept.erase(kept.begin());
    kept.push_back(k);
    return k.classes;
}
} // namespace

const ActionWords& chartActionWords()
{
    using enum PreflopAction;
    static const ActionWords words{
        {"opened", Opened}, {"limped", Limped}, {"raised", Raised}, {"raised-called", RaisedCalled}, {"re-raised", ReRaised}};
    return words;
}

const PositionWords& chartPositionWords()
{
    using enum Position;
    static const PositionWords words{{"early", Early}, {"middle", Middle}, {"late", Late}, {"blinds", Blinds}};
    return words;
}

const BetClassWords& chartClassWords()
{
    static const BetClassWords words{{"raise", BetClass::Raise},
                                     {"call", BetClass::Call},
                                     {"limp/call", BetClass::Call},
                                     {"fold", BetClass::Fold},
                                     {"advice", BetClass::Advice}};
    return words;
}

bool isChartItem(std::string_view item)
{
    return item.size() >= 6 && platform::text::equalsIgnoringCase(item.substr(0, 6), "chart(");
}

Parsed<std::vector<int>> readChartItem(std::string_view item)
{
    Parsed<std::vector<int>> result;
    const std::size_t close = item.find(')');
    if (!isChartItem(item) || close == std::string_view::npos) {
        result.error = "a chart range is chart(ACTION, POSITION[, LIMPERS]):CLASS";
        return result;
    }
    const std::vector<std::string_view> arguments = splitArguments(item.substr(6, close - 6));
    const std::string_view rest = item.substr(close + 1);
    if (arguments.size() < 2 || arguments.size() > 3 || rest.size() < 2 || rest.front() != ':') {
        result.error = "a chart range is chart(ACTION, POSITION[, LIMPERS]):CLASS";
        return result;
    }
    ChartSituation situation;
    situation.inBigBlinds = true;
    const auto action = lookUp(chartActionWords(), arguments[0]);
    if (!action) {
        result.error = "the action is " + wordList(chartActionWords());
        return result;
    }
    const auto position = lookUp(chartPositionWords(), arguments[1]);
    if (!position) {
        result.error = "the position is " + wordList(chartPositionWords());
        return result;
    }
    situation.action = *action;
    situation.position = *position;
    if (arguments.size() == 3) {
        if (situation.action != PreflopAction::Limped) {
            result.error = "the number of limpers goes with limped only";
            return result;
        }
        const std::string_view typed = arguments[2];
        unsigned limpers = 0;
        const auto [end, error] = std::from_chars(typed.data(), typed.data() + typed.size(), limpers);
        if (error != std::errc{} || end != typed.data() + typed.size() || typed.size() > 6) {
            result.error = "the number of limpers is a whole number";
            return result;
        }
        situation.limpers = limpers;
    }
    const auto betClass = lookUp(chartClassWords(), rest.substr(1));
    if (!betClass) {
        result.error = "the class is " + wordList(chartClassWords());
        return result;
    }
    const auto classes = chartClasses(situation);
    for (int index = 0; index < kHandCount; ++index)
        if (classes[static_cast<std::size_t>(index)] == *betClass)
            result.value.push_back(index);
    return result;
}

} // namespace engine::cards

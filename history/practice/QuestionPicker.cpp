#include "history/practice/QuestionPicker.h"

#include <algorithm>

#include "engine/cards/HandClass.h"

namespace practice {

namespace {

constexpr int kMostLimpersDrawn = 3;
constexpr std::size_t kDueLooked = 64;
constexpr int kNewCardTries = 20;

bool anyTable(const DrillSituation& s)
{
    for (int n = kFewestPlayers; n <= kMostPlayers; ++n)
        if (isPossible(s, n))
            return true;
    return false;
}

double mistakeWeight(const MistakeCard& m)
{
    return static_cast<double>(m.times) + m.lostBB;
}

} // namespace

std::vector<DrillSituation> possibleSituations(engine::PreflopAction action, engine::Position position)
{
    std::vector<DrillSituation> out;
    if (action == engine::PreflopAction::Limped) {
        for (int limpers = 1; limpers <= kMostLimpersDrawn; ++limpers)
            if (DrillSituation s{action, position, limpers}; anyTable(s))
                out.push_back(s);
    } else if (DrillSituation s{action, position, 0}; anyTable(s)) {
        out.push_back(s);
    }
    return out;
}

QuestionPicker::QuestionPicker(DrillFocus focus, DrillRandom& random) : focus_(std::move(focus)), random_(random)
{
    switch (focus_.scope) {
    case DrillScope::Everything:
        for (const auto action : engine::kPreflopActions)
            for (const auto position : engine::kPositions)
                for (const auto& s : possibleSituations(action, position))
                    situations_.push_back(s);
        break;
    case DrillScope::Situation:
        situations_ = possibleSituations(focus_.action, focus_.position);
        break;
    case DrillScope::Mistakes:
        std::erase_if(focus_.mistakes, [](const MistakeCard& m) { return !anyTable(m.key.situation); });
        for (const auto& m : focus_.mistakes)
            mistakeWeight_ += mistakeWeight(m);
        break;
    }
}

bool QuestionPicker::inFocus(const CardKey& key) const
{
    switch (focus_.scope) {
    case DrillScope::Everything:
        return anyTable(key.situation);
    case DrillScope::Situation:
        return key.situation.action == focus_.action && key.situation.position == focus_.position
            && anyTable(key.situation);
    case DrillScope::Mistakes:
        return std::any_of(focus_.mistakes.begin(), focus_.mistakes.end(),
                           [&](const MistakeCard& m) { return m.key == key; });
    }
    return false;
}

void QuestionPicker::relearn(const CardKey& key, int questionNumber)
{
    relearn_.push_back({key, questionNumber + Sm2Scheduler::kRelearnGap + 1});
}

std::optional<Scene> QuestionPicker::pick(DrillLog& log, std::int64_t now, int questionNumber, double bigBlind)
{
    if (!relearn_.empty() && relearn_.front().askAt <= questionNumber) {
        const CardKey key = relearn_.front().key;
        relearn_.pop_front();
        return sceneFor(key, std::nullopt, bigBlind);
    }
    for (const DueCard& due : log.dueCards(now, kDueLooked)) {
        const bool waiting = std::any_of(relearn_.begin(), relearn_.end(),
                                         [&](const Relearn& r) { return r.key == due.key; });
        if (!waiting && inFocus(due.key))
            return sceneFor(due.key, std::nullopt, bigBlind);
    }
    engine::cards::HoleCards cards;
    if (const auto key = newCard(log, now, cards))
        return sceneFor(*key, cards, bigBlind);
    // Nothing new is left to ask: the wrong answers waiting come back now.
    if (!relearn_.empty()) {
        const CardKey key = relearn_.front().key;
        relearn_.pop_front();
        return sceneFor(key, std::nullopt, bigBlind);
    }
    return std::nullopt;
}

std::optional<CardKey> QuestionPicker::newCard(DrillLog& log, std::int64_t now, engine::cards::HoleCards& cards)
{
    // A card not yet due waits for its day, as long as another can be found.
    std::optional<CardKey> last;
    for (int i = 0; i < kNewCardTries; ++i) {
        last = drawNewKey(cards);
        if (!last)
            return std::nullopt;
        const auto schedule = log.schedule(*last);
        if (!schedule || schedule->due <= now)
            return last;
    }
    return last;
}

std::optional<CardKey> QuestionPicker::drawNewKey(engine::cards::HoleCards& cards)
{
    if (focus_.scope == DrillScope::Mistakes) {
        if (focus_.mistakes.empty() || mistakeWeight_ <= 0)
            return std::nullopt;
        double at = random_.unit() * mistakeWeight_;
        const MistakeCard* chosen = &focus_.mistakes.back();
        for (const auto& m : focus_.mistakes) {
            at -= mistakeWeight(m);
            if (at < 0) {
                chosen = &m;
                break;
            }
        }
        cards = drawCardsOf(chosen->key.handIndex, random_);
        return chosen->key;
    }
    if (situations_.empty())
        return std::nullopt;
    const DrillSituation& s = situations_[static_cast<std::size_t>(random_.below(static_cast<int>(situations_.size())))];
    cards = dealCards(random_);
    return CardKey{s, engine::cards::handClassOf(cards)};
}

std::optional<Scene> QuestionPicker::sceneFor(const CardKey& key, std::optional<engine::cards::HoleCards> cards,
                                              double bigBlind)
{
    std::vector<int> sizes;
    for (int n = kFewestPlayers; n <= kMostPlayers; ++n)
        if (isPossible(key.situation, n))
            sizes.push_back(n);
    if (sizes.empty())
        return std::nullopt;
    const int players = sizes[static_cast<std::size_t>(random_.below(static_cast<int>(sizes.size())))];
    const std::vector<int> seats = seatsFor(key.situation, players);
    const int seat = seats[static_cast<std::size_t>(random_.below(static_cast<int>(seats.size())))];
    const auto hole = cards ? *cards : drawCardsOf(key.handIndex, random_);
    return drawScene(key.situation, players, seat, hole, bigBlind, random_);
}

} // namespace practice

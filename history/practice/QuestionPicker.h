#pragma once
// Which card the next question asks: a wrong answer again once a few
// questions have passed, else the card due longest, else a new one of the
// drill's scope (anything; one action and position; or the player's own
// mistakes, weighted by how often and how much they cost).

#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

#include "history/practice/DrillLog.h"
#include "history/practice/DrillRandom.h"
#include "history/practice/Scene.h"

namespace practice {

enum class DrillScope : std::uint8_t { Everything, Situation, Mistakes };

struct DrillFocus {
    DrillScope scope = DrillScope::Everything;
    engine::PreflopAction action = engine::PreflopAction::Opened; // with Situation
    engine::Position position = engine::Position::Early;          // with Situation
    std::vector<MistakeCard> mistakes;                            // with Mistakes
};

// Every action and position that some table of 3 to 10 players meets.
std::vector<DrillSituation> possibleSituations(engine::PreflopAction action, engine::Position position);

class QuestionPicker {
public:
    QuestionPicker(DrillFocus focus, DrillRandom& random);

    bool inFocus(const CardKey& key) const;
    // The next card and its scene; none when the focus has nothing to ask
    // (no mistakes, or a situation no table meets).
    std::optional<Scene> pick(DrillLog& log, std::int64_t now, int questionNumber, double bigBlind);
    // A wrong answer to question `questionNumber` comes back later in the session.
    void relearn(const CardKey& key, int questionNumber);

private:
    std::optional<CardKey> newCard(DrillLog& log, std::int64_t now, engine::cards::HoleCards& cards);
    std::optional<CardKey> drawNewKey(engine::cards::HoleCards& cards);
    std::optional<Scene> sceneFor(const CardKey& key, std::optional<engine::cards::HoleCards> cards, double bigBlind);

    struct Relearn {
        CardKey key;
        int askAt = 0;
    };
    DrillFocus focus_;
    DrillRandom& random_;
    std::vector<DrillSituation> situations_; // the new cards' situations, for Everything and Situation
    double mistakeWeight_ = 0;
    std::deque<Relearn> relearn_;
};

} // namespace practice

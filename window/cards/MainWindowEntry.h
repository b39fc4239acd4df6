#pragma once
// Enters what the cards window reads into the main window, through the input
// API as a player would: the hand's two ranks and Suited, and, when the board
// fits one, the post-flop category with Heads-up or Multi-way; a board that
// fits none chooses the list's empty item, so that no earlier hand's advice
// stays. Each is entered when it changes, not at every keystroke; nothing
// else of the main window is touched.

#include <optional>
#include <string_view>

#include "engine/Postflop.h"
#include "engine/cards/HoleCards.h"
#include "window/cards/CardsReading.h"

namespace window {
class FrmPoker;
}

namespace window::cards {

class MainWindowEntry {
public:
    explicit MainWindowEntry(FrmPoker& frm) : frm_(frm) {}

    void follow(const CardsReading& reading, int opponents);

private:
    struct PostflopChoice {
        engine::PostflopCategory category;
        bool headsUp;
        friend bool operator==(const PostflopChoice&, const PostflopChoice&) = default;
    };

    void enterHand(const engine::cards::HoleCards& hand);
    void enterPostflop(const PostflopChoice& choice);
    // Chooses the post-flop list's item of that text; false if there is none.
    bool chooseListItem(std::string_view text);

    FrmPoker& frm_;
    std::optional<engine::cards::HoleCards> hand_;
    std::optional<PostflopChoice> postflop_;
    bool noneFitsEntered_ = false;
};

} // namespace window::cards

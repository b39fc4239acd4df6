// Pre-flop advice facing a raise and a re-raise. The longest answers are
// joined from a lead paragraph, a heading and equity notes.

#include "engine/Advice.h"
#include "engine/Hand.h"
#include "engine/PokerState.h"

namespace engine {

namespace {

using enum AdviceKey;

constexpr const char* CRLF = "\r\n";
constexpr const char* kHeading = "Your equity in the pot: A quick note";

// Only QQ, JJ and AK read the position: Early, Middle or Late alike, then
// Blinds; with none selected they give the empty text.
struct ReRaiseRow {
    std::string_view hands;
    AdviceText notBlinds;
    AdviceText blinds;
    AdviceText none;
};

constexpr ReRaiseRow sameEverywhere(std::string_view hands, AdviceText text)
{
    return {hands, text, text, text};
}

constexpr ReRaiseRow kReRaiseRows[] = {
    sameEverywhere("AA, KK", ADV_RR_01),
    {"QQ",
     AdviceText::joined({ADV_RR_02, CRLF, CRLF, kHeading, CRLF, ADV_RR_04}),
     AdviceText::joined({ADV_RR_03, CRLF, CRLF, kHeading, CRLF, ADV_RR_04}),
     ""},
    {"JJ",
     AdviceText::joined({ADV_RR_05, CRLF, CRLF, kHeading, CRLF, ADV_RR_06, CRLF, CRLF, ADV_RR_07}),
     AdviceText::joined({ADV_RR_08, CRLF, CRLF, kHeading, CRLF, ADV_RR_09, CRLF, CRLF, ADV_RR_10}),
     ""},
    sameEverywhere("AKs", ADV_RR_11),
    {"AK", ADV_RR_12, AdviceText::joined({ADV_RR_13, CRLF, CRLF, ADV_RR_14}), ""},
    sameEverywhere("TT, 99, 22, 33, 44, 55, 66, 77, 88", ADV_RR_15),
    sameEverywhere("AJs, KQs, AQs, AQ, JTs, QJs, KJs, ATs", "Fold."),
    sameEverywhere("A2s, A3s, A4s, A5s, A6s, A7s, A8s, A9s, KQ, KJ, AJ", "Fold"),
    sameEverywhere("KTs, J9s, QT, QTs, QJ, AT", "Fold this hand from all positions."),
    sameEverywhere("65s, 76s, 87s, 98s, T9s, 65, 76, 87, 98, T9, JT", "Fold from all positions."),
};

constexpr auto kReRaiseIndex = rowIndex(kReRaiseRows);

} // namespace

void getAdviseReRaise(PokerState& s)
{
    const std::string& hand = s.lblCardValue.caption();
    const int r = findRow(kReRaiseIndex, hand);
    if (r < 0) {
        s.adviseText.assign(hand.empty() ? kEnterHoleCards : kNotPlayable);
        return;
    }
    const ReRaiseRow& row = kReRaiseRows[r];
    if (s.optEarly.value() || s.optMiddle.value() || s.optLate.value())
        row.notBlinds.writeTo(s.adviseText);
    else if (s.optBlinds.value())
        row.blinds.writeTo(s.adviseText);
    else
        row.none.writeTo(s.adviseText);
}

} // namespace engine

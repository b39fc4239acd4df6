// Pre-flop advice facing a raise and a re-raise. The longest answers are
// joined from a lead paragraph, a heading and equity notes. Only QQ, JJ and AK
// read the position, and then only whether it is the blinds; with no position
// chosen they give the empty text.

#include "engine/PreflopTables.h"

namespace engine {

namespace {

using enum AdviceKey;
using Text = AdviceText;

constexpr const char* CRLF = "\r\n";
constexpr const char* kHeading = "Your equity in the pot: A quick note";

constexpr AdviceRow blindsApart(std::string_view hands, AdviceText elsewhere, AdviceText blinds)
{
    return {hands, elsewhere, elsewhere, elsewhere, blinds, ""};
}

constexpr AdviceRow kRows[] = {
    anyPosition<Text>("AA, KK", ADV_RR_01),
    blindsApart("QQ",
                Text::joined({ADV_RR_02, CRLF, CRLF, kHeading, CRLF, ADV_RR_04}),
                Text::joined({ADV_RR_03, CRLF, CRLF, kHeading, CRLF, ADV_RR_04})),
    blindsApart("JJ",
                Text::joined({ADV_RR_05, CRLF, CRLF, kHeading, CRLF, ADV_RR_06, CRLF, CRLF, ADV_RR_07}),
                Text::joined({ADV_RR_08, CRLF, CRLF, kHeading, CRLF, ADV_RR_09, CRLF, CRLF, ADV_RR_10})),
    anyPosition<Text>("AKs", ADV_RR_11),
    blindsApart("AK", ADV_RR_12, Text::joined({ADV_RR_13, CRLF, CRLF, ADV_RR_14})),
    anyPosition<Text>("TT, 99, 22, 33, 44, 55, 66, 77, 88", ADV_RR_15),
    anyPosition<Text>("AJs, KQs, AQs, AQ, JTs, QJs, KJs, ATs", "Fold."),
    anyPosition<Text>("A2s, A3s, A4s, A5s, A6s, A7s, A8s, A9s, KQ, KJ, AJ", "Fold"),
    anyPosition<Text>("KTs, J9s, QT, QTs, QJ, AT", "Fold this hand from all positions."),
    anyPosition<Text>("65s, 76s, 87s, 98s, T9s, 65, 76, 87, 98, T9, JT", "Fold from all positions."),
};

} // namespace

constexpr AdviceTable kReRaisedAdvice{kRows};

} // namespace engine

#pragma once
// A window state for engine tests, with money in the United States format,
// and helpers to set its inputs without running any window handler (the
// engine's controls have no handlers connected here).

#include <string>
#include <string_view>

#include "engine/PokerState.h"
#include "engine/content/AdviceContent.h"

namespace enginetest {

enum class Pos { None, Early, Middle, Late, Blinds };

inline const platform::Money& usMoney()
{
    static const platform::Money m(platform::MoneyLocale::unitedStates());
    return m;
}

struct State : engine::PokerState {
    State() : engine::PokerState(usMoney()) {}

    void position(Pos p)
    {
        for (platform::OptionButton* b : {&optEarly, &optMiddle, &optLate, &optBlinds})
            b->setValue(false);
        switch (p) {
        case Pos::Early: optEarly.setValue(true); break;
        case Pos::Middle: optMiddle.setValue(true); break;
        case Pos::Late: optLate.setValue(true); break;
        case Pos::Blinds: optBlinds.setValue(true); break;
        case Pos::None: break;
        }
    }

    // Types a hand as the hole-card box and the Suited box hold it: "AKs"
    // ticks Suited.
    void hand(std::string_view text)
    {
        const bool suited = text.size() == 3 && text[2] == 's';
        txtHoleCard.setText(text.substr(0, 2));
        chkSuited.setValue(suited ? 1 : 0);
    }
};

// An expected advice: a content key's text, or a literal.
inline std::string expectedText(std::string_view expected)
{
    if (const auto key = engine::adviceKeyFromName(expected))
        return std::string(engine::adviceText(*key));
    return std::string(expected);
}

inline const char* posName(Pos p)
{
    switch (p) {
    case Pos::Early: return "Early";
    case Pos::Middle: return "Middle";
    case Pos::Late: return "Late";
    case Pos::Blinds: return "Blinds";
    case Pos::None: break;
    }
    return "none";
}

} // namespace enginetest

#include "engine/Situation.h"

namespace engine {

std::string_view positionName(Position p)
{
    switch (p) {
    case Position::Early: return "Early";
    case Position::Middle: return "Middle";
    case Position::Late: return "Late";
    case Position::Blinds: break;
    }
    return "Blinds";
}

std::string_view actionName(PreflopAction a)
{
    switch (a) {
    case PreflopAction::Opened: return "Opened";
    case PreflopAction::Limped: return "Limped";
    case PreflopAction::Raised: return "Raise";
    case PreflopAction::RaisedCalled: return "Raise and Call";
    case PreflopAction::ReRaised: break;
    }
    return "Raise and Re-Raise";
}

} // namespace engine

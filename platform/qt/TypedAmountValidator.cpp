#include "platform/qt/TypedAmountValidator.h"

#include "platform/qt/QtText.h"

namespace platform::qt {

QValidator::State TypedAmountValidator::validate(QString& text, int&) const
{
    const std::string typed = toUtf8(text);
    if (amount_.isTyped(typed))
        return Acceptable;
    // On its way to an amount: "1 00" in fr_FR before its last digit.
    return amount_.isStartOfTyped(typed) ? Intermediate : Invalid;
}

} // namespace platform::qt

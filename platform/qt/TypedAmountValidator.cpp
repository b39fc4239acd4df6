#include "platform/qt/TypedAmountValidator.h"

#include "platform/qt/QtText.h"

namespace platform::qt {

QValidator::State TypedAmountValidator::validate(QString& text, int&) const
{
    return amount_.isTyped(toUtf8(text)) ? Acceptable : Invalid;
}

} // namespace platform::qt

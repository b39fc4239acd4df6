#pragma once
// A line edit's validator that lets in what platform::TypedAmount calls a
// typed amount, or the start of one, so that every amount box takes the same
// texts.

#include <QValidator>

#include "platform/money/TypedAmount.h"

namespace platform::qt {

class TypedAmountValidator : public QValidator {
public:
    TypedAmountValidator(const platform::Money& money, QObject* parent) : QValidator(parent), amount_(money) {}
    State validate(QString& text, int& pos) const override;

private:
    platform::TypedAmount amount_;
};

} // namespace platform::qt

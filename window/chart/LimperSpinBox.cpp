#include "window/chart/LimperSpinBox.h"

#include <QLineEdit>
#include <algorithm>

namespace window {

namespace {

bool isCount(const QString& text)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

QString withoutLeadingZeros(const QString& digits)
{
    qsizetype first = 0;
    while (first + 1 < digits.size() && digits[first] == u'0')
        ++first;
    return digits.mid(first);
}

} // namespace

QString nextCount(const QString& digits)
{
    QString n = withoutLeadingZeros(digits);
    qsizetype i = n.size() - 1;
    while (i >= 0 && n[i] == u'9')
        n[i--] = u'0';
    if (i < 0)
        n.prepend(u'1');
    else
        n[i] = QChar(n[i].unicode() + 1);
    return n;
}

QString previousCount(const QString& digits)
{
    QString n = withoutLeadingZeros(digits);
    if (n == u"0")
        return n;
    qsizetype i = n.size() - 1;
    while (n[i] == u'0')
        n[i--] = u'9';
    n[i] = QChar(n[i].unicode() - 1);
    return withoutLeadingZeros(n);
}

LimperSpinBox::LimperSpinBox(QWidget* parent) : QAbstractSpinBox(parent)
{
    lineEdit()->setText(count_);
    connect(lineEdit(), &QLineEdit::textEdited, this, &LimperSpinBox::edited);
    connect(this, &QAbstractSpinBox::editingFinished, this, [this] {
        if (lineEdit()->text() != count_)
            lineEdit()->setText(count_); // emptied and left: the count stays
    });
}

void LimperSpinBox::setCount(const QString& count)
{
    if (!isCount(count))
        return;
    if (lineEdit()->text() != count)
        lineEdit()->setText(count);
    if (count == count_)
        return;
    count_ = count;
    emit countChanged(count_);
}

void LimperSpinBox::edited(const QString& text)
{
    if (isCount(text) && text != count_) {
        count_ = text;
        emit countChanged(count_);
    }
}

void LimperSpinBox::stepBy(int steps)
{
    QString n = count_;
    for (; steps > 0; --steps)
        n = nextCount(n);
    for (; steps < 0 && withoutLeadingZeros(n) != u"1"; ++steps)
        n = previousCount(n);
    if (n == u"0")
        n = QStringLiteral("1");
    setCount(n);
    selectAll();
}

QAbstractSpinBox::StepEnabled LimperSpinBox::stepEnabled() const
{
    const QString n = withoutLeadingZeros(count_);
    return n == u"1" || n == u"0" ? StepUpEnabled : StepUpEnabled | StepDownEnabled;
}

QValidator::State LimperSpinBox::validate(QString& input, int&) const
{
    if (input.isEmpty())
        return QValidator::Intermediate;
    return isCount(input) ? QValidator::Acceptable : QValidator::Invalid;
}

void LimperSpinBox::fixup(QString& input) const
{
    if (!isCount(input))
        input = count_;
}

QSize LimperSpinBox::sizeHint() const
{
    // Room for a count of several digits beside the arrows.
    QSize hint = QAbstractSpinBox::sizeHint();
    hint.setWidth(std::max(hint.width(), fontMetrics().horizontalAdvance(QStringLiteral("000000000")) + 28));
    return hint;
}

} // namespace window

#pragma once
// The chart's number of limpers: any count of digits, as the main window's
// limper box takes it, kept as text. The arrows count up and down in decimal
// text, however many digits the count has, and stop at one limper.

#include <QAbstractSpinBox>
#include <QString>

namespace window {

class LimperSpinBox : public QAbstractSpinBox {
    Q_OBJECT

public:
    explicit LimperSpinBox(QWidget* parent = nullptr);

    // The count as it stands (digits, never empty).
    QString count() const { return count_; }
    // Takes a count of digits; anything else is ignored.
    void setCount(const QString& count);

    void stepBy(int steps) override;
    StepEnabled stepEnabled() const override;
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
    QSize sizeHint() const override;

signals:
    void countChanged(const QString& count);

private:
    void edited(const QString& text);

    QString count_ = QStringLiteral("1");
};

// Decimal text arithmetic on counts of digits: one more, one less (never
// below zero). Leading zeros are dropped.
QString nextCount(const QString& digits);
QString previousCount(const QString& digits);

} // namespace window

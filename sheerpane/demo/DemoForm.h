#pragma once
// The demo's form: a table picture with the control over it, and switches
// for the control's BackStyle, BorderStyle, Caption and Appearance. The form
// reaches the control only through its Qt properties and signals.

#include <QPointer>
#include <QWidget>
#include <utility>

#include "sheerpane/demo/CardDealer.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace sheerpanedemo {

class DemoForm : public QWidget {
    Q_OBJECT

public:
    DemoForm();

    // Where the control stands, over the picture.
    static QRect controlArea();
    // Puts the control on the form, with a few controls of the form's own
    // inside it. Without one the form shows the bare picture.
    void placeControl(QWidget* control);
    QWidget* control() const { return control_.data(); }

    // The switches, as a person would use them.
    void chooseBackStyle(int value);
    void chooseBorderStyle(int value);
    void chooseAppearance(int value);
    void typeCaption(const QString& caption);
    // Deals two new cards onto the table, as the Deal button on the control
    // does (without the control, straight onto the table).
    void pressDeal();

public slots:
    // New cards on the felt; a see-through control captures the table anew.
    void deal();

protected:
    void paintEvent(QPaintEvent* event) override;

private slots:
    void showControlError(int number, const QString& description);

private:
    void applySwitches();

    QPointer<QWidget> control_;
    QPointer<QPushButton> dealButton_;
    CardDealer dealer_;
    std::pair<Card, Card> cards_;
    QComboBox* backStyle_;
    QComboBox* borderStyle_;
    QComboBox* appearance_;
    QLineEdit* caption_;
};

} // namespace sheerpanedemo

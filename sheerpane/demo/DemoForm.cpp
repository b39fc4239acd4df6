#include "sheerpane/demo/DemoForm.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "sheerpane/demo/TablePicture.h"

namespace sheerpanedemo {

namespace {

constexpr int kPictureWidth = 480;
constexpr int kFormHeight = 400;
constexpr int kPanelWidth = 240;

} // namespace

DemoForm::DemoForm() : cards_(dealer_.deal())
{
    setWindowTitle(QStringLiteral("Sheerpane demo"));
    setFixedSize(kPictureWidth + kPanelWidth, kFormHeight);

    auto* panel = new QGroupBox(QStringLiteral("Sheerpane"), this);
    panel->setGeometry(kPictureWidth + 10, 10, kPanelWidth - 20, 200);
    panel->setAutoFillBackground(true);
    auto* layout = new QFormLayout(panel);
    backStyle_ = new QComboBox(panel);
    backStyle_->addItem(QStringLiteral("0 - Transparent"), 0);
    backStyle_->addItem(QStringLiteral("1 - Opaque"), 1);
    borderStyle_ = new QComboBox(panel);
    borderStyle_->addItem(QStringLiteral("0 - None"), 0);
    borderStyle_->addItem(QStringLiteral("1 - Fixed Single"), 1);
    borderStyle_->setCurrentIndex(1);
    appearance_ = new QComboBox(panel);
    appearance_->addItem(QStringLiteral("0 - Flat"), 0);
    appearance_->addItem(QStringLiteral("1 - 3D"), 1);
    appearance_->setCurrentIndex(1);
    caption_ = new QLineEdit(QStringLiteral("Pot odds"), panel);
    layout->addRow(QStringLiteral("BackStyle"), backStyle_);
    layout->addRow(QStringLiteral("BorderStyle"), borderStyle_);
    layout->addRow(QStringLiteral("Caption"), caption_);
    layout->addRow(QStringLiteral("Appearance"), appearance_);

    auto* note = new QLabel(QStringLiteral("A transparent Sheerpane shows the picture it captured when the form "
                                           "painted; the form repaints after each change. Deal puts new cards "
                                           "on the table behind it."),
                            this);
    note->setWordWrap(true);
    note->setGeometry(kPictureWidth + 12, 220, kPanelWidth - 24, 100);

    const auto changed = [this] { applySwitches(); };
    connect(backStyle_, &QComboBox::currentIndexChanged, this, changed);
    connect(borderStyle_, &QComboBox::currentIndexChanged, this, changed);
    connect(appearance_, &QComboBox::currentIndexChanged, this, changed);
    connect(caption_, &QLineEdit::textChanged, this, changed);
}

QRect DemoForm::controlArea()
{
    return QRect(70, 90, 340, 210);
}

void DemoForm::placeControl(QWidget* control)
{
    control_ = control;
    control->setParent(this);
    control->setObjectName(QStringLiteral("Sheerpane1"));
    control->setGeometry(controlArea());
    connect(control, SIGNAL(errorRaised(int,QString)), this, SLOT(showControlError(int,QString)));

    // Controls of the form's own, inside the frame: they stay opaque.
    auto* odds = new QLabel(QStringLiteral("Four to one: call"), control);
    odds->setGeometry(24, 40, 200, 24);
    dealButton_ = new QPushButton(QStringLiteral("Deal"), control);
    dealButton_->setGeometry(24, 160, 90, 30);
    connect(dealButton_, &QPushButton::clicked, this, &DemoForm::deal);
    applySwitches();
}

void DemoForm::chooseBackStyle(int value) { backStyle_->setCurrentIndex(backStyle_->findData(value)); }
void DemoForm::chooseBorderStyle(int value) { borderStyle_->setCurrentIndex(borderStyle_->findData(value)); }
void DemoForm::chooseAppearance(int value) { appearance_->setCurrentIndex(appearance_->findData(value)); }
void DemoForm::typeCaption(const QString& caption) { caption_->setText(caption); }

void DemoForm::pressDeal()
{
    if (dealButton_)
        dealButton_->click();
    else
        deal();
}

void DemoForm::deal()
{
    cards_ = dealer_.deal();
    if (!control_) {
        update();
        return;
    }
    // A see-through control keeps the picture it captured until it stops
    // showing it: opaque for one paint of the form, then back, and it
    // captures the new table.
    const QVariant backStyle = control_->property("BackStyle");
    control_->setProperty("BackStyle", 1);
    repaint();
    QMetaObject::invokeMethod(
        this,
        [this, backStyle] {
            if (control_)
                control_->setProperty("BackStyle", backStyle);
            update();
        },
        Qt::QueuedConnection);
}

void DemoForm::applySwitches()
{
    if (!control_)
        return;
    control_->setProperty("BackStyle", backStyle_->currentData().toInt());
    control_->setProperty("BorderStyle", borderStyle_->currentData().toInt());
    control_->setProperty("Appearance", appearance_->currentData().toInt());
    control_->setProperty("Caption", caption_->text());
    // BackStyle takes effect when the form paints.
    update();
}

void DemoForm::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintTablePicture(painter, QRect(0, 0, kPictureWidth, kFormHeight), cards_);
    painter.fillRect(QRect(kPictureWidth, 0, kPanelWidth, kFormHeight), palette().window());
}

void DemoForm::showControlError(int number, const QString& description)
{
    QMessageBox::warning(this, windowTitle(),
                         QStringLiteral("The control reported error %1: %2").arg(number).arg(description));
}

} // namespace sheerpanedemo

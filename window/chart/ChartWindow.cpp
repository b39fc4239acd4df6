#include "window/chart/ChartWindow.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QVBoxLayout>

#include "window/chart/ChartPick.h"
#include "window/chart/LimperSpinBox.h"
#include "window/model/FrmPoker.h"
#include "platform/qt/QtText.h"
#include "platform/qt/ScreenFit.h"
#include "platform/qt/SystemPalette.h"
#include "platform/qt/TypedAmountValidator.h"
#include "engine/LimperCount.h"
#include "platform/money/TypedAmount.h"

namespace window {

namespace {

using platform::qt::toQString;

} // namespace

ChartGrid::ChartGrid(const engine::Chart& chart, QWidget* parent) : QWidget(parent), chart_(chart)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(geometry_.totalSize());
}

QSize ChartGrid::sizeHint() const
{
    return geometry_.totalSize();
}

void ChartGrid::setTitle(const QString& title)
{
    title_ = title;
    update();
}

void ChartGrid::setSelected(int cell)
{
    if (cell < 0 || cell >= engine::kHandCount || cell == selected_)
        return;
    selected_ = cell;
    update();
}

QString ChartGrid::toolTipFor(int cell) const
{
    const engine::ChartCell& c = chart_.cells[static_cast<std::size_t>(cell)];
    const QString bet = c.bet.empty() ? QStringLiteral("(no bet shown)") : toQString(c.bet);
    return QStringLiteral("<b>%1</b> &mdash; %2<br>%3")
        .arg(toQString(c.hand).toHtmlEscaped(), bet.toHtmlEscaped(),
             toQString(engine::firstSentence(c.advice)).toHtmlEscaped());
}

void ChartGrid::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    paintChart(p, chart_, title_, geometry_, hasFocus() ? selected_ : -1);
}

void ChartGrid::mousePressEvent(QMouseEvent* event)
{
    const int cell = geometry_.cellAt(event->position().toPoint());
    if (cell < 0 || event->button() != Qt::LeftButton)
        return;
    setSelected(cell);
    emit picked(cell);
}

void ChartGrid::keyPressEvent(QKeyEvent* event)
{
    int row = selected_ / 13;
    int column = selected_ % 13;
    switch (event->key()) {
    case Qt::Key_Left: column = std::max(0, column - 1); break;
    case Qt::Key_Right: column = std::min(12, column + 1); break;
    case Qt::Key_Up: row = std::max(0, row - 1); break;
    case Qt::Key_Down: row = std::min(12, row + 1); break;
    case Qt::Key_Return:
    case Qt::Key_Enter: emit picked(selected_); return;
    default: QWidget::keyPressEvent(event); return;
    }
    setSelected(row * 13 + column);
}

bool ChartGrid::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int cell = geometry_.cellAt(help->pos());
        if (cell < 0)
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), toolTipFor(cell), this, geometry_.cellRect(cell / 13, cell % 13));
        return true;
    }
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
        update();
    return QWidget::event(event);
}

ChartWindow::ChartWindow(FrmPoker& frm, QWidget* parent) : QWidget(parent, Qt::Window), frm_(frm)
{
    setWindowTitle(tr("Strategy Chart - Brisvane Tablewise"));
    setAttribute(Qt::WA_QuitOnClose, false);
    // The main window's green, with white labels.
    QPalette green = palette();
    green.setColor(QPalette::Window, QColor(5, 124, 19));
    green.setColor(QPalette::WindowText, Qt::white);
    setPalette(green);
    setAutoFillBackground(true);

    action_ = new QComboBox(this);
    for (engine::PreflopAction a : engine::kPreflopActions)
        action_->addItem(toQString(engine::actionName(a)));
    position_ = new QComboBox(this);
    for (engine::Position p : engine::kPositions)
        position_->addItem(toQString(engine::positionName(p)));
    limpers_ = new LimperSpinBox(this);
    // The desktop's colours, as the other selectors draw with: the window's
    // white text would hide the arrows on their light buttons.
    limpers_->setPalette(platform::qt::systemPalette());
    bigBlind_ = new QLineEdit(QStringLiteral("1"), this);
    // What the main window's big-blind box takes: digits with at most one
    // point, ten characters in all, so that a pick can type it there.
    bigBlind_->setValidator(new platform::qt::TypedAmountValidator(frm_.money, bigBlind_));
    bigBlind_->setMaximumWidth(110);

    auto* selectors = new QHBoxLayout;
    auto addSelector = [&](const QString& label, QWidget* w) {
        auto* l = new QLabel(label, this);
        l->setBuddy(w);
        selectors->addWidget(l);
        selectors->addWidget(w);
        selectors->addSpacing(12);
    };
    addSelector(tr("&Action"), action_);
    addSelector(tr("&Position"), position_);
    addSelector(tr("&Limpers"), limpers_);
    addSelector(tr("&Big blind"), bigBlind_);
    selectors->addStretch();

    // The chart keeps its size where the screen holds it, and scrolls where
    // it does not.
    auto* content = new QWidget;
    grid_ = new ChartGrid(chart_, content);
    auto* layout = new QVBoxLayout(content);
    layout->addLayout(selectors);
    layout->addWidget(grid_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    new platform::qt::ScreenFit(*this, *content, platform::qt::ScreenFit::Sizing::Fixed);

    connect(action_, &QComboBox::currentIndexChanged, this, &ChartWindow::recompute);
    connect(position_, &QComboBox::currentIndexChanged, this, &ChartWindow::recompute);
    connect(limpers_, &LimperSpinBox::countChanged, this, &ChartWindow::recompute);
    connect(bigBlind_, &QLineEdit::textChanged, this, &ChartWindow::recompute);
    connect(grid_, &ChartGrid::picked, this, &ChartWindow::pick);

    followMainWindow();
    recompute();
    // The main window's every input may change the situation.
    inputDoneConnection_ = frm_.form.inputDone.connect([this] { followMainWindow(); });
}

ChartWindow::~ChartWindow()
{
    frm_.form.inputDone.disconnect(inputDoneConnection_);
}

// Escape closes the chart, as it closes the About window, and F1 asks for its
// help page; the selectors pass both on when their lists are closed.
void ChartWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers() == Qt::NoModifier && event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    if (event->modifiers() == Qt::NoModifier && event->key() == Qt::Key_F1) {
        emit helpRequested();
        return;
    }
    QWidget::keyPressEvent(event);
}

engine::ChartSituation ChartWindow::situation() const
{
    engine::ChartSituation s;
    s.action = static_cast<engine::PreflopAction>(action_->currentIndex());
    s.position = static_cast<engine::Position>(position_->currentIndex());
    s.limpers = engine::limperCount(platform::qt::toUtf8(limpers_->count()), frm_.money).value_or(1.0);
    s.bigBlind = platform::TypedAmount(frm_.money).read(platform::qt::toUtf8(bigBlind_->text())).value_or(1.0);
    return s;
}

void ChartWindow::followMainWindow()
{
    const FrmPoker& s = frm_;
    const QSignalBlocker b1(action_), b2(position_), b3(limpers_), b4(bigBlind_);
    if (const auto action = s.selectedAction())
        action_->setCurrentIndex(static_cast<int>(*action));
    if (const auto position = s.selectedPosition())
        position_->setCurrentIndex(static_cast<int>(*position));
    limpers_->setCount(toQString(s.txtLimpers.text())); // an empty box leaves the chart's count
    if (const auto bb = platform::TypedAmount(s.money).read(s.txtBB.text()); bb && *bb > 0)
        bigBlind_->setText(toQString(platform::TypedAmount(s.money).write(*bb)));
    recompute();
}

void ChartWindow::recompute()
{
    const engine::ChartSituation sit = situation();
    limpers_->setEnabled(sit.action == engine::PreflopAction::Limped);
    chart_ = engine::computeChart(sit, frm_.money);
    QString title = toQString(engine::actionName(sit.action)) + QStringLiteral(", ")
        + toQString(engine::positionName(sit.position)) + QStringLiteral(" position, big blind ")
        + toQString(frm_.money.amountText(sit.bigBlind));
    if (sit.action == engine::PreflopAction::Limped)
        title += QStringLiteral(", %1 limper%2").arg(limpers_->count(), sit.limpers == 1 ? "" : "s");
    grid_->setTitle(title);
    grid_->update();
}

void ChartWindow::pick(int cell)
{
    if (cell < 0 || cell >= engine::kHandCount)
        return;
    enterChartCell(frm_, situation(), engine::handText(cell));
}

} // namespace window

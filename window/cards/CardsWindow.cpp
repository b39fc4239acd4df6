#include "window/cards/CardsWindow.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QShortcut>
#include <QSpinBox>
#include <QTimer>
#include <QValidator>
#include <QVBoxLayout>
#include <cstdlib>

#include "platform/qt/QtText.h"
#include "platform/qt/ScreenFit.h"
#include "platform/qt/SystemPalette.h"
#include "platform/qt/TypedAmountValidator.h"
#include "window/cards/CardGrid.h"
#include "window/cards/CardsStateDump.h"
#include "window/cards/CardsText.h"
#include "window/model/FrmPoker.h"
#include "window/model/StateDump.h"

namespace window::cards {

namespace {

using platform::qt::toQString;
using platform::qt::toUtf8;

// A run shorter than this shows no progress mark.
constexpr int kProgressDelayMs = 100;

const QColor kGreen(5, 124, 19);
const QColor kMessageColour(255, 230, 128);

QLabel* messageLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, kMessageColour);
    label->setPalette(p);
    label->setWordWrap(true);
    label->setMinimumWidth(260);
    return label;
}

QString streetName(std::size_t boardCards)
{
    switch (boardCards) {
    case 3: return QStringLiteral("on the flop");
    case 4: return QStringLiteral("on the turn");
    case 5: return QStringLiteral("on the river");
    default: return QStringLiteral("before the flop");
    }
}

} // namespace

CardsWindow::CardsWindow(FrmPoker& frm, QWidget* parent, EquityWorker::Computation compute)
    : QWidget(parent, Qt::Window), model_(frm)
{
    setWindowTitle(tr("Cards and Board - Brisvane Tablewise"));
    setAttribute(Qt::WA_QuitOnClose, false);
    QPalette green = palette();
    green.setColor(QPalette::Window, kGreen);
    green.setColor(QPalette::WindowText, Qt::white);
    setPalette(green);
    setAutoFillBackground(true);

    auto* inputs = new QGridLayout;
    static constexpr const char* captions[] = {"&Hole cards", "&Flop", "&Turn", "&River"};
    static constexpr const char* examples[] = {"AhKh", "Qh Jh 2c", "7d", "3s"};
    for (CardBox box : kCardBoxes) {
        const auto i = static_cast<std::size_t>(box);
        auto* edit = new QLineEdit(this);
        edit->setPlaceholderText(QStringLiteral("e.g. ") + QString::fromLatin1(examples[i]));
        edit->setMaximumWidth(box == CardBox::Hole || box == CardBox::Flop ? 140 : 80);
        auto* label = new QLabel(tr(captions[i]), this);
        label->setBuddy(edit);
        boxes_[i] = edit;
        boxMessages_[i] = messageLabel(this);
        const int row = static_cast<int>(i);
        inputs->addWidget(label, row, 0);
        inputs->addWidget(edit, row, 1);
        inputs->addWidget(boxMessages_[i], row, 2, 1, 3);
        connect(edit, &QLineEdit::textEdited, this, [this, box](const QString& text) {
            gridMessage_->clear();
            model_.setText(box, toUtf8(text));
            showInput();
        });
    }

    opponents_ = new QSpinBox(this);
    opponents_->setRange(kMinOpponents, kMaxOpponents);
    opponents_->setMinimumWidth(60);
    // The desktop's colours, as the pot and bet boxes draw with: the window's
    // white text would hide the arrows on their light buttons.
    opponents_->setPalette(platform::qt::systemPalette());
    auto* opponentsLabel = new QLabel(tr("&Opponents"), this);
    opponentsLabel->setBuddy(opponents_);
    inputs->addWidget(opponentsLabel, 4, 0);
    inputs->addWidget(opponents_, 4, 1, Qt::AlignLeft);

    pot_ = new QLineEdit(this);
    bet_ = new QLineEdit(this);
    auto* potLabel = new QLabel(tr("&Pot"), this);
    auto* betLabel = new QLabel(tr("&Bet to call"), this);
    potLabel->setBuddy(pot_);
    betLabel->setBuddy(bet_);
    for (QLineEdit* amount : {pot_, bet_}) {
        amount->setValidator(new platform::qt::TypedAmountValidator(frm.money, amount));
        amount->setMaximumWidth(110);
    }
    potMessage_ = messageLabel(this);
    inputs->addWidget(potLabel, 5, 0);
    inputs->addWidget(pot_, 5, 1);
    inputs->addWidget(betLabel, 5, 2, Qt::AlignRight);
    inputs->addWidget(bet_, 5, 3);
    inputs->addWidget(potMessage_, 6, 1, 1, 4);
    inputs->setColumnStretch(4, 1);

    grid_ = new CardGrid(this);
    gridMessage_ = messageLabel(this);

    reading_ = new QLabel(this);
    reading_->setWordWrap(true);
    reading_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    equityTitle_ = new QLabel(this);
    equity_ = new QLabel(this);
    QFont big = equity_->font();
    big.setBold(true);
    // The program's face may be sized in pixels, with no point size.
    if (big.pointSizeF() > 0)
        big.setPointSizeF(big.pointSizeF() * 1.2);
    else
        big.setPixelSize(static_cast<int>(big.pixelSize() * 1.2 + 0.5));
    equity_->setFont(big);
    equity_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    method_ = new QLabel(this);
    progress_ = new QProgressBar(this);
    progress_->setMaximumWidth(160);
    progress_->setMaximumHeight(16);
    progress_->hide();
    potOdds_ = new QLabel(this);
    potOdds_->setWordWrap(true);

    // Room for the longest texts from the start, so that nothing moves as
    // they come and go.
    const int line = fontMetrics().lineSpacing();
    reading_->setMinimumHeight(4 * line);
    potOdds_->setMinimumHeight(2 * line);
    gridMessage_->setMinimumHeight(line);
    method_->setMinimumHeight(line);
    equity_->setMinimumHeight(QFontMetrics(big).lineSpacing());

    auto* methodRow = new QHBoxLayout;
    methodRow->addWidget(method_);
    methodRow->addWidget(progress_);
    methodRow->addStretch();

    // Where the screen is less tall than the window, its content scrolls.
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->addLayout(inputs);
    layout->addWidget(grid_, 0, Qt::AlignHCenter);
    layout->addWidget(gridMessage_);
    layout->addWidget(reading_);
    layout->addSpacing(6);
    layout->addWidget(equityTitle_);
    layout->addWidget(equity_);
    layout->addLayout(methodRow);
    layout->addWidget(potOdds_);
    layout->addStretch();
    screenFit_ = new platform::qt::ScreenFit(*this, *content, platform::qt::ScreenFit::Sizing::Resizable);

    progressDelay_ = new QTimer(this);
    progressDelay_->setSingleShot(true);
    progressDelay_->setInterval(kProgressDelayMs);
    connect(progressDelay_, &QTimer::timeout, this, [this] { progress_->setVisible(running_); });

    connect(grid_, &CardGrid::picked, this, &CardsWindow::pick);
    connect(opponents_, &QSpinBox::valueChanged, this, [this](int n) {
        model_.setOpponents(n);
        showInput();
    });
    connect(pot_, &QLineEdit::textEdited, this, [this](const QString& text) {
        model_.setPot(toUtf8(text));
        showPotOdds();
    });
    connect(bet_, &QLineEdit::textEdited, this, [this](const QString& text) {
        model_.setBet(toUtf8(text));
        showPotOdds();
    });
    // Escape closes the window, as it closes the chart.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, [this] { showCardsHelp(model_.mainWindow()); });

    // Results come on the worker thread; they are shown on this one.
    worker_ = std::make_unique<EquityWorker>(
        [this](const EquityUpdate& update) {
            QMetaObject::invokeMethod(this, [this, update] { receive(update); }, Qt::QueuedConnection);
        },
        std::move(compute));
    showInput();
    // Every input of the main window may change its Players option.
    inputDoneConnection_ = frm.form.inputDone.connect([this] {
        if (!model_.followMainWindow())
            return;
        const QSignalBlocker blocker(opponents_);
        opponents_->setValue(model_.input().opponents);
        showInput();
    });
}

void CardsWindow::placeAt(QPoint frameTopLeft)
{
    screenFit_->placeAt(frameTopLeft);
}

CardsWindow::~CardsWindow()
{
    model_.mainWindow().form.inputDone.disconnect(inputDoneConnection_);
    worker_.reset();
}

void CardsWindow::pick(engine::cards::Card card)
{
    gridMessage_->setText(toQString(model_.pick(card)));
    showInput();
}

// Everything that follows from the cards and the opponents.
void CardsWindow::showInput()
{
    const CardsReading& reading = model_.reading();
    for (CardBox box : kCardBoxes) {
        const auto i = static_cast<std::size_t>(box);
        const QString text = toQString(model_.input().text(box));
        if (boxes_[i]->text() != text)
            boxes_[i]->setText(text);
        boxMessages_[i]->setText(toQString(reading.box(box).message));
    }
    grid_->setOwners(reading.owners);
    showReading();
    restartEquity();
    writeStateFileIfAsked();
}

void CardsWindow::showReading()
{
    const CardsReading& reading = model_.reading();
    QStringList lines;
    if (reading.boardReading)
        for (const std::string& line : readingLines(*reading.boardReading))
            lines << toQString(line);
    else if (reading.hand)
        lines << tr("Type or pick the flop to read the hand on the board.");
    reading_->setText(lines.join(QLatin1Char('\n')));
}

// A run for inputs that no longer stand is abandoned, and one for the new
// inputs started; inputs that ask for the same computation leave the run be.
void CardsWindow::restartEquity()
{
    auto request = model_.equityRequest();
    if (request && request_ && sameComputation(*request, *request_))
        return;
    request_ = request;
    finished_.reset();
    progress_->hide();
    equity_->clear();
    method_->clear();
    if (!request) {
        worker_->cancel();
        running_ = false;
        progressDelay_->stop();
        equityTitle_->setText(tr("Type or pick two hole cards for their equity."));
        showPotOdds();
        return;
    }
    const int n = request->opponents;
    equityTitle_->setText(tr("Equity against %1 random hand%2, %3")
                              .arg(n)
                              .arg(n == 1 ? QString() : QStringLiteral("s"))
                              .arg(streetName(request->board.size())));
    run_ = worker_->start(*request);
    running_ = true;
    progress_->setRange(0, 0);
    progressDelay_->start();
    showPotOdds();
}

void CardsWindow::receive(const EquityUpdate& update)
{
    if (update.run != run_ || !running_)
        return;
    if (!update.finished) {
        if (update.fraction > 0) {
            progress_->setRange(0, 100);
            progress_->setValue(static_cast<int>(update.fraction * 100));
        }
        if (update.result.deals > 0)
            showEquity(update.result, true);
        return;
    }
    running_ = false;
    progressDelay_->stop();
    progress_->hide();
    if (update.result.status == engine::odds::EquityStatus::Invalid) {
        equity_->setText(toQString(update.result.error));
        method_->clear();
    } else {
        finished_ = update.result;
        showEquity(update.result, false);
    }
    showPotOdds();
    writeStateFileIfAsked();
}

void CardsWindow::showEquity(const engine::odds::EquityResult& result, bool sofar)
{
    equity_->setText(toQString(equityLine(result)));
    method_->setText(toQString(methodLine(result)) + (sofar ? tr(" so far") : QString()));
}

void CardsWindow::showPotOdds()
{
    const PotOddsReading odds = model_.potOdds();
    potMessage_->setText(toQString(odds.message));
    if (!odds.odds) {
        potOdds_->clear();
    } else if (!finished_) {
        potOdds_->setText(tr("A call needs %1 equity.").arg(toQString(percentText(odds.odds->price))));
    } else {
        potOdds_->setText(toQString(potOddsLine(*odds.odds, *finished_, model_.mainWindow().money)));
    }
}

void CardsWindow::writeStateFileIfAsked() const
{
    const char* path = std::getenv("TABLEWISE_CARDS_STATE_FILE");
    if (!path || !*path)
        return;
    writeDumpFile(cardsStateDump(model_, finished_ ? &*finished_ : nullptr), path);
}

} // namespace window::cards

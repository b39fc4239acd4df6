#include "window/cards/CardsWindow.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QShortcut>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QValidator>
#include <QVBoxLayout>
#include <cstdlib>

#include "engine/cards/RangeText.h"
#include "platform/qt/QtText.h"
#include "platform/qt/ScreenFit.h"
#include "platform/qt/SystemPalette.h"
#include "platform/qt/TypedAmountValidator.h"
#include "window/cards/CardGrid.h"
#include "window/cards/CardsStateDump.h"
#include "window/cards/CardsText.h"
#include "window/cards/OpponentRows.h"
#include "window/cards/RangeAnalysisPanel.h"
#include "window/cards/RangePickerDialog.h"
#include "window/model/FrmPoker.h"
#include "window/model/StateDump.h"

namespace window::cards {

namespace {

using platform::qt::toQString;
using platform::qt::toUtf8;

// A run shorter than this shows no progress mark.
constexpr int kProgressDelayMs = 100;
// Room for the analysis' tables and charts; where the screen has less, the
// window's content scrolls.
constexpr int kAnalysisHeight = 340;

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

QString plural(int n, const QString& one, const QString& more)
{
    return QStringLiteral("%1 %2").arg(n).arg(n == 1 ? one : more);
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
    static constexpr const char* captions[] = {"&Hole cards", "&Flop", "&Turn", "&River", "&Dead cards"};
    static constexpr const char* examples[] = {"AhKh", "Qh Jh 2c", "7d", "3s", "3c 9d"};
    for (CardBox box : kEveryCardBox) {
        const auto i = static_cast<std::size_t>(box);
        auto* edit = new QLineEdit(this);
        edit->setPlaceholderText(QStringLiteral("e.g. ") + QString::fromLatin1(examples[i]));
        edit->setMaximumWidth(box == CardBox::Turn || box == CardBox::River ? 80 : 140);
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
    inputs->addWidget(opponentsLabel, 5, 0);
    inputs->addWidget(opponents_, 5, 1, Qt::AlignLeft);
    opponentRows_ = new OpponentRows(this);
    inputs->addWidget(opponentRows_, 6, 0, 1, 5);

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
    inputs->addWidget(potLabel, 7, 0);
    inputs->addWidget(pot_, 7, 1);
    inputs->addWidget(betLabel, 7, 2, Qt::AlignRight);
    inputs->addWidget(bet_, 7, 3);
    inputs->addWidget(potMessage_, 8, 1, 1, 4);
    inputs->setColumnStretch(4, 1);

    grid_ = new CardGrid(this);
    gridMessage_ = messageLabel(this);

    reading_ = new QLabel(this);
    reading_->setWordWrap(true);
    reading_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    equityTitle_ = new QLabel(this);
    equityTitle_->setWordWrap(true);
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
    players_ = new QTableWidget(0, 5, this);
    players_->setHorizontalHeaderLabels({tr("Player"), tr("Holds"), tr("Win"), tr("Tie"), tr("Equity")});
    players_->verticalHeader()->hide();
    players_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    players_->setSelectionMode(QAbstractItemView::NoSelection);
    players_->setFocusPolicy(Qt::NoFocus);
    players_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    players_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    players_->setPalette(platform::qt::systemPalette());
    players_->hide();
    potOdds_ = new QLabel(this);
    potOdds_->setWordWrap(true);

    analysisToggle_ = new QToolButton(this);
    analysisToggle_->setObjectName(QStringLiteral("analysisToggle"));
    analysisToggle_->setText(tr("Range &analysis"));
    analysisToggle_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    analysisToggle_->setCheckable(true);
    analysisToggle_->setChecked(true);
    analysisToggle_->setArrowType(Qt::DownArrow);
    analysisToggle_->setAutoRaise(true);
    analysisToggle_->setPalette(palette());
    analysisTitle_ = new QLabel(this);
    analysisTitle_->setObjectName(QStringLiteral("analysisTitle"));
    analysisTitle_->setWordWrap(true);
    analysisTitle_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    analysis_ = new RangeAnalysisPanel(this);
    analysis_->setPalette(platform::qt::systemPalette());
    analysis_->setAutoFillBackground(true);
    analysis_->setMinimumHeight(kAnalysisHeight);

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
    layout->addWidget(players_);
    layout->addWidget(potOdds_);
    layout->addWidget(analysisToggle_, 0, Qt::AlignLeft);
    layout->addWidget(analysisTitle_);
    layout->addWidget(analysis_, 1);
    layout->addStretch();
    screenFit_ = new platform::qt::ScreenFit(*this, *content, platform::qt::ScreenFit::Sizing::Resizable);

    progressDelay_ = new QTimer(this);
    progressDelay_->setSingleShot(true);
    progressDelay_->setInterval(kProgressDelayMs);
    connect(progressDelay_, &QTimer::timeout, this, [this] { progress_->setVisible(running_); });

    connect(grid_, &CardGrid::picked, this, &CardsWindow::pick);
    connect(analysisToggle_, &QToolButton::toggled, this, [this](bool open) {
        analysisToggle_->setArrowType(open ? Qt::DownArrow : Qt::RightArrow);
        analysisTitle_->setVisible(open);
        analysis_->setVisible(open);
        analysis_->setActive(open);
    });
    connect(opponents_, &QSpinBox::valueChanged, this, [this](int n) {
        model_.setOpponents(n);
        showInput();
    });
    connect(opponentRows_, &OpponentRows::rangeEdited, this, [this](int opponent, const QString& text) {
        model_.setOpponentRange(opponent, toUtf8(text));
        showInput();
    });
    connect(opponentRows_, &OpponentRows::gridAsked, this, &CardsWindow::pickRange);
    // A card picked from the grid goes among the dead cards while they are
    // the box last in use; the grid taking the focus leaves that as it is.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now == nullptr || now == grid_ || !isAncestorOf(now))
            return;
        model_.setDeadCardsInUse(now == boxes_[static_cast<std::size_t>(CardBox::Dead)]);
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

void CardsWindow::pickRange(int opponent)
{
    RangePickerDialog dialog(this);
    dialog.setWindowTitle(tr("Range of opponent %1").arg(opponent + 1));
    dialog.setChartSituation(model_.chartSituation());
    const OpponentReading& reading = model_.opponentReading(opponent);
    if (reading.range)
        dialog.setRange(*reading.range);
    else if (reading.message.empty() && !model_.input().ranges[static_cast<std::size_t>(opponent)].empty())
        dialog.setRange(engine::cards::Range::random()); // typed as every hand
    if (dialog.exec() != QDialog::Accepted)
        return;
    const engine::cards::Range range = dialog.range();
    model_.setOpponentRange(opponent, range.empty() ? std::string() : engine::cards::rangeText(range));
    showInput();
}

// Everything that follows from the cards and the opponents.
void CardsWindow::showInput()
{
    const CardsReading& reading = model_.reading();
    for (CardBox box : kEveryCardBox) {
        const auto i = static_cast<std::size_t>(box);
        const QString text = toQString(model_.input().text(box));
        if (boxes_[i]->text() != text)
            boxes_[i]->setText(text);
        boxMessages_[i]->setText(toQString(reading.box(box).message));
    }
    opponentRows_->showRows(model_.input().opponents);
    for (int i = 0; i < kMaxOpponents; ++i)
        opponentRows_->setRow(i, toQString(model_.input().ranges[static_cast<std::size_t>(i)]),
                              toQString(model_.opponentReading(i).message));
    grid_->setOwners(reading.owners);
    showReading();
    restartEquity();
    showAnalysis();
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
    if (request && request_ && sameComputation(*request, *request_)) {
        showHolds(*request); // the same range may be written otherwise now
        return;
    }
    request_ = request;
    finished_.reset();
    progress_->hide();
    equity_->clear();
    method_->clear();
    showPlayers(request ? &*request : nullptr);
    if (!request) {
        worker_->cancel();
        running_ = false;
        progressDelay_->stop();
        equityTitle_->setText(toQString(model_.whyNoEquity()));
        showPotOdds();
        return;
    }
    if (request->players.empty()) {
        const int n = request->opponents;
        equityTitle_->setText(tr("Equity against %1 random hand%2, %3")
                                  .arg(n)
                                  .arg(n == 1 ? QString() : QStringLiteral("s"))
                                  .arg(streetName(request->board.size())));
    } else {
        const int n = static_cast<int>(request->players.size()) - 1;
        QString title = tr("Equity of you and %1, %2")
                            .arg(plural(n, tr("opponent"), tr("opponents")), streetName(request->board.size()));
        if (const int dead = request->dead.size(); dead > 0)
            title += QStringLiteral(", ") + plural(dead, tr("dead card"), tr("dead cards"));
        equityTitle_->setText(title);
    }
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
    showPlayersEquity(result);
}

// A row per player of a request of several, with what each holds; the
// numbers come with the results.
void CardsWindow::showPlayers(const engine::odds::EquityRequest* request)
{
    if (request == nullptr || request->players.empty()) {
        players_->hide();
        players_->setRowCount(0);
        return;
    }
    const int rows = static_cast<int>(request->players.size());
    players_->setRowCount(rows);
    for (int row = 0; row < rows; ++row) {
        players_->setItem(row, 0, new QTableWidgetItem(row == 0 ? tr("You") : tr("Opponent %1").arg(row)));
        for (int column = 1; column < 5; ++column)
            players_->setItem(row, column, new QTableWidgetItem);
    }
    showHolds(*request);
    const int height = players_->horizontalHeader()->height() + 2 * players_->frameWidth()
        + rows * players_->verticalHeader()->defaultSectionSize();
    players_->setFixedHeight(height);
    players_->show();
}

void CardsWindow::showHolds(const engine::odds::EquityRequest& request)
{
    if (request.players.size() != static_cast<std::size_t>(players_->rowCount()))
        return;
    for (int row = 0; row < players_->rowCount(); ++row) {
        const engine::odds::PlayerHolding& player = request.players[static_cast<std::size_t>(row)];
        QString holds;
        if (row == 0)
            holds = toQString(player.hand.text());
        else if (player.kind == engine::odds::PlayerHolding::Kind::Random)
            holds = tr("random");
        else
            holds = toQString(model_.input().ranges[static_cast<std::size_t>(row - 1)]).trimmed();
        players_->item(row, 1)->setText(holds);
    }
}

void CardsWindow::showPlayersEquity(const engine::odds::EquityResult& result)
{
    if (result.players.size() != static_cast<std::size_t>(players_->rowCount()))
        return;
    const bool monteCarlo = result.method == engine::odds::EquityMethod::MonteCarlo;
    for (int row = 0; row < players_->rowCount(); ++row) {
        const engine::odds::PlayerEquity& p = result.players[static_cast<std::size_t>(row)];
        QString equity = toQString(percentText(p.equity));
        if (monteCarlo)
            equity += QStringLiteral(" \u00b1 ") + toQString(percentText(p.standardError));
        players_->item(row, 2)->setText(toQString(percentText(p.win)));
        players_->item(row, 3)->setText(toQString(percentText(p.tie)));
        players_->item(row, 4)->setText(equity);
    }
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

// The panel counts on its own worker and leaves a count be while the
// analysis asks the same.
void CardsWindow::showAnalysis()
{
    const RangeAnalysisSubject subject = model_.rangeAnalysis();
    analysisTitle_->setText(toQString(rangeAnalysisTitle(subject)));
    analysis_->setInput(subject.input);
}

void CardsWindow::writeStateFileIfAsked() const
{
    const char* path = std::getenv("TABLEWISE_CARDS_STATE_FILE");
    if (!path || !*path)
        return;
    writeDumpFile(cardsStateDump(model_, finished_ ? &*finished_ : nullptr), path);
}

} // namespace window::cards

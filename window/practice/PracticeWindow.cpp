#include "window/practice/PracticeWindow.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineSeries>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTableWidget>
#include <QValueAxis>
#include <QVBoxLayout>

#include "platform/qt/QtText.h"
#include "window/practice/HoleCardsView.h"
#include "window/practice/SceneText.h"
#include "window/practice/VerdictText.h"

namespace window::practice {

namespace {

using platform::qt::toQString;
using ::practice::AnswerMove;
using ::practice::DrillVerdict;

enum SeatColumn { kSeatColumn, kStackColumn, kActionColumn, kSeatColumns };

QColor verdictColour(DrillVerdict v)
{
    switch (v) {
    case DrillVerdict::Right: return QColor(0, 120, 0);
    case DrillVerdict::Wrong: return QColor(176, 0, 0);
    case DrillVerdict::Unscored: break;
    }
    return QColor(90, 90, 90);
}

// A day's point at its local noon, so the axis puts it on its own date.
qint64 dayMsecs(const std::string& day)
{
    const QDate date = QDate::fromString(toQString(day), Qt::ISODate);
    return QDateTime(date, QTime(12, 0)).toMSecsSinceEpoch();
}

} // namespace

PracticeWindow::PracticeWindow(const RecordsOpener& open, const platform::Money& money, PracticeSettings settings,
                               QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setWindowTitle(tr("Practice - Brisvane Tablewise"));
    setAttribute(Qt::WA_QuitOnClose, false);

    message_ = new QLabel(this);
    message_->setWordWrap(true);
    message_->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold"));
    message_->setVisible(false);

    focus_ = new QComboBox(this);
    for (const FocusChoice& c : focusChoices())
        focus_->addItem(toQString(focusCaption(c)));
    auto* focusLabel = new QLabel(tr("&Practise"), this);
    focusLabel->setBuddy(focus_);
    score_ = new QLabel(this);
    auto* focusRow = new QHBoxLayout;
    focusRow->addWidget(focusLabel);
    focusRow->addWidget(focus_);
    focusRow->addStretch();
    focusRow->addWidget(score_);

    scene_ = new QLabel(this);
    scene_->setWordWrap(true);
    cards_ = new HoleCardsView(this);
    seats_ = new QTableWidget(0, kSeatColumns, this);
    seats_->setHorizontalHeaderLabels({tr("Seat"), tr("Stack"), tr("Before you")});
    seats_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    seats_->setSelectionMode(QAbstractItemView::NoSelection);
    seats_->setFocusPolicy(Qt::NoFocus);
    seats_->verticalHeader()->setVisible(false);
    seats_->horizontalHeader()->setSectionResizeMode(kSeatColumn, QHeaderView::ResizeToContents);
    seats_->horizontalHeader()->setSectionResizeMode(kStackColumn, QHeaderView::ResizeToContents);
    seats_->horizontalHeader()->setStretchLastSection(true);
    seats_->setMinimumHeight(200);

    fold_ = new QPushButton(tr("Fold (F)"), this);
    call_ = new QPushButton(tr("Call (C)"), this);
    raise_ = new QPushButton(tr("Raise (R)"), this);
    raiseSize_ = new QDoubleSpinBox(this);
    raiseSize_->setRange(0, 1000);
    raiseSize_->setDecimals(1);
    raiseSize_->setSingleStep(0.5);
    raiseSize_->setSuffix(tr(" BB"));
    // At its lowest the box gives no size: the raise is judged as a move only.
    raiseSize_->setSpecialValueText(tr("any size"));
    raiseSize_->installEventFilter(this);
    auto* sizeLabel = new QLabel(tr("Raise &size"), this);
    sizeLabel->setBuddy(raiseSize_);
    auto* answerRow = new QHBoxLayout;
    answerRow->addWidget(fold_);
    answerRow->addWidget(call_);
    answerRow->addWidget(raise_);
    answerRow->addWidget(sizeLabel);
    answerRow->addWidget(raiseSize_);
    answerRow->addStretch();

    auto* question = new QGroupBox(tr("Your decision"), this);
    auto* questionLayout = new QGridLayout(question);
    questionLayout->addWidget(scene_, 0, 0, 1, 2);
    questionLayout->addWidget(cards_, 1, 0, Qt::AlignTop);
    questionLayout->addWidget(seats_, 1, 1);
    questionLayout->addLayout(answerRow, 2, 0, 1, 2);
    questionLayout->setColumnStretch(1, 1);

    verdict_ = new QLabel(this);
    QFont big = verdict_->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.3);
    verdict_->setFont(big);
    verdict_->setWordWrap(true);
    advisedBet_ = new QLabel(this);
    advisedBet_->setWordWrap(true);
    chartCell_ = new QLabel(this);
    chartCell_->setWordWrap(true);
    advice_ = new QPlainTextEdit(this);
    advice_->setReadOnly(true);
    advice_->setFocusPolicy(Qt::NoFocus);
    advice_->setMinimumHeight(80);
    next_ = new QPushButton(tr("&Next question (Enter)"), this);
    auto* verdictBox = new QGroupBox(tr("The advisor"), this);
    auto* verdictLayout = new QVBoxLayout(verdictBox);
    verdictLayout->addWidget(verdict_);
    verdictLayout->addWidget(advisedBet_);
    verdictLayout->addWidget(chartCell_);
    verdictLayout->addWidget(advice_, 1);
    verdictLayout->addWidget(next_, 0, Qt::AlignRight);

    today_ = new QLabel(this);
    due_ = new QLabel(this);
    shares_ = new QPlainTextEdit(this);
    shares_->setReadOnly(true);
    shares_->setFocusPolicy(Qt::NoFocus);
    shares_->setPlaceholderText(tr("No answers scored yet."));
    daily_ = new QLineSeries;
    daily_->setName(tr("Share right"));
    daily_->setPointsVisible(true);
    chart_ = new QChart;
    chart_->addSeries(daily_);
    chart_->setTitle(tr("Share right per day, last %1 days").arg(kProgressDays));
    chart_->legend()->setVisible(false);
    auto* days = new QDateTimeAxis;
    days->setFormat(QStringLiteral("MM-dd"));
    days->setTickCount(6);
    chart_->addAxis(days, Qt::AlignBottom);
    daily_->attachAxis(days);
    auto* percent = new QValueAxis;
    percent->setRange(0, 100);
    percent->setLabelFormat(QStringLiteral("%d%%"));
    chart_->addAxis(percent, Qt::AlignLeft);
    daily_->attachAxis(percent);
    auto* chartView = new QChartView(chart_, this);
    chartView->setRenderHint(QPainter::Antialiasing);
    chartView->setMinimumHeight(200);
    chartView->setFocusPolicy(Qt::NoFocus);
    auto* progressBox = new QGroupBox(tr("Progress"), this);
    auto* progressLayout = new QVBoxLayout(progressBox);
    auto* countRow = new QHBoxLayout;
    countRow->addWidget(today_);
    countRow->addWidget(due_);
    countRow->addStretch();
    progressLayout->addLayout(countRow);
    progressLayout->addWidget(shares_, 1);
    progressLayout->addWidget(chartView, 2);

    auto* panes = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(question, 3);
    left->addWidget(verdictBox, 2);
    panes->addLayout(left, 3);
    panes->addWidget(progressBox, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(message_);
    layout->addLayout(focusRow);
    layout->addLayout(panes, 1);

    const auto key = [this](QKeySequence sequence, auto slot) {
        auto* shortcut = new QShortcut(sequence, this);
        connect(shortcut, &QShortcut::activated, this, slot);
        return shortcut;
    };
    foldKey_ = key(QKeySequence(Qt::Key_F), [this] { answer(AnswerMove::Fold); });
    callKey_ = key(QKeySequence(Qt::Key_C), [this] { answer(AnswerMove::Call); });
    raiseKey_ = key(QKeySequence(Qt::Key_R), [this] { answer(AnswerMove::Raise); });
    returnKey_ = key(QKeySequence(Qt::Key_Return), [this] { goOn(); });
    enterKey_ = key(QKeySequence(Qt::Key_Enter), [this] { goOn(); });
    spaceKey_ = key(QKeySequence(Qt::Key_Space), [this] { goOn(); });
    key(QKeySequence(Qt::Key_Escape), [this] { close(); });
    key(QKeySequence(Qt::Key_F1), [this] { emit helpRequested(); });

    connect(fold_, &QPushButton::clicked, this, [this] { answer(AnswerMove::Fold); });
    connect(call_, &QPushButton::clicked, this, [this] { answer(AnswerMove::Call); });
    connect(raise_, &QPushButton::clicked, this, [this] { answer(AnswerMove::Raise); });
    connect(next_, &QPushButton::clicked, this, &PracticeWindow::goOn);
    connect(focus_, &QComboBox::currentIndexChanged, this, &PracticeWindow::chooseFocus);

    try {
        records_ = open();
        if (records_)
            model_ = std::make_unique<PracticeModel>(*records_, money, std::move(settings));
    } catch (const std::exception& e) {
        message_->setText(QString::fromUtf8(e.what()));
    }
    if (!model_ && message_->text().isEmpty())
        message_->setText(tr("The practice records could not be opened."));
    render();
    renderProgress();

    resize(QSize(980, 700));
    if (const QScreen* s = screen()) {
        const QSize room = s->availableGeometry().size() * 0.95;
        resize(size().boundedTo(room));
    }
}

// The model holds a reference to the records: it goes first.
PracticeWindow::~PracticeWindow()
{
    model_.reset();
}

bool PracticeWindow::eventFilter(QObject* watched, QEvent* event)
{
    // In the size box the answer keys still answer: the size typed, then R.
    if (watched == raiseSize_ && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_F: answer(AnswerMove::Fold); return true;
        case Qt::Key_C: answer(AnswerMove::Call); return true;
        case Qt::Key_R:
            raiseSize_->interpretText();
            answer(AnswerMove::Raise);
            return true;
        default: break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void PracticeWindow::answer(AnswerMove move)
{
    if (!model_)
        return;
    std::optional<double> size;
    if (move == AnswerMove::Raise && raiseSize_->value() > raiseSize_->minimum())
        size = raiseSize_->value();
    if (!model_->answer(move, size))
        return;
    render();
    renderProgress();
    next_->setFocus();
}

void PracticeWindow::goOn()
{
    if (!model_ || !model_->goOn())
        return;
    render();
    if (fold_->isEnabled())
        fold_->setFocus();
}

void PracticeWindow::chooseFocus(int index)
{
    const std::vector<FocusChoice> choices = focusChoices();
    if (!model_ || index < 0 || static_cast<std::size_t>(index) >= choices.size())
        return;
    model_->setFocus(choices[static_cast<std::size_t>(index)]);
    render();
}

void PracticeWindow::render()
{
    const bool asking = model_ && model_->phase() == PracticePhase::Asking;
    const bool judged = model_ && model_->phase() == PracticePhase::Judged;
    const QString message = model_ ? toQString(model_->message()) : message_->text();
    message_->setText(message);
    message_->setVisible(!message.isEmpty());
    focus_->setEnabled(model_ != nullptr);

    for (QPushButton* b : {fold_, call_, raise_})
        b->setEnabled(asking);
    raiseSize_->setEnabled(asking);
    for (QShortcut* s : {foldKey_, callKey_, raiseKey_})
        s->setEnabled(asking);
    next_->setEnabled(judged);
    for (QShortcut* s : {returnKey_, enterKey_, spaceKey_})
        s->setEnabled(judged);

    if (model_) {
        const auto& s = model_->score();
        score_->setText(tr("This session: %1 right, %2 wrong, %3 not scored").arg(s.right).arg(s.wrong).arg(s.unscored));
    }
    renderQuestion();
    renderVerdict();
}

void PracticeWindow::renderQuestion()
{
    const ::practice::Question* q = model_ ? model_->question() : nullptr;
    if (!q) {
        scene_->clear();
        cards_->setCards(std::nullopt);
        seats_->setRowCount(0);
        call_->setText(tr("Call (C)"));
        return;
    }
    const ::practice::Scene& scene = q->scene;
    scene_->setText(tr("Question %1. %2").arg(q->number).arg(toQString(window::practice::sceneLine(scene, model_->money()))));
    cards_->setCards(scene.cards);
    call_->setText(toQString(callCaption(scene)) + tr(" (C)"));
    const std::vector<SeatRow> rows = seatRows(scene, model_->money());
    seats_->setRowCount(static_cast<int>(rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const SeatRow& r = rows[i];
        const QString texts[kSeatColumns] = {toQString(r.seat) + (r.hero ? tr(" (you)") : QString()),
                                             toQString(r.stack), toQString(r.action)};
        for (int column = 0; column < kSeatColumns; ++column) {
            auto* item = new QTableWidgetItem(texts[column]);
            if (column == kStackColumn)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (r.hero) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
                item->setBackground(QColor(255, 244, 190));
                item->setForeground(Qt::black);
            }
            seats_->setItem(static_cast<int>(i), column, item);
        }
    }
}

void PracticeWindow::renderVerdict()
{
    const ::practice::AnsweredQuestion* done = model_ ? model_->judged() : nullptr;
    if (!done) {
        verdict_->clear();
        advisedBet_->clear();
        chartCell_->clear();
        advice_->clear();
        return;
    }
    const ::practice::Judgement& j = done->judgement;
    verdict_->setText(toQString(window::practice::verdictLine(*done)));
    verdict_->setStyleSheet(QStringLiteral("color: %1").arg(verdictColour(j.verdict).name()));
    advisedBet_->setText(tr("The advisor's bet: %1").arg(toQString(advisedBetText(j))));
    chartCell_->setText(tr("Strategy chart (%1): %2")
                            .arg(toQString(chartTitle(done->question.scene, model_->money())),
                                 toQString(chartCellText(j))));
    advice_->setPlainText(toQString(j.cell.advice).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void PracticeWindow::renderProgress()
{
    if (!model_) {
        today_->clear();
        due_->clear();
        return;
    }
    const PracticeProgress p = model_->progress();
    today_->setText(tr("Answered today: %1").arg(p.today));
    due_->setText(tr("Cards due: %1").arg(p.due));
    QStringList lines;
    for (const SituationShare& s : p.situations)
        lines << toQString(situationShareText(s));
    shares_->setPlainText(lines.join(QLatin1Char('\n')));

    QList<QPointF> points;
    for (const DayPoint& d : p.days)
        if (d.share)
            points << QPointF(static_cast<double>(dayMsecs(d.day)), *d.share * 100);
    daily_->replace(points);
    if (!p.days.empty())
        for (QAbstractAxis* axis : chart_->axes(Qt::Horizontal))
            if (auto* dates = qobject_cast<QDateTimeAxis*>(axis))
                dates->setRange(QDateTime::fromMSecsSinceEpoch(dayMsecs(p.days.front().day) - 12 * 3600 * 1000),
                                QDateTime::fromMSecsSinceEpoch(dayMsecs(p.days.back().day) + 12 * 3600 * 1000));
    // A failure reading the records shows too.
    if (!model_->message().empty()) {
        message_->setText(toQString(model_->message()));
        message_->setVisible(true);
    }
}

} // namespace window::practice

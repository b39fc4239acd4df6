#include "window/review/ReviewWindow.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemWatcher>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>
#include <QValueAxis>
#include <QVBoxLayout>
#include <variant>

#include "history/readers/HandReader.h"
#include "platform/qt/QtText.h"
#include "window/chart/ChartPick.h"
#include "window/review/DecisionEntry.h"
#include "window/review/DifferenceTableModel.h"
#include "window/review/HandDetail.h"
#include "window/review/ImportText.h"
#include "window/review/ImportWorker.h"
#include "window/review/ReviewFilter.h"
#include "window/review/ReviewText.h"

namespace window::review {

namespace {

using platform::qt::toQString;
using platform::qt::toUtf8;

// A watched folder is looked at again this often even when the system tells
// nothing (network folders, editors that replace files).
constexpr int kWatchIntervalMs = 5000;

QColor toQColor(const Rgb& c)
{
    return QColor(c.red, c.green, c.blue);
}

std::filesystem::path toPath(const QString& file)
{
    return std::filesystem::path(QFile::encodeName(file).toStdString());
}

QString legendHtml()
{
    QString html = QStringLiteral("Share followed: ");
    for (const LegendStop& stop : kLegendStops)
        html += QStringLiteral("<span style=\"background-color:%1\">&nbsp;&nbsp;&nbsp;&nbsp;</span> %2&nbsp;&nbsp; ")
                    .arg(toQColor(shareColour(stop.share)).name(), toQString(stop.label));
    html += QStringLiteral("<span style=\"background-color:%1\">&nbsp;&nbsp;&nbsp;&nbsp;</span> not graded")
                .arg(toQColor(kUngradedColour).name());
    return html;
}

} // namespace

ReviewWindow::ReviewWindow(FrmPoker& frm, std::filesystem::path storePath, QWidget* parent)
    : QWidget(parent, Qt::Window), frm_(frm), storePath_(std::move(storePath))
{
    setWindowTitle(tr("Review Hands - Brisvane Tablewise"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setAcceptDrops(true);

    importFiles_ = new QPushButton(tr("Import &Files..."), this);
    importFolder_ = new QPushButton(tr("Import F&older..."), this);
    watch_ = new QCheckBox(tr("&Watch this folder"), this);
    watch_->setEnabled(false);
    progress_ = new QProgressBar(this);
    progress_->setVisible(false);
    cancel_ = new QPushButton(tr("Cancel"), this);
    cancel_->setVisible(false);
    auto* importRow = new QHBoxLayout;
    importRow->addWidget(importFiles_);
    importRow->addWidget(importFolder_);
    importRow->addWidget(watch_);
    importRow->addWidget(progress_, 1);
    importRow->addWidget(cancel_);
    importRow->addStretch();

    message_ = new QLabel(this);
    message_->setWordWrap(true);
    message_->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold"));
    message_->setVisible(false);
    result_ = new QLabel(tr("Import hand histories, or drop files or folders on this window."), this);
    result_->setWordWrap(true);
    problems_ = new QPlainTextEdit(this);
    problems_->setReadOnly(true);
    problems_->setMaximumHeight(70);
    problems_->setVisible(false);

    players_ = new QComboBox(this);
    players_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    players_->setMinimumContentsLength(24);
    auto* playerLabel = new QLabel(tr("&Player"), this);
    playerLabel->setBuddy(players_);
    auto* playerRow = new QHBoxLayout;
    playerRow->addWidget(playerLabel);
    playerRow->addWidget(players_);
    playerRow->addStretch();

    gridView_ = new QTableWidget(static_cast<int>(kGridRows), static_cast<int>(kGridColumns), this);
    for (engine::Position p : engine::kPositions)
        gridView_->setHorizontalHeaderItem(static_cast<int>(p), new QTableWidgetItem(toQString(engine::positionName(p))));
    for (engine::PreflopAction a : engine::kPreflopActions)
        gridView_->setVerticalHeaderItem(static_cast<int>(a), new QTableWidgetItem(toQString(rowCaption(a))));
    gridView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gridView_->setSelectionMode(QAbstractItemView::SingleSelection);
    gridView_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    gridView_->horizontalHeader()->setMinimumSectionSize(60);
    gridView_->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    gridView_->setMinimumHeight(180);
    gridView_->setToolTip(tr("Click a situation to list its hands."));
    auto* legend = new QLabel(legendHtml(), this);
    legend->setWordWrap(true);

    followedBars_ = new QBarSet(tr("Followed"));
    otherBars_ = new QBarSet(tr("Not followed"));
    followedBars_->setColor(toQColor(shareColour(1.0)));
    otherBars_->setColor(toQColor(shareColour(0.0)));
    auto* series = new QBarSeries;
    series->append(followedBars_);
    series->append(otherBars_);
    chart_ = new QChart;
    chart_->addSeries(series);
    chart_->setTitle(tr("Big blinds per 100 hands"));
    auto* positions = new QBarCategoryAxis;
    for (engine::Position p : engine::kPositions)
        positions->append(toQString(engine::positionName(p)));
    chart_->addAxis(positions, Qt::AlignBottom);
    series->attachAxis(positions);
    auto* amounts = new QValueAxis;
    chart_->addAxis(amounts, Qt::AlignLeft);
    series->attachAxis(amounts);
    chart_->legend()->setAlignment(Qt::AlignBottom);
    auto* chartView = new QChartView(chart_, this);
    chartView->setRenderHint(QPainter::Antialiasing);
    chartView->setMinimumHeight(200);

    auto* left = new QWidget(this);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(gridView_, 3);
    leftLayout->addWidget(legend);
    leftLayout->addWidget(chartView, 2);

    situation_ = new QComboBox(this);
    situation_->addItem(tr("All situations"));
    for (const SituationChoice& c : situationChoices())
        situation_->addItem(toQString(situationCaption(c)));
    verdict_ = new QComboBox(this);
    for (const auto& v : kVerdictChoices)
        verdict_->addItem(toQString(verdictCaption(v)));
    auto* situationLabel = new QLabel(tr("&Situation"), this);
    situationLabel->setBuddy(situation_);
    auto* verdictLabel = new QLabel(tr("&Verdict"), this);
    verdictLabel->setBuddy(verdict_);
    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(situationLabel);
    filterRow->addWidget(situation_);
    filterRow->addWidget(verdictLabel);
    filterRow->addWidget(verdict_);
    filterRow->addStretch();

    model_ = new DifferenceTableModel(this);
    sorted_ = new QSortFilterProxyModel(this);
    sorted_->setSourceModel(model_);
    sorted_->setSortRole(DifferenceTableModel::kSortRole);
    list_ = new QTableView(this);
    list_->setModel(sorted_);
    list_->setSortingEnabled(true);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->verticalHeader()->setVisible(false);
    list_->horizontalHeader()->setStretchLastSection(true);
    list_->sortByColumn(-1, Qt::AscendingOrder);

    detail_ = new QPlainTextEdit(this);
    detail_->setReadOnly(true);
    detail_->setPlaceholderText(tr("Choose a hand in the list to see it here and in the main window."));

    auto* right = new QSplitter(Qt::Vertical, this);
    auto* listPane = new QWidget(right);
    auto* listLayout = new QVBoxLayout(listPane);
    listLayout->setContentsMargins(0, 0, 0, 0);
    auto* listLabel = new QLabel(tr("&Decisions (choose one to see it and enter it in the main window)"), listPane);
    listLabel->setBuddy(list_);
    listLayout->addLayout(filterRow);
    listLayout->addWidget(listLabel);
    listLayout->addWidget(list_);
    right->addWidget(listPane);
    right->addWidget(detail_);
    right->setStretchFactor(0, 3);
    right->setStretchFactor(1, 2);

    auto* panes = new QSplitter(Qt::Horizontal, this);
    panes->addWidget(left);
    panes->addWidget(right);
    panes->setStretchFactor(0, 1);
    panes->setStretchFactor(1, 1);
    panes->setSizes({460, 520});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(importRow);
    layout->addWidget(message_);
    layout->addWidget(result_);
    layout->addWidget(problems_);
    layout->addLayout(playerRow);
    layout->addWidget(panes, 1);

    watcher_ = new QFileSystemWatcher(this);
    watchTimer_ = new QTimer(this);
    watchTimer_->setInterval(kWatchIntervalMs);
    worker_ = new ImportWorker(storePath_, this);

    connect(importFiles_, &QPushButton::clicked, this, &ReviewWindow::chooseFiles);
    connect(importFolder_, &QPushButton::clicked, this, &ReviewWindow::chooseFolder);
    connect(cancel_, &QPushButton::clicked, worker_, &ImportWorker::cancel);
    connect(worker_, &ImportWorker::progressed, this, &ReviewWindow::showProgress);
    connect(worker_, &ImportWorker::finished, this, &ReviewWindow::showReport);
    connect(worker_, &ImportWorker::failed, this, &ReviewWindow::showFailure);
    connect(watch_, &QCheckBox::toggled, this, [this](bool on) { watchFolder(watchedFolder_, on); });
    connect(watcher_, &QFileSystemWatcher::directoryChanged, this, &ReviewWindow::watchedChanged);
    connect(watcher_, &QFileSystemWatcher::fileChanged, this, &ReviewWindow::watchedChanged);
    connect(watchTimer_, &QTimer::timeout, this, &ReviewWindow::watchedChanged);
    connect(players_, &QComboBox::currentIndexChanged, this, &ReviewWindow::reloadPlayer);
    connect(situation_, &QComboBox::currentIndexChanged, this, &ReviewWindow::applyFilter);
    connect(verdict_, &QComboBox::currentIndexChanged, this, &ReviewWindow::applyFilter);
    connect(gridView_, &QTableWidget::cellClicked, this, &ReviewWindow::gridClicked);
    connect(list_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (!current.isValid())
                    return;
                // The row the keyboard reached is the one shown, highlighted as such.
                list_->selectionModel()->select(current, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
                showDecision(sorted_->mapToSource(current).row());
            });

    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, &ReviewWindow::helpRequested);

    openStore();
    reloadPlayers();

    // Never larger than the screen: the panes and lists give way.
    resize(QSize(1040, 740));
    if (const QScreen* s = screen()) {
        const QSize room = s->availableGeometry().size() * 0.95;
        resize(size().boundedTo(room));
        setMinimumSize(minimumSizeHint().boundedTo(room));
    }
}

ReviewWindow::~ReviewWindow()
{
    // Its thread goes before the store and the widgets it reports to.
    delete worker_;
}

void ReviewWindow::openStore()
{
    try {
        store_ = std::make_unique<store::HandStore>(storePath_);
        writable_ = true;
        return;
    } catch (const std::exception& e) {
        message_->setText(QString::fromUtf8(e.what()));
    }
    // A store that cannot be written may still be read.
    try {
        store_ = std::make_unique<store::HandStore>(storePath_, store::HandStore::Mode::ReadOnly);
        message_->setText(message_->text() + tr(" The hands already stored are shown; nothing can be imported."));
    } catch (const std::exception&) {
        store_.reset();
    }
    message_->setVisible(true);
    importFiles_->setEnabled(false);
    importFolder_->setEnabled(false);
    setAcceptDrops(false);
}

bool ReviewWindow::importing() const
{
    return worker_->running();
}

bool ReviewWindow::importPaths(const std::vector<std::filesystem::path>& paths)
{
    if (!writable_ || paths.empty() || !worker_->start(paths))
        return false;
    progress_->setRange(0, 0);
    progress_->setVisible(true);
    cancel_->setVisible(true);
    cancel_->setEnabled(true);
    importFiles_->setEnabled(false);
    importFolder_->setEnabled(false);
    result_->setText(tr("Importing..."));
    return true;
}

void ReviewWindow::chooseFiles()
{
    const QStringList files = QFileDialog::getOpenFileNames(this, tr("Import Hand Histories"), watchedFolder_,
                                                            tr("Hand histories (*.txt *.phh *.phhs);;All files (*)"));
    std::vector<std::filesystem::path> paths;
    for (const QString& f : files)
        paths.push_back(toPath(f));
    importPaths(paths);
}

void ReviewWindow::chooseFolder()
{
    const QString folder = QFileDialog::getExistingDirectory(this, tr("Import a Folder of Hand Histories"), watchedFolder_);
    if (folder.isEmpty())
        return;
    if (watch_->isChecked())
        watchFolder(watchedFolder_, false);
    watchedFolder_ = folder;
    watch_->setEnabled(true);
    watch_->setToolTip(folder);
    importPaths({toPath(folder)});
    if (watch_->isChecked())
        watchFolder(folder, true);
}

void ReviewWindow::watchFolder(const QString& folder, bool on)
{
    if (!watcher_->directories().isEmpty())
        watcher_->removePaths(watcher_->directories());
    watchTimer_->stop();
    if (!on || folder.isEmpty())
        return;
    watchedFolder_ = folder;
    watch_->setEnabled(true);
    {
        const QSignalBlocker block(watch_);
        watch_->setChecked(true);
    }
    watcher_->addPath(folder);
    watchTimer_->start();
}

void ReviewWindow::watchedChanged()
{
    if (watchedFolder_.isEmpty() || !watch_->isChecked())
        return;
    if (importing()) {
        importAgain_ = true;
        return;
    }
    importPaths({toPath(watchedFolder_)});
}

void ReviewWindow::showProgress(const store::ImportProgress& p)
{
    if (p.bytesTotal > 0) {
        // In thousandths: the bar's range is an int.
        progress_->setRange(0, 1000);
        progress_->setValue(static_cast<int>(p.bytesDone * 1000 / p.bytesTotal));
    }
    result_->setText(tr("Importing: %1 of %2 files, %3 hands read. %4")
                         .arg(p.filesDone)
                         .arg(p.filesTotal)
                         .arg(p.handsRead)
                         .arg(toQString(std::filesystem::path(p.currentFile).filename().string())));
}

void ReviewWindow::showReport(const store::ImportReport& report)
{
    result_->setText(toQString(importResultLine(report)));
    const std::string problems = importProblemsText(report);
    problems_->setPlainText(toQString(problems));
    problems_->setVisible(!problems.empty());
    importEnd();
    if (report.handsNew > 0 || players_->count() == 0)
        reloadPlayers();
}

void ReviewWindow::showFailure(const QString& message)
{
    result_->setText(tr("The import stopped: %1").arg(message));
    importEnd();
}

void ReviewWindow::importEnd()
{
    progress_->setVisible(false);
    cancel_->setVisible(false);
    importFiles_->setEnabled(writable_);
    importFolder_->setEnabled(writable_);
    emit importEnded();
    if (importAgain_) {
        importAgain_ = false;
        watchedChanged();
    }
}

std::optional<std::string> ReviewWindow::currentPlayer() const
{
    if (players_->currentIndex() < 0)
        return std::nullopt;
    return toUtf8(players_->currentData().toString());
}

void ReviewWindow::reloadPlayers()
{
    if (!store_)
        return;
    const QString was = players_->currentData().toString();
    std::vector<store::PlayerCount> players;
    try {
        players = store_->players();
    } catch (const std::exception& e) {
        message_->setText(QString::fromUtf8(e.what()));
        message_->setVisible(true);
    }
    {
        const QSignalBlocker block(players_);
        players_->clear();
        for (const store::PlayerCount& p : players)
            players_->addItem(QStringLiteral("%1 (%2 %3)")
                                  .arg(toQString(p.name))
                                  .arg(p.hands)
                                  .arg(p.hands == 1 ? tr("hand") : tr("hands")),
                              toQString(p.name));
        // The player chosen stays; otherwise the one with most known hands.
        const int keep = was.isEmpty() ? -1 : players_->findData(was);
        players_->setCurrentIndex(keep >= 0 ? keep : (players_->count() > 0 ? 0 : -1));
    }
    reloadPlayer();
}

void ReviewWindow::reloadPlayer()
{
    const std::optional<std::string> player = currentPlayer();
    std::vector<store::SituationSummary> summary;
    std::vector<store::DecisionRow> rows;
    if (store_ && player) {
        try {
            summary = store_->summary(player);
            store::DecisionFilter filter;
            filter.player = player;
            rows = store_->decisions(filter);
        } catch (const std::exception& e) {
            message_->setText(QString::fromUtf8(e.what()));
            message_->setVisible(true);
        }
    }
    grid_ = SituationGrid(summary);
    showGrid();
    showChart();
    model_->setRows(std::move(rows));
}

void ReviewWindow::showGrid()
{
    for (engine::PreflopAction a : engine::kPreflopActions)
        for (engine::Position p : engine::kPositions) {
            const GridCell& c = grid_.cell(a, p);
            auto* item = new QTableWidgetItem(toQString(c.text()));
            item->setTextAlignment(Qt::AlignCenter);
            if (c.hands > 0) {
                const QColor colour = toQColor(c.colour());
                item->setBackground(colour);
                item->setForeground(colour.lightness() > 140 ? Qt::black : Qt::white);
            }
            gridView_->setItem(static_cast<int>(a), static_cast<int>(p), item);
        }
}

void ReviewWindow::showChart()
{
    followedBars_->remove(0, followedBars_->count());
    otherBars_->remove(0, otherBars_->count());
    double low = 0, high = 0;
    for (engine::Position p : engine::kPositions) {
        const PositionResult& r = grid_.result(p);
        const double followed = r.followedPer100.value_or(0);
        const double other = r.otherPer100.value_or(0);
        followedBars_->append(followed);
        otherBars_->append(other);
        low = std::min({low, followed, other});
        high = std::max({high, followed, other});
    }
    for (QAbstractAxis* axis : chart_->axes(Qt::Vertical))
        if (auto* values = qobject_cast<QValueAxis*>(axis)) {
            values->setRange(low, high > low ? high : low + 1);
            values->applyNiceNumbers();
        }
}

void ReviewWindow::applyFilter()
{
    ReviewFilter filter;
    const std::vector<SituationChoice> choices = situationChoices();
    const int s = situation_->currentIndex() - 1;
    if (s >= 0 && s < static_cast<int>(choices.size()))
        filter.situation = choices[static_cast<std::size_t>(s)];
    const int v = verdict_->currentIndex();
    if (v >= 0 && v < static_cast<int>(std::size(kVerdictChoices)))
        filter.verdict = kVerdictChoices[static_cast<std::size_t>(v)];
    model_->setFilter(filter);
}

void ReviewWindow::gridClicked(int row, int column)
{
    const std::vector<SituationChoice> choices = situationChoices();
    const SituationChoice clicked{static_cast<engine::PreflopAction>(row), static_cast<engine::Position>(column)};
    for (std::size_t i = 0; i < choices.size(); ++i)
        if (choices[i] == clicked)
            situation_->setCurrentIndex(static_cast<int>(i) + 1);
}

void ReviewWindow::chooseRow(int row)
{
    if (row < 0 || row >= sorted_->rowCount())
        return;
    list_->setCurrentIndex(sorted_->index(row, 0));
}

void ReviewWindow::showDecision(int sourceRow)
{
    const DifferenceList& list = model_->list();
    if (sourceRow < 0 || static_cast<std::size_t>(sourceRow) >= list.size())
        return;
    const store::DecisionRow& row = list.row(static_cast<std::size_t>(sourceRow));
    const history::Decision& d = row.decision;
    QString text = tr("%1 with %2 in %3, %4: played %5, advised %6. %7.\n")
                       .arg(toQString(d.player), toQString(d.cards.text()), toQString(d.seat),
                            toQString(situationCaption({d.before, d.position})), toQString(playedText(d)),
                            toQString(advisedText(d)), toQString(verdictText(d)));
    const auto entry = situationOf(d);
    if (const auto* note = std::get_if<std::string>(&entry))
        text += toQString(*note) + QLatin1Char('\n');
    text += QLatin1Char('\n');
    try {
        const std::optional<store::StoredHand> stored = store_ ? store_->hand(row.handId) : std::nullopt;
        const std::optional<history::HandHistory> hand =
            stored ? history::readOneHand(stored->format, stored->text) : std::nullopt;
        text += hand ? toQString(handDetailText(*hand)) : tr("The stored hand could not be read again.");
    } catch (const std::exception& e) {
        text += QString::fromUtf8(e.what());
    }
    detail_->setPlainText(text);
    if (const auto* s = std::get_if<DecisionSituation>(&entry))
        enterChartCell(frm_, s->situation, s->hand);
}

void ReviewWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!event->mimeData()->hasUrls())
        return;
    for (const QUrl& url : event->mimeData()->urls())
        if (!url.isLocalFile())
            return;
    event->acceptProposedAction();
}

void ReviewWindow::dropEvent(QDropEvent* event)
{
    std::vector<std::filesystem::path> paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile())
            paths.push_back(toPath(url.toLocalFile()));
    if (importPaths(paths))
        event->acceptProposedAction();
}

} // namespace window::review

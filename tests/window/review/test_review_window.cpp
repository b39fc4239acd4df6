// The review window offscreen, on a store of its own filled from a folder of
// generated hand histories through the real worker thread: what it shows is
// what the store holds, its filters narrow the list, and a chosen decision
// is shown and entered in the (headless) main window.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScreen>
#include <QPushButton>
#include <QSignalSpy>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTableWidget>
#include <QBarSet>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <sqlite3.h>

#include "ReviewHands.h"
#include "engine/Hand.h"
#include "tests/support/QtTestApp.h"
#include "tests/support/TestFiles.h"
#include "window/model/FrmPoker.h"
#include "window/model/StateDump.h"
#include "window/review/DifferenceTableModel.h"
#include "window/review/ReviewWindow.h"

namespace {

using window::review::ReviewWindow;
using window::review::SituationGrid;

constexpr int kImportWaitMs = 60000;

class ReviewWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(temp.isValid());
        frm.Form_Load();
        hands = reviewtest::writeHandFolder(folder());
    }

    std::filesystem::path folder() const { return std::filesystem::path(temp.path().toStdString()) / "hands"; }
    std::filesystem::path storePath() const { return std::filesystem::path(temp.path().toStdString()) / "hands.sqlite"; }

    std::unique_ptr<ReviewWindow> open()
    {
        auto w = std::make_unique<ReviewWindow>(frm, storePath());
        w->show();
        return w;
    }
    // Imports through the window and waits for the worker's end.
    static void importInto(ReviewWindow& w, const std::vector<std::filesystem::path>& paths)
    {
        QSignalSpy ended(&w, &ReviewWindow::importEnded);
        ASSERT_TRUE(w.importPaths(paths));
        EXPECT_TRUE(w.importing());
        EXPECT_TRUE(w.cancelButton()->isVisible());
        ASSERT_TRUE(ended.wait(kImportWaitMs));
        EXPECT_FALSE(w.importing());
        EXPECT_FALSE(w.progressBar()->isVisible());
    }
    std::string dump() const
    {
        std::string d;
        window::appendStateDump(d, frm);
        return d;
    }
    static const history::Decision& decisionAt(const ReviewWindow& w, int shownRow)
    {
        const auto* proxy = w.listView()->model();
        const int row = static_cast<QSortFilterProxyModel const*>(proxy)->mapToSource(proxy->index(shownRow, 0)).row();
        return w.listModel().list().row(static_cast<std::size_t>(row)).decision;
    }

    QTemporaryDir temp;
    int hands = 0;
    window::FrmPoker frm{{}, platform::Money::unitedStates()};
};

TEST_F(ReviewWindowTest, ImportsOnItsWorkerAndShowsWhatTheStoreHolds)
{
    auto w = open();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Review Hands - Brisvane Tablewise"));
    EXPECT_EQ(w->playerBox()->count(), 0);
    importInto(*w, {folder()});
    EXPECT_TRUE(w->resultLine()->text().startsWith(QStringLiteral("2 files read"))) << w->resultLine()->text().toStdString();
    EXPECT_TRUE(w->resultLine()->text().contains(QStringLiteral("%1 hands new").arg(hands)))
        << w->resultLine()->text().toStdString();

    store::HandStore db(storePath(), store::HandStore::Mode::ReadOnly);
    const auto players = db.players();
    ASSERT_FALSE(players.empty());
    EXPECT_EQ(players.front().name, "Hero");
    EXPECT_EQ(w->playerBox()->currentData().toString(), QStringLiteral("Hero"));
    EXPECT_EQ(w->playerBox()->count(), static_cast<int>(players.size()));

    const SituationGrid expected(db.summary(std::string("Hero")));
    EXPECT_GT(expected.total().hands, 0u);
    for (engine::PreflopAction a : engine::kPreflopActions)
        for (engine::Position p : engine::kPositions) {
            const auto& cell = expected.cell(a, p);
            const QTableWidgetItem* item = w->gridView()->item(static_cast<int>(a), static_cast<int>(p));
            ASSERT_NE(item, nullptr);
            EXPECT_EQ(item->text().toStdString(), cell.text());
            if (cell.hands > 0) {
                const auto rgb = cell.colour();
                EXPECT_EQ(item->background().color(), QColor(rgb.red, rgb.green, rgb.blue));
            }
        }
    store::DecisionFilter heroOnly;
    heroOnly.player = "Hero";
    EXPECT_EQ(w->listView()->model()->rowCount(), static_cast<int>(db.decisions(heroOnly).size()));
    EXPECT_EQ(w->followedBars()->count(), 4);
    // A picture for a person to look at.
    w->chooseRow(0);
    QDir().mkpath(QStringLiteral(SCREENSHOT_DIR));
    w->grab().save(QStringLiteral(SCREENSHOT_DIR "/review-window.png"));

    // The same folder again adds nothing.
    const int rows = w->listView()->model()->rowCount();
    importInto(*w, {folder()});
    EXPECT_TRUE(w->resultLine()->text().contains(QStringLiteral("0 hands new"))) << w->resultLine()->text().toStdString();
    EXPECT_EQ(w->listView()->model()->rowCount(), rows);
}

TEST_F(ReviewWindowTest, ACellClickedAndAVerdictChosenNarrowTheList)
{
    auto w = open();
    importInto(*w, {folder()});
    const auto opened = engine::PreflopAction::Opened;
    const auto late = engine::Position::Late;
    QTableWidget* grid = w->gridView();
    const QRect cell = grid->visualItemRect(grid->item(static_cast<int>(opened), static_cast<int>(late)));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    EXPECT_EQ(w->situationBox()->currentText(), QStringLiteral("Opened, Late"));
    const int shown = w->listView()->model()->rowCount();
    EXPECT_EQ(static_cast<std::uint64_t>(shown), w->grid().cell(opened, late).hands);
    ASSERT_GT(shown, 0);
    for (int r = 0; r < shown; ++r) {
        EXPECT_EQ(decisionAt(*w, r).before, opened);
        EXPECT_EQ(decisionAt(*w, r).position, late);
    }

    w->situationBox()->setCurrentIndex(0);
    const int all = w->listView()->model()->rowCount();
    int byVerdict = 0;
    for (int v = 1; v < w->verdictBox()->count(); ++v) {
        w->verdictBox()->setCurrentIndex(v);
        const auto verdict = window::review::kVerdictChoices[v];
        for (int r = 0; r < w->listView()->model()->rowCount(); ++r)
            EXPECT_EQ(decisionAt(*w, r).verdict, verdict) << v;
        byVerdict += w->listView()->model()->rowCount();
    }
    EXPECT_EQ(byVerdict, all); // every decision has one verdict

    // Sorting by the result keeps every row and orders them.
    w->verdictBox()->setCurrentIndex(0);
    const int net = static_cast<int>(window::review::DifferenceColumn::Net);
    w->listView()->horizontalHeader()->setSortIndicator(net, Qt::DescendingOrder);
    const auto* model = w->listView()->model();
    ASSERT_EQ(model->rowCount(), all);
    for (int r = 1; r < all; ++r)
        EXPECT_GE(model->index(r - 1, net).data(window::review::DifferenceTableModel::kSortRole).toDouble(),
                  model->index(r, net).data(window::review::DifferenceTableModel::kSortRole).toDouble());
}

TEST_F(ReviewWindowTest, AChosenDecisionIsShownAndEnteredInTheMainWindow)
{
    auto w = open();
    importInto(*w, {folder()});
    const int rows = w->listView()->model()->rowCount();
    int withPosition = -1, headsUp = -1;
    for (int r = 0; r < rows; ++r)
        (decisionAt(*w, r).position ? withPosition : headsUp) = r;
    ASSERT_GE(withPosition, 0);
    ASSERT_GE(headsUp, 0);

    w->chooseRow(withPosition);
    const history::Decision& d = decisionAt(*w, withPosition);
    const std::string hand(engine::handText(d.handIndex));
    EXPECT_EQ(frm.txtHoleCard.text(), hand.substr(0, 2));
    EXPECT_EQ(frm.chkSuited.value(), hand.size() == 3 ? 1 : 0);
    EXPECT_EQ(frm.selectedPosition(), d.position);
    EXPECT_EQ(frm.selectedAction(), d.before);
    EXPECT_EQ(frm.money.toDouble(frm.txtBB.text()), 1.0);
    const QString detail = w->detailText()->toPlainText();
    EXPECT_TRUE(detail.contains(QStringLiteral("Pre-flop: ")));
    EXPECT_TRUE(detail.contains(QStringLiteral("Table 'Alcyone IV'"), Qt::CaseInsensitive));
    EXPECT_TRUE(detail.contains(QString::fromStdString(d.cards.high.text() + " " + d.cards.low.text())));

    // A heads-up hand is shown and leaves the main window as it is.
    const std::string before = dump();
    w->chooseRow(headsUp);
    EXPECT_EQ(dump(), before);
    EXPECT_TRUE(w->detailText()->toPlainText().contains(QStringLiteral("heads-up")));
    EXPECT_TRUE(w->detailText()->toPlainText().contains(QStringLiteral("Kh Qh")));
}

// A store the window cannot use, made so by one of these.
struct SpoiledStore {
    const char* name;
    void (*spoil)(const std::filesystem::path& store);
    const char* told; // a part of the message
};

class ReviewWindowOnASpoiledStore : public ReviewWindowTest, public ::testing::WithParamInterface<SpoiledStore> {};

TEST_P(ReviewWindowOnASpoiledStore, SaysWhyAndLeavesTheFileAsItWas)
{
    GetParam().spoil(storePath());
    const std::string bytes = testsupport::readFile(storePath());
    auto w = open();
    EXPECT_TRUE(w->messageLine()->isVisible());
    EXPECT_TRUE(w->messageLine()->text().contains(QString::fromUtf8(GetParam().told)))
        << w->messageLine()->text().toStdString();
    EXPECT_FALSE(w->importPaths({folder()}));
    EXPECT_FALSE(w->importing());
    w.reset();
    EXPECT_EQ(testsupport::readFile(storePath()), bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Stores, ReviewWindowOnASpoiledStore,
    ::testing::Values(
        SpoiledStore{"notADatabase",
                     [](const std::filesystem::path& p) { testsupport::writeFile(p, std::string(4096, 'x')); },
                     "hands.sqlite"},
        SpoiledStore{"newerVersion",
                     [](const std::filesystem::path& p) {
                         { store::HandStore made(p); }
                         sqlite3* db = nullptr;
                         ASSERT_EQ(sqlite3_open(p.c_str(), &db), SQLITE_OK);
                         EXPECT_EQ(sqlite3_exec(db, "PRAGMA user_version = 999", nullptr, nullptr, nullptr), SQLITE_OK);
                         sqlite3_close(db);
                     },
                     "newer version"}),
    [](const auto& c) { return std::string(c.param.name); });

TEST_F(ReviewWindowTest, AFolderDroppedOnTheWindowIsImported)
{
    auto w = open();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(folder().string()))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QSignalSpy ended(w.get(), &ReviewWindow::importEnded);
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w.get(), &drop);
    EXPECT_TRUE(w->importing());
    ASSERT_TRUE(ended.wait(kImportWaitMs));
    EXPECT_GT(w->listView()->model()->rowCount(), 0);

    QMimeData web;
    web.setUrls({QUrl(QStringLiteral("https://example.org/hands.txt"))});
    QDragEnterEvent remote(QPoint(10, 10), Qt::CopyAction, &web, Qt::LeftButton, Qt::NoModifier);
    remote.setAccepted(false);
    QApplication::sendEvent(w.get(), &remote);
    EXPECT_FALSE(remote.isAccepted());
}

TEST_F(ReviewWindowTest, AWatchedFolderBringsNewHandsIn)
{
    auto w = open();
    importInto(*w, {folder()});
    const int rows = w->listView()->model()->rowCount();
    QSignalSpy ended(w.get(), &ReviewWindow::importEnded);
    w->watchFolder(QString::fromStdString(folder().string()), true);
    EXPECT_TRUE(w->watchBox()->isChecked());
    testsupport::writeFile(folder() / "Alcyone IV - table three.txt",
                           reviewtest::sixHandedHand(208871239500, 5, "Qs Qc", false));
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->listView()->model()->rowCount() == rows + 1; }, kImportWaitMs));
}

TEST_F(ReviewWindowTest, FitsTheScreenWithItsTableAndListInView)
{
    auto w = open();
    importInto(*w, {folder()});
    const QRect room = w->screen()->availableGeometry();
    EXPECT_LE(w->frameGeometry().width(), room.width());
    EXPECT_LE(w->frameGeometry().height(), room.height());
    for (const QWidget* part : {static_cast<QWidget*>(w->gridView()), static_cast<QWidget*>(w->listView()),
                                static_cast<QWidget*>(w->detailText())}) {
        EXPECT_TRUE(part->isVisible());
        EXPECT_GT(part->height(), 60);
        EXPECT_GT(part->width(), 150);
    }
}

TEST_F(ReviewWindowTest, EscapeClosesAndF1AsksForItsPage)
{
    auto w = open();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    QSignalSpy help(w.get(), &ReviewWindow::helpRequested);
    QTest::keyClick(w->listView(), Qt::Key_F1);
    EXPECT_EQ(help.count(), 1);
    QTest::keyClick(w->listView(), Qt::Key_Escape);
    EXPECT_FALSE(w->isVisible());
}

} // namespace

// The practice window offscreen on its real widgets: a question shows the
// cards, the seats and what came before; F, C and R answer and the verdict
// shows; Enter and Space go on; the score counts; the focus chosen sets the
// questions' situation; the store keeps it all across a restart and a store
// the window cannot use is told as the review tells it.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineSeries>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

#include "MemoryRecords.h"
#include "history/practice/DrillTime.h"
#include "store/HandStore.h"
#include "tests/support/QtTestApp.h"
#include "tests/support/TestFiles.h"
#include "window/practice/HoleCardsView.h"
#include "window/practice/PracticeWindow.h"
#include "window/practice/SceneText.h"
#include "window/practice/StoreRecords.h"

namespace {

using practice::AnswerMove;
using practice::DrillScope;
using window::practice::PracticePhase;
using window::practice::PracticeWindow;

class PracticeWindowTest : public ::testing::Test {
protected:
    std::unique_ptr<PracticeWindow> open(std::uint64_t seed = 11)
    {
        auto w = std::make_unique<PracticeWindow>(
            [this]() -> std::unique_ptr<window::practice::PracticeRecords> {
                return std::make_unique<Forwarding>(records);
            },
            platform::Money::unitedStates(), window::practice::PracticeSettings{seed, 2, practice::nowSeconds});
        w->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(w.get()));
        w->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(w.get()));
        return w;
    }

    // The window owns its records; the test keeps them to look into.
    class Forwarding : public window::practice::PracticeRecords {
    public:
        explicit Forwarding(practicetest::MemoryRecords& r) : r_(r) {}
        practice::DrillLog& log() override { return r_.log(); }
        std::uint64_t answeredOn(const std::string& day) override { return r_.answeredOn(day); }
        std::vector<window::practice::SituationShare> shareBySituation() override { return r_.shareBySituation(); }
        std::uint64_t dueCount(std::int64_t now) override { return r_.dueCount(now); }
        std::vector<window::practice::DayShare> dailyShare(const std::string& a, const std::string& b) override
        {
            return r_.dailyShare(a, b);
        }
        std::vector<practice::MistakeCard> mistakes() override { return r_.mistakes(); }

    private:
        practicetest::MemoryRecords& r_;
    };

    practicetest::MemoryRecords records;
};

QStringList column(const QTableWidget& table, int c)
{
    QStringList texts;
    for (int row = 0; row < table.rowCount(); ++row)
        texts << table.item(row, c)->text();
    return texts;
}

TEST_F(PracticeWindowTest, AQuestionShowsTheCardsTheSeatsAndWhatCameBefore)
{
    auto w = open();
    for (int i = 0; i < 12; ++i) {
        const practice::Question* q = w->model()->question();
        ASSERT_NE(q, nullptr);
        const practice::Scene& scene = q->scene;
        ASSERT_TRUE(w->cardsView()->cards().has_value());
        EXPECT_EQ(*w->cardsView()->cards(), scene.cards);
        EXPECT_EQ(w->seatsView()->rowCount(), scene.players);
        const QStringList seats = column(*w->seatsView(), 0);
        const QStringList actions = column(*w->seatsView(), 2);
        // The seats in acting order, the player's marked, the blinds last.
        EXPECT_EQ(seats.count(QString::fromUtf8(std::string(scene.heroSeat())) + QStringLiteral(" (you)")), 1);
        EXPECT_EQ(seats.last(), QStringLiteral("BB") + (scene.heroIndex == 1 ? QStringLiteral(" (you)") : QString()));
        // Each player before him did one thing, in the order shown.
        int raises = 0, limps = 0, folds = 0;
        for (const QString& a : actions) {
            raises += a.contains(QStringLiteral("raises to")) ? 1 : 0;
            limps += a == QStringLiteral("limps") ? 1 : 0;
            folds += a == QStringLiteral("folds") ? 1 : 0;
        }
        int wantRaises = 0, wantLimps = 0, wantFolds = 0;
        for (const practice::SceneAction& a : scene.before) {
            wantRaises += a.move == history::Move::Raise;
            wantFolds += a.move == history::Move::Fold;
            wantLimps += a.move == history::Move::Call && a.toBB <= 1;
        }
        EXPECT_EQ(raises, wantRaises);
        EXPECT_EQ(limps, wantLimps);
        EXPECT_EQ(folds, wantFolds);
        EXPECT_TRUE(w->sceneLine()->text().contains(QStringLiteral("big blind $2.00")));
        EXPECT_TRUE(w->callButton()->text().startsWith(scene.heroCanCheck() ? QStringLiteral("Check")
                                                                             : QStringLiteral("Call")));
        QTest::keyClick(w.get(), Qt::Key_F);
        QTest::keyClick(w.get(), Qt::Key_Return);
    }
}

TEST_F(PracticeWindowTest, KeysAnswerTheVerdictShowsAndEnterOrSpaceGoesOn)
{
    const struct {
        Qt::Key answer;
        AnswerMove move;
        Qt::Key onward;
    } cases[] = {{Qt::Key_F, AnswerMove::Fold, Qt::Key_Return},
                 {Qt::Key_C, AnswerMove::Call, Qt::Key_Space},
                 {Qt::Key_R, AnswerMove::Raise, Qt::Key_Enter}};
    auto w = open();
    int asked = 0;
    for (const auto& c : cases) {
        ASSERT_EQ(w->model()->phase(), PracticePhase::Asking);
        const int number = w->model()->question()->number;
        EXPECT_TRUE(w->verdictLine()->text().isEmpty());
        EXPECT_FALSE(w->nextButton()->isEnabled());
        // Going on before answering skips nothing.
        QTest::keyClick(w.get(), c.onward);
        EXPECT_EQ(w->model()->question()->number, number);

        QTest::keyClick(w.get(), c.answer);
        ++asked;
        ASSERT_EQ(w->model()->phase(), PracticePhase::Judged);
        const practice::AnsweredQuestion& done = *w->model()->judged();
        EXPECT_EQ(done.answer.move, c.move);
        EXPECT_EQ(records.answers().size(), static_cast<std::size_t>(asked));
        EXPECT_EQ(records.answers().back().answer.move, c.move);
        const QString verdict = w->verdictLine()->text();
        switch (done.judgement.verdict) {
        case practice::DrillVerdict::Right: EXPECT_TRUE(verdict.startsWith(QStringLiteral("Right"))); break;
        case practice::DrillVerdict::Wrong: EXPECT_TRUE(verdict.startsWith(QStringLiteral("Wrong"))); break;
        case practice::DrillVerdict::Unscored: EXPECT_TRUE(verdict.startsWith(QStringLiteral("Not scored"))); break;
        }
        EXPECT_TRUE(w->advisedBetLine()->text().contains(QString::fromStdString(
            done.judgement.cell.bet.empty() ? std::string("(no bet shown)") : done.judgement.cell.bet)));
        EXPECT_TRUE(w->chartCellLine()->text().contains(QString::fromStdString(done.judgement.cell.hand + ":")));
        EXPECT_FALSE(w->adviceText()->toPlainText().isEmpty());
        EXPECT_FALSE(w->foldButton()->isEnabled());
        EXPECT_TRUE(w->nextButton()->isEnabled());
        // A second answer to the same question is not taken.
        QTest::keyClick(w.get(), Qt::Key_F);
        EXPECT_EQ(records.answers().size(), static_cast<std::size_t>(asked));

        QTest::keyClick(w.get(), c.onward);
        ASSERT_EQ(w->model()->phase(), PracticePhase::Asking);
        EXPECT_EQ(w->model()->question()->number, number + 1);
        EXPECT_TRUE(w->verdictLine()->text().isEmpty());
        EXPECT_TRUE(w->foldButton()->isEnabled());
    }
}

TEST_F(PracticeWindowTest, TheScoreAndTheProgressCount)
{
    auto w = open();
    const Qt::Key keys[] = {Qt::Key_F, Qt::Key_C, Qt::Key_R, Qt::Key_R, Qt::Key_F, Qt::Key_C, Qt::Key_F};
    for (Qt::Key k : keys) {
        QTest::keyClick(w.get(), k);
        QTest::keyClick(w.get(), Qt::Key_Return);
    }
    const auto& s = w->model()->score();
    EXPECT_EQ(s.answered, static_cast<int>(std::size(keys)));
    EXPECT_EQ(s.right + s.wrong + s.unscored, s.answered);
    EXPECT_EQ(w->scoreLine()->text(), QStringLiteral("This session: %1 right, %2 wrong, %3 not scored")
                                          .arg(s.right)
                                          .arg(s.wrong)
                                          .arg(s.unscored));
    EXPECT_EQ(w->todayLine()->text(), QStringLiteral("Answered today: %1").arg(std::size(keys)));
    EXPECT_TRUE(w->dueLine()->text().startsWith(QStringLiteral("Cards due: ")));
    if (s.right + s.wrong > 0) {
        ASSERT_EQ(w->dailyShareSeries()->count(), 1);
        EXPECT_DOUBLE_EQ(w->dailyShareSeries()->at(0).y(), 100.0 * s.right / (s.right + s.wrong));
        EXPECT_FALSE(w->situationShares()->toPlainText().isEmpty());
    }
}

TEST_F(PracticeWindowTest, AClickedRaiseTakesTheSizeTyped)
{
    auto w = open();
    // Tabbed into, the box's text is selected and typing replaces it.
    w->raiseSizeBox()->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(w->raiseSizeBox(), QStringLiteral("4.5"));
    // R in the size box answers as it does anywhere in the window.
    QTest::keyClick(w->raiseSizeBox(), Qt::Key_R);
    ASSERT_EQ(w->model()->phase(), PracticePhase::Judged);
    EXPECT_EQ(w->model()->judged()->answer.move, AnswerMove::Raise);
    EXPECT_EQ(w->model()->judged()->answer.raiseBB, std::optional<double>(4.5));
    QTest::keyClick(w.get(), Qt::Key_Return);

    // At its lowest the box gives no size.
    w->raiseSizeBox()->setValue(0);
    QTest::mouseClick(w->raiseButton(), Qt::LeftButton);
    ASSERT_EQ(w->model()->phase(), PracticePhase::Judged);
    EXPECT_EQ(w->model()->judged()->answer.raiseBB, std::nullopt);
}

TEST_F(PracticeWindowTest, TheFocusChosenSetsTheQuestionsSituation)
{
    auto w = open();
    const auto choices = window::practice::focusChoices();
    for (int index = 0; index < static_cast<int>(choices.size()); ++index) {
        const auto& c = choices[static_cast<std::size_t>(index)];
        if (c.scope != DrillScope::Situation)
            continue;
        w->focusBox()->setCurrentIndex(index);
        for (int i = 0; i < 3; ++i) {
            ASSERT_NE(w->model()->question(), nullptr) << w->focusBox()->currentText().toStdString();
            const auto& s = w->model()->question()->scene.situation;
            EXPECT_EQ(s.action, c.action) << w->focusBox()->currentText().toStdString();
            EXPECT_EQ(s.position, c.position) << w->focusBox()->currentText().toStdString();
            QTest::keyClick(w.get(), Qt::Key_F);
            QTest::keyClick(w.get(), Qt::Key_Space);
        }
    }
    // My mistakes, with none found: said, and nothing to answer.
    w->focusBox()->setCurrentIndex(1);
    EXPECT_TRUE(w->messageLine()->isVisible());
    EXPECT_TRUE(w->messageLine()->text().contains(QStringLiteral("Review Hands")));
    EXPECT_FALSE(w->foldButton()->isEnabled());
    EXPECT_EQ(w->seatsView()->rowCount(), 0);
    const std::size_t kept = records.answers().size();
    QTest::keyClick(w.get(), Qt::Key_F);
    EXPECT_EQ(records.answers().size(), kept);
    w->focusBox()->setCurrentIndex(0);
    EXPECT_FALSE(w->messageLine()->isVisible());
    EXPECT_TRUE(w->foldButton()->isEnabled());
}

class PracticeWindowOnAStore : public ::testing::Test {
protected:
    std::filesystem::path storePath() const { return std::filesystem::path(temp.path().toStdString()) / "hands.sqlite"; }
    std::unique_ptr<PracticeWindow> open()
    {
        auto w = std::make_unique<PracticeWindow>([this] { return window::practice::openStoreRecords(storePath()); },
                                                  platform::Money::unitedStates(),
                                                  window::practice::PracticeSettings{5, 2, practice::nowSeconds});
        w->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(w.get()));
        w->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(w.get()));
        return w;
    }
    QTemporaryDir temp;
};

TEST_F(PracticeWindowOnAStore, ARestartLosesNothing)
{
    {
        auto w = open();
        EXPECT_FALSE(w->messageLine()->isVisible()) << w->messageLine()->text().toStdString();
        for (Qt::Key k : {Qt::Key_F, Qt::Key_C, Qt::Key_R}) {
            QTest::keyClick(w.get(), k);
            QTest::keyClick(w.get(), Qt::Key_Return);
        }
        ASSERT_EQ(w->model()->score().answered, 3);
    }
    auto again = open();
    EXPECT_EQ(again->todayLine()->text(), QStringLiteral("Answered today: 3"));
    EXPECT_EQ(again->model()->score().answered, 0);
}

TEST_F(PracticeWindowOnAStore, ADamagedOrNewerStoreIsToldAsTheReviewTellsIt)
{
    const struct {
        const char* name;
        void (*spoil)(const std::filesystem::path&);
    } cases[] = {{"not a database", [](const std::filesystem::path& p) { testsupport::writeFile(p, std::string(4096, 'x')); }},
                 {"newer", [](const std::filesystem::path& p) {
                      { store::HandStore made(p); }
                      sqlite3* db = nullptr;
                      ASSERT_EQ(sqlite3_open(p.c_str(), &db), SQLITE_OK);
                      EXPECT_EQ(sqlite3_exec(db, "PRAGMA user_version = 999", nullptr, nullptr, nullptr), SQLITE_OK);
                      sqlite3_close(db);
                  }}};
    for (const auto& c : cases) {
        std::filesystem::remove(storePath());
        c.spoil(storePath());
        const std::string bytes = testsupport::readFile(storePath());
        std::string reviewSays;
        try {
            store::HandStore review(storePath());
        } catch (const std::exception& e) {
            reviewSays = e.what();
        }
        ASSERT_FALSE(reviewSays.empty()) << c.name;
        auto w = open();
        EXPECT_TRUE(w->messageLine()->isVisible()) << c.name;
        EXPECT_EQ(w->messageLine()->text().toStdString(), reviewSays) << c.name;
        EXPECT_EQ(w->model(), nullptr);
        EXPECT_FALSE(w->foldButton()->isEnabled());
        QTest::keyClick(w.get(), Qt::Key_F);
        w.reset();
        EXPECT_EQ(testsupport::readFile(storePath()), bytes) << c.name;
    }
}

} // namespace

#pragma once
// The cards and board window: hole cards, board and dead cards typed or
// picked from the card grid, the number of opponents and the range each
// holds, a pot and a bet to call. It shows the made hand, the draws and outs,
// the equity (computed on a worker thread as the player types; of every
// player when an opponent holds a range or cards are dead), the pot odds and
// the analysis of the first opponent's range, and keeps the main window's
// hand and post-flop category in step with the cards (see CardsBoardModel).

#include <QPointer>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>

#include "engine/odds/EquityRequest.h"
#include "window/cards/CardsBoardModel.h"
#include "window/cards/EquityWorker.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QSpinBox;
class QTableWidget;
class QTimer;
class QToolButton;

namespace platform::qt {
class ScreenFit;
}

namespace window::cards {

class CardGrid;
class OpponentRows;
class RangeAnalysisPanel;

class CardsWindow : public QWidget {
    Q_OBJECT
public:
    explicit CardsWindow(FrmPoker& frm, QWidget* parent = nullptr,
                         EquityWorker::Computation compute = engine::odds::computeEquity);
    ~CardsWindow() override;

    const CardsBoardModel& model() const { return model_; }
    QLineEdit* cardBox(CardBox box) const { return boxes_[static_cast<std::size_t>(box)]; }
    QLabel* messageOf(CardBox box) const { return boxMessages_[static_cast<std::size_t>(box)]; }
    QSpinBox* opponents() const { return opponents_; }
    OpponentRows* opponentRows() const { return opponentRows_; }
    QLineEdit* pot() const { return pot_; }
    QLineEdit* bet() const { return bet_; }
    CardGrid* grid() const { return grid_; }
    QLabel* gridMessage() const { return gridMessage_; }
    QLabel* readingText() const { return reading_; }
    QLabel* equityText() const { return equity_; }
    QLabel* equityTitle() const { return equityTitle_; }
    // Each player's numbers, when the equity is of every player; hidden otherwise.
    QTableWidget* playersTable() const { return players_; }
    QLabel* potOddsText() const { return potOdds_; }
    // The analysis of the first opponent with a range, under a button that
    // folds it away, and the line that names that opponent.
    QToolButton* analysisToggle() const { return analysisToggle_; }
    QLabel* analysisTitle() const { return analysisTitle_; }
    RangeAnalysisPanel* rangeAnalysis() const { return analysis_; }
    QProgressBar* progressMark() const { return progress_; }

    // The latest finished equity of the cards as they stand, if any.
    const std::optional<engine::odds::EquityResult>& equity() const { return finished_; }
    // Whether a computation for the cards as they stand is under way.
    bool computing() const { return running_; }

    // Into the dead cards when they were the box last in use.
    void pick(engine::cards::Card card);
    // The range grid for an opponent (0 to 8); OK writes the range picked
    // into the opponent's row.
    void pickRange(int opponent);
    // Puts the window's frame there, or as near as the screen allows.
    void placeAt(QPoint frameTopLeft);

private:
    void showInput();
    void showReading();
    void restartEquity();
    void receive(const EquityUpdate& update);
    void showEquity(const engine::odds::EquityResult& result, bool sofar);
    void showPlayers(const engine::odds::EquityRequest* request);
    void showHolds(const engine::odds::EquityRequest& request);
    void showPlayersEquity(const engine::odds::EquityResult& result);
    void showPotOdds();
    void showAnalysis();
    void writeStateFileIfAsked() const;

    CardsBoardModel model_;
    int inputDoneConnection_ = 0;
    std::array<QLineEdit*, 5> boxes_{};
    std::array<QLabel*, 5> boxMessages_{};
    QSpinBox* opponents_;
    OpponentRows* opponentRows_;
    QLineEdit* pot_;
    QLineEdit* bet_;
    QLabel* potMessage_;
    CardGrid* grid_;
    QLabel* gridMessage_;
    QLabel* reading_;
    QLabel* equityTitle_;
    QLabel* equity_;
    QLabel* method_;
    QTableWidget* players_;
    QProgressBar* progress_;
    QTimer* progressDelay_;
    QLabel* potOdds_;
    QToolButton* analysisToggle_;
    QLabel* analysisTitle_;
    RangeAnalysisPanel* analysis_;
    platform::qt::ScreenFit* screenFit_;

    std::optional<engine::odds::EquityRequest> request_;
    std::uint64_t run_ = 0;
    bool running_ = false;
    std::optional<engine::odds::EquityResult> finished_;
    // Last member: its thread is stopped and joined before anything it
    // reports to goes.
    std::unique_ptr<EquityWorker> worker_;
};

} // namespace window::cards

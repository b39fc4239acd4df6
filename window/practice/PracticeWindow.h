#pragma once
// View > Practice: pre-flop questions as the table shows them (the cards,
// the seats, what the players before did), answered by Fold, Call or Raise
// (keys F, C and R) and judged against the advisor; Enter or Space goes on.
// The player chooses what to practise and sees his progress, kept in the
// review's store. The questions and verdicts come from PracticeModel; this
// window shows them and sends it the player's answers.

#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

#include "window/practice/PracticeModel.h"
#include "window/practice/PracticeRecords.h"

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineSeries;
class QPlainTextEdit;
class QPushButton;
class QShortcut;
class QTableWidget;
class QChart;

namespace window::practice {

class HoleCardsView;

// Opens the records the window keeps its answers in; throws with a message
// for the player when they cannot be used.
using RecordsOpener = std::function<std::unique_ptr<PracticeRecords>()>;

class PracticeWindow : public QWidget {
    Q_OBJECT
public:
    PracticeWindow(const RecordsOpener& open, const platform::Money& money, PracticeSettings settings,
                   QWidget* parent = nullptr);
    ~PracticeWindow() override;

    // None when the records could not be opened.
    PracticeModel* model() const { return model_.get(); }

    QLabel* messageLine() const { return message_; }
    QComboBox* focusBox() const { return focus_; }
    QLabel* scoreLine() const { return score_; }
    QLabel* sceneLine() const { return scene_; }
    HoleCardsView* cardsView() const { return cards_; }
    QTableWidget* seatsView() const { return seats_; }
    QPushButton* foldButton() const { return fold_; }
    QPushButton* callButton() const { return call_; }
    QPushButton* raiseButton() const { return raise_; }
    QDoubleSpinBox* raiseSizeBox() const { return raiseSize_; }
    QLabel* verdictLine() const { return verdict_; }
    QLabel* advisedBetLine() const { return advisedBet_; }
    QLabel* chartCellLine() const { return chartCell_; }
    QPlainTextEdit* adviceText() const { return advice_; }
    QPushButton* nextButton() const { return next_; }
    QLabel* todayLine() const { return today_; }
    QLabel* dueLine() const { return due_; }
    QPlainTextEdit* situationShares() const { return shares_; }
    QLineSeries* dailyShareSeries() const { return daily_; }

signals:
    void helpRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void answer(::practice::AnswerMove move);
    void goOn();
    void chooseFocus(int index);
    void render();
    void renderQuestion();
    void renderVerdict();
    void renderProgress();

    std::unique_ptr<PracticeRecords> records_;
    std::unique_ptr<PracticeModel> model_;

    QLabel* message_;
    QComboBox* focus_;
    QLabel* score_;
    QLabel* scene_;
    HoleCardsView* cards_;
    QTableWidget* seats_;
    QPushButton* fold_;
    QPushButton* call_;
    QPushButton* raise_;
    QDoubleSpinBox* raiseSize_;
    QLabel* verdict_;
    QLabel* advisedBet_;
    QLabel* chartCell_;
    QPlainTextEdit* advice_;
    QPushButton* next_;
    QLabel* today_;
    QLabel* due_;
    QPlainTextEdit* shares_;
    QChart* chart_;
    QLineSeries* daily_;
    QShortcut* foldKey_;
    QShortcut* callKey_;
    QShortcut* raiseKey_;
    QShortcut* returnKey_;
    QShortcut* enterKey_;
    QShortcut* spaceKey_;
};

} // namespace window::practice

#pragma once
// View > Review Hands: hand histories imported into the local store (from
// files, a folder, a folder watched as hands are played, or dropped on the
// window), a player's pre-flop decisions against the advisor in a table of
// situations coloured by the share that followed, big blinds per 100 hands
// followed or not by position, and the list of decisions. A chosen decision
// shows its hand street by street and is entered in the main window as the
// strategy chart's pick enters a hand.

#include <QWidget>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "store/HandStore.h"
#include "window/review/SituationGrid.h"

class QBarSet;
class QCheckBox;
class QChart;
class QComboBox;
class QFileSystemWatcher;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;
class QTableWidget;
class QTimer;

namespace window {
class FrmPoker;
}

namespace window::review {

class DifferenceTableModel;
class ImportWorker;

class ReviewWindow : public QWidget {
    Q_OBJECT
public:
    ReviewWindow(FrmPoker& frm, std::filesystem::path storePath, QWidget* parent = nullptr);
    ~ReviewWindow() override;

    // Imports files and folders on the worker thread; false when one is running
    // or the store cannot be written.
    bool importPaths(const std::vector<std::filesystem::path>& paths);
    void watchFolder(const QString& folder, bool on);
    // Picks a row of the list as shown (sorted and filtered).
    void chooseRow(int row);

    bool importing() const;
    const SituationGrid& grid() const { return grid_; }
    QTableWidget* gridView() const { return gridView_; }
    QTableView* listView() const { return list_; }
    const DifferenceTableModel& listModel() const { return *model_; }
    QComboBox* playerBox() const { return players_; }
    QComboBox* situationBox() const { return situation_; }
    QComboBox* verdictBox() const { return verdict_; }
    QLabel* messageLine() const { return message_; }
    QLabel* resultLine() const { return result_; }
    QPlainTextEdit* problemsText() const { return problems_; }
    QPlainTextEdit* detailText() const { return detail_; }
    QProgressBar* progressBar() const { return progress_; }
    QPushButton* cancelButton() const { return cancel_; }
    QCheckBox* watchBox() const { return watch_; }
    QBarSet* followedBars() const { return followedBars_; }
    QBarSet* otherBars() const { return otherBars_; }

signals:
    void helpRequested();
    // An import ended, with its report or a failure shown.
    void importEnded();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void openStore();
    void chooseFiles();
    void chooseFolder();
    void showProgress(const store::ImportProgress& progress);
    void showReport(const store::ImportReport& report);
    void showFailure(const QString& message);
    void importEnd();
    void reloadPlayers();
    void reloadPlayer();
    void showGrid();
    void showChart();
    void applyFilter();
    void gridClicked(int row, int column);
    void showDecision(int sourceRow);
    void watchedChanged();
    std::optional<std::string> currentPlayer() const;

    FrmPoker& frm_;
    std::filesystem::path storePath_;
    std::unique_ptr<store::HandStore> store_;
    bool writable_ = false;
    SituationGrid grid_;

    QPushButton* importFiles_;
    QPushButton* importFolder_;
    QCheckBox* watch_;
    QProgressBar* progress_;
    QPushButton* cancel_;
    QLabel* message_;
    QLabel* result_;
    QPlainTextEdit* problems_;
    QComboBox* players_;
    QTableWidget* gridView_;
    QChart* chart_;
    QBarSet* followedBars_;
    QBarSet* otherBars_;
    QComboBox* situation_;
    QComboBox* verdict_;
    DifferenceTableModel* model_;
    QSortFilterProxyModel* sorted_;
    QTableView* list_;
    QPlainTextEdit* detail_;
    QFileSystemWatcher* watcher_;
    QTimer* watchTimer_;
    QString watchedFolder_;
    bool importAgain_ = false;
    // Last: its thread is joined before anything it reports to goes.
    ImportWorker* worker_;
};

} // namespace window::review

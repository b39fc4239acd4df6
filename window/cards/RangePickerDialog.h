#pragma once
// Picks a range on the 13x13 grid: click and drag cells, the strongest hands
// by a percentage, a weight for the cells just clicked, the advisor's chart
// for a situation, or the range typed as text. The text and the grid follow
// each other; an unreadable text says why and keeps the grid, and OK waits
// until the text reads. A library of named ranges in the store (the advisor's
// charts among them) loads a range into the grid and keeps the one picked.

#include <QDialog>
#include <filesystem>
#include <memory>
#include <optional>

#include "window/cards/RangeLibraryModel.h"
#include "window/cards/RangePickerModel.h"

class QComboBox;
class QDialogButtonBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QSpinBox;

namespace window::cards {

class RangeGridView;

class RangePickerDialog : public QDialog {
    Q_OBJECT
public:
    // The library in the store the review and the practice use.
    explicit RangePickerDialog(QWidget* parent = nullptr);
    // The library in the store at `storePath`.
    explicit RangePickerDialog(const std::filesystem::path& storePath, QWidget* parent = nullptr);
    ~RangePickerDialog() override;

    // The situation the chart choosers start from (the main window's, say).
    void setChartSituation(const engine::ChartSituation& situation);

    const RangePickerModel& model() const { return model_; }
    const RangeLibraryModel& library() const { return *library_; }
    engine::cards::Range range() const { return model_.range(); }
    void setRange(const engine::cards::Range& range);

private:
    // Shows the model in every control, with their signals blocked.
    void render();
    void chartChosen();
    void setPercent(double percent);
    void renderLibrary();
    void loadRange();
    void saveRangeAs();
    void renameRange();
    void deleteRange();
    // Asks for a range's name; nothing when the player cancels.
    std::optional<QString> askName(const QString& title, const QString& initial);
    bool confirm(const QString& title, const QString& question);

    RangePickerModel model_;
    RangeGridView* grid_;
    QSlider* percentSlider_;
    QDoubleSpinBox* percentBox_;
    QDoubleSpinBox* weightBox_;
    QComboBox* chartAction_;
    QComboBox* chartPosition_;
    QSpinBox* chartLimpers_;
    QComboBox* chartClass_;
    QLineEdit* text_;
    QLabel* error_;
    QLabel* count_;
    QDialogButtonBox* buttons_;

    std::unique_ptr<RangeLibraryModel> library_;
    QComboBox* libraryList_;
    QPushButton* loadButton_;
    QPushButton* saveButton_;
    QPushButton* renameButton_;
    QPushButton* deleteButton_;
    QLabel* libraryMessage_;
};

} // namespace window::cards

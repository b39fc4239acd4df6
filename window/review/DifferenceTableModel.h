#pragma once
// The list of decisions for a QTableView: the rows of a DifferenceList, with
// the number behind the hand and net columns as the sort role.

#include <QAbstractTableModel>

#include "window/review/DifferenceList.h"

namespace window::review {

class DifferenceTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kSortRole = Qt::UserRole;

    explicit DifferenceTableModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    const DifferenceList& list() const { return list_; }
    void setRows(std::vector<store::DecisionRow> rows);
    void setFilter(const ReviewFilter& filter);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    DifferenceList list_;
};

} // namespace window::review

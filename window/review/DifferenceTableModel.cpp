#include "window/review/DifferenceTableModel.h"

#include <QBrush>
#include <QColor>

#include "platform/qt/QtText.h"

namespace window::review {

using platform::qt::toQString;

void DifferenceTableModel::setRows(std::vector<store::DecisionRow> rows)
{
    beginResetModel();
    list_.setRows(std::move(rows));
    endResetModel();
}

void DifferenceTableModel::setFilter(const ReviewFilter& filter)
{
    beginResetModel();
    list_.setFilter(filter);
    endResetModel();
}

int DifferenceTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(list_.size());
}

int DifferenceTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(kDifferenceColumns);
}

QVariant DifferenceTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const auto row = static_cast<std::size_t>(index.row());
    const auto column = static_cast<DifferenceColumn>(index.column());
    switch (role) {
    case Qt::DisplayRole: return toQString(list_.text(row, column));
    case kSortRole:
        if (const auto value = list_.numericValue(row, column))
            return *value;
        if (column == DifferenceColumn::Net)
            return -1e300; // unknown results sort below every known one
        return toQString(list_.text(row, column));
    case Qt::TextAlignmentRole:
        if (column == DifferenceColumn::Net)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    case Qt::ForegroundRole: {
        const history::Verdict v = list_.row(row).decision.verdict;
        if (column == DifferenceColumn::Verdict && (v == history::Verdict::Tighter || v == history::Verdict::Looser))
            return QBrush(QColor(170, 30, 30));
        return {};
    }
    default: return {};
    }
}

QVariant DifferenceTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0
        || section >= static_cast<int>(kDifferenceColumns))
        return {};
    return toQString(columnTitle(static_cast<DifferenceColumn>(section)));
}

} // namespace window::review

#include "widgets/panels/ProbeTableModel.h"

#include <QColor>

void ProbeTableModel::setTable(ProbeTable table)
{
    beginResetModel();
    m_table = std::move(table);
    endResetModel();
}

int ProbeTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_table.rows.size());
}

int ProbeTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_table.header.size());
}

QVariant ProbeTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const std::vector<std::string> &row = m_table.rows[static_cast<std::size_t>(index.row())];
    if (role == Qt::DisplayRole && static_cast<std::size_t>(index.column()) < row.size())
        return QString::fromStdString(row[static_cast<std::size_t>(index.column())]);
    // The header draws no colour as an icon; the first cell's delegate does.
    if (role == Qt::DecorationRole && index.column() == 0)
        return QColor::fromRgb(m_table.colours[static_cast<std::size_t>(index.row())]);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant ProbeTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal) {
        if (role == Qt::DisplayRole && section >= 0 && section < columnCount())
            return QString::fromStdString(m_table.header[static_cast<std::size_t>(section)]);
        return {};
    }
    if (section < 0 || section >= rowCount())
        return {};
    return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
}

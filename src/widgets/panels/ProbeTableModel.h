#pragma once

#include "model/ProbeTable.h"

#include <QAbstractTableModel>

// The Probes panel's table for a QTableView: the cells of a ProbeTable, the
// header as column titles, each row's probe colour as a swatch in its first cell.
class ProbeTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    void setTable(ProbeTable table);
    const ProbeTable &table() const { return m_table; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    ProbeTable m_table;
};

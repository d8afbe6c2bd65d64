#include "widgets/panels/ProbesPanel.h"

#include "export/grid/CsvTable.h"
#include "widgets/panels/ProbeTableModel.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

ProbesPanel::ProbesPanel(QWidget *parent) : QWidget(parent)
{
    m_model = new ProbeTableModel(this);
    m_view = new QTableView(this);
    m_view->setModel(m_model);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_view->installEventFilter(this);
    m_remove = new QPushButton(tr("Remove"), this);
    m_save = new QPushButton(tr("Save CSV..."), this);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_remove);
    buttons->addStretch(1);
    buttons->addWidget(m_save);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_view, 1);
    layout->addLayout(buttons);

    m_choosePath = [this] {
        return QFileDialog::getSaveFileName(this, tr("Save Probes"), QString(), tr("CSV files (*.csv)"))
            .toStdString();
    };
    m_complain = [this](const QString &message) { QMessageBox::warning(this, tr("Probes"), message); };

    connect(m_remove, &QPushButton::clicked, this, &ProbesPanel::removeSelected);
    connect(m_save, &QPushButton::clicked, this, &ProbesPanel::saveCsv);
    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, this, &ProbesPanel::updateButtons);
    connect(m_model, &QAbstractItemModel::modelReset, this, &ProbesPanel::updateButtons);
    updateButtons();
}

const ProbeTable &ProbesPanel::table() const
{
    return m_model->table();
}

void ProbesPanel::setTable(ProbeTable table)
{
    const int selected = selectedProbe();
    m_model->setTable(std::move(table));
    // The same row stays selected across a step change; after a removal the next one is.
    if (selected >= 0 && m_model->rowCount() > 0)
        m_view->selectRow(std::min(selected, m_model->rowCount() - 1));
}

int ProbesPanel::selectedProbe() const
{
    const QModelIndexList rows = m_view->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.constFirst().row();
}

void ProbesPanel::copy()
{
    QApplication::clipboard()->setText(QString::fromStdString(table().tabSeparated()));
}

bool ProbesPanel::saveCsv()
{
    const std::string path = m_choosePath();
    if (path.empty())
        return false;
    std::string error;
    if (writeCsvTable(path, table().lines(), error))
        return true;
    m_complain(QString::fromStdString(error));
    return false;
}

void ProbesPanel::removeSelected()
{
    const int selected = selectedProbe();
    if (selected >= 0)
        emit removeRequested(selected);
}

void ProbesPanel::updateButtons()
{
    m_remove->setEnabled(selectedProbe() >= 0);
    m_save->setEnabled(m_model->rowCount() > 0);
}

bool ProbesPanel::eventFilter(QObject *watched, QEvent *event)
{
    const bool press = event->type() == QEvent::KeyPress;
    // The table's keys come before the window's shortcuts (Edit Copy takes Ctrl+C too).
    if (watched == m_view && (press || event->type() == QEvent::ShortcutOverride)) {
        auto *key = static_cast<QKeyEvent *>(event);
        const bool copies = key->matches(QKeySequence::Copy);
        const bool removes = key->matches(QKeySequence::Delete) || key->key() == Qt::Key_Backspace;
        if (!copies && !removes)
            return QWidget::eventFilter(watched, event);
        event->accept();
        if (press && copies)
            copy();
        if (press && removes)
            removeSelected();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

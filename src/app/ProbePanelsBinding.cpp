#include "app/ProbePanelsBinding.h"

#include "charts/ProbeHistories.h"
#include "charts/ProbeSection.h"
#include "data/CPlotDoc.h"
#include "model/ProbeTable.h"
#include "widgets/view/CPlotView.h"
#include "widgets/panels/HistoryPanel.h"
#include "widgets/panels/ProbesPanel.h"
#include "widgets/panels/SectionPanel.h"

#include <QEvent>
#include <QItemSelectionModel>
#include <QTableView>

ProbePanelsBinding::ProbePanelsBinding(CPlotDoc &document, CPlotView &view, SectionPanel &section,
                                       HistoryPanel &history, ProbesPanel &probes, QObject *parent)
    : QObject(parent), m_document(document), m_view(view), m_section(section), m_history(history), m_table(probes)
{
    // The map and the panels show the same step: the panels follow each draw dispatch.
    connect(&m_view, &CPlotView::plotChanged, this, &ProbePanelsBinding::refresh);
    const auto documentChanged = [this] {
        ++m_documentRevision;
        refresh();
    };
    connect(&m_document, &CPlotDoc::stepsReady, this, documentChanged);
    connect(&m_document, &CPlotDoc::updateAllViews, this, documentChanged);
    connect(&m_document, &CPlotDoc::openEnded, this, documentChanged);
    connect(&m_section, &SectionPanel::directionChanged, this, &ProbePanelsBinding::showSection);
    connect(&m_section, &SectionPanel::followPointerChanged, this, &ProbePanelsBinding::showSection);
    connect(m_table.view()->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ProbePanelsBinding::showSection);
    connect(&m_table, &ProbesPanel::removeRequested, this, &ProbePanelsBinding::removeProbe);
    for (QWidget *panel : {static_cast<QWidget *>(&m_section), static_cast<QWidget *>(&m_history),
                           static_cast<QWidget *>(&m_table)})
        panel->installEventFilter(this);
    refresh();
}

void ProbePanelsBinding::removeProbe(int index)
{
    m_ownProbes.remove(index);
    probesChanged();
}

void ProbePanelsBinding::probesChanged()
{
    refresh();
}

void ProbePanelsBinding::pointerCell(int column, int row)
{
    m_pointer = QPoint(column, row);
    if (m_section.followsPointer())
        showSection();
}

void ProbePanelsBinding::pointerLeft()
{
    m_pointer.reset();
    if (m_section.followsPointer())
        showSection();
}

void ProbePanelsBinding::refresh()
{
    // A probe names a cell of the file it was pinned on: another grid has other cells.
    if (m_document.fileName() != m_file) {
        m_file = m_document.fileName();
        m_ownProbes.clear();
    }
    showTable();
    showSection();
    showHistories();
}

bool ProbePanelsBinding::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show) {
        if (watched == &m_section)
            showSection();
        else if (watched == &m_history)
            showHistories();
        else if (watched == &m_table)
            showTable();
    }
    return QObject::eventFilter(watched, event);
}

void ProbePanelsBinding::showSection()
{
    if (!m_section.isVisible())
        return;
    const int step = m_document.isLoaded() ? m_document.heldStep() : 0;
    const std::optional<QPoint> cell =
        sectionCell(*m_probes, m_table.selectedProbe(), m_section.followsPointer(), m_pointer);
    if (step < 1 || !cell) {
        m_section.showSection({});
        return;
    }
    const ProbeSection section{m_section.direction(), cell->x(), cell->y(), m_view.settings().activeItem()};
    m_section.showSection(section.content(m_document.header(), m_document.grid(), step));
}

void ProbePanelsBinding::showTable()
{
    if (!m_table.isVisible())
        return;
    const int step = m_document.isLoaded() ? m_document.heldStep() : 0;
    if (step < 1) {
        m_table.setTable({});
        return;
    }
    m_table.setTable(ProbeTable::of(*m_probes, m_document.header(), m_document.grid(), step));
}

void ProbePanelsBinding::showHistories()
{
    if (!m_history.isVisible())
        return;
    const HistoryKey key{m_probes->revision(), m_view.settings().activeItem(), m_file, m_documentRevision};
    if (!m_historyKey || key != *m_historyKey) {
        m_historyKey = key;
        ++m_historyReads;
        const ProbeHistories histories = ProbeHistories::of(m_document, *m_probes, key.item);
        m_history.setHistories(histories.lines, histories.title, histories.valueTitle);
    }
    m_history.setStep(m_document.isLoaded() ? m_document.heldStep() : 0);
}

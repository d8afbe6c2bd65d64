#include "app/ProbePanelsBinding.h"

#include "charts/ProbeHistories.h"
#include "charts/ProbeSection.h"
#include "data/CPlotDoc.h"
#include "model/PlotSettings.h"
#include "model/StepReload.h"
#include "model/ProbeTable.h"
#include "widgets/view/CPlotView.h"
#include "widgets/view/MapProbes.h"
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
    MapProbes &mapProbes = m_view.probes();
    connect(&mapProbes, &MapProbes::changed, this, &ProbePanelsBinding::refresh);
    connect(&mapProbes.pinning(), &ProbePinning::pointerCell, this, &ProbePanelsBinding::pointerCell);
    connect(&mapProbes.pinning(), &ProbePinning::pointerLeft, this, &ProbePanelsBinding::pointerLeft);
    connect(&m_table, &ProbesPanel::removeRequested, &mapProbes, &MapProbes::remove);
    for (QWidget *panel : {static_cast<QWidget *>(&m_section), static_cast<QWidget *>(&m_history),
                           static_cast<QWidget *>(&m_table)})
        panel->installEventFilter(this);
    refresh();
}

const ProbeSet &ProbePanelsBinding::probes() const
{
    return m_view.probes().probes();
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

int ProbePanelsBinding::shownStep()
{
    if (!m_document.isLoaded())
        return 0;
    // The History Plot reads every step and leaves the last one held; like every
    // user of the grid, the panels bring it back to the plots' step first. Only
    // once: a load that failed has said so already.
    PlotSettings &settings = m_view.settings();
    if (settings.stepReloadPending && m_document.stepReady(settings.step))
        applyStepReload(m_document, settings);
    return m_document.heldStep() == settings.step ? settings.step : 0;
}

void ProbePanelsBinding::showSection()
{
    if (!m_section.isVisible())
        return;
    const int step = shownStep();
    const std::optional<QPoint> cell =
        sectionCell(probes(), m_table.selectedProbe(), m_section.followsPointer(), m_pointer);
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
    const int step = shownStep();
    if (step < 1) {
        m_table.setTable({});
        return;
    }
    m_table.setTable(ProbeTable::of(probes(), m_document.header(), m_document.grid(), step));
}

void ProbePanelsBinding::showHistories()
{
    if (!m_history.isVisible())
        return;
    const HistoryKey key{probes().revision(), m_view.settings().activeItem(), m_document.fileName(),
                         m_documentRevision};
    if (!m_historyKey || key != *m_historyKey) {
        m_historyKey = key;
        ++m_historyReads;
        const ProbeHistories histories = ProbeHistories::of(m_document, probes(), key.item);
        m_history.setHistories(histories.lines, histories.title, histories.valueTitle);
    }
    m_history.setStep(shownStep());
}

#include "app/PanelDocks.h"

#include "app/ProbePanelsBinding.h"
#include "widgets/panels/HistoryPanel.h"
#include "widgets/panels/ProbesPanel.h"
#include "widgets/panels/SectionPanel.h"

#include <QAction>
#include <QDockWidget>
#include <QMainWindow>

PanelDocks::PanelDocks(QMainWindow &window, CPlotDoc &document, CPlotView &view) : QObject(&window)
{
    m_section = new SectionPanel;
    m_history = new HistoryPanel;
    m_probes = new ProbesPanel;
    addDock(window, Qt::RightDockWidgetArea, tr("Section"), QStringLiteral("sectionDock"), m_section);
    addDock(window, Qt::RightDockWidgetArea, tr("History"), QStringLiteral("historyDock"), m_history);
    // The table has a column for every item: it takes the width below the map.
    addDock(window, Qt::BottomDockWidgetArea, tr("Probes"), QStringLiteral("probesDock"), m_probes);
    // The section above the history: side by side each would be too narrow.
    window.splitDockWidget(m_docks[0], m_docks[1], Qt::Vertical);
    window.resizeDocks({m_docks[0]}, {440}, Qt::Horizontal);
    m_binding = new ProbePanelsBinding(document, view, *m_section, *m_history, *m_probes, this);
}

QDockWidget *PanelDocks::addDock(QMainWindow &window, Qt::DockWidgetArea area, const QString &title,
                                 const QString &name, QWidget *panel)
{
    auto *dock = new QDockWidget(title, &window);
    dock->setObjectName(name);
    dock->setWidget(panel);
    dock->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable
                      | QDockWidget::DockWidgetFloatable);
    window.addDockWidget(area, dock);
    dock->hide();
    m_docks.append(dock);
    return dock;
}

QList<QAction *> PanelDocks::toggleActions() const
{
    QList<QAction *> actions;
    for (QDockWidget *dock : m_docks)
        actions.append(dock->toggleViewAction());
    return actions;
}

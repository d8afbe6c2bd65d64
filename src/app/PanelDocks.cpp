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
    // The first panel of an area would take all the height it does not need;
    // opened from the View menu, the two share it evenly. A restored layout keeps its sizes.
    for (QDockWidget *dock : {m_docks[0], m_docks[1]})
        connect(dock->toggleViewAction(), &QAction::triggered, this, [this, &window](bool shown) {
            QDockWidget *section = m_docks[0];
            QDockWidget *history = m_docks[1];
            if (shown && section->isVisible() && history->isVisible() && !section->isFloating()
                && !history->isFloating() && window.dockWidgetArea(section) == window.dockWidgetArea(history))
                window.resizeDocks({section, history}, {1, 1}, Qt::Vertical);
        });
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

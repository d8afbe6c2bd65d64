#pragma once

#include <QList>
#include <QObject>

class CPlotDoc;
class CPlotView;
class HistoryPanel;
class ProbePanelsBinding;
class ProbesPanel;
class QAction;
class QDockWidget;
class QMainWindow;
class SectionPanel;

// The dock panels "Section" and "History" beside the map and "Probes" below it, bound to
// the view. Each can float or dock anywhere; they start hidden, so that the
// first window is the map alone as before, and the window's saved state brings
// back where the user left them (each dock is named for it).
class PanelDocks : public QObject
{
    Q_OBJECT

public:
    PanelDocks(QMainWindow &window, CPlotDoc &document, CPlotView &view);

    // The View menu's show-or-hide items, one per dock in the order above.
    QList<QAction *> toggleActions() const;
    const QList<QDockWidget *> &docks() const { return m_docks; }

    SectionPanel &section() const { return *m_section; }
    HistoryPanel &history() const { return *m_history; }
    ProbesPanel &probes() const { return *m_probes; }
    ProbePanelsBinding &binding() const { return *m_binding; }

private:
    QDockWidget *addDock(QMainWindow &window, Qt::DockWidgetArea area, const QString &title, const QString &name,
                         QWidget *panel);

    SectionPanel *m_section = nullptr;
    HistoryPanel *m_history = nullptr;
    ProbesPanel *m_probes = nullptr;
    ProbePanelsBinding *m_binding = nullptr;
    QList<QDockWidget *> m_docks;
};

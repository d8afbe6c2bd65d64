#pragma once

#include <QObject>
#include <QPoint>

#include <cstdint>
#include <optional>
#include <string>

class CPlotDoc;
class CPlotView;
class HistoryPanel;
class ProbeSet;
class ProbesPanel;
class SectionPanel;

// Keeps the Section, History and Probes panels on the map's probes, item and
// step. After every draw dispatch of the view the panels show the plots' step,
// the one the map and the Step toolbar show; the histories are read again only
// when the probes, the item or the file's readable steps change. A hidden panel
// is brought up to date when it shows again.
class ProbePanelsBinding : public QObject
{
    Q_OBJECT

public:
    ProbePanelsBinding(CPlotDoc &document, CPlotView &view, SectionPanel &section, HistoryPanel &history,
                       ProbesPanel &probes, QObject *parent = nullptr);

    // The probes the panels follow: the map's.
    const ProbeSet &probes() const;
    // How many times the histories were read, for the tests' "not on every step".
    int historyReads() const { return m_historyReads; }

public slots:
    // The cell under the map's pointer (1-based), which Follow Pointer shows.
    void pointerCell(int column, int row);
    void pointerLeft();
    // Every panel again (the probes, the step or the item may be others), the
    // histories when what they show changed.
    void refresh();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The step the panels show: the plots' step once the grid holds it, else 0.
    int shownStep();
    void showSection();
    void showTable();
    void showHistories();
    // What the histories are read for; another one reads them again.
    struct HistoryKey
    {
        std::uint64_t probes = 0;
        int item = -1;
        std::string file;
        std::uint64_t document = 0;
        bool operator!=(const HistoryKey &other) const
        {
            return probes != other.probes || item != other.item || file != other.file || document != other.document;
        }
    };

    CPlotDoc &m_document;
    CPlotView &m_view;
    SectionPanel &m_section;
    HistoryPanel &m_history;
    ProbesPanel &m_table;
    std::optional<QPoint> m_pointer;
    std::optional<HistoryKey> m_historyKey;
    // Grows when the document's file or its readable steps change.
    std::uint64_t m_documentRevision = 0;
    int m_historyReads = 0;
};

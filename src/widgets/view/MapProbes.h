#pragma once

#include "model/ProbeSet.h"
#include "widgets/view/ProbePinning.h"

#include <QObject>

#include <cstdint>

class CellMenus;
class QPainter;
class Reporter;
struct ReadoutGeometry;

// The probes pinned on the map, for the view and the panels beside it: a click
// on a cell pins it or, pinned already, removes it; a Shift-dragged window's
// menu offers to pin the window; a refused pin says why. Every change repaints
// the map's markers and is told on changed().
class MapProbes : public QObject
{
    Q_OBJECT

public:
    MapProbes(QWidget *map, ProbePinning::CellAt cellAt, CellMenus &menus, Reporter &reporter);

    const ProbeSet &probes() const { return m_probes; }
    // The map's gestures, and the cell under the pointer for Follow Pointer.
    ProbePinning &pinning() { return *m_pinning; }

    // The markers over a screen drawing of the map, whose geometry it left.
    void paint(QPainter &painter, const ReadoutGeometry &drawing) const;

public slots:
    void pin(int minX, int maxX, int minY, int maxY);
    void remove(int index);
    // Another file is shown: a probe names a cell of the file it was pinned on.
    void clear();

signals:
    void changed();

private:
    void edited(std::uint64_t revisionBefore);

    QWidget *m_map;
    Reporter &m_reporter;
    ProbeSet m_probes;
    ProbePinning *m_pinning = nullptr;
};

#include "widgets/view/MapProbes.h"

#include "data/Reporter.h"
#include "view/ProbeMarkers.h"
#include "widgets/view/CellMenus.h"

#include <QPainter>
#include <QWidget>

MapProbes::MapProbes(QWidget *map, ProbePinning::CellAt cellAt, CellMenus &menus, Reporter &reporter)
    : QObject(map), m_map(map), m_reporter(reporter), m_pinning(new ProbePinning(map, std::move(cellAt)))
{
    connect(m_pinning, &ProbePinning::cellClicked, this,
            [this](int column, int row) { pin(column, column, row, row); });
    connect(m_pinning, &ProbePinning::windowPicked, &menus, &CellMenus::showWindowMenu);
    connect(&menus, &CellMenus::windowPinChosen, this, &MapProbes::pin);
}

void MapProbes::paint(QPainter &painter, const ReadoutGeometry &drawing) const
{
    ProbeMarkers::draw(painter, ProbeMarkers::markers(m_probes, drawing));
}

void MapProbes::pin(int minX, int maxX, int minY, int maxY)
{
    const std::uint64_t before = m_probes.revision();
    if (m_probes.pinWindow(minX, minY, maxX, maxY) == ProbeSet::PinResult::Refused)
        m_reporter.report(ProbeSet::refusalText());
    edited(before);
}

void MapProbes::remove(int index)
{
    const std::uint64_t before = m_probes.revision();
    m_probes.remove(index);
    edited(before);
}

void MapProbes::clear()
{
    const std::uint64_t before = m_probes.revision();
    m_probes.clear();
    edited(before);
}

void MapProbes::edited(std::uint64_t revisionBefore)
{
    if (m_probes.revision() == revisionBefore)
        return;
    m_map->update();
    emit changed();
}

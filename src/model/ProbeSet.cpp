#include "model/ProbeSet.h"

#include <algorithm>
#include <utility>

std::string Probe::label() const
{
    if (kind == Kind::Cell)
        return "column " + std::to_string(minX) + ", row " + std::to_string(minY);
    return "columns " + std::to_string(minX) + ".." + std::to_string(maxX) + ", rows " + std::to_string(minY) + ".."
           + std::to_string(maxY);
}

ProbeSet::PinResult ProbeSet::pinCell(int column, int row)
{
    return pin(Probe{Probe::Kind::Cell, column, column, row, row, 0});
}

ProbeSet::PinResult ProbeSet::pinWindow(int x1, int y1, int x2, int y2)
{
    if (x1 == x2 && y1 == y2)
        return pinCell(x1, y1);
    return pin(Probe{Probe::Kind::Window, std::min(x1, x2), std::max(x1, x2), std::min(y1, y2), std::max(y1, y2), 0});
}

ProbeSet::PinResult ProbeSet::pin(Probe probe)
{
    const int existing = indexOf(probe);
    if (existing >= 0) {
        remove(existing);
        return PinResult::Removed;
    }
    if (size() >= maxProbes)
        return PinResult::Refused;
    probe.colour = firstFreeColour();
    m_probes.push_back(probe);
    ++m_revision;
    return PinResult::Added;
}

bool ProbeSet::remove(int index)
{
    if (index < 0 || index >= size())
        return false;
    m_probes.erase(m_probes.begin() + index);
    ++m_revision;
    return true;
}

void ProbeSet::clear()
{
    if (m_probes.empty())
        return;
    m_probes.clear();
    ++m_revision;
}

int ProbeSet::indexOf(const Probe &cells) const
{
    const auto found = std::find_if(m_probes.begin(), m_probes.end(),
                                    [&cells](const Probe &probe) { return probe.sameCells(cells); });
    return found == m_probes.end() ? -1 : static_cast<int>(found - m_probes.begin());
}

int ProbeSet::firstFreeColour() const
{
    for (int colour = 0; colour < maxProbes; ++colour)
        if (std::none_of(m_probes.begin(), m_probes.end(),
                         [colour](const Probe &probe) { return probe.colour == colour; }))
            return colour;
    return 0; // unreachable: fewer than maxProbes probes leave a colour free
}

std::string ProbeSet::refusalText()
{
    return "At most " + std::to_string(maxProbes)
           + " probes can be pinned. Remove one in the Probes panel (or click a pinned cell) first.";
}

#include "model/PlotSettings.h"

namespace {

// In the order of PlotType's values.
constexpr std::array<PlotTypeFacts, 4> plotTypeFacts{{
    {[](PlotSettings &s) -> int & { return s.colSq.itemIndex; }, nullptr, nullptr, -1},
    {[](PlotSettings &s) -> int & { return s.xsec.itemIndex; }, &PlotSettings::xsecChartCreated,
     &PlotSettings::xsecNeedsData, 0},
    {[](PlotSettings &s) -> int & { return s.history.itemIndex; }, &PlotSettings::histChartCreated,
     &PlotSettings::histNeedsData, 1},
    {[](PlotSettings &s) -> int & { return s.fishNet.itemIndex; }, &PlotSettings::fishnetChartCreated,
     &PlotSettings::fishnetNeedsData, 2},
}};

constexpr bool chartIndicesFollowChartPlotTypes()
{
    for (std::size_t i = 0; i < chartPlotTypes.size(); ++i) {
        if (plotTypeFacts[static_cast<std::size_t>(chartPlotTypes[i])].chartIndex != static_cast<int>(i))
            return false;
    }
    return true;
}
static_assert(chartIndicesFollowChartPlotTypes());

} // namespace

const PlotTypeFacts *factsOf(PlotType type)
{
    const auto index = static_cast<std::size_t>(type);
    return index < plotTypeFacts.size() ? &plotTypeFacts[index] : nullptr;
}

const PlotTypeFacts *chartFactsOf(PlotType type)
{
    const PlotTypeFacts *facts = factsOf(type);
    return facts && facts->chartIndex >= 0 ? facts : nullptr;
}

int &PlotSettings::activeItem()
{
    const PlotTypeFacts *facts = factsOf(plotType);
    return facts ? facts->item(*this) : colSq.itemIndex;
}

int PlotSettings::activeItem() const
{
    // The table's accessors only hand out a place; reading it changes nothing.
    return const_cast<PlotSettings *>(this)->activeItem();
}

#include "view/PlotSettings.h"

namespace {

// In the order of PlotType's values.
constexpr std::array<PlotTypeFacts, 4> plotTypeFacts{{
    {&PlotSettings::colSqItem, nullptr, nullptr, -1},
    {&PlotSettings::xsecItem, &PlotSettings::xsecChartCreated, &PlotSettings::xsecNeedsData, 0},
    {&PlotSettings::histItem, &PlotSettings::histChartCreated, &PlotSettings::histNeedsData, 1},
    {&PlotSettings::fishnetItem, &PlotSettings::fishnetChartCreated, &PlotSettings::fishnetNeedsData, 2},
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
    return facts ? this->*facts->item : colSqItem;
}

int PlotSettings::activeItem() const
{
    const PlotTypeFacts *facts = factsOf(plotType);
    return facts ? this->*facts->item : colSqItem;
}

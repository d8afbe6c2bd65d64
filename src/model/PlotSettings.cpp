#include "model/PlotSettings.h"

namespace {

// The stress item of the choice `choice` of the settings, to change and to read.
template <auto choice>
int &itemIn(PlotSettings &settings)
{
    return (settings.*choice).itemIndex;
}

template <auto choice>
int itemOf(const PlotSettings &settings)
{
    return (settings.*choice).itemIndex;
}

// In the order of PlotType's values.
constexpr std::array<PlotTypeFacts, 4> plotTypeFacts{{
    {&itemIn<&PlotSettings::colSq>, &itemOf<&PlotSettings::colSq>, nullptr, nullptr, -1},
    {&itemIn<&PlotSettings::xsec>, &itemOf<&PlotSettings::xsec>, &PlotSettings::xsecChartCreated,
     &PlotSettings::xsecNeedsData, 0},
    {&itemIn<&PlotSettings::history>, &itemOf<&PlotSettings::history>, &PlotSettings::histChartCreated,
     &PlotSettings::histNeedsData, 1},
    {&itemIn<&PlotSettings::fishNet>, &itemOf<&PlotSettings::fishNet>, &PlotSettings::fishnetChartCreated,
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
    const PlotTypeFacts *facts = factsOf(plotType);
    return facts ? facts->itemValue(*this) : colSq.itemIndex;
}

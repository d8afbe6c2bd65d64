#pragma once

#include <QString>

#include <string>

struct PlotSettings;

// The texts the three charts show.
namespace ChartTexts {

inline const QString crossSectionXTitle = QStringLiteral("Distance Along Cross Section");
inline const QString historyXTitle = QStringLiteral("Step Number");
inline const QString fishNetXTitle = QStringLiteral("X");
inline const QString fishNetYTitle = QStringLiteral("Y");

// "plotTitle\nCross Section Parallel to X at Grid Location 10" (or the Y form).
QString crossSectionHeader(const PlotSettings &settings);
// The header with a third line naming the step shown: "...\nStep 3".
QString crossSectionTitle(const PlotSettings &settings);
// "plotTitle (Average)\nX from a to b and Y from c to d", or " (Summation)\n" for totals.
QString historyHeader(const PlotSettings &settings);
// The value axis: the item's name with its unit, "Vertical Stress (MPa)".
QString valueAxisTitle(const std::string &plotTitle, const std::string &unit);

} // namespace ChartTexts

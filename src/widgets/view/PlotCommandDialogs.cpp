#include "widgets/view/PlotCommandDialogs.h"

#include "data/CPlotDoc.h"
#include "model/PlotCommands.h"
#include "model/PlotSettings.h"
#include "widgets/dialogs/C3DPlotOptionsDlg.h"
#include "widgets/dialogs/CColSqOptionsDlg.h"
#include "widgets/dialogs/CHistoryPlotOptionsDlg.h"
#include "widgets/dialogs/XSecOptionsDlg.h"

#include <memory>
#include <type_traits>

PlotCommandDialogs::PlotCommandDialogs(CPlotDoc &document, PlotSettings &settings, QWidget *parent)
    : m_document(document), m_settings(settings), m_parent(parent)
{
}

template<typename Dialog, typename Choice, typename Prepare>
bool PlotCommandDialogs::run(const Choice &initial, Prepare prepare)
{
    if (!m_document.isLoaded())
        return false;
    // The History Plot has no step; the others open with the shared one and hand it back.
    constexpr bool showsStep = !std::is_same_v<Choice, HistoryChoice>;
    std::unique_ptr<Dialog> dialog;
    if constexpr (showsStep)
        dialog = std::make_unique<Dialog>(initial, m_settings.step, m_document.header(), m_document.reporter(), m_parent);
    else
        dialog = std::make_unique<Dialog>(initial, m_document.header(), m_document.reporter(), m_parent);
    prepare(*dialog);
    if (dialog->exec() != QDialog::Accepted)
        return false;
    if constexpr (showsStep)
        PlotCommands::apply(m_settings, dialog->choice(), dialog->stepNumber(), m_document.header());
    else
        PlotCommands::apply(m_settings, dialog->choice(), m_document.header());
    return true;
}

bool PlotCommandDialogs::coloredSquare()
{
    return run<CColSqOptionsDlg>(m_settings.colSq, [this](CColSqOptionsDlg &dialog) {
        dialog.setStepRanges(m_document.stepRanges());
    });
}

bool PlotCommandDialogs::crossSection()
{
    return run<XSecOptionsDlg>(m_settings.xsec, [](XSecOptionsDlg &) {});
}

bool PlotCommandDialogs::history()
{
    return run<CHistoryPlotOptionsDlg>(m_settings.history, [](CHistoryPlotOptionsDlg &) {});
}

bool PlotCommandDialogs::fishNet()
{
    return run<C3DPlotOptionsDlg>(m_settings.fishNet, [](C3DPlotOptionsDlg &) {});
}

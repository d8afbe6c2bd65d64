#include "app/ExportGridCommand.h"

#include "app/CExportGridDlg.h"
#include "app/CModeless.h"
#include "data/CPlotDoc.h"
#include "data/Reporter.h"
#include "export/grid/GridExport.h"
#include "widgets/view/SaveFileDialog.h"

ExportGridCommand::ExportGridCommand(CPlotDoc &document, QWidget *window)
    : QObject(window), m_document(document), m_window(window)
{
    m_askChoices = [this](const GridExportChoices &initial) -> std::optional<GridExportChoices> {
        CExportGridDlg dialog(m_document.header(), initial, m_window);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.choices();
    };
    m_choosePath = [this](const OutputFileRequest &request) { return askForOutputPath(m_window, request); };
}

void ExportGridCommand::run()
{
    if (!m_document.isLoaded()) {
        m_document.reporter().report("A Data File Must be Open - OFSAA1");
        return;
    }
    const SeamHeader &header = m_document.header();
    const std::string file = m_document.GetFileDirectory() + m_document.fileName();
    const bool sameFile = m_last && file == m_lastFile && m_last->items.size() == std::size_t(header.itemCount);
    const std::optional<GridExportChoices> choices =
        m_askChoices(sameFile ? *m_last : GridExportChoices::defaults(header));
    if (!choices)
        return;
    m_last = choices;
    m_lastFile = file;
    const std::string path =
        m_choosePath(choices->fileRequest(m_document.GetFileDirectory() + m_document.GetFileTitle(), header));
    if (path.empty())
        return;
    const auto plan = choices->plan(header, path);
    if (const auto *message = std::get_if<std::string>(&plan)) {
        m_document.reporter().report(*message);
        return;
    }
    const CModeless wait(m_window);
    writeGridExport(m_document, choices->gridFormat(), std::get<GridContent>(plan));
}

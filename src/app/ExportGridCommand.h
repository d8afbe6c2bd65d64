#pragma once

#include "export/OutputFileRequest.h"
#include "export/grid/GridExportChoices.h"

#include <QObject>

#include <functional>
#include <memory>
#include <optional>

class CPlotDoc;
class QWidget;

// File > Export Grid...: the Export Grid dialog, a save dialog for the name,
// then the writing of sembla-cli convert with the "PLEASE WAIT" box up. The
// dialog offers the choices made last for the same file again.
class ExportGridCommand : public QObject
{
    Q_OBJECT

public:
    // What runs the dialog: the choices on OK, nothing on Cancel.
    using ChoicesDialog = std::function<std::optional<GridExportChoices>(const GridExportChoices &initial)>;

    ExportGridCommand(CPlotDoc &document, QWidget *window);

    void run();

    // Stand-ins for the two dialogs, for the tests.
    void setChoicesDialog(ChoicesDialog dialog) { m_askChoices = std::move(dialog); }
    void setOutputPathChooser(OutputPathChooser chooser) { m_choosePath = std::move(chooser); }

private:
    CPlotDoc &m_document;
    QWidget *m_window;
    ChoicesDialog m_askChoices;
    OutputPathChooser m_choosePath;
    std::optional<GridExportChoices> m_last;
    std::string m_lastFile; // the file m_last was made for
};

#include "widgets/view/PrintCommands.h"

#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>

PrintCommands::PrintCommands(QWidget *parent, PagePrinter printPage)
    : m_parent(parent), m_printPage(std::move(printPage))
{
    // The page is wider than high: landscape paper holds it at its true size.
    m_printer.setPageOrientation(QPageLayout::Landscape);
}

void PrintCommands::print()
{
    QPrintDialog dialog(&m_printer, m_parent);
    if (dialog.exec() == QDialog::Accepted)
        m_printPage(&m_printer);
}

void PrintCommands::preview()
{
    QPrintPreviewDialog preview(&m_printer, m_parent);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, m_parent,
                     [this](QPrinter *printer) { m_printPage(printer); });
    preview.resize(900, 700);
    preview.exec();
}

void PrintCommands::pageSetup()
{
    QPageSetupDialog dialog(&m_printer, m_parent);
    dialog.exec();
}

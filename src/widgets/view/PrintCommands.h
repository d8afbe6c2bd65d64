#pragma once

#include <QPrinter>

#include <functional>

class QWidget;

// File Print, Print Preview and Print Setup over one printer, kept for the
// session so the page set up is the page printed. The plot's drawing onto a
// printer page is handed in.
class PrintCommands
{
public:
    using PagePrinter = std::function<void(QPrinter *printer)>;

    PrintCommands(QWidget *parent, PagePrinter printPage);

    void print();
    void preview();
    void pageSetup();

private:
    QWidget *m_parent;
    PagePrinter m_printPage;
    QPrinter m_printer{QPrinter::HighResolution};
};

#include "cli/CliSupport.h"
#include "cli/Commands.h"

#include "data/CPlotDoc.h"
#include "data/CellHistory.h"
#include "data/LocalFileNames.h"
#include "data/NumberFormat.h"

#include <iostream>
#include <string>
#include <vector>

namespace {

const char *const description =
    "Prints the history of cells of a seam output file as CSV on stdout: the header \"step\", then one column "
    "\"col C row R\" for each --cell in the order given, then one line per step. A value is the cell's as the History "
    "Plot of a window of that one cell gives it, in the number form of its ASCII file. The values of steps the file "
    "does not hold whole are left empty, with a message.";

struct Cell
{
    int column = 0;
    int row = 0;
};

std::string stepsNotInTheFile(const QString &file, int first, int last)
{
    const std::string in = " not in " + file.toStdString() + ", which ends or is damaged before ";
    if (first == last)
        return "Step " + std::to_string(first) + " is" + in + "it; its values are left empty.";
    return "Steps " + std::to_string(first) + " to " + std::to_string(last) + " are" + in
           + "them; their values are left empty.";
}

std::string csvOf(const std::vector<Cell> &cells, const CellHistories &read)
{
    std::string text = "step";
    for (const Cell &cell : cells)
        text += ",col " + std::to_string(cell.column) + " row " + std::to_string(cell.row);
    text += '\n';
    for (int s = 1; s <= read.stepsRead; ++s) {
        NumberFormat::appendInteger(text, s);
        for (const WindowHistory &window : read.windows) {
            text += ',';
            if (s <= read.completeSteps)
                NumberFormat::appendGeneral(text, window.averages[static_cast<std::size_t>(s) - 1]);
        }
        text += '\n';
    }
    return text;
}

} // namespace

int runProbe(const QStringList &givenArguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(description);
    const QCommandLineOption cellOption("cell", "A cell by its column C and row R, 1-based; repeat it for more cells.",
                                        "C R");
    const QCommandLineOption itemOption("item", "The stress item, 0-based (default 0).", "K", "0");
    parser.addOptions({cellOption, itemOption});
    parser.addPositionalArgument("FILE", "The seam output file (.f1 to .f4).");
    QStringList arguments = givenArguments;
    if (!joinOptionValues(arguments, "--cell", 2))
        return usageError("--cell needs two numbers: C R.");
    if (const int status = parseVerbArguments(parser, arguments, "probe FILE --cell C R [--cell C R ...] [--item K]");
        status >= 0)
        return status;

    const QStringList files = parser.positionalArguments().mid(1);
    if (files.size() != 1)
        return usageError("probe takes exactly one FILE.");
    if (!parser.isSet(cellOption))
        return usageError("probe needs at least one --cell C R.");
    const std::optional<int> item = parseWholeNumber(parser.value(itemOption));
    if (!item)
        return usageError("--item must be a whole number, not '" + parser.value(itemOption) + "'.");
    std::vector<Cell> cells;
    for (const QString &value : parser.values(cellOption)) {
        const QStringList numbers = value.split(',');
        const std::optional<int> column = numbers.size() == 2 ? parseWholeNumber(numbers[0]) : std::nullopt;
        const std::optional<int> row = numbers.size() == 2 ? parseWholeNumber(numbers[1]) : std::nullopt;
        if (!column || !row)
            return usageError("--cell takes two whole numbers, not '" + QString(value).replace(',', ' ') + "'.");
        cells.push_back({*column, *row});
    }

    StderrReporter reporter;
    CPlotDoc document(reporter);
    const QString filePath = files.front();
    if (!isOpen(openInput(document, filePath)))
        return ExitStatus::failed;
    const SeamHeader &header = document.header();
    const QString file = LocalFileNames::display(filePath);
    if (const int status = checkRanges({{"--item", *item, 0, header.itemCount - 1,
                                         file + " has " + QString::number(header.itemCount) + " stress items."}});
        status >= 0)
        return status;
    const QString columns = file + " has " + QString::number(header.columnCount) + " columns.";
    const QString rows = file + " has " + QString::number(header.rowCount) + " rows.";
    std::vector<CellWindow> windows;
    for (const Cell &cell : cells) {
        const int status = checkRanges({
            {"--cell C", cell.column, 1, header.columnCount, columns},
            {"--cell R", cell.row, 1, header.rowCount, rows},
        });
        if (status >= 0)
            return status;
        windows.push_back(CellWindow::cell(cell.column - 1, cell.row - 1));
    }

    const CellHistories read = ReadCellHistories(document, *item, windows);
    if (!read.complete()) {
        // A history with a step missing is no history: nothing is printed.
        reporter.report(read.error);
        return ExitStatus::failed;
    }
    if (read.completeSteps < read.stepsRead)
        reporter.report(stepsNotInTheFile(file, read.completeSteps + 1, read.stepsRead));
    std::cout << csvOf(cells, read) << std::flush;
    return reporter.count == 0 ? ExitStatus::ok : ExitStatus::failed;
}

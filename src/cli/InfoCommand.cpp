#include "cli/CliSupport.h"
#include "cli/Commands.h"

#include "data/CPlotDoc.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <charconv>
#include <iostream>
#include <string>

namespace {

QJsonObject headerAsJson(const SeamHeader &header, int completeSteps)
{
    QJsonArray items;
    for (int k = 0; k < header.itemCount; ++k)
        items.append(QJsonObject{{"name", QString::fromStdString(header.itemName(k))},
                                 {"unit", QString::fromStdString(header.itemUnit(k))}});
    return QJsonObject{{"stepCount", header.stepCount},
                       {"completeSteps", completeSteps},
                       {"cellSize", shortestDouble(header.cellSize)},
                       {"columnCount", header.columnCount},
                       {"rowCount", header.rowCount},
                       {"originX", shortestDouble(header.originX)},
                       {"originY", shortestDouble(header.originY)},
                       {"items", items}};
}

// Every digit the float needs: the stream's default six would round 123456.7 to 123457.
std::string floatText(float value)
{
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

void printHeader(const SeamHeader &header, int completeSteps)
{
    std::cout << "stepCount: " << header.stepCount << '\n'
              << "completeSteps: " << completeSteps << '\n'
              << "cellSize: " << floatText(header.cellSize) << '\n'
              << "columnCount: " << header.columnCount << '\n'
              << "rowCount: " << header.rowCount << '\n'
              << "originX: " << floatText(header.originX) << '\n'
              << "originY: " << floatText(header.originY) << '\n'
              << "items:\n";
    for (int k = 0; k < header.itemCount; ++k)
        std::cout << "  " << k << ": " << header.itemName(k) << " (" << header.itemUnit(k) << ")\n";
}

} // namespace

int runInfo(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription("Prints the header of a seam output file and how many of its steps it holds whole.");
    const QCommandLineOption json("json", "Print the header as one JSON object.");
    parser.addOption(json);
    parser.addPositionalArgument("FILE", "The seam output file (.f1 to .f4).");
    if (const int status = parseVerbArguments(parser, arguments, "info FILE [--json]"); status >= 0)
        return status;
    const QStringList files = parser.positionalArguments().mid(1);
    if (files.size() != 1)
        return usageError("info takes exactly one FILE.");

    StderrReporter reporter;
    CPlotDoc document(reporter);
    const auto result = openInput(document, files.front());
    if (!isOpen(result))
        return ExitStatus::failed;
    if (parser.isSet(json))
        std::cout << QJsonDocument(headerAsJson(document.header(), document.completeSteps()))
                         .toJson(QJsonDocument::Compact)
                         .toStdString()
                  << '\n';
    else
        printHeader(document.header(), document.completeSteps());
    return result == CPlotDoc::OpenResult::Opened ? ExitStatus::ok : ExitStatus::failed;
}

#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/TerminationWatch.h"

#include "data/CPlotDoc.h"
#include "data/LocalFileNames.h"
#include "data/OpenedFile.h"
#include "export/grid/GridExport.h"
#include "export/grid/GridFormat.h"
#include "export/grid/ItemSelection.h"

#include <iostream>

int runConvert(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Writes the steps and stress items of a seam output file in a grid format other programs read, chosen by "
        "OUT's extension: .nc NetCDF (all steps in one file), .tif GeoTIFF (a file per step: name OUT with %d, as "
        "in run-%d.tif), .csv long form, .pvd a VTK image series for ParaView (a .vti per step beside it), and .asc "
        "with --format esri-ascii the ESRI ASCII grid of one item (a file per step).");
    const QCommandLineOption output(QStringList{"o", "output"}, "The file to write.", "OUT");
    const QCommandLineOption steps("steps", "The steps, 1-based, as 7, 3-9 or 1,5,9-12 (default: every step).",
                                   "LIST");
    const QCommandLineOption items("items",
                                   "The stress items by name, comma-separated, as \"Vertical Stress,Shear\" "
                                   "(default: every item).",
                                   "LIST");
    const QCommandLineOption format("format", "The format, whatever OUT's extension: netcdf, geotiff, csv, vtk or "
                                              "esri-ascii.",
                                    "NAME");
    const QCommandLineOption crs("crs", "The reference system of a GeoTIFF, as EPSG:32632.", "EPSG:N");
    parser.addOptions({output, steps, items, format, crs});
    parser.addPositionalArgument("FILE", "The seam output file (.f1 to .f4).");
    const QString syntax = "convert FILE -o OUT [--steps LIST] [--items LIST] [--format NAME] [--crs EPSG:N]";
    if (const int status = parseVerbArguments(parser, arguments, syntax); status >= 0)
        return status;

    const QStringList files = parser.positionalArguments().mid(1);
    if (files.size() != 1)
        return usageError("convert takes exactly one FILE.");
    if (!parser.isSet(output))
        return usageError("convert needs -o OUT.");
    GridExportRequest request;
    request.out = LocalFileNames::toPath(parser.value(output));
    const std::optional<std::string> formatName =
        parser.isSet(format) ? std::optional<std::string>(parser.value(format).toStdString()) : std::nullopt;
    // Told before a long open of the input, as nothing can be written anyway.
    const auto chosen = chooseGridFormat(request.out, formatName);
    if (const auto *message = std::get_if<std::string>(&chosen)) {
        std::cerr << "sembla-cli: " << *message << '\n';
        return ExitStatus::failed;
    }
    request.format = std::get<const GridFormat *>(chosen);
    if (parser.isSet(steps))
        request.steps = parser.value(steps).toStdString();
    request.crs = parser.value(crs).toStdString();

    StderrReporter reporter;
    CPlotDoc document(reporter);
    if (!isOpen(openInput(document, files.front())))
        return ExitStatus::failed;
    if (parser.isSet(items)) {
        const auto selection = ItemSelection::parse(parser.value(items).toStdString(), document.header());
        if (const auto *message = std::get_if<std::string>(&selection))
            return usageError("--items: " + QString::fromStdString(*message) + ".");
        request.items = std::get<ItemSelection>(selection).items;
    }
    const auto plan = planGridExport(document.header(), request);
    if (const auto *message = std::get_if<std::string>(&plan))
        return usageError(QString::fromStdString(*message) + ".");

    const bool written = writeGridExport(document, *request.format, std::get<GridContent>(plan),
                                         &TerminationWatch::openWatch().cancel);
    return written && reporter.count == 0 ? ExitStatus::ok : ExitStatus::failed;
}

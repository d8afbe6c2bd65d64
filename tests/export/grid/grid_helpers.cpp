#include "grid_helpers.h"

#include "export/grid/GridFormat.h"

TestSeam variedSeam()
{
    static const float kinds[] = {0.1f,     1.0f / 3.0f, -2.5e-7f,  3.4028235e38f, 1.1754944e-38f, 1.4e-45f,
                                  123456.7f, -98765.43f, 1e10f,     7.0f,          -1.5f,          2.0f / 7.0f};
    return TestSeam()
        .sized(3, 5, 4, 3)
        .cells(2.7f, 1000.1f, -250.3f)
        .named({"Vertical Stress", "Shear \"xy\"", "Energy"}, {"MPa", "kPa", "MJ/m^3"})
        .valued([](int step, int ix, int iy, int k) { return kinds[(step * 31 + ix * 7 + iy * 3 + k) % 12]; });
}

GridExportRequest gridRequest(const QString &format, const std::string &out, const QString &steps,
                              const std::vector<int> &items, const std::string &crs)
{
    GridExportRequest request;
    request.format = std::get<const GridFormat *>(chooseGridFormat(out, format.toStdString()));
    request.out = out;
    if (!steps.isEmpty())
        request.steps = steps.toStdString();
    request.items = items;
    request.crs = crs;
    return request;
}

bool exportGrid(OpenedSeam &seam, const GridExportRequest &request)
{
    const auto plan = planGridExport(seam.document.header(), request);
    if (const auto *message = std::get_if<std::string>(&plan)) {
        seam.reporter.report(*message);
        return false;
    }
    return writeGridExport(seam.document, *request.format, std::get<GridContent>(plan));
}

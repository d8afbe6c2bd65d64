#include "export/grid/GridExport.h"

#include "data/CPlotDoc.h"
#include "data/Reporter.h"
#include "export/NumberedFileName.h"
#include "export/StepOutputs.h"
#include "export/StepSelection.h"
#include "export/grid/GridFormat.h"
#include "export/grid/GridOutputs.h"

#include <QRegularExpression>

namespace {

std::optional<std::string> checkCrs(const GridFormat &format, const std::string &crs)
{
    if (crs.empty())
        return std::nullopt;
    if (!format.takesCrs)
        return std::string("the ") + format.name + " format takes no reference system";
    static const QRegularExpression epsg("^EPSG:[0-9]{1,9}$");
    if (!epsg.match(QString::fromStdString(crs)).hasMatch())
        return "\"" + crs + "\" is no reference system EPSG:N (such as EPSG:32632)";
    return std::nullopt;
}

} // namespace

std::string GridContent::itemLabel(int item) const
{
    const std::string &name = header.itemName(item);
    return name.empty() ? "Item " + std::to_string(item) : name;
}

const std::string &GridContent::targetOf(int step) const
{
    for (std::size_t i = 0; i < steps.size() && i < targets.size(); ++i) {
        if (steps[i] == step)
            return targets[i];
    }
    return targets.front();
}

std::variant<GridContent, std::string> planGridExport(const SeamHeader &header, const GridExportRequest &request)
{
    const GridFormat &format = *request.format;
    GridContent content;
    content.header = header;
    content.crs = request.crs;
    if (const auto message = checkCrs(format, request.crs))
        return *message;

    content.items = request.items;
    if (content.items.empty()) {
        for (int k = 0; k < header.itemCount; ++k)
            content.items.push_back(k);
    }
    for (const int item : content.items) {
        if (item < 0 || item >= header.itemCount)
            return "stress item " + std::to_string(item) + " is not in the file, which has "
                   + std::to_string(header.itemCount) + " items";
    }
    if (format.oneItem && content.items.size() != 1)
        return std::string("a file of the ") + format.name + " format holds one stress item, and "
               + std::to_string(content.items.size()) + " are chosen";

    const std::string allSteps = "1-" + std::to_string(header.stepCount);
    if (format.filePerStep) {
        auto outputs = PlanStepOutputs(request.steps.value_or(allSteps), request.out, header.stepCount, 1);
        if (auto *message = std::get_if<std::string>(&outputs))
            return *message;
        for (const StepOutput &output : std::get<std::vector<StepOutput>>(outputs)) {
            content.steps.push_back(output.step);
            content.targets.push_back(output.path);
        }
        return content;
    }
    auto selection = StepSelection::parse(request.steps.value_or(allSteps), header.stepCount);
    if (auto *message = std::get_if<std::string>(&selection))
        return *message;
    if (NumberedFileName::looksLikePattern(request.out))
        return std::string("a file of the ") + format.name
               + " format holds every step, so its name takes no \"%\" conversion (write %% for a \"%\" of the name)";
    content.steps = std::get<StepSelection>(selection).steps;
    content.targets = {request.out};
    return content;
}

bool writeGridExport(CPlotDoc &document, const GridFormat &format, const GridContent &content,
                     const std::atomic<bool> *cancel)
{
    GridOutputs outputs;
    // Declared after the outputs, so that the writer lets go of its files before they are removed.
    const std::unique_ptr<GridWriter> writer = format.makeWriter();
    std::string error;
    bool written = writer->begin(content, outputs, error);
    for (std::size_t i = 0; written && i < content.steps.size(); ++i) {
        if (cancel && cancel->load()) {
            error = "The export was stopped; no file of it was written.";
            written = false;
        } else if (!document.loadStep(content.steps[i])) {
            return false; // reported by the load
        } else {
            written = writer->writeStep(content.steps[i], document.grid(), error);
        }
    }
    written = written && writer->finish(error) && outputs.commit(error);
    if (!written)
        document.reporter().report(error);
    return written;
}

#include "export/grid/GridExportChoices.h"

#include "export/StepSelection.h"
#include "export/grid/GridFormat.h"

#include <algorithm>
#include <cctype>

GridExportChoices GridExportChoices::defaults(const SeamHeader &header)
{
    GridExportChoices choices;
    choices.steps = "1-" + std::to_string(header.stepCount);
    choices.items.assign(static_cast<std::size_t>(std::max(header.itemCount, 0)), true);
    return choices;
}

const GridFormat &GridExportChoices::gridFormat() const
{
    const std::vector<GridFormat> &formats = gridFormats();
    return formats[static_cast<std::size_t>(format) < formats.size() ? static_cast<std::size_t>(format) : 0];
}

bool GridExportChoices::crsApplies() const
{
    return gridFormat().takesCrs;
}

OutputFileRequest GridExportChoices::fileRequest(const std::string &directoryAndTitle, const SeamHeader &header) const
{
    const GridFormat &chosen = gridFormat();
    const auto selection = StepSelection::parse(steps, header.stepCount);
    const bool severalFiles = chosen.filePerStep
                              && !(std::holds_alternative<StepSelection>(selection)
                                   && std::get<StepSelection>(selection).steps.size() == 1);
    return OutputFileRequest{directoryAndTitle + (severalFiles ? "-%d" : ""), chosen.extension,
                             std::string(chosen.title) + ";;All Files (*)"};
}

GridExportRequest GridExportChoices::request(const std::string &out) const
{
    GridExportRequest request;
    request.format = &gridFormat();
    request.out = out;
    request.steps = steps;
    for (std::size_t k = 0; k < items.size(); ++k) {
        if (items[k])
            request.items.push_back(static_cast<int>(k));
    }
    if (crsApplies())
        request.crs = crs;
    return request;
}

std::variant<GridContent, std::string> GridExportChoices::plan(const SeamHeader &header, const std::string &out) const
{
    if (std::find(items.begin(), items.end(), true) == items.end())
        return "Tick at least one stress item.";
    auto planned = planGridExport(header, request(out));
    if (auto *message = std::get_if<std::string>(&planned)) {
        message->front() = static_cast<char>(std::toupper(static_cast<unsigned char>(message->front())));
        *message += ".";
    }
    return planned;
}

std::optional<std::string> GridExportChoices::check(const SeamHeader &header) const
{
    const OutputFileRequest proposed = fileRequest("check", header);
    const auto planned = plan(header, proposed.defaultName + "." + proposed.defaultSuffix);
    if (const auto *message = std::get_if<std::string>(&planned))
        return *message;
    return std::nullopt;
}

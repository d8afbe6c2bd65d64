#pragma once

#include <memory>

class QMimeData;

// Where Edit Copy puts its picture. The system clipboard in the viewer; the
// tests put a failing or recording one in its place.
class PlotClipboard
{
public:
    enum class Result { Done, CannotOpen, CannotEmpty, CannotSet };

    virtual ~PlotClipboard() = default;
    // Takes the data whatever the result.
    virtual Result put(std::unique_ptr<QMimeData> data) = 0;

    // The texts the view reports for a failure.
    static const char *message(Result result);
};

// The application's clipboard.
class SystemClipboard : public PlotClipboard
{
public:
    Result put(std::unique_ptr<QMimeData> data) override;
};

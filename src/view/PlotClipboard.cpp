#include "view/PlotClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

const char *PlotClipboard::message(Result result)
{
    switch (result) {
    case Result::CannotOpen:
        return "Cannot open the Clipboard";
    case Result::CannotEmpty:
        return "Cannot empty the Clipboard";
    case Result::CannotSet:
        return "Unable to set Clipboard data";
    case Result::Done:
        break;
    }
    return "";
}

PlotClipboard::Result SystemClipboard::put(std::unique_ptr<QMimeData> data)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return Result::CannotOpen;
    clipboard->clear();
    if (clipboard->mimeData() && !clipboard->mimeData()->formats().isEmpty())
        return Result::CannotEmpty;
    const QStringList formats = data->formats();
    clipboard->setMimeData(data.release());
    // The platform may refuse silently; what it holds afterwards tells.
    const QMimeData *held = clipboard->mimeData();
    if (!held)
        return Result::CannotSet;
    for (const QString &format : formats)
        if (!held->hasFormat(format))
            return Result::CannotSet;
    return Result::Done;
}

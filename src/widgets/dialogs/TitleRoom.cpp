#include "widgets/dialogs/TitleRoom.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QWidget>

int titleRoom(const QWidget &window)
{
    QString shown = window.windowTitle();
    const QString application = QGuiApplication::applicationDisplayName();
    if (!application.isEmpty() && !shown.endsWith(application))
        shown += QStringLiteral(" \u2014 ") + application;
    QFont bold = window.font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    // Title bars centre the title between the icon and the three buttons, so the
    // buttons' room is kept on both sides: about eight lines' height in all.
    return metrics.horizontalAdvance(shown) + 8 * metrics.height();
}

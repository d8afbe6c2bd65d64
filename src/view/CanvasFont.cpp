#include "view/CanvasFont.h"

#include <QFontDatabase>
#include <QFontMetricsF>

namespace {

// A face name may carry its style ("Arial Bold"), which font matching does not
// know as a family; the family alone then names it and the weight gives the style.
QString familyOf(const QString &face)
{
    if (QFontDatabase::hasFamily(face))
        return face;
    for (const QString &style : {QStringLiteral(" Bold"), QStringLiteral(" Italic")}) {
        if (face.endsWith(style))
            return face.chopped(style.size());
    }
    return face;
}

} // namespace

QFont canvasFont(const FontSpec &wanted)
{
    QFont font;
    font.setFamily(familyOf(wanted.face));
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(static_cast<QFont::Weight>(qBound(1, wanted.weight, 1000)));
    font.setPixelSize(qMax(1, wanted.height));
    const QFontMetricsF metrics(font);
    const qreal cell = metrics.ascent() + metrics.descent();
    if (cell > 0.0)
        font.setPixelSize(qMax(1, qRound(wanted.height * wanted.height / cell)));
    return font;
}

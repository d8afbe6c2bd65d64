#include "view/QPainterCanvas.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>
#include <QPen>

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

// The painter works in (x, -y): y grows downward there, as on the device.
QRectF painterRect(const LogicalRect &rect)
{
    return QRectF(QPointF(rect.left, -rect.top), QPointF(rect.right, -rect.bottom)).normalized();
}

} // namespace

QPainterCanvas::QPainterCanvas(QPainter &painter, double dpi, QPointF offset)
    : m_painter(painter)
{
    if (!m_painter.isActive())
        return;
    m_painter.save();
    m_saved = true;
    QTransform page;
    page.translate(offset.x(), offset.y());
    page.scale(dpi / 100.0, dpi / 100.0);
    m_painter.setTransform(page, true);
    // Cells of neighbouring runs must meet without seams or blends.
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
}

QPainterCanvas::~QPainterCanvas()
{
    if (m_saved)
        m_painter.restore();
}

bool QPainterCanvas::isReady() const
{
    return m_painter.isActive();
}

bool QPainterCanvas::isScreen() const
{
    const QPaintEngine *engine = m_painter.paintEngine();
    if (!engine)
        return false;
    switch (engine->type()) {
    case QPaintEngine::Raster:
    case QPaintEngine::OpenGL:
    case QPaintEngine::OpenGL2:
    case QPaintEngine::X11:
    case QPaintEngine::CoreGraphics:
    case QPaintEngine::Direct3D:
        return true;
    default:
        return false;
    }
}

QTransform QPainterCanvas::deviceTransform() const
{
    // The painter works in (x, -y); its own transform takes that to the device.
    return QTransform(1.0, 0.0, 0.0, -1.0, 0.0, 0.0) * m_painter.transform();
}

void QPainterCanvas::setTextColor(const QColor &color)
{
    m_textColor = color;
}

bool QPainterCanvas::selectFont(const FontSpec &wanted)
{
    if (wanted.height < 1)
        return false;
    QFont font;
    font.setFamily(familyOf(wanted.face));
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(static_cast<QFont::Weight>(qBound(1, wanted.weight, 1000)));
    font.setPixelSize(wanted.height);
    // The height asked for is the cell height (ascent plus descent), as fonts
    // were sized when this plot was laid out; Qt's pixel size is the em, smaller.
    const QFontMetricsF metrics(font);
    const qreal cell = metrics.ascent() + metrics.descent();
    if (cell > 0.0)
        font.setPixelSize(qMax(1, qRound(wanted.height * wanted.height / cell)));
    m_font = font;
    return true;
}

void QPainterCanvas::drawText(const LogicalRect &rect, int flags, const QString &text)
{
    m_painter.setFont(m_font);
    m_painter.setPen(m_textColor);
    m_painter.drawText(painterRect(rect), flags, text);
}

void QPainterCanvas::fillRect(const LogicalRect &rect, const QColor &color)
{
    m_painter.fillRect(painterRect(rect), color);
}

void QPainterCanvas::drawRectangle(const LogicalRect &rect, const QColor &pen, const QColor &brush)
{
    m_painter.setPen(QPen(pen, 1.0));
    m_painter.setBrush(brush);
    m_painter.drawRect(painterRect(rect));
}

void QPainterCanvas::drawPolyline(const std::vector<QPoint> &points, const QColor &pen)
{
    QPolygonF line;
    line.reserve(static_cast<qsizetype>(points.size()));
    for (const QPoint &point : points)
        line.append(QPointF(point.x(), -point.y()));
    m_painter.setPen(QPen(pen, 1.0));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawPolyline(line);
}

void QPainterCanvas::drawImage(const LogicalRect &rect, const QImage &image)
{
    m_painter.drawImage(painterRect(rect), image);
}

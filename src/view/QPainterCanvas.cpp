#include "view/QPainterCanvas.h"

#include "view/CanvasFont.h"
#include "view/ScreenPixels.h"
#include "view/UnderlappedFills.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPen>

namespace {

// The painter works in (x, -y): y grows downward there, as on the device.
QRectF painterRect(const LogicalRect &rect)
{
    return QRectF(QPointF(rect.left, -rect.top), QPointF(rect.right, -rect.bottom)).normalized();
}

} // namespace

QPainterCanvas::QPainterCanvas(QPainter &painter, double dpi, QPointF offset, Fills fills)
    : m_painter(painter), m_fillMode(fills)
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
    m_onPixels = isScreen() && m_fillMode == Fills::EachRun;
}

QPainterCanvas::~QPainterCanvas()
{
    paintGatheredFills();
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
    m_font = canvasFont(wanted);
    return true;
}

void QPainterCanvas::paintGatheredFills()
{
    if (m_fills.empty() || !m_painter.isActive())
        return;
    m_painter.setPen(Qt::NoPen);
    for (const CellFills::Group &group : underlappedFills(m_fills.take())) {
        QList<QRectF> rects;
        rects.reserve(static_cast<qsizetype>(group.rects.size()));
        for (const LogicalRect &rect : group.rects)
            rects.append(painterRect(rect));
        m_painter.setBrush(QColor::fromRgb(group.colour));
        m_painter.drawRects(rects.constData(), static_cast<int>(rects.size()));
    }
}

void QPainterCanvas::drawText(const LogicalRect &rect, int flags, const QString &text)
{
    paintGatheredFills();
    m_painter.setFont(m_font);
    m_painter.setPen(m_textColor);
    m_painter.drawText(painterRect(rect), flags, text);
}

void QPainterCanvas::fillRect(const LogicalRect &rect, const QColor &color)
{
    if (m_fillMode == Fills::MergedByColour) {
        m_fills.add(rect, color.rgb());
    } else if (m_onPixels) {
        const QRect pixels = ScreenPixels::pixels(deviceTransform(), rect);
        inPixels([&] { m_painter.fillRect(pixels, color); });
    } else {
        m_painter.fillRect(painterRect(rect), color);
    }
}

template<typename Paint> void QPainterCanvas::inPixels(Paint paint)
{
    const QTransform page = m_painter.worldTransform();
    m_painter.setWorldTransform(QTransform());
    paint();
    m_painter.setWorldTransform(page);
}

void QPainterCanvas::drawRectangle(const LogicalRect &rect, const QColor &pen, const QColor &brush)
{
    paintGatheredFills();
    m_painter.setPen(QPen(pen, 1.0));
    m_painter.setBrush(brush);
    m_painter.drawRect(painterRect(rect));
}

void QPainterCanvas::drawPolyline(const std::vector<QPoint> &points, const QColor &pen)
{
    paintGatheredFills();
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
    paintGatheredFills();
    if (m_onPixels) {
        const QPaintDevice *device = m_painter.device();
        const ScreenPixels::PlacedImage shown =
            ScreenPixels::scaled(deviceTransform(), rect, image, QRect(0, 0, device->width(), device->height()));
        // Off the device or on a mirrored page the painter scales it as it can.
        if (!shown.image.isNull()) {
            inPixels([&] { m_painter.drawImage(shown.topLeft, shown.image); });
            return;
        }
    }
    m_painter.drawImage(painterRect(rect), image);
}

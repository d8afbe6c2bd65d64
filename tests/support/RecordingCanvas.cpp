#include "support/RecordingCanvas.h"

#include <algorithm>

RecordingCanvas::RecordingCanvas(bool screen, double dpi) : m_screen(screen), m_dpi(dpi)
{
}

QTransform RecordingCanvas::deviceTransform() const
{
    const double unit = m_dpi / 100.0;
    return QTransform(unit, 0.0, 0.0, -unit, 0.0, 0.0);
}

bool RecordingCanvas::selectFont(const FontSpec &font)
{
    if (m_refusedFont && *m_refusedFont == m_fontSelections++)
        return false;
    m_font = font;
    return true;
}

void RecordingCanvas::drawText(const LogicalRect &rect, int flags, const QString &text)
{
    ++m_calls;
    texts.push_back({rect, flags, text, m_font, m_textColor});
}

void RecordingCanvas::fillRect(const LogicalRect &rect, const QColor &color)
{
    ++m_calls;
    fills.push_back({rect, color});
}

void RecordingCanvas::drawRectangle(const LogicalRect &rect, const QColor &pen, const QColor &brush)
{
    ++m_calls;
    rectangles.push_back({rect, pen, brush});
}

void RecordingCanvas::drawPolyline(const std::vector<QPoint> &points, const QColor &pen)
{
    ++m_calls;
    polylines.push_back({points, pen});
}

void RecordingCanvas::drawImage(const LogicalRect &rect, const QImage &image)
{
    ++m_calls;
    images.push_back({rect, image});
}

int RecordingCanvas::fillCount(const QColor &color) const
{
    return static_cast<int>(
        std::count_if(fills.begin(), fills.end(), [&color](const Fill &fill) { return fill.color == color; }));
}

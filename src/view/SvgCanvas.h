#pragma once

#include "view/Canvas.h"
#include "view/CellFills.h"

#include <QByteArray>
#include <QFont>
#include <QSize>
#include <QSizeF>

#include <string>

// A canvas that writes SVG text itself, so that a grid of a million cells
// stays a file of a few megabytes written in a blink: the cell fills are
// gathered (CellFills) and each colour becomes one path, marked for crisp
// edges so that no renderer leaves a seam between cells; the texts, the legend
// boxes and the lines keep their anti-aliased look. Coordinates are logical
// units with y turned downward, so the page is the view box and the document
// shows it at the size of its frame.
class SvgCanvas : public Canvas
{
public:
    SvgCanvas(QSize page, QSizeF frameMillimetres, const QString &title, const QString &description);

    // The finished document. The canvas takes no more drawing after it.
    QByteArray finish();

    bool isReady() const override { return !m_finished; }
    bool isScreen() const override { return false; }
    // Logical units to the document's user units: y turned downward.
    QTransform deviceTransform() const override;

    void setTextColor(const QColor &color) override { m_textColor = color; }
    bool selectFont(const FontSpec &font) override;
    void drawText(const LogicalRect &rect, int flags, const QString &text) override;
    void fillRect(const LogicalRect &rect, const QColor &color) override;
    void drawRectangle(const LogicalRect &rect, const QColor &pen, const QColor &brush) override;
    void drawPolyline(const std::vector<QPoint> &points, const QColor &pen) override;
    void drawImage(const LogicalRect &rect, const QImage &image) override;

private:
    void writeGatheredFills();
    void number(double value);
    void number(int value);
    void attribute(const char *name, double value);
    void attribute(const char *name, const QString &value);
    // x, y, width and height of the rectangle.
    void boxAttributes(const LogicalRect &rect);

    std::string m_svg;
    CellFills m_fills;
    QColor m_textColor = Qt::black;
    QFont m_font;
    bool m_finished = false;
};

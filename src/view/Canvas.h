#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QString>
#include <QTransform>

#include <vector>

// A rectangle in logical units given as the plot gives it: left, top, right,
// bottom, where y grows upward, so top is the larger y.
struct LogicalRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// A font asked for by face name, cell height in logical units and weight
// (400 normal, 700 bold).
struct FontSpec
{
    QString face;
    int height = 0;
    int weight = 400;
};

// What the Colored Square Plot draws on: the window, the printer and its
// preview, SVG, PDF and image files, or a recorder in the tests. Every
// coordinate is in logical units; the canvas maps them to its device.
class Canvas
{
public:
    virtual ~Canvas() = default;

    // False when the device cannot be drawn on at all; the plot then draws nothing.
    virtual bool isReady() const = 0;
    // Screen output: a grid of cells a few device pixels small may be drawn as an
    // image. Printed, PDF and SVG output answer false and get one exact rectangle
    // per run of cells.
    virtual bool isScreen() const = 0;
    // Logical units to device units.
    virtual QTransform deviceTransform() const = 0;

    virtual void setTextColor(const QColor &color) = 0;
    // Makes the font current; false when it cannot be made.
    virtual bool selectFont(const FontSpec &font) = 0;
    // Text in the current font and text colour; flags are Qt::AlignmentFlag and
    // Qt::TextFlag values (Qt::AlignCenter | Qt::TextSingleLine | Qt::TextDontClip).
    virtual void drawText(const LogicalRect &rect, int flags, const QString &text) = 0;
    // The rectangle filled, no border.
    virtual void fillRect(const LogicalRect &rect, const QColor &color) = 0;
    // Border in a solid pen one logical unit wide, inside filled with the brush colour.
    virtual void drawRectangle(const LogicalRect &rect, const QColor &pen, const QColor &brush) = 0;
    // Connected lines in a solid pen one logical unit wide.
    virtual void drawPolyline(const std::vector<QPoint> &points, const QColor &pen) = 0;
    // The image scaled into the rectangle, each image pixel a block of one colour
    // (no smoothing); the image's first line is at the rectangle's top.
    virtual void drawImage(const LogicalRect &rect, const QImage &image) = 0;
};

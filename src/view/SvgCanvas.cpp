#include "view/SvgCanvas.h"

#include "view/CanvasFont.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QImage>

#include <charconv>

namespace {

// Qt's own SVG renderer, which Qt programs paste the clipboard's picture with,
// takes at most 32767 elements from one path and drops the rest; a rectangle is
// five, so a colour of many rectangles goes into several paths.
constexpr std::size_t rectanglesPerPath = 5000;

// The painter's view of a logical rectangle: y downward, left and top first.
QRectF documentRect(const LogicalRect &rect)
{
    return QRectF(QPointF(rect.left, -rect.top), QPointF(rect.right, -rect.bottom)).normalized();
}

// XML has no place for control characters: each becomes a blank, as a
// renderer would show it.
QString printable(const QString &text)
{
    QString clean = text;
    for (QChar &c : clean) {
        if (c.unicode() < 0x20)
            c = QLatin1Char(' ');
    }
    return clean;
}

// Text as XML character data or attribute value.
std::string xmlText(const QString &text)
{
    return printable(text).toHtmlEscaped().toStdString();
}

} // namespace

SvgCanvas::SvgCanvas(QSize page, QSizeF frameMillimetres, const QString &title, const QString &description)
{
    m_svg = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n<svg";
    attribute("width", QString::number(frameMillimetres.width(), 'g', 6) + "mm");
    attribute("height", QString::number(frameMillimetres.height(), 'g', 6) + "mm");
    attribute("viewBox", QString("0 0 %1 %2").arg(page.width()).arg(page.height()));
    m_svg += " xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\""
             " version=\"1.2\" baseProfile=\"tiny\">\n<title>";
    m_svg += xmlText(title);
    m_svg += "</title>\n<desc>";
    m_svg += xmlText(description);
    // A one-unit pen as the plot's pens draw: square ends, bevelled corners.
    m_svg += "</desc>\n<g stroke-linecap=\"square\" stroke-linejoin=\"bevel\">\n";
}

QByteArray SvgCanvas::finish()
{
    if (!m_finished) {
        writeGatheredFills();
        m_svg += "</g>\n</svg>\n";
        m_finished = true;
    }
    return QByteArray::fromStdString(m_svg);
}

QTransform SvgCanvas::deviceTransform() const
{
    return QTransform(1.0, 0.0, 0.0, -1.0, 0.0, 0.0);
}

bool SvgCanvas::selectFont(const FontSpec &font)
{
    if (font.height < 1)
        return false;
    m_font = canvasFont(font);
    return true;
}

void SvgCanvas::drawText(const LogicalRect &rect, int flags, const QString &text)
{
    if (m_finished)
        return;
    writeGatheredFills();
    const QString shown = printable(text);
    // Where QPainter puts one line of text in a rectangle: the line is ascent
    // plus descent high, its baseline one ascent below its top.
    const QRectF box = documentRect(rect);
    const QFontMetricsF metrics(m_font);
    const qreal width = metrics.horizontalAdvance(shown);
    const qreal height = metrics.ascent() + metrics.descent();
    qreal x = box.left();
    if (flags & Qt::AlignRight)
        x = box.right() - width;
    else if (flags & Qt::AlignHCenter)
        x = box.left() + (box.width() - width) / 2;
    qreal top = box.top();
    if (flags & Qt::AlignBottom)
        top = box.bottom() - height;
    else if (flags & Qt::AlignVCenter)
        top = box.top() + (box.height() - height) / 2;

    m_svg += "<text";
    attribute("x", x);
    attribute("y", top + metrics.ascent());
    attribute("font-family", m_font.family());
    attribute("font-size", m_font.pixelSize());
    attribute("font-weight", m_font.weight());
    attribute("fill", m_textColor.name());
    m_svg += " xml:space=\"preserve\">";
    m_svg += xmlText(shown);
    m_svg += "</text>\n";
}

void SvgCanvas::fillRect(const LogicalRect &rect, const QColor &color)
{
    if (!m_finished)
        m_fills.add(rect, color.rgb());
}

void SvgCanvas::drawRectangle(const LogicalRect &rect, const QColor &pen, const QColor &brush)
{
    if (m_finished)
        return;
    writeGatheredFills();
    m_svg += "<rect";
    boxAttributes(rect);
    attribute("fill", brush.name());
    attribute("stroke", pen.name());
    m_svg += " stroke-width=\"1\"/>\n";
}

void SvgCanvas::drawPolyline(const std::vector<QPoint> &points, const QColor &pen)
{
    if (m_finished)
        return;
    writeGatheredFills();
    m_svg += "<polyline fill=\"none\"";
    attribute("stroke", pen.name());
    m_svg += " stroke-width=\"1\" points=\"";
    for (const QPoint &point : points) {
        number(point.x());
        m_svg += ',';
        number(-point.y());
        m_svg += ' ';
    }
    m_svg += "\"/>\n";
}

void SvgCanvas::drawImage(const LogicalRect &rect, const QImage &image)
{
    if (m_finished)
        return;
    writeGatheredFills();
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    image.save(&png, "PNG");
    m_svg += "<image";
    boxAttributes(rect);
    // Each image pixel a block of one colour, as on every other canvas.
    m_svg += " preserveAspectRatio=\"none\" image-rendering=\"optimizeSpeed\" xlink:href=\"data:image/png;base64,";
    m_svg += png.data().toBase64().toStdString();
    m_svg += "\"/>\n";
}

void SvgCanvas::writeGatheredFills()
{
    if (m_fills.empty())
        return;
    // Crisp edges: anti-aliased edges of neighbouring cells would each leave a
    // pixel half covered, which shows as a light line between them.
    m_svg += "<g shape-rendering=\"crispEdges\">\n";
    for (const CellFills::Group &group : m_fills.take()) {
        const QString colour = QColor::fromRgb(group.colour).name();
        for (std::size_t i = 0; i < group.rects.size(); ++i) {
            if (i % rectanglesPerPath == 0) {
                if (i > 0)
                    m_svg += "\"/>\n";
                m_svg += "<path";
                attribute("fill", colour);
                m_svg += " d=\"";
            }
            const LogicalRect &rect = group.rects[i];
            const int width = rect.right - rect.left;
            m_svg += 'M';
            number(rect.left);
            m_svg += ' ';
            number(-rect.top);
            m_svg += 'h';
            number(width);
            m_svg += 'v';
            number(rect.top - rect.bottom);
            m_svg += 'h';
            number(-width);
            m_svg += 'z';
        }
        m_svg += "\"/>\n";
    }
    m_svg += "</g>\n";
}

void SvgCanvas::number(double value)
{
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 6).ptr;
    m_svg.append(text, end);
}

void SvgCanvas::number(int value)
{
    char text[16];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    m_svg.append(text, end);
}

void SvgCanvas::attribute(const char *name, double value)
{
    m_svg += ' ';
    m_svg += name;
    m_svg += "=\"";
    number(value);
    m_svg += '"';
}

void SvgCanvas::boxAttributes(const LogicalRect &rect)
{
    const QRectF box = documentRect(rect);
    attribute("x", box.x());
    attribute("y", box.y());
    attribute("width", box.width());
    attribute("height", box.height());
}

void SvgCanvas::attribute(const char *name, const QString &value)
{
    m_svg += ' ';
    m_svg += name;
    m_svg += "=\"";
    m_svg += xmlText(value);
    m_svg += '"';
}

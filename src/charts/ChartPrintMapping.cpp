#include "charts/ChartPrintMapping.h"

namespace {

// a * b / c rounded to the nearest integer, as a mapping of logical to device units rounds.
int scaled(int a, int b, int c)
{
    const long long product = static_cast<long long>(a) * b;
    return static_cast<int>((product + c / 2) / c);
}

} // namespace

QRect chartPrintRect(QSize chart, QSize printable)
{
    const int w = chart.width();
    const int h = chart.height();
    const int pageWidth = printable.width();
    const int pageHeight = printable.height();
    if (w <= 0 || h <= 0 || pageWidth <= 0 || pageHeight <= 0)
        return {};
    // Relatively taller than the page: the height fills it and the chart is centred across.
    if (static_cast<long long>(w) * pageHeight < static_cast<long long>(h) * pageWidth) {
        const int width = scaled(w, pageHeight, h);
        return QRect((pageWidth - width) / 2, 0, width, pageHeight);
    }
    const int height = scaled(h, pageWidth, w);
    return QRect(0, (pageHeight - height) / 2, pageWidth, height);
}

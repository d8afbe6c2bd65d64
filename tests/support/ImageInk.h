#pragma once

#include <QImage>
#include <QRect>

// Share of the pixels in an area of the image that are not white, looking at
// every `every`-th pixel of every `every`-th row.
inline double inkIn(const QImage &image, const QRect &area, int every = 2)
{
    int ink = 0;
    int all = 0;
    for (int y = area.top(); y <= area.bottom(); y += every) {
        for (int x = area.left(); x <= area.right(); x += every) {
            ++all;
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                ++ink;
        }
    }
    return all ? double(ink) / all : 0.0;
}

#include "view/PaletteColors.h"

namespace {

constexpr std::array<QRgb, 10> coldToHot{
    qRgb(0, 0, 0),       qRgb(0, 0, 128),   qRgb(0, 0, 255),   qRgb(128, 0, 255),   qRgb(255, 0, 128),
    qRgb(255, 0, 0),     qRgb(255, 64, 0),  qRgb(255, 192, 0), qRgb(255, 255, 64),  qRgb(255, 255, 255),
};

constexpr std::array<QRgb, 10> reversed(const std::array<QRgb, 10> &colors)
{
    std::array<QRgb, 10> result{};
    for (std::size_t i = 0; i < colors.size(); ++i)
        result[i] = colors[colors.size() - 1 - i];
    return result;
}

constexpr std::array<QRgb, 10> hotToCold = reversed(coldToHot);

constexpr std::array<QRgb, 10> roygbiv{
    qRgb(255, 0, 255),   qRgb(128, 0, 255), qRgb(0, 0, 255),   qRgb(0, 128, 128),  qRgb(0, 255, 0),
    qRgb(128, 255, 0),   qRgb(255, 255, 64), qRgb(255, 192, 0), qRgb(255, 64, 0),   qRgb(255, 0, 0),
};

} // namespace

const std::array<QRgb, 10> &PaletteColors(Palette palette)
{
    switch (palette) {
    case Palette::HotToCold:
        return hotToCold;
    case Palette::Roygbiv:
        return roygbiv;
    case Palette::ColdToHot:
        break;
    }
    return coldToHot;
}

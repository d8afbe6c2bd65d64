#pragma once

#include "view/Canvas.h"

#include <QFont>

// The font a canvas makes of a FontSpec. The height asked for is the cell
// height (ascent plus descent), as fonts were sized when this plot was laid
// out; Qt's pixel size is the em, which is smaller, so the pixel size is
// scaled until the cell has the height asked for. Every canvas sizes its
// fonts here, so screen, paper and vector files show the same text.
QFont canvasFont(const FontSpec &wanted);

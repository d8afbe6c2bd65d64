#include "support/TestHeader.h"

SeamHeader makeHeader(int stepCount, int columnCount, int rowCount, int itemCount)
{
    SeamHeader header;
    header.stepCount = stepCount;
    header.columnCount = columnCount;
    header.rowCount = rowCount;
    header.itemCount = itemCount;
    header.unitCount = itemCount;
    for (int k = 0; k < itemCount && k < SeamHeader::maxItems; ++k)
        header.itemNames[k] = "Item " + std::to_string(k);
    return header;
}

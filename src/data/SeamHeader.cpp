#include "data/SeamHeader.h"

namespace {
const std::string noText;
}

const std::string &SeamHeader::itemName(int k) const
{
    return k >= 0 && k < maxItems ? itemNames[k] : noText;
}

const std::string &SeamHeader::itemUnit(int k) const
{
    return k >= 0 && k < maxItems ? itemUnits[k] : noText;
}

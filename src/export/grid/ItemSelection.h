#pragma once

#include "data/SeamHeader.h"

#include <string>
#include <variant>
#include <vector>

// The stress items an export writes, as a user names them: item names of the
// file, comma-separated ("Vertical Stress,Shear"), as a name of the seam
// format holds no comma. A name matches exactly or, failing that, as the only
// one that differs in case alone; blanks around a name do not count. The items
// come back 0-based in the file's order, each once.
struct ItemSelection
{
    std::vector<int> items;

    static std::variant<ItemSelection, std::string> parse(const std::string &text, const SeamHeader &header);
    static ItemSelection all(const SeamHeader &header);
};

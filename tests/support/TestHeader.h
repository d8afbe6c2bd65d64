#pragma once

#include "data/SeamHeader.h"

// A header of a file with the given counts and items named "Item 0", "Item 1", ...
SeamHeader makeHeader(int stepCount, int columnCount, int rowCount, int itemCount);

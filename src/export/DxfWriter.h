#pragma once

#include <string_view>
#include <vector>

class TextLines;

// The pieces of a DXF drawing in its text form, every item a group code line
// and a value line. A drawing made with them is one ENTITIES section and EOF,
// with no HEADER, TABLES or BLOCKS; layers are only named in the entities.
// Every text value is written on one line: its control characters become blanks.

struct DxfVertex
{
    double x = 0.0;
    double y = 0.0;
};

void DxfBeginEntities(TextLines &out);
void DxfEndSection(TextLines &out);
void DxfEndOfFile(TextLines &out);

// An open polyline (no group 70): a closed outline repeats its first vertex.
void DxfPolyline(const std::vector<DxfVertex> &vertices, float width, std::string_view layer, TextLines &out);

// Corners in the order a SOLID covers a rectangle with: lower left, lower right,
// upper left, upper right.
void DxfSolid(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4,
              std::string_view layer, int colour, int handle, TextLines &out);

// textAlignment 0..11: horizontal (72) = alignment mod 3 (left, centre, right),
// vertical (73) = 3 - alignment div 3 (top, middle, bottom, baseline).
struct DxfJustification
{
    int horizontal = 0;
    int vertical = 3;
};
DxfJustification DxfTextJustification(int textAlignment);

void DxfText(float x, float y, float z, std::string_view text, std::string_view layer, int colour,
             float height, int textAlignment, float rotation, int handle, TextLines &out);

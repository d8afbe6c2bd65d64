#include "export/DxfWriter.h"

#include "export/TextLines.h"

#include <QtGlobal>

#include <algorithm>
#include <string>

namespace {

void code(TextLines &out, int groupCode)
{
    out.integer(groupCode, 3).endLine();
}

bool isControl(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

// A value is one line: a line break in it (a bare CR read with a name, say)
// would end it early and make the rest a group code, which CAD readers reject.
// Every control character becomes a blank.
void pair(TextLines &out, int groupCode, std::string_view value)
{
    code(out, groupCode);
    if (std::none_of(value.begin(), value.end(), isControl)) {
        out.line(value);
        return;
    }
    std::string oneLine(value);
    std::replace_if(oneLine.begin(), oneLine.end(), isControl, ' ');
    out.line(oneLine);
}

void pairInteger(TextLines &out, int groupCode, int value)
{
    code(out, groupCode);
    out.integer(value).endLine();
}

// Reals given as float32 and as double ("%15.6g" and "%15.6lg") look the same.
void pairReal(TextLines &out, int groupCode, double value)
{
    code(out, groupCode);
    out.general(value, 6, 15).endLine();
}

} // namespace

void DxfBeginEntities(TextLines &out)
{
    pair(out, 0, "SECTION");
    pair(out, 2, "ENTITIES");
}

void DxfEndSection(TextLines &out)
{
    pair(out, 0, "ENDSEC");
}

void DxfEndOfFile(TextLines &out)
{
    pair(out, 0, "EOF");
}

void DxfPolyline(const std::vector<DxfVertex> &vertices, float width, std::string_view layer, TextLines &out)
{
    pair(out, 0, "POLYLINE");
    pair(out, 8, layer);
    // The vertices-follow flag is an integer group, written as one.
    code(out, 66);
    out.integer(1, 3).endLine();
    pairReal(out, 10, 0.0);
    pairReal(out, 20, 0.0);
    pairReal(out, 30, 0.0);
    pairReal(out, 40, width);
    pairReal(out, 41, width);
    for (const DxfVertex &vertex : vertices) {
        pair(out, 0, "VERTEX");
        pair(out, 8, layer);
        pairReal(out, 10, vertex.x);
        pairReal(out, 20, vertex.y);
        pairReal(out, 30, 0.0);
    }
    pair(out, 0, "SEQEND");
}

void DxfSolid(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4,
              std::string_view layer, int colour, int handle, TextLines &out)
{
    pair(out, 0, "SOLID");
    pairInteger(out, 5, handle);
    pair(out, 100, "AcDbEntity");
    pair(out, 100, "AcDbTrace");
    pair(out, 8, layer);
    pairInteger(out, 62, colour);
    pairReal(out, 10, x1);
    pairReal(out, 20, y1);
    pairReal(out, 11, x2);
    pairReal(out, 21, y2);
    pairReal(out, 12, x3);
    pairReal(out, 22, y3);
    pairReal(out, 13, x4);
    pairReal(out, 23, y4);
}

DxfJustification DxfTextJustification(int textAlignment)
{
    Q_ASSERT_X(textAlignment >= 0 && textAlignment <= 11, "DxfText", "Improper Alignment Value in DXF_TEXT");
    const int alignment = std::clamp(textAlignment, 0, 11);
    return DxfJustification{alignment % 3, 3 - alignment / 3};
}

void DxfText(float x, float y, float z, std::string_view text, std::string_view layer, int colour,
             float height, int textAlignment, float rotation, int handle, TextLines &out)
{
    const DxfJustification justification = DxfTextJustification(textAlignment);
    pair(out, 0, "TEXT");
    pairInteger(out, 5, handle);
    pair(out, 100, "AcDbEntity");
    pair(out, 100, "AcDbText");
    pair(out, 1, text);
    pair(out, 8, layer);
    pairInteger(out, 62, colour);
    pairReal(out, 10, x);
    pairReal(out, 20, y);
    pairReal(out, 30, z);
    pairReal(out, 40, height);
    pairReal(out, 50, rotation);
    code(out, 72);
    out.integer(justification.horizontal, 3).endLine();
    code(out, 73);
    out.integer(justification.vertical, 3).endLine();
    // The second alignment point repeats the insertion point.
    pairReal(out, 11, x);
    pairReal(out, 21, y);
    pairReal(out, 31, z);
}

#include "export/grid/CsvTable.h"

#include "export/OutputFile.h"
#include "export/TextLines.h"
#include "export/grid/CsvGridWriter.h"

bool writeCsvTable(const std::string &path, const std::vector<std::vector<std::string>> &lines, std::string &error)
{
    TextLines text;
    for (const std::vector<std::string> &fields : lines) {
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (i > 0)
                text.text(",");
            text.text(csvField(fields[i]));
        }
        text.endLine();
    }
    const std::string &bytes = text.pending();
    QString reason;
    if (OutputFile::writeWhole(path, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())), reason))
        return true;
    error = reason.toStdString();
    return false;
}

#include "export/grid/ItemSelection.h"

#include <QStringList>

#include <set>

namespace {

// The items whose name is `name`, exactly or else in a case-blind match.
std::vector<int> itemsNamed(const QString &name, const SeamHeader &header)
{
    for (const Qt::CaseSensitivity sensitivity : {Qt::CaseSensitive, Qt::CaseInsensitive}) {
        std::vector<int> found;
        for (int k = 0; k < header.itemCount; ++k) {
            if (QString::fromStdString(header.itemName(k)).compare(name, sensitivity) == 0)
                found.push_back(k);
        }
        if (!found.empty())
            return found;
    }
    return {};
}

std::string namesOf(const SeamHeader &header)
{
    std::string names;
    for (int k = 0; k < header.itemCount; ++k)
        names += (k == 0 ? "\"" : ", \"") + header.itemName(k) + "\"";
    return names;
}

} // namespace

std::variant<ItemSelection, std::string> ItemSelection::parse(const std::string &text, const SeamHeader &header)
{
    std::set<int> items;
    for (const QString &piece : QString::fromStdString(text).split(',')) {
        const QString name = piece.trimmed();
        const std::vector<int> found = name.isEmpty() ? std::vector<int>{} : itemsNamed(name, header);
        if (found.size() > 1)
            return "\"" + name.toStdString() + "\" names " + std::to_string(found.size())
                   + " stress items of the file; the list takes names that tell them apart";
        if (found.empty())
            return "no stress item is named \"" + name.toStdString() + "\" (in \"" + text + "\"); the file's items are "
                   + namesOf(header);
        items.insert(found.front());
    }
    return ItemSelection{{items.begin(), items.end()}};
}

ItemSelection ItemSelection::all(const SeamHeader &header)
{
    ItemSelection selection;
    for (int k = 0; k < header.itemCount; ++k)
        selection.items.push_back(k);
    return selection;
}

#include "app/RecentFileList.h"

#include "resources/CommandIds.h"

#include <QFile>
#include <QSettings>
#include <QVariantList>

#include <algorithm>

namespace {
const char *const recentFilesKey = "Recent File List";
}

std::vector<std::string> RecentFileList::paths() const
{
    std::vector<std::string> paths;
    for (const QVariant &entry : QSettings().value(recentFilesKey).toList()) {
        const QByteArray bytes = entry.typeId() == QMetaType::QByteArray ? entry.toByteArray()
                                                                           : QFile::encodeName(entry.toString());
        if (!bytes.isEmpty())
            paths.push_back(bytes.toStdString());
    }
    return paths;
}

void RecentFileList::add(const std::string &path)
{
    std::vector<std::string> list = paths();
    list.erase(std::remove(list.begin(), list.end(), path), list.end());
    list.insert(list.begin(), path);
    if (list.size() > static_cast<std::size_t>(recentFileCount))
        list.resize(recentFileCount);
    store(list);
}

void RecentFileList::remove(const std::string &path)
{
    std::vector<std::string> list = paths();
    list.erase(std::remove(list.begin(), list.end(), path), list.end());
    store(list);
}

void RecentFileList::store(const std::vector<std::string> &paths)
{
    QVariantList entries;
    for (const std::string &path : paths) {
        const QByteArray bytes = QByteArray::fromStdString(path);
        const QString text = QFile::decodeName(bytes);
        if (QFile::encodeName(text) == bytes)
            entries << text;
        else
            entries << bytes;
    }
    QSettings().setValue(recentFilesKey, entries);
}

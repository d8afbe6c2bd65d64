#include "data/LocalFileNames.h"

#include <QFile>
#include <QUrl>

#include <mutex>
#include <vector>

namespace LocalFileNames {

namespace {

// Marks a token: a noncharacter, never part of a name given as text.
constexpr char16_t tokenMark = 0xFDD0;

std::mutex tokensMutex;
std::vector<std::string> tokenPaths;

} // namespace

QStringList arguments(int argc, char **argv)
{
    QStringList list;
    for (int i = 0; i < argc; ++i) {
        const QByteArray bytes(argv[i]);
        const QString text = QFile::decodeName(bytes);
        if (QFile::encodeName(text) == bytes) {
            list << text;
            continue;
        }
        // The readable text last, so a parser still sees its extension.
        std::lock_guard<std::mutex> lock(tokensMutex);
        tokenPaths.push_back(bytes.toStdString());
        list << QChar(tokenMark) + QString::number(tokenPaths.size() - 1) + QChar(tokenMark) + text;
    }
    return list;
}

std::string toPath(const QString &text)
{
    const qsizetype end = text.indexOf(QChar(tokenMark), 1);
    if (text.startsWith(QChar(tokenMark)) && end > 0) {
        bool number = false;
        const qsizetype index = text.mid(1, end - 1).toLongLong(&number);
        std::lock_guard<std::mutex> lock(tokensMutex);
        if (number && index >= 0 && index < static_cast<qsizetype>(tokenPaths.size()))
            return tokenPaths[static_cast<std::size_t>(index)];
    }
    return QFile::encodeName(text).toStdString();
}

QString display(const std::string &path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

QString display(const QString &text)
{
    const qsizetype end = text.indexOf(QChar(tokenMark), 1);
    return text.startsWith(QChar(tokenMark)) && end > 0 ? text.mid(end + 1) : text;
}

std::string fromUrl(const QUrl &url)
{
#ifdef Q_OS_WIN
    return QFile::encodeName(url.toLocalFile()).toStdString();
#else
    // The URL keeps the name's bytes percent-encoded; its text form would lose those that are no text.
    return QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()).toStdString();
#endif
}

std::string chosenPath(const QString &chosen, const std::string &proposed)
{
    return chosen == display(proposed) ? proposed : toPath(chosen);
}

} // namespace LocalFileNames

#include "support/TestFiles.h"

#include <QDir>
#include <QFile>

std::string copyTestFile(const QString &name, const QString &directory)
{
    const QString target = QDir(directory).filePath(name);
    QFile::remove(target);
    if (!QFile::copy(QStringLiteral(SEMBLA_TEST_DATA "/") + name, target))
        qFatal("cannot copy the test file %s", qPrintable(name));
    return target.toStdString();
}

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QByteArray fileBytes(const std::string &path)
{
    return fileBytes(QString::fromStdString(path));
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

void writeFile(const std::string &path, const QByteArray &bytes)
{
    writeFile(QString::fromStdString(path), bytes);
}

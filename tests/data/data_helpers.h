#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <string>

// Copies the seam file NAME of the test data folder into DIRECTORY and
// returns the copy's path, so the cache files of a test land in its own folder.
std::string copyTestFile(const QString &name, const QString &directory);

// The names in DIRECTORY, sorted.
QStringList entriesOf(const QString &directory);

QByteArray fileBytes(const QString &path);
void writeFile(const QString &path, const QByteArray &bytes);

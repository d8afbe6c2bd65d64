#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <string>

// Copies the seam file NAME of the test data folder into DIRECTORY and
// returns the copy's path, so the cache files of a test land in its own folder.
std::string copyTestFile(const QString &name, const QString &directory);

// The names in a folder, sorted: files, folders, links, FIFOs and devices.
QStringList entriesOf(const QString &folder);

// A file's bytes; empty when it cannot be read.
QByteArray fileBytes(const QString &path);
QByteArray fileBytes(const std::string &path);
// Writes the file whole or ends the test run: a test cannot go on without it.
void writeFile(const QString &path, const QByteArray &bytes);
void writeFile(const std::string &path, const QByteArray &bytes);

#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// What a run of sembla-cli left: its exit status (-1 when it did not end by
// itself within two minutes), what it printed and its messages.
struct CliRun
{
    int status = -1;
    QByteArray out;
    QString errors;

    // The messages one a line, without the last line's end.
    QStringList errorLines() const;
};

// Runs sembla-cli as a user runs it, in the folder when one is given. It gets a
// runtime folder of its own, which keeps Qt's warning about a missing one off stderr.
CliRun runCli(const QStringList &arguments, const QString &folder = {},
              QProcessEnvironment environment = QProcessEnvironment::systemEnvironment());

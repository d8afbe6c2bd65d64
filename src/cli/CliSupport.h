#pragma once

#include "data/Reporter.h"

#include <QCommandLineParser>
#include <QStringList>

#include <string>

// Exit statuses of sembla-cli.
namespace ExitStatus {
constexpr int ok = 0;
constexpr int failed = 1; // a message of the program was shown, or the work failed
constexpr int usage = 2;  // the command line was wrong; nothing was done
} // namespace ExitStatus

// The program's messages on stderr, one per line.
class StderrReporter : public Reporter
{
public:
    void report(const std::string &message) override;
    int count = 0;
};

// Parses the arguments of one verb (arguments[0] is the verb). On --help
// prints the help and returns ok; on an error prints it and returns usage;
// otherwise returns -1 and the caller goes on.
int parseVerbArguments(QCommandLineParser &parser, const QStringList &arguments, const QString &verbSyntax);

// A usage error: the message and a pointer to --help on stderr.
int usageError(const QString &message);

// The float as the shortest decimal that reads back as the same float,
// so 0.1f prints as 0.1.
double shortestDouble(float value);

#pragma once

#include "data/CPlotDoc.h"
#include "data/Reporter.h"
#include "export/OutputFileRequest.h"

#include <QCommandLineParser>
#include <QStringList>

#include <initializer_list>
#include <optional>
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
    // One line per step, written at once: a run of a million steps costs no million writes.
    void reportSteps(const std::string &message, int firstStep, int lastStep) override;
    int count = 0;
};

// Opens FILE (an argument as the parser gave it) for a verb; a termination
// signal cancels the open. Failed and Cancelled leave nothing open.
CPlotDoc::OpenResult openInput(CPlotDoc &document, const QString &fileArgument);
bool isOpen(CPlotDoc::OpenResult result);

// Parses the arguments of one verb (arguments[0] is the verb). On --help
// prints the help and returns ok; on an error prints it and returns usage;
// otherwise returns -1 and the caller goes on.
int parseVerbArguments(QCommandLineParser &parser, const QStringList &arguments, const QString &verbSyntax);

// QCommandLineParser gives an option one value; this joins the count values
// after each `option` into "option=A,B,...". False when fewer follow one.
bool joinOptionValues(QStringList &arguments, const QString &option, int count);

// A usage error: the message and a pointer to --help on stderr.
int usageError(const QString &message);

// The float as the shortest decimal that reads back as the same float,
// so 0.1f prints as 0.1.
double shortestDouble(float value);

// A whole number in plain decimal with nothing around it.
std::optional<int> parseWholeNumber(const QString &text);
// A finite number with nothing around it.
std::optional<float> parseFiniteFloat(const QString &text);

// An option's number and the range it must lie in, with the reason for the
// range ("FILE has 3 stress items.").
struct RangeCheck
{
    QString option;
    int value = 0;
    int low = 0;
    int high = 0;
    QString why;
};
// The usage error of the first check whose value lies outside its range; -1
// when every value lies inside.
int checkRanges(std::initializer_list<RangeCheck> checks);

// Where an export writes: OUT when given, else the export's default name with
// its suffix added.
OutputPathChooser exportPathChooser(const QString &out);

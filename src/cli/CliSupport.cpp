#include "cli/CliSupport.h"

#include "cli/TerminationWatch.h"
#include "data/LocalFileNames.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <iostream>

namespace {

// Messages that end in a line feed keep it; no blank line after them.
std::string messageLine(const std::string &message)
{
    std::string text = message;
    while (!text.empty() && text.back() == '\n')
        text.pop_back();
    return text + '\n';
}

} // namespace

void StderrReporter::report(const std::string &message)
{
    ++count;
    std::cerr << messageLine(message);
}

void StderrReporter::reportSteps(const std::string &message, int firstStep, int lastStep)
{
    if (lastStep < firstStep)
        return;
    ++count;
    const std::string line = messageLine(message);
    std::string lines;
    constexpr std::size_t chunk = 1 << 16;
    for (int step = firstStep; step <= lastStep; ++step) {
        lines += line;
        if (lines.size() >= chunk || step == lastStep) {
            std::cerr.write(lines.data(), static_cast<std::streamsize>(lines.size()));
            lines.clear();
        }
    }
}

CPlotDoc::OpenResult openInput(CPlotDoc &document, const QString &fileArgument)
{
    return document.openFile(LocalFileNames::toPath(fileArgument), &TerminationWatch::openWatch());
}

bool isOpen(CPlotDoc::OpenResult result)
{
    return result == CPlotDoc::OpenResult::Opened || result == CPlotDoc::OpenResult::OpenedWithErrors;
}

bool joinOptionValues(QStringList &arguments, const QString &option, int count)
{
    for (qsizetype at = arguments.indexOf(option); at >= 0; at = arguments.indexOf(option, at + 1)) {
        if (arguments.size() <= at + count)
            return false;
        arguments[at] = option + "=" + arguments.mid(at + 1, count).join(',');
        arguments.remove(at + 1, count);
    }
    return true;
}

int usageError(const QString &message)
{
    std::cerr << "sembla-cli: " << message.toStdString() << "\nTry 'sembla-cli --help'.\n";
    return ExitStatus::usage;
}

int parseVerbArguments(QCommandLineParser &parser, const QStringList &arguments, const QString &verbSyntax)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{"h", "help"}, "Show this help.");
    parser.addOption(help);
    QStringList withProgram = arguments;
    withProgram.prepend("sembla-cli");
    if (!parser.parse(withProgram))
        return usageError(parser.errorText());
    if (parser.isSet(help)) {
        // Qt's own usage line names the program only; the verb's syntax replaces it.
        const QString qtHelp = parser.helpText();
        QString options = qtHelp.mid(qtHelp.indexOf("Options:"));
        if (!options.endsWith('\n'))
            options += '\n';
        std::cout << "Usage: sembla-cli " << verbSyntax.toStdString() << "\n\n"
                  << parser.applicationDescription().toStdString() << "\n\n"
                  << options.toStdString();
        return ExitStatus::ok;
    }
    return -1;
}

double shortestDouble(float value)
{
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    double shortest = value;
    std::from_chars(text, result.ptr, shortest);
    return shortest;
}

std::optional<int> parseWholeNumber(const QString &text)
{
    const std::string digits = text.toStdString();
    int value = 0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (result.ec != std::errc() || result.ptr != digits.data() + digits.size())
        return std::nullopt;
    return value;
}

std::optional<float> parseFiniteFloat(const QString &text)
{
    const std::string digits = text.toStdString();
    float value = 0.0f;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (result.ec != std::errc() || result.ptr != digits.data() + digits.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

int checkRanges(std::initializer_list<RangeCheck> checks)
{
    for (const RangeCheck &check : checks) {
        if (check.value < check.low || check.value > check.high)
            return usageError(check.option + " " + QString::number(check.value) + " is outside "
                              + QString::number(check.low) + ".." + QString::number(check.high) + ": " + check.why);
    }
    return -1;
}

OutputPathChooser exportPathChooser(const QString &out)
{
    return [out](const OutputFileRequest &request) {
        return out.isEmpty() ? request.defaultName + "." + request.defaultSuffix : LocalFileNames::toPath(out);
    };
}

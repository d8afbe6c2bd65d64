#include "cli/CliSupport.h"

#include <charconv>
#include <cstdio>
#include <iostream>

void StderrReporter::report(const std::string &message)
{
    ++count;
    // Messages that end in a line feed keep it; no blank line after them.
    std::string text = message;
    while (!text.empty() && text.back() == '\n')
        text.pop_back();
    std::cerr << text << '\n';
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
        std::cout << "Usage: sembla-cli " << verbSyntax.toStdString() << "\n\n"
                  << parser.helpText().section('\n', 2).toStdString();
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

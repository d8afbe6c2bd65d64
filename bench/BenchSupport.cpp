#include "BenchSupport.h"

#include <QProcess>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <iostream>

namespace Bench {

namespace {

// Three decimals, or three significant digits for times under a tenth of a second.
std::string seconds(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, value < 0.1 ? "%.3g" : "%.3f", value);
    return text;
}

} // namespace

Options parseOptions(const QStringList &arguments, int defaultRepeats)
{
    Options options;
    options.repeats = defaultRepeats;
    for (int i = 1; i + 1 < arguments.size(); ++i) {
        if (arguments[i] == "--repeats")
            options.repeats = std::max(1, arguments[i + 1].toInt());
        else if (arguments[i] == "--python")
            options.python = arguments[i + 1];
    }
    options.keep = arguments.contains("--keep");
    return options;
}

void printFigures(const std::vector<Figure> &figures)
{
    for (const Figure &figure : figures) {
        if (std::isnan(figure.reference))
            std::printf("%s: ours %s s, reference n/a\n", figure.name.c_str(), seconds(figure.ours).c_str());
        else
            std::printf("%s: ours %s s, reference %s s, ratio %.3g\n", figure.name.c_str(),
                        seconds(figure.ours).c_str(), seconds(figure.reference).c_str(),
                        figure.ours / figure.reference);
    }
    std::fflush(stdout);
}

double median(std::vector<double> values)
{
    if (values.empty())
        return NAN;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

Timing median(const std::vector<Timing> &timings)
{
    std::vector<double> wall;
    std::vector<double> cpu;
    for (const Timing &timing : timings) {
        wall.push_back(timing.wall);
        cpu.push_back(timing.cpu);
    }
    return {median(wall), median(cpu)};
}

double processCpuSeconds()
{
    // The processor time of the whole process, all threads together.
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

std::vector<Timing> runPython(const QString &python, const QString &script, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(python, QStringList{QStringLiteral(SEMBLA_BENCH_DIR "/") + script} + arguments);
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        std::cerr << script.toStdString() << " under " << python.toStdString() << " failed\n";
        return {};
    }
    std::vector<Timing> timings;
    for (const QByteArray &line : process.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() == 2)
            timings.push_back({fields[0].toDouble(), fields[1].toDouble()});
    }
    return timings;
}

} // namespace Bench

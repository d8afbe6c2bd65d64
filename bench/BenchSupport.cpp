#include "BenchSupport.h"

#include <QProcess>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <ctime>
#include <iostream>
#include <random>

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

long long statusKilobytes(const char *field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::size_t length = std::strlen(field);
    while (std::getline(status, line))
        if (line.compare(0, length, field) == 0)
            return std::atoll(line.c_str() + length);
    return -1;
}

} // namespace Bench

bool Bench::writeLargeSeamFile(const std::string &path, int steps)
{
    constexpr int columns = 200, rows = 200, items = 10;
    std::FILE *out = std::fopen(path.c_str(), "wb");
    if (!out)
        return false;
    std::fprintf(out, "%d, 0, 1.0, %d, %d, 0.0, 0.0\n%d", steps, columns, rows, items);
    for (int k = 0; k < items; ++k)
        std::fprintf(out, ", Item %d", k);
    std::fprintf(out, "\n%d", items);
    for (int k = 0; k < items; ++k)
        std::fprintf(out, ", MPa");
    std::fprintf(out, "\n");
    for (int s = 1; s <= steps; ++s)
        for (int ix = 0; ix < columns; ++ix)
            for (int iy = 0; iy < rows; ++iy)
                for (int k = 0; k < items; ++k)
                    std::fprintf(out, k + 1 < items ? "%12.5E, " : "%12.5E\n",
                                 s + std::sin(ix * 0.05 + s * 0.1) * std::cos(iy * 0.07) * (k + 1));
    return std::fclose(out) == 0;
}

bool Bench::writeRandomSeamFile(const std::string &path, int steps, int size)
{
    std::FILE *out = std::fopen(path.c_str(), "wb");
    if (!out)
        return false;
    std::fprintf(out, "%d, 0, 1.0, %d, %d, 0.0, 0.0\n1, Vertical Stress\n1, MPa\n", steps, size, size);
    std::mt19937 random(7);
    std::uniform_real_distribution<double> value(-50.0, 50.0);
    for (long long line = 0; line < static_cast<long long>(steps) * size * size; ++line)
        std::fprintf(out, "%.6g\n", value(random));
    return std::fclose(out) == 0;
}

// Speed of opening a seam output file as a user meets it: the whole open of
// the document (reading every step and writing its cache file, and the
// removal of the cache files when the file is closed), in wall-clock and in
// CPU time, beside a plain getline + strtod reader, a reader that also uses
// both cores (std::from_chars over the same lines on two threads),
// pandas.read_csv and numpy.loadtxt, on two
// shapes of file: 18 items per line in "%12.5E", as the analysis program
// writes them, and 6 items per line in "%g".
//
//   open_bench [--repeats N] [--python PATH] [--keep]
//
// Each file has 300 x 300 elements and 10 steps and is made once in a
// temporary folder; every reader runs N times (default 3), medians counted.
// --keep leaves the folder and prints its path.

#include "BenchSupport.h"

#include "data/CPlotDoc.h"
#include "data/Reporter.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr int columns = 300;
constexpr int rows = 300;
constexpr int steps = 10;
constexpr long dataLines = static_cast<long>(steps) * columns * rows;

class CountingReporter : public Reporter
{
public:
    void report(const std::string &message) override
    {
        ++count;
        std::cerr << message << '\n';
    }
    int count = 0;
};

struct Shape
{
    const char *name;
    int items;
    const char *format; // of one value, as printf writes it
};

// Values of every sign and size that stresses, convergences and factors take,
// comma and blank separated.
bool writeSeamFile(const std::string &path, const Shape &shape)
{
    std::FILE *out = std::fopen(path.c_str(), "wb");
    if (!out)
        return false;
    std::fprintf(out, "%d, 0, 5.0, %d, %d, 1000.0, 2000.0\n%d", steps, columns, rows, shape.items);
    for (int k = 0; k < shape.items; ++k)
        std::fprintf(out, ", Item %d", k + 1);
    std::fprintf(out, "\n%d", shape.items);
    for (int k = 0; k < shape.items; ++k)
        std::fprintf(out, ", MPa");
    std::fprintf(out, "\n");
    std::mt19937 random(2024);
    std::uniform_real_distribution<double> mantissa(-1.0, 1.0);
    std::uniform_int_distribution<int> exponent(-6, 4);
    std::vector<char> line(static_cast<std::size_t>(shape.items) * 32 + 2);
    for (long element = 0; element < dataLines; ++element) {
        char *p = line.data();
        for (int k = 0; k < shape.items; ++k) {
            if (k > 0)
                p += std::snprintf(p, 3, ", ");
            p += std::snprintf(p, 30, shape.format, mantissa(random) * std::pow(10.0, exponent(random)));
        }
        *p++ = '\n';
        std::fwrite(line.data(), 1, static_cast<std::size_t>(p - line.data()), out);
    }
    return std::fclose(out) == 0;
}

// The lines from begin to end parsed with std::from_chars, every value into a float.
std::vector<float> parseLines(const char *begin, const char *end, int items)
{
    std::vector<float> values;
    values.reserve(static_cast<std::size_t>(std::count(begin, end, '\n')) * items);
    const char *p = begin;
    while (p < end) {
        for (int k = 0; k < items; ++k) {
            while (p < end && (*p == ' ' || *p == ','))
                ++p;
            float value = 0.0f;
            p = std::from_chars(p, end, value).ptr;
            values.push_back(value);
        }
        p = static_cast<const char *>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
        p = p ? p + 1 : end;
    }
    return values;
}

// The reader that uses both cores: the whole file read, its data lines split
// in two at a line end, each half parsed on a thread of its own.
std::size_t fromCharsRead(const std::string &path, int items)
{
    std::FILE *in = std::fopen(path.c_str(), "rb");
    if (!in)
        return 0;
    const auto size = static_cast<std::size_t>(QFileInfo(QString::fromStdString(path)).size());
    const std::unique_ptr<char[]> text(new char[size]); // no need to clear what fread fills
    const char *end = text.get() + std::fread(text.get(), 1, size, in);
    std::fclose(in);
    // Just past the next line end from p, or the end of the text.
    const auto nextLine = [end](const char *p) {
        const void *lineEnd = std::memchr(p, '\n', static_cast<std::size_t>(end - p));
        return lineEnd ? static_cast<const char *>(lineEnd) + 1 : end;
    };
    const char *begin = nextLine(nextLine(nextLine(text.get())));
    const char *middle = nextLine(begin + (end - begin) / 2);
    std::vector<float> second;
    std::thread helper([&] { second = parseLines(middle, end, items); });
    const std::vector<float> first = parseLines(begin, middle, items);
    helper.join();
    return first.size() + second.size();
}

// The reader one writes first: getline and strtod on one thread.
std::size_t getlineRead(const std::string &path, int items)
{
    std::ifstream in(path);
    std::string line;
    for (int header = 0; header < 3; ++header)
        std::getline(in, line);
    std::vector<float> values;
    while (std::getline(in, line)) {
        const char *p = line.c_str();
        for (int k = 0; k < items && p; ++k) {
            values.push_back(static_cast<float>(std::strtod(p, nullptr)));
            p = std::strchr(p, ',');
            if (p)
                ++p;
        }
    }
    return values.size();
}

// Run in a process of its own, so that its peak resident size is the open's
// alone: prints the growth of the peak over the size before the open, in bytes.
int openChild(const std::string &path)
{
    CountingReporter reporter;
    CPlotDoc document(reporter);
    const long long before = Bench::statusKilobytes("VmRSS:");
    const auto result = document.openFile(path);
    const long long peak = Bench::statusKilobytes("VmHWM:");
    std::cout << (peak - before) * 1024 << '\n';
    return result == CPlotDoc::OpenResult::Opened ? 0 : 1;
}

long long openPeakBytes(const std::string &path)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {"--open-child", QString::fromStdString(path)});
    if (!child.waitForFinished(600000) || child.exitCode() != 0)
        return -1;
    return child.readAllStandardOutput().trimmed().toLongLong();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const QStringList arguments = app.arguments();
    if (arguments.size() == 3 && arguments[1] == "--open-child")
        return openChild(arguments[2].toStdString());
    const Bench::Options options = Bench::parseOptions(arguments, 3);
    const int repeats = options.repeats;
    const QString &python = options.python;

    QTemporaryDir dir;
    dir.setAutoRemove(!options.keep);
    if (!dir.isValid())
        return 1;
    std::printf("open_bench: %d x %d elements, %d steps; medians of %d runs\n", columns, rows, steps, repeats);
    const std::vector<Shape> shapes{{"18 items %12.5E", 18, "%12.5E"}, {"6 items %g", 6, "%g"}};
    std::vector<Bench::Figure> figures;
    CountingReporter reporter;
    for (const Shape &shape : shapes) {
        const std::string path = dir.filePath(QString::number(shape.items) + "items.f1").toStdString();
        if (!writeSeamFile(path, shape)) {
            std::cerr << "cannot write " << path << '\n';
            return 1;
        }
        // Once untimed, so that every reader meets the file in the page cache.
        const std::size_t valueCount = fromCharsRead(path, shape.items);

        std::vector<Bench::Timing> ours;
        std::vector<Bench::Timing> reference;
        std::vector<Bench::Timing> plain;
        for (int r = 0; r < repeats; ++r) {
            ours.push_back(Bench::timeOf([&] {
                CPlotDoc document(reporter);
                document.openFile(path);
                document.DeleteContents();
            }));
            reference.push_back(Bench::timeOf([&] { fromCharsRead(path, shape.items); }));
            plain.push_back(Bench::timeOf([&] { getlineRead(path, shape.items); }));
        }
        const QStringList pythonArguments{QString::fromStdString(path), QString::number(dataLines),
                                          QString::number(shape.items), QString::number(repeats)};
        const Bench::Timing pandas =
            Bench::median(Bench::runPython(python, "open_bench_reference.py", QStringList{"pandas"} + pythonArguments));
        const Bench::Timing numpy =
            Bench::median(Bench::runPython(python, "open_bench_reference.py", QStringList{"numpy"} + pythonArguments));
        const long long peak = openPeakBytes(path);

        std::printf("%s: %.1f MB, %ld values; peak memory of the open %.1f MB\n", shape.name,
                    QFileInfo(QString::fromStdString(path)).size() / 1e6, static_cast<long>(valueCount), peak / 1e6);
        const Bench::Timing mine = Bench::median(ours);
        const Bench::Timing twoThreads = Bench::median(reference);
        const std::string open = std::string("open ") + shape.name;
        figures.push_back({open + ", wall, vs std::from_chars on 2 threads", mine.wall, twoThreads.wall});
        figures.push_back({open + ", CPU, vs std::from_chars on 2 threads", mine.cpu, twoThreads.cpu});
        figures.push_back({open + ", wall, vs getline + strtod", mine.wall, Bench::median(plain).wall});
        figures.push_back({open + ", wall, vs pandas.read_csv", mine.wall, pandas.wall});
        figures.push_back({open + ", CPU, vs pandas.read_csv", mine.cpu, pandas.cpu});
        figures.push_back({open + ", wall, vs numpy.loadtxt", mine.wall, numpy.wall});
        figures.push_back({open + ", CPU, vs numpy.loadtxt", mine.cpu, numpy.cpu});
    }
    if (!dir.autoRemove())
        std::printf("files kept in %s\n", qPrintable(dir.path()));
    if (reporter.count > 0)
        std::printf("the open reported %d messages\n", reporter.count);
    Bench::printFigures(figures);
    return reporter.count == 0 ? 0 : 1;
}

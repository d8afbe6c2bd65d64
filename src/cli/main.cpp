#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/TerminationWatch.h"
#include "data/LocalFileNames.h"

#include <QApplication>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <clocale>
#include <cstring>
#include <functional>
#include <iostream>
#include <map>
#include <memory>

namespace {

const char *const overview =
    "Usage: sembla-cli VERB [options] FILE\n"
    "\n"
    "Works on seam output files (.f1 to .f4) without the viewer.\n"
    "\n"
    "Verbs:\n"
    "  info FILE [--json]   print the header of FILE\n"
    "  render FILE -o OUT   draw a plot of FILE as PNG, SVG or PDF\n"
    "  ascii FILE [-o OUT]  write the data behind a plot of FILE as an ASCII file\n"
    "  dxf FILE [-o OUT]    write the Colored Square Plot of FILE as a DXF drawing\n"
    "  convert FILE -o OUT  write steps and items of FILE as NetCDF, GeoTIFF, CSV, VTK or ESRI ASCII\n"
    "  probe FILE --cell C R  print the history of cells of FILE as CSV\n"
    "\n"
    "'sembla-cli VERB --help' describes the options of a verb.\n"
    "Exit status: 0 done, 1 a message was shown or the work failed, 2 usage error.\n";

// Qt warns on stderr when the session has no runtime folder (as under a bare root
// shell or CI); give it a private one, as a login session would.
void ensureRuntimeDirectory()
{
#ifdef Q_OS_UNIX
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    const QByteArray directory = "/tmp/runtime-" + QByteArray::number(::getuid());
    ::mkdir(directory.constData(), 0700);
    struct stat status = {};
    if (::stat(directory.constData(), &status) == 0 && status.st_uid == ::getuid() && (status.st_mode & 0777) == 0700)
        qputenv("XDG_RUNTIME_DIR", directory);
#endif
}

} // namespace

int main(int argc, char *argv[])
{
    ensureRuntimeDirectory();
    // Rendering needs a platform; with no display, draw offscreen rather than fail.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The charts of render are widgets, even where they are never shown; the other
    // verbs need no more than Qt Gui (whose start says less on stderr).
    const bool widgets = argc > 1 && std::strcmp(argv[1], "render") == 0;
    const std::unique_ptr<QGuiApplication> app = widgets ? std::make_unique<QApplication>(argc, argv)
                                                         : std::make_unique<QGuiApplication>(argc, argv);
    QCoreApplication::setApplicationName("sembla-cli");
    // The file formats are read and written in the C locale's numbers, whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");

    const std::map<QString, std::function<int(const QStringList &)>> verbs{
        {"info", runInfo},
        {"render", runRender},
        {"ascii", runAscii},
        {"dxf", runDxf},
        {"convert", runConvert},
        {"probe", runProbe},
    };
    TerminationWatch::install();
    // File names are taken as the bytes the system gave, not as decoded text.
    const QStringList arguments = LocalFileNames::arguments(argc, argv).mid(1);
    if (arguments.isEmpty())
        return usageError("no verb given.");
    if (arguments.front() == "--help" || arguments.front() == "-h" || arguments.front() == "help") {
        std::cout << overview;
        return ExitStatus::ok;
    }
    const auto verb = verbs.find(arguments.front());
    if (verb == verbs.end())
        return usageError("unknown verb '" + arguments.front() + "'.");
    const int status = verb->second(arguments);
    // The verb's document is gone with its cache files; a signal that stopped it now ends the program.
    TerminationWatch::endIfSignalled();
    return status;
}

#include "cli_helpers.h"

#include <QProcess>
#include <QTemporaryDir>

QStringList CliRun::errorLines() const
{
    QStringList lines = errors.split('\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

CliRun runCli(const QStringList &arguments, const QString &folder, QProcessEnvironment environment)
{
    static const QTemporaryDir runtime;
    environment.insert("XDG_RUNTIME_DIR", runtime.path());
    QProcess process;
    process.setProcessEnvironment(environment);
    if (!folder.isEmpty())
        process.setWorkingDirectory(folder);
    process.start(SEMBLA_CLI, arguments);
    CliRun run;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.status = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.errors = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

#include "support/CacheLeftovers.h"

#include "support/TestSeam.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>

bool writeLongOpenSeam(const QString &path)
{
    return writeSeamFile(QFile::encodeName(path).toStdString(),
                         TestSeam().sized(12, 400, 400, 3).valued([](int step, int ix, int iy, int k) {
                             return step + ix * 0.37f + iy * (k + 1) * 1.5f;
                         }));
}

QStringList cacheLeftovers(const QString &inputFolder, const QString &cacheHome)
{
    QStringList left = QDir(inputFolder).entryList({"SemTmp*"}, QDir::AllEntries | QDir::System);
    for (const QString &folder : QDir(cacheHome + "/sembla").entryList(QDir::AllEntries | QDir::NoDotAndDotDot))
        left << "sembla/" + folder;
    return left;
}

bool waitForCacheFiles(const QString &inputFolder, const QString &cacheHome, const std::function<bool()> &running,
                       const std::function<void(int)> &wait)
{
    const QDeadlineTimer deadline(20000);
    while (cacheLeftovers(inputFolder, cacheHome).isEmpty()) {
        if (!running() || deadline.hasExpired())
            return false;
        wait(1);
    }
    return true;
}

int randomDelay(int maxMs)
{
    return int(QRandomGenerator::global()->bounded(maxMs + 1));
}

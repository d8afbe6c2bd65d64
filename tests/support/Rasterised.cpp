#include "support/Rasterised.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>

std::optional<QImage> rasterised(const QString &program, const QByteArray &bytes, int width, QString &failure)
{
    const QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty())
        return std::nullopt;
    QTemporaryDir folder;
    const QString in = folder.filePath("in");
    const QString out = folder.filePath("out");
    QFile file(in);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return QImage();
    file.close();
    QStringList arguments;
    if (program != "rsvg-convert")
        // The page is 1024 units of 0.01 inch wide: `width` pixels are this many per inch.
        arguments << "-png" << "-singlefile" << "-r" << QString::number(width / 10.24, 'f', 6) << in << out;
    else
        arguments << "-w" << QString::number(width) << "-o" << out + ".png" << in;
    QProcess process;
    process.start(path, arguments);
    if (!process.waitForFinished(120000) || process.exitCode() != 0)
        failure = program + ": " + QString::fromLocal8Bit(process.readAllStandardError());
    return QImage(out + ".png").convertToFormat(QImage::Format_RGB32);
}

int lightPixels(const QImage &image, const QRect &rect, const std::vector<QRgb> &colours)
{
    // A blend of the colours is never lighter than all of them; rounding may add a step.
    constexpr int slack = 2;
    int red = 0, green = 0, blue = 0;
    for (const QRgb colour : colours) {
        red = std::max(red, qRed(colour));
        green = std::max(green, qGreen(colour));
        blue = std::max(blue, qBlue(colour));
    }
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            count += qRed(pixel) > red + slack || qGreen(pixel) > green + slack || qBlue(pixel) > blue + slack;
        }
    }
    return count;
}

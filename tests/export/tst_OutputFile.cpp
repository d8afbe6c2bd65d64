#include "export/OutputFile.h"

#include "export_helpers.h"
#include "support/FileHazards.h"

#include <QFile>
#include <QtTest>

namespace {

// More than a small file system holds, in one piece.
QByteArray megabyte()
{
    return QByteArray(1 << 20, 'x');
}

} // namespace

class TestOutputFile : public QObject
{
    Q_OBJECT

private slots:
    // A device under the name is written through and stays the device it was.
    void deviceIsWrittenThrough_data()
    {
        QTest::addColumn<int>("minor");
        QTest::addColumn<bool>("linked");
        QTest::addColumn<bool>("written");
        QTest::newRow("null device") << 3 << false << true;
        QTest::newRow("link to a null device") << 3 << true << true;
        QTest::newRow("full device") << 7 << false << false;
    }
    void deviceIsWrittenThrough()
    {
        QFETCH(int, minor);
        QFETCH(bool, linked);
        QFETCH(bool, written);
        QTemporaryDir folder;
        const QString device = folder.filePath("device");
        if (!makeMemoryDevice(device, minor))
            QSKIP("device nodes cannot be made here (root and a file system with devices are needed)");
        const QString target = linked ? folder.filePath("out.svg") : device;
        if (linked)
            QVERIFY(QFile::link(device, target));

        QString error;
        QCOMPARE(OutputFile::writeWhole(target.toStdString(), megabyte(), error), written);

        QCOMPARE(fileKind(device), QString("character device"));
        QCOMPARE(fileKind(target), linked ? QString("link") : QString("character device"));
        QCOMPARE(entriesOf(folder.path()).size(), linked ? 2 : 1);
        if (!written)
            QCOMPARE(error, "Cannot write " + target + " (No space left on device).");
    }

    void fifoIsWrittenThrough()
    {
        QTemporaryDir folder;
        const QString fifo = folder.filePath("out.pdf");
        if (!makeFifo(fifo))
            QSKIP("FIFOs cannot be made here");
        std::future<QByteArray> received = readFifo(fifo);
        QString error;
        QVERIFY2(OutputFile::writeWhole(fifo.toStdString(), megabyte(), error), qPrintable(error));
        QCOMPARE(received.get(), megabyte());
        QCOMPARE(fileKind(fifo), QString("fifo"));
        QCOMPARE(entriesOf(folder.path()), QStringList{"out.pdf"});
    }

    // A full disk: the reason is told, and nothing is left but what stood there before.
    void fullDiskLeavesNoFile_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::newRow("new file") << QByteArray();
        QTest::newRow("replacing a file") << QByteArray("old contents");
    }
    void fullDiskLeavesNoFile()
    {
        QFETCH(QByteArray, before);
        const SmallFileSystem disk;
        if (!disk.mounted())
            QSKIP("a small file system cannot be mounted here");
        const QString target = disk.path("out.png");
        if (!before.isEmpty())
            writeFile(target.toStdString(), before);

        QString error;
        QVERIFY(!OutputFile::writeWhole(target.toStdString(), megabyte(), error));

        QCOMPARE(error, "Cannot write " + target + " (No space left on device).");
        QCOMPARE(entriesOf(disk.root()), before.isEmpty() ? QStringList{} : QStringList{"out.png"});
        QCOMPARE(fileBytes(target.toStdString()), before);
    }
};

QTEST_GUILESS_MAIN(TestOutputFile)
#include "tst_OutputFile.moc"

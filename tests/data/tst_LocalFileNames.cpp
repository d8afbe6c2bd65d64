#include "data/LocalFileNames.h"

#include <QTest>
#include <QUrl>

// File names that are no valid text pass from the command line, a drop or a
// file dialog to the system unchanged.
class TestLocalFileNames : public QObject
{
    Q_OBJECT

private slots:
    void argumentsKeepTheirBytes()
    {
        std::string latin1 = "/data/caf\xe9/run.f1";
        std::string utf8 = "/data/caf\xc3\xa9/run.f1";
        char *argv[] = {const_cast<char *>("sembla-cli"), const_cast<char *>("info"), latin1.data(), utf8.data()};
        const QStringList arguments = LocalFileNames::arguments(4, argv);
        QCOMPARE(arguments.size(), 4);
        QCOMPARE(LocalFileNames::toPath(arguments[2]), latin1);
        QCOMPARE(LocalFileNames::toPath(arguments[3]), utf8);
        // A token shows as readable text and keeps the extension a parser looks at.
        QCOMPARE(LocalFileNames::display(arguments[2]), QString::fromUtf8("/data/caf\xef\xbf\xbd/run.f1"));
        QVERIFY(arguments[2].endsWith(".f1"));
        QCOMPARE(arguments[3], QString::fromUtf8("/data/caf\xc3\xa9/run.f1"));
    }

    void droppedUrlKeepsItsBytes()
    {
        QCOMPARE(LocalFileNames::fromUrl(QUrl("file:///data/caf%E9/run.f1")), std::string("/data/caf\xe9/run.f1"));
    }

    void keptProposalKeepsItsBytes()
    {
        const std::string proposed = "/data/caf\xe9/run-Vert_3D.asc";
        QCOMPARE(LocalFileNames::chosenPath(LocalFileNames::display(proposed), proposed), proposed);
        QCOMPARE(LocalFileNames::chosenPath("/tmp/other.asc", proposed), std::string("/tmp/other.asc"));
    }
};

QTEST_GUILESS_MAIN(TestLocalFileNames)
#include "tst_LocalFileNames.moc"

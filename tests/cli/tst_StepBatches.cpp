#include "cli_helpers.h"
#include "support/TestSeam.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// sembla-cli render, ascii and dxf with --steps: one file per listed step from
// one open, each the very bytes the verb writes for that step alone.
class TestStepBatches : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    QString m_input;

    static QByteArray contents(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        m_input = m_folder.filePath("run.f1");
        writeSeamFile(m_input.toStdString(),
                      TestSeam().sized(6, 9, 7, 2).valued([](int s, int ix, int iy, int k) {
                          return float((s * 3 + ix - iy) * (k ? -1.5 : 1.0) + s * s * 0.25);
                      }));
    }

    void eachStepAsWrittenAlone_data()
    {
        QTest::addColumn<QStringList>("verb");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QList<int>>("written");
        QTest::newRow("render png, a range") << QStringList{"render"} << "frames/step-%03d.png" << "2-4"
                                             << QList<int>{2, 3, 4};
        QTest::newRow("render svg with the label, a list")
            << QStringList{"render", "--label", "--palette", "roygbiv"} << "svg/p%d.svg" << "6,1,3-4"
            << QList<int>{1, 3, 4, 6};
        QTest::newRow("render png over all steps' scale")
            << QStringList{"render", "--scale", "all-steps", "--item", "1"} << "all-%02d.png" << "1,6"
            << QList<int>{1, 6};
        QTest::newRow("render a cross section chart")
            << QStringList{"render", "--plot", "cross-section", "--location", "3"} << "xsec-%d.png" << "2,5"
            << QList<int>{2, 5};
        QTest::newRow("ascii cross section") << QStringList{"ascii", "--plot", "cross-section", "--direction", "y"}
                                             << "asc/%d.asc" << "1-6" << QList<int>{1, 2, 3, 4, 5, 6};
        QTest::newRow("ascii grid") << QStringList{"ascii", "--item", "1"} << "grid-%04d.asc" << "5"
                                    << QList<int>{5};
        QTest::newRow("dxf with the all-steps scale") << QStringList{"dxf", "--scale", "all-steps"} << "d-%d.dxf"
                                                      << "2,3,6" << QList<int>{2, 3, 6};
    }
    void eachStepAsWrittenAlone()
    {
        QFETCH(QStringList, verb);
        QFETCH(QString, pattern);
        QFETCH(QString, steps);
        QFETCH(QList<int>, written);
        QTemporaryDir out;
        const QString dir = QFileInfo(out.filePath(pattern)).absolutePath();
        QVERIFY(QDir().mkpath(dir));
        const QStringList verbOptions = verb.mid(1);
        const CliRun batch = runCli(QStringList{verb.front(), m_input} + verbOptions
                                    + QStringList{"--steps", steps, "-o", out.filePath(pattern)});
        QCOMPARE(batch.status, 0);
        QCOMPARE(batch.errors, QString());
        QCOMPARE(QDir(dir).entryList(QDir::Files).size(), written.size());
        for (const int step : written) {
            const QString single = out.filePath("single." + QFileInfo(pattern).suffix());
            QCOMPARE(runCli(QStringList{verb.front(), m_input} + verbOptions
                            + QStringList{"--step", QString::number(step), "-o", single})
                         .status,
                     0);
            const QString numbered = out.filePath(QString::asprintf(pattern.toUtf8().constData(), step));
            const QByteArray batchBytes = contents(numbered);
            QVERIFY2(!batchBytes.isEmpty(), qPrintable(numbered));
            QVERIFY2(batchBytes == contents(single), qPrintable("step " + QString::number(step)));
        }
    }

    void listsAndPatternsRefused_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("a step beyond the file") << QStringList{"render", "--steps", "5-7", "-o", "f%d.png"}
                                                << "--steps and OUT:";
        QTest::newRow("many steps into one name") << QStringList{"dxf", "--steps", "1-2", "-o", "one.dxf"}
                                                  << "needs one integer conversion";
        QTest::newRow("two conversions") << QStringList{"ascii", "--steps", "1", "-o", "%d-%d.asc"}
                                         << "is not one integer conversion";
        QTest::newRow("ascii without OUT") << QStringList{"ascii", "--steps", "1-2"} << "--steps needs -o OUT";
        QTest::newRow("history has no step")
            << QStringList{"render", "--plot", "history", "--steps", "1-2", "-o", "h%d.png"} << "history plot";
    }
    void listsAndPatternsRefused()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        QTemporaryDir out;
        arguments.insert(1, m_input);
        const CliRun run = runCli(arguments, out.path());
        QCOMPARE(run.status, 2);
        QVERIFY2(run.errors.contains(message), qPrintable(run.errors));
        QCOMPARE(QDir(out.path()).entryList(QDir::Files), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestStepBatches)
#include "tst_StepBatches.moc"

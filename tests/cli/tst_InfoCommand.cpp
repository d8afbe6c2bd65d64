#include "cli_helpers.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

// sembla-cli info run as a user runs it: its output, its messages on stderr,
// its exit status, and the step cache files it leaves (none).
class TestInfoCommand : public QObject
{
    Q_OBJECT

private slots:
    void plainHeader();
    void jsonHeader();
    void damagedFileStillPrintsAndFails();
    void failedOpenPrintsNothing_data();
    void failedOpenPrintsNothing();
    void usageErrors_data();
    void usageErrors();
    void help_data();
    void help();

private:
    CliRun info(const QStringList &arguments) { return runCli(arguments, m_dir.path()); }
    QString copy(const QString &name) { return QString::fromStdString(copyTestFile(name, m_dir.path())); }

    QTemporaryDir m_dir;
};

void TestInfoCommand::plainHeader()
{
    const QString input = copy("one_step_2x3.f1");
    const CliRun run = info({"info", input});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.errorLines(), QStringList());
    QCOMPARE(QString::fromUtf8(run.out), QString("stepCount: 1\n"
                                                 "completeSteps: 1\n"
                                                 "cellSize: 2.5\n"
                                                 "columnCount: 2\n"
                                                 "rowCount: 3\n"
                                                 "originX: 100\n"
                                                 "originY: 200\n"
                                                 "items:\n"
                                                 "  0: Vertical Stress (MPa)\n"
                                                 "  1: Convergence (mm)\n"));
    // The cache files were written during the open and are gone at exit.
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), QStringList{"one_step_2x3.f1"});
}

void TestInfoCommand::jsonHeader()
{
    QFile::copy(SEMBLA_EXAMPLES "/panel.f1", m_dir.filePath("panel.f1"));
    const CliRun run = info({"info", "panel.f1", "--json"}); // relative to the working folder
    QCOMPARE(run.status, 0);
    QCOMPARE(run.errorLines(), QStringList());
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(run.out, &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    const QJsonObject header = json.object();
    QStringList keys = header.keys();
    keys.sort();
    QCOMPARE(keys, (QStringList{"cellSize", "columnCount", "completeSteps", "items", "originX", "originY", "rowCount",
                                "stepCount"}));
    QCOMPARE(header["stepCount"].toInt(), 8);
    QCOMPARE(header["completeSteps"].toInt(), 8);
    QCOMPARE(header["cellSize"].toDouble(), 5.0);
    QCOMPARE(header["columnCount"].toInt(), 80);
    QCOMPARE(header["rowCount"].toInt(), 60);
    QCOMPARE(header["originX"].toDouble(), 1000.0);
    QCOMPARE(header["originY"].toDouble(), 2000.0);
    const QJsonArray items = header["items"].toArray();
    QCOMPARE(items.size(), 6);
    for (const auto &item : items) {
        QStringList itemKeys = item.toObject().keys();
        QCOMPARE(itemKeys, (QStringList{"name", "unit"}));
    }
    QCOMPARE(items[0].toObject()["name"].toString(), QString("Vertical Stress"));
    QCOMPARE(items[0].toObject()["unit"].toString(), QString("MPa"));
    QCOMPARE(items[4].toObject()["unit"].toString(), QString("MJ/m^3"));
    QCOMPARE(QDir(m_dir.path()).entryList({"SemTmp*"}, QDir::Files), QStringList());
}

void TestInfoCommand::damagedFileStillPrintsAndFails()
{
    const QString input = copy("truncated_step2of4.f1");
    const CliRun run = info({"info", input, "--json"});
    QCOMPARE(run.status, 1);
    QCOMPARE(run.errorLines(), QStringList(3, "Read an empty line in the input file - CGR2-1"));
    QCOMPARE(QJsonDocument::fromJson(run.out).object()["stepCount"].toInt(), 4);
    // The file ends inside step 2: only step 1 is complete.
    QCOMPARE(QJsonDocument::fromJson(run.out).object()["completeSteps"].toInt(), 1);
    QVERIFY(info({"info", input}).out.contains("\ncompleteSteps: 1\n"));
    QCOMPARE(QDir(m_dir.path()).entryList({"SemTmp*"}, QDir::Files), QStringList());
}

void TestInfoCommand::failedOpenPrintsNothing_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("message");
    QTest::newRow("header error") << "only_line1.f1" << "Read an empty line in the input file - CHR2-2";
    QTest::newRow("no grid") << "no_columns.f1" << "The header of no_columns.f1 does not describe a grid: the number of columns is 0.";
    QTest::newRow("columns beyond int") << "columns_beyond_int.f1"
                                        << "The header of columns_beyond_int.f1 does not describe a grid: the number of "
                                           "columns is more than 2147483647.";
    QTest::newRow("missing file") << "" << "";
}

void TestInfoCommand::failedOpenPrintsNothing()
{
    QFETCH(QString, file);
    QFETCH(QString, message);
    const QString input = file.isEmpty() ? m_dir.filePath("missing.f1") : copy(file);
    if (message.isEmpty())
        message = "Cannot open the file " + input + " (No such file or directory).";
    const CliRun run = info({"info", input});
    QCOMPARE(run.status, 1);
    QCOMPARE(run.errorLines(), QStringList{message});
    QCOMPARE(run.out, QByteArray());
}

void TestInfoCommand::usageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("no verb") << QStringList{};
    QTest::newRow("unknown verb") << QStringList{"show", "a.f1"};
    QTest::newRow("no file") << QStringList{"info"};
    QTest::newRow("two files") << QStringList{"info", "a.f1", "b.f1"};
    QTest::newRow("unknown option") << QStringList{"info", "a.f1", "--xml"};
}

void TestInfoCommand::usageErrors()
{
    QFETCH(QStringList, arguments);
    const CliRun run = info(arguments);
    QCOMPARE(run.status, 2);
    QCOMPARE(run.out, QByteArray());
    QVERIFY(!run.errorLines().isEmpty());
    QVERIFY2(run.errorLines().first().startsWith("sembla-cli: "), qPrintable(run.errorLines().first()));
}

void TestInfoCommand::help_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("mentions");
    QTest::newRow("program") << QStringList{"--help"} << "info FILE [--json]";
    QTest::newRow("verb") << QStringList{"info", "--help"} << "--json";
}

void TestInfoCommand::help()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, mentions);
    const CliRun run = info(arguments);
    QCOMPARE(run.status, 0);
    QVERIFY2(QString::fromUtf8(run.out).contains(mentions), run.out.constData());
    QVERIFY(QString::fromUtf8(run.out).startsWith("Usage: sembla-cli "));
}

QTEST_GUILESS_MAIN(TestInfoCommand)
#include "tst_InfoCommand.moc"

#include "charts/ChartTemplates.h"
#include "charts/ChartViewState.h"

#include <QtTest>

class TestChartViewState : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void templateFilesLiveInTheConfigurationFolder_data();
    void templateFilesLiveInTheConfigurationFolder();
    void lineStateRoundTrips();
    void surfaceStateRoundTrips();
    void savingCreatesTheFolderAndReplacesTheFile();
    void unusableFilesLoadAsNothing_data();
    void unusableFilesLoadAsNothing();
    void unwritableFolderFailsToSave();

private:
    QTemporaryDir m_folder;
};

void TestChartViewState::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_folder.isValid());
}

void TestChartViewState::templateFilesLiveInTheConfigurationFolder_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("name");
    QTest::newRow("cross section") << 1 << "XSecChart2d.dat";
    QTest::newRow("history") << 2 << "HistoryChart2d.dat";
    QTest::newRow("fishnet") << 3 << "FishNetChart3d.dat";
    QTest::newRow("colored square") << 0 << "";
}

void TestChartViewState::templateFilesLiveInTheConfigurationFolder()
{
    QFETCH(int, type);
    QFETCH(QString, name);
    const PlotType plot = static_cast<PlotType>(type);
    QCOMPARE(ChartTemplates::fileName(plot), name);
    const QString path = ChartTemplates::filePath(plot);
    if (name.isEmpty()) {
        QVERIFY(path.isEmpty());
        return;
    }
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QCOMPARE(QFileInfo(path).fileName(), name);
    QCOMPARE(QFileInfo(path).absolutePath(), QDir(folder).absolutePath());
}

void TestChartViewState::lineStateRoundTrips()
{
    const QString path = m_folder.filePath("line.dat");
    const LineChartViewState saved{true, 12.5, 97.25, -3.0e-7, 1.0e12};
    QVERIFY(saved.save(path));

    const auto loaded = LineChartViewState::load(path);
    QVERIFY(loaded);
    QCOMPARE(loaded->zoomed, true);
    QCOMPARE(loaded->xMin, 12.5);
    QCOMPARE(loaded->xMax, 97.25);
    QCOMPARE(loaded->yMin, -3.0e-7);
    QCOMPARE(loaded->yMax, 1.0e12);
}

void TestChartViewState::surfaceStateRoundTrips()
{
    const QString path = m_folder.filePath("surface.dat");
    const SurfaceViewState saved{-35.5f, 72.0f, 180.0f, 0.25f, -0.5f, 1.0f};
    QVERIFY(saved.save(path));

    const auto loaded = SurfaceViewState::load(path);
    QVERIFY(loaded);
    QCOMPARE(loaded->xRotation, -35.5f);
    QCOMPARE(loaded->yRotation, 72.0f);
    QCOMPARE(loaded->zoomLevel, 180.0f);
    QCOMPARE(loaded->targetX, 0.25f);
    QCOMPARE(loaded->targetY, -0.5f);
    QCOMPARE(loaded->targetZ, 1.0f);
}

void TestChartViewState::savingCreatesTheFolderAndReplacesTheFile()
{
    const QString path = m_folder.filePath("new/folder/XSecChart2d.dat");
    const LineChartViewState first{true, 0, 10, 0, 5};
    const LineChartViewState second{false, 1, 2, 3, 4};
    QVERIFY(first.save(path));
    QVERIFY(second.save(path));
    const auto loaded = LineChartViewState::load(path);
    QVERIFY(loaded);
    QCOMPARE(loaded->zoomed, false);
    QCOMPARE(loaded->xMin, 1.0);
}

void TestChartViewState::unusableFilesLoadAsNothing_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<bool>("surface");
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("binary garbage") << QByteArray("\x00\x01\xff\xfe=\n[", 7) << false;
    QTest::newRow("a number missing") << QByteArray("kind=Sembla 2-D chart view\nzoomed=1\nxMin=0\nxMax=1\nyMin=0\n")
                                      << false;
    QTest::newRow("not a number")
        << QByteArray("kind=Sembla 2-D chart view\nzoomed=1\nxMin=a\nxMax=1\nyMin=0\nyMax=1\n") << false;
    QTest::newRow("range backwards")
        << QByteArray("kind=Sembla 2-D chart view\nzoomed=1\nxMin=5\nxMax=1\nyMin=0\nyMax=1\n") << false;
    QTest::newRow("infinite") << QByteArray("kind=Sembla 2-D chart view\nzoomed=1\nxMin=0\nxMax=inf\nyMin=0\nyMax=1\n")
                              << false;
    QTest::newRow("a 3-D view read as 2-D")
        << QByteArray("kind=Sembla 3-D chart view\nxRotation=0\nyRotation=0\nzoomLevel=100\ntargetX=0\ntargetY=0\n"
                      "targetZ=0\n")
        << false;
    QTest::newRow("a 2-D view read as 3-D")
        << QByteArray("kind=Sembla 2-D chart view\nzoomed=1\nxMin=0\nxMax=1\nyMin=0\nyMax=1\n") << true;
    QTest::newRow("zoom of zero")
        << QByteArray("kind=Sembla 3-D chart view\nxRotation=0\nyRotation=0\nzoomLevel=0\ntargetX=0\ntargetY=0\n"
                      "targetZ=0\n")
        << true;
}

void TestChartViewState::unusableFilesLoadAsNothing()
{
    QFETCH(QByteArray, contents);
    QFETCH(bool, surface);
    const QString path = m_folder.filePath(QString("bad-%1.dat").arg(QTest::currentDataTag()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(contents);
    file.close();
    if (surface)
        QVERIFY(!SurfaceViewState::load(path));
    else
        QVERIFY(!LineChartViewState::load(path));
    QVERIFY(!LineChartViewState::load(m_folder.filePath("missing.dat")));
}

void TestChartViewState::unwritableFolderFailsToSave()
{
    // A file where the folder should be: neither the folder nor the file can be made.
    const QString blocker = m_folder.filePath("blocker");
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QVERIFY(!LineChartViewState{}.save(blocker + "/HistoryChart2d.dat"));
    QVERIFY(!SurfaceViewState{}.save(blocker + "/FishNetChart3d.dat"));
}

QTEST_GUILESS_MAIN(TestChartViewState)
#include "tst_ChartViewState.moc"

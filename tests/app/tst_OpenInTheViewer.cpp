#include "app_helpers.h"

#include "app/CMainFrame.h"
#include "app/MessageBoxReporter.h"
#include "app/RecentFileList.h"
#include "widgets/charts/ChartPlots.h"
#include "data/CPlotDoc.h"
#include "resources/CommandIds.h"
#include "support/CacheLeftovers.h"
#include "support/SlowPipe.h"
#include "support/TestSeam.h"
#include "model/PlotCommands.h"
#include "widgets/view/CPlotView.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <QLabel>
#include <QChart>
#include <QLineSeries>
#include <QToolButton>

#include <filesystem>
#include <functional>
#include <fstream>
#include <memory>

// Opening a file in the viewer as a user does: the message boxes of a damaged
// file, what the view may touch while they stand, and names that are no text.
class TestOpenInTheViewer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(writeLongOpenSeam(m_files.filePath("long.f1"))); }
    void init() { useTestSettings(); }

    // The view paints while a box stands; none of that may reach the grid the
    // open is filling, so every step holds what the file holds.
    void damagedFileIsCachedAsItReads()
    {
        QTemporaryDir dir;
        const std::string path = dir.filePath("run.f1").toStdString();
        std::filesystem::copy_file(SEMBLA_TEST_DATA "/truncated_step2of4.f1", path);
        Viewer viewer;
        QCOMPARE(openAndWait(viewer.frame, viewer.document, path), CPlotDoc::OpenResult::OpenedWithErrors);
        QCOMPARE(viewer.boxTexts,
                 QStringList{"Read an empty line in the input file - CGR2-1\n\nThis message stands for steps 2 to 4 "
                             "(3 steps)."});
        const QList<QList<float>> expected{{1, 2, 3, 4}, {5, 6, 3, 4}, {5, 6, 3, 4}, {5, 6, 3, 4}};
        for (int step = 1; step <= 4; ++step) {
            QVERIFY(viewer.document.loadStep(step));
            const StepGrid &grid = viewer.document.grid();
            QCOMPARE((QList<float>{grid.values[0][0][0], grid.values[0][1][0], grid.values[1][0][0],
                                   grid.values[1][1][0]}),
                     expected[step - 1]);
        }
    }

    // While the file is read, what needs all of it waits, and the status bar tells how far the reading is.
    void commandsWaitForTheFile()
    {
        QTemporaryDir dir;
        const std::string path = dir.filePath("run.f1").toStdString();
        std::ofstream(path) << "3, 0, 1.0, 1, 1, 0.0, 0.0\n1, S\n1, U\n1\n\n3\n";
        Viewer viewer;
        QStringList progress;
        QList<bool> enabled;
        viewer.whileBoxStands = [&] {
            QTest::qWait(150); // the field reads the progress ten times a second
            for (QLabel *label : viewer.frame.findChildren<QLabel *>())
                if (label->isVisible() && label->text().startsWith("Reading"))
                    progress << label->text();
            for (int id : {CommandId::saveAscii, CommandId::exportGrid, CommandId::historyPlot,
                           CommandId::coloredSquarePlot})
                enabled << viewer.frame.action(id)->isEnabled();
        };
        QCOMPARE(openAndWait(viewer.frame, viewer.document, path), CPlotDoc::OpenResult::OpenedWithErrors);
        QCOMPARE(progress, QStringList{"Reading step 2 of 3"});
        QCOMPARE(enabled, (QList<bool>{false, false, false, true}));
        QVERIFY(viewer.frame.action(CommandId::exportGrid)->isEnabled());
        QVERIFY(viewer.frame.action(CommandId::saveAscii)->isEnabled());
        QVERIFY(viewer.frame.action(CommandId::historyPlot)->isEnabled());
        QVERIFY(!viewer.frame.findChild<QToolButton *>("cancelReading")->isVisible());
    }

    void cancelStopsTheOpen_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Esc") << true;
        QTest::newRow("Cancel button") << false;
    }

    void cancelStopsTheOpen()
    {
        QFETCH(bool, escape);
        QTemporaryDir dir;
        const std::string path = dir.filePath("run.f1").toStdString();
        std::ofstream(path) << "3, 0, 1.0, 1, 1, 0.0, 0.0\n1, S\n1, U\n1\n\n3\n";
        Viewer viewer;
        viewer.whileBoxStands = [&] {
            auto *key = viewer.frame.findChild<QAction *>("cancelReading");
            QCOMPARE(key->shortcut(), QKeySequence(Qt::Key_Escape));
            if (escape)
                key->trigger();
            else
                viewer.frame.findChild<QToolButton *>("cancelReading")->click();
        };
        QCOMPARE(openAndWait(viewer.frame, viewer.document, path), CPlotDoc::OpenResult::Cancelled);
        QVERIFY(!viewer.document.isLoaded());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"run.f1"});
        QCOMPARE(viewer.frame.windowTitle(), QString("Sembla3_0"));
    }

    // A step the file cut off keeps what the reading left, and says so: in the
    // status bar on that step, and on the Step toolbar as soon as the cut is met.
    void cutOffStepsAreMarked()
    {
        QTemporaryDir dir;
        const std::string path = dir.filePath("run.f1").toStdString();
        std::filesystem::copy_file(SEMBLA_TEST_DATA "/truncated_step2of4.f1", path);
        Viewer viewer;
        auto *stepField = viewer.frame.findChild<QLabel *>("stepField");
        auto *lastComplete = viewer.frame.findChild<QLabel *>("lastCompleteStep");
        QString whileTheBoxStands;
        viewer.whileBoxStands = [&] { whileTheBoxStands = lastComplete->isVisible() ? lastComplete->text() : ""; };
        QVERIFY(!lastComplete->isVisible());
        QCOMPARE(openAndWait(viewer.frame, viewer.document, path), CPlotDoc::OpenResult::OpenedWithErrors);
        QCOMPARE(viewer.boxTexts.size(), 1);
        QCOMPARE(whileTheBoxStands, QString("Last complete step: 1"));
        QTRY_COMPARE(stepField->text(), QString("Step 1 of 4"));
        QTRY_VERIFY(lastComplete->isVisible());
        QCOMPARE(lastComplete->text(), QString("Last complete step: 1"));
        for (int step : {2, 4}) {
            viewer.frame.view()->changeStep(step);
            QTRY_COMPARE(stepField->text(), QString("Step %1 of 4 - not in the file").arg(step));
        }
        // A file that holds every step has nothing to mark.
        const std::string whole = dir.filePath("whole.f3").toStdString();
        std::filesystem::copy_file(SEMBLA_TEST_DATA "/five_steps.f3", whole);
        QCOMPARE(openAndWait(viewer.frame, viewer.document, whole), CPlotDoc::OpenResult::Opened);
        QTRY_COMPARE(stepField->text(), QString("Step 4 of 5"));
        QTRY_VERIFY(!lastComplete->isVisible()); // the toolbar lays itself out again first
    }

    void runOfEmptyLinesIsOneBox()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("claims.f1");
        std::ofstream(path.toStdString()) << "1000000, 0, 1.0, 1, 1, 0.0, 0.0\n1, S\n1, U\n7\n";
        Viewer viewer;
        QCOMPARE(openAndWait(viewer.frame, viewer.document, path.toStdString()),
                 CPlotDoc::OpenResult::OpenedWithErrors);
        QCOMPARE(viewer.boxTexts, QStringList{"Read an empty line in the input file - CGR2-1\n\nThis message stands "
                                              "for steps 2 to 1000000 (999999 steps)."});
    }

    void nameThatIsNoTextOpens()
    {
        QTemporaryDir dir;
        const std::string folder = dir.path().toStdString() + "/caf\xe9";
        std::filesystem::create_directory(folder);
        const std::string path = folder + "/run.f1";
        std::filesystem::copy_file(SEMBLA_TEST_DATA "/five_steps.f3", path);
        {
            Viewer viewer;
            QCOMPARE(openAndWait(viewer.frame, viewer.document, path), CPlotDoc::OpenResult::Opened);
            QVERIFY(viewer.boxTexts.isEmpty());
            QCOMPARE(viewer.frame.windowTitle(), QString("run.f1 - Sembla3_0"));
            QCOMPARE(RecentFileList().paths().front(), path);
        }
        // Qt cannot see the folder to remove it.
        std::filesystem::remove_all(folder);
    }

    // Cancelling the open of a second file, once it is on screen and has been
    // looked at, brings the first back as it was left: its step, its plot and
    // that plot's options, drawn from its own data.
    void cancelBringsBackThePreviousFile()
    {
        QTemporaryDir dir;
        const std::string first = dir.filePath("first.f1").toStdString();
        // Two items (the pipe's file has one), every value telling step, column, row and item.
        QVERIFY(writeSeamFile(first, TestSeam().sized(8, 4, 3, 2).valued([](int step, int ix, int iy, int k) {
            return float(step * 1000 + ix * 100 + iy * 10 + k);
        })));
        const QString slow = dir.filePath("slow.f1");
        SlowPipe pipe(slow);
        if (!pipe.made())
            QSKIP("no named pipe here");
        Viewer viewer;
        CPlotView &view = *viewer.frame.view();
        QCOMPARE(openAndWait(viewer.frame, viewer.document, first), CPlotDoc::OpenResult::Opened);
        view.changeStep(5);
        PlotCommands::apply(view.settings(), XSecChoice{1, CrossSectionDirection::ParallelToX, 2}, 5,
                            viewer.document.header());
        view.OnUpdate();
        auto *stepField = viewer.frame.findChild<QLabel *>("stepField");
        QTRY_COMPARE(stepField->text(), QString("Step 5 of 8"));

        viewer.frame.openDocument(slow.toStdString());
        QTRY_COMPARE_WITH_TIMEOUT(viewer.document.fileName(), std::string("slow.f1"), 20000);
        QVERIFY(viewer.document.isOpening());
        // The second file is looked at a step further on.
        view.changeStep(6);
        QTRY_COMPARE(stepField->text(), QString("Step 6 of 500"));
        viewer.frame.findChild<QAction *>("cancelReading")->trigger();

        QCOMPARE(viewer.document.fileName(), std::string("first.f1"));
        QTRY_COMPARE(stepField->text(), QString("Step 5 of 8"));
        const PlotSettings &settings = view.settings();
        QCOMPARE(settings.plotType, PlotType::CrossSection);
        QCOMPARE(settings.xsec.itemIndex, 1);
        QCOMPARE(settings.xsec.location, 2);
        QCOMPARE(settings.plotTitle, std::string("Item 1"));
        QCOMPARE(viewer.document.heldStep(), 5);
        LineChartHost &chart = view.charts().crossSectionChart();
        QVERIFY(chart.control() && chart.control()->isVisible());
        const auto *series = qobject_cast<QLineSeries *>(chart.chart()->series().front());
        QVERIFY(series);
        QList<double> values;
        for (const QPointF &point : series->points())
            values << point.y();
        // Row 2 of item 1 at step 5, over the four columns.
        QCOMPARE(values, (QList<double>{5011, 5111, 5211, 5311}));
        QTRY_VERIFY(!viewer.document.isOpening());
    }

    void everyEndOfAnOpenRemovesItsFiles_data()
    {
        QTest::addColumn<QString>("end");
        for (const char *end : {"Esc", "Cancel button", "File New", "another file", "window closed"})
            QTest::newRow(end) << end;
    }
    // However the user ends an open, at whatever moment, every file it wrote goes:
    // those of the steps read, and the one of the step it was cut off in.
    void everyEndOfAnOpenRemovesItsFiles()
    {
        QFETCH(QString, end);
        const QString cacheHome = qEnvironmentVariable("XDG_CACHE_HOME");
        const int runs = 8;
        int cutOff = 0;
        QStringList leftBehind;
        for (int run = 0; run < runs; ++run) {
            QTemporaryDir dir;
            QTemporaryDir otherDir;
            const QString path = dir.filePath("run.f1");
            std::filesystem::create_hard_link(m_files.filePath("long.f1").toStdString(), path.toStdString());
            std::filesystem::copy_file(SEMBLA_TEST_DATA "/five_steps.f3", otherDir.filePath("other.f3").toStdString());
            auto viewer = std::make_unique<Viewer>();
            viewer->frame.openDocument(path.toStdString());
            QVERIFY(waitForCacheFiles(dir.path(), cacheHome, [&] { return viewer->document.isOpening(); },
                                      [](int ms) { QTest::qWait(ms); }));
            QTest::qWait(randomDelay(100));
            // An open that ended first is the file shown, whose files stay.
            if (!viewer->document.isOpening())
                continue;
            ++cutOff;
            if (end == "Esc")
                viewer->frame.findChild<QAction *>("cancelReading")->trigger();
            else if (end == "Cancel button")
                viewer->frame.findChild<QToolButton *>("cancelReading")->click();
            else if (end == "File New")
                viewer->frame.action(CommandId::fileNew)->trigger();
            else if (end == "another file")
                viewer->frame.openDocument(otherDir.filePath("other.f3").toStdString());
            else
                viewer->frame.close();
            QTRY_VERIFY_WITH_TIMEOUT(!viewer->document.isOpening() || end == "another file", 20000);
            QTRY_VERIFY_WITH_TIMEOUT(viewer->document.isLoaded() || end != "another file", 20000);
            if (end == "window closed")
                viewer.reset();
            const QStringList left = cacheLeftovers(dir.path(), cacheHome);
            if (!left.isEmpty())
                leftBehind << QString("run %1: %2").arg(run).arg(left.join(' '));
        }
        qInfo("%d runs, %d cut off, %d left files behind", runs, cutOff, int(leftBehind.size()));
        QVERIFY2(leftBehind.isEmpty(), qPrintable(leftBehind.join('\n')));
        QVERIFY2(cutOff > 0, "every open ended before it was cut off");
    }

    void exitWhileTheOpenWaitsOnAPipe_data()
    {
        QTest::addColumn<bool>("fileExit");
        QTest::newRow("window closed") << false;
        QTest::newRow("File > Exit") << true;
    }
    // A pipe whose writer sent the header and then nothing: the window closes at
    // once, and the open that waited leaves nothing behind.
    void exitWhileTheOpenWaitsOnAPipe()
    {
        QFETCH(bool, fileExit);
        QTemporaryDir dir;
        SlowPipe input(dir.filePath("run.f1"), SlowPipe::Pace::StallAfterHeader);
        QVERIFY(input.made());
        auto viewer = std::make_unique<Viewer>();
        viewer->frame.openDocument(dir.filePath("run.f1").toStdString());
        // Step 1's file is made once the header is read; its data never comes.
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(dir.filePath("SemTmp1.bin")), 20000);
        QVERIFY(viewer->document.isOpening());
        QElapsedTimer closing;
        closing.start();
        if (fileExit)
            viewer->frame.action(CommandId::appExit)->trigger();
        else
            viewer->frame.close();
        viewer.reset();
        QVERIFY2(closing.elapsed() < 1000, qPrintable(QString("closing took %1 ms").arg(closing.elapsed())));
        QCOMPARE(cacheLeftovers(dir.path(), qEnvironmentVariable("XDG_CACHE_HOME")), QStringList());
    }

private:
    // A shown main window whose message boxes are read and closed as they come.
    struct Viewer
    {
        Viewer()
        {
            reporter.setParentWidget(&frame);
            frame.show();
            QObject::connect(&closer, &QTimer::timeout, [this] {
                if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                    boxTexts << box->text();
                    if (whileBoxStands)
                        whileBoxStands();
                    box->accept();
                }
            });
            closer.start(20);
        }
        MessageBoxReporter reporter;
        CPlotDoc document{reporter};
        CMainFrame frame{document};
        QTimer closer;
        QStringList boxTexts;
        std::function<void()> whileBoxStands;
    };

    QTemporaryDir m_files;
};

QTEST_MAIN(TestOpenInTheViewer)
#include "tst_OpenInTheViewer.moc"

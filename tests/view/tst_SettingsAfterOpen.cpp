#include "data/CPlotDoc.h"
#include "view/ColSqLayout.h"
#include "view/DrawColoredSquare.h"
#include "model/PlotSettings.h"
#include "model/PullSettingsInside.h"
#include "support/RecordingCanvas.h"
#include "model/StepReload.h"

#include "support/TestHeader.h"
#include "support/TestSeam.h"
#include "view_helpers.h"

#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>
#include <set>

namespace {

// Every value tells its step, cell and item.
float taggedValue(int step, int ix, int iy, int k)
{
    return static_cast<float>(step * 1000 + ix * 100 + iy * 10 + k);
}

// Items named "Item k", cells of size 1, every value tagged with where it stands.
TestSeam taggedSeam(int steps, int columns, int rows, int items)
{
    return TestSeam().sized(steps, columns, rows, items).cells(1.0f).named({}, {}).valued(taggedValue);
}

} // namespace

class tst_SettingsAfterOpen : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(m_folder.isValid());
    }

    void stepReloadReadsThePendingStepOnce()
    {
        const QString path = m_folder.filePath("run.f1");
        // 3 steps of 3 columns, 2 rows, 2 items.
        QVERIFY(writeSeamFile(path.toStdString(), taggedSeam(3, 3, 2, 2)));
        RecordingReporter reporter;
        CPlotDoc document(reporter);
        QCOMPARE(document.openFile(path.toStdString()), CPlotDoc::OpenResult::Opened);
        // File Open leaves the last step in the grid.
        QCOMPARE(document.grid().values[1][1][1], taggedValue(3, 1, 1, 1));

        PlotSettings settings;
        QVERIFY(applyStepReload(document, settings));
        QVERIFY(!settings.stepReloadPending);
        QCOMPARE(document.grid().values[1][1][1], taggedValue(1, 1, 1, 1));

        // A grid that holds the step is not read again: the file's loss goes unnoticed.
        std::filesystem::remove(document.grid().CacheFileName(1));
        QVERIFY(applyStepReload(document, settings));
        QVERIFY(reporter.messages.empty());

        settings.step = 2;
        settings.stepReloadPending = true;
        QVERIFY(applyStepReload(document, settings));
        QCOMPARE(document.grid().values[2][0][0], taggedValue(2, 2, 0, 0));
        QCOMPARE(document.heldStep(), 2);
        QVERIFY(reporter.messages.empty());
    }

    void missingCacheFileShowsNoStep()
    {
        const QString path = m_folder.filePath("gone.f1");
        QVERIFY(writeSeamFile(path.toStdString(), taggedSeam(2, 1, 2, 2)));
        RecordingReporter reporter;
        CPlotDoc document(reporter);
        QCOMPARE(document.openFile(path.toStdString()), CPlotDoc::OpenResult::Opened);
        std::filesystem::remove(document.grid().CacheFileName(1));

        PlotSettings settings;
        QVERIFY(!applyStepReload(document, settings));
        QCOMPARE(reporter.messages.size(), std::size_t(1));
        QVERIFY(!settings.stepReloadPending);
        // The grid still holds the last step's values, but no step of the file: every
        // user that needs step 1 tries it again and is told, none gets step 2's values.
        QCOMPARE(document.heldStep(), 0);
        QVERIFY(!applyStepReload(document, settings));
        QCOMPARE(reporter.messages.size(), std::size_t(2));
    }

    // A second, smaller file: every setting made for the first is pulled inside
    // it, and the next draw reads the new file's step within its grid.
    void settingsPulledInsideASecondSmallerFile()
    {
        const QString large = m_folder.filePath("large.f1");
        const QString small = m_folder.filePath("small.f2");
        QVERIFY(writeSeamFile(large.toStdString(), taggedSeam(5, 6, 4, 3)));
        QVERIFY(writeSeamFile(small.toStdString(), taggedSeam(2, 3, 2, 2)));
        RecordingReporter reporter;
        CPlotDoc document(reporter);
        QCOMPARE(document.openFile(large.toStdString()), CPlotDoc::OpenResult::Opened);

        PlotSettings settings;
        ColSqLayout layout;
        RunLayoutStep(document.header(), settings, layout);
        settings.step = 5;
        settings.colSq.itemIndex = 2;
        settings.xsec.itemIndex = 2;
        settings.xsec.location = 4;
        settings.history.itemIndex = 1;
        settings.history.minX = 2;
        settings.history.maxX = 6;
        settings.history.minY = 3;
        settings.history.maxY = 4;
        settings.fishNet.itemIndex = 2;
        settings.plotTitle = "Item 2";
        QVERIFY(applyStepReload(document, settings));

        QCOMPARE(document.openFile(small.toStdString()), CPlotDoc::OpenResult::Opened);
        pullSettingsInside(document.header(), settings);
        QVERIFY(settings.stepReloadPending);
        QCOMPARE(settings.step, 2);
        QCOMPARE(settings.colSq.itemIndex, 0);
        QCOMPARE(settings.xsec.itemIndex, 0);
        QCOMPARE(settings.history.itemIndex, 1);
        QCOMPARE(settings.fishNet.itemIndex, 0);
        QCOMPARE(settings.xsec.location, 2);
        QCOMPARE(settings.history.minX, 2);
        QCOMPARE(settings.history.maxX, 3);
        QCOMPARE(settings.history.minY, 2);
        QCOMPARE(settings.history.maxY, 2);
        QCOMPARE(settings.plotTitle, std::string("Item 0"));

        QVERIFY(applyStepReload(document, settings));
        QCOMPARE(document.grid().values[2][1][0], taggedValue(2, 2, 1, 0));
        RunLayoutStep(document.header(), settings, layout);
        RecordingCanvas canvas;
        ReadoutGeometry readout;
        QVERIFY(DrawColoredSquare(document, settings, layout, canvas, readout));
        QCOMPARE(canvas.texts[0].text, QString("Item 0"));
        QCOMPARE(canvas.texts[1].text, QString("Scale (U 0)"));
        std::set<int> columnLefts;
        for (const RecordingCanvas::Fill &fill : canvas.fills)
            columnLefts.insert(fill.rect.left);
        QCOMPARE(columnLefts.size(), std::size_t(3));
        QCOMPARE(canvas.fills.back().rect.right, canvas.polylines[0].points[2].x());
        QVERIFY(reporter.messages.empty());
    }

    void pullKeepsSettingsInsideTheHeader_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<int>("step");
        QTest::addColumn<CrossSectionDirection>("direction");
        QTest::addColumn<int>("location");
        QTest::addColumn<int>("itemAfter");
        QTest::addColumn<int>("stepAfter");
        QTest::addColumn<int>("locationAfter");
        // The header: 4 steps, 3 items, 7 columns, 5 rows.
        QTest::newRow("all inside") << 2 << 4 << CrossSectionDirection::ParallelToX << 5 << 2 << 4 << 5;
        QTest::newRow("item at the count") << 3 << 1 << CrossSectionDirection::ParallelToX << 1 << 0 << 1 << 1;
        QTest::newRow("negative item, step 0") << -1 << 0 << CrossSectionDirection::ParallelToX << 1 << 0 << 1 << 1;
        QTest::newRow("row beyond the rows") << 0 << 9 << CrossSectionDirection::ParallelToX << 7 << 0 << 4 << 5;
        QTest::newRow("column within the columns") << 0 << 1 << CrossSectionDirection::ParallelToY << 7 << 0 << 1 << 7;
        QTest::newRow("column beyond the columns") << 0 << 1 << CrossSectionDirection::ParallelToY << 8 << 0 << 1 << 7;
        QTest::newRow("location 0") << 0 << 1 << CrossSectionDirection::ParallelToY << 0 << 0 << 1 << 1;
    }
    void pullKeepsSettingsInsideTheHeader()
    {
        QFETCH(int, item);
        QFETCH(int, step);
        QFETCH(CrossSectionDirection, direction);
        QFETCH(int, location);
        QFETCH(int, itemAfter);
        QFETCH(int, stepAfter);
        QFETCH(int, locationAfter);
        PlotSettings settings;
        settings.stepReloadPending = false;
        settings.colSq.itemIndex = settings.xsec.itemIndex = settings.history.itemIndex = settings.fishNet.itemIndex = item;
        settings.step = step;
        settings.xsec.direction = direction;
        settings.xsec.location = location;
        pullSettingsInside(makeHeader(4, 7, 5, 3), settings);
        QVERIFY(settings.stepReloadPending);
        QCOMPARE(settings.colSq.itemIndex, itemAfter);
        QCOMPARE(settings.xsec.itemIndex, itemAfter);
        QCOMPARE(settings.history.itemIndex, itemAfter);
        QCOMPARE(settings.fishNet.itemIndex, itemAfter);
        QCOMPARE(settings.step, stepAfter);
        QCOMPARE(settings.xsec.location, locationAfter);
    }

    void pullTitlesTheActivePlotAndRefillsCharts()
    {
        PlotSettings settings;
        settings.plotType = PlotType::History;
        settings.history.itemIndex = 1;
        settings.colSq.itemIndex = 2;
        settings.colSqDrawn = true;
        settings.plotTitle = "an item of the old file";
        pullSettingsInside(makeHeader(1, 3, 3, 2), settings);
        QCOMPARE(settings.plotTitle, std::string("Item 1"));
        QVERIFY(settings.xsecNeedsData);
        QVERIFY(settings.histNeedsData);
        QVERIFY(settings.fishnetNeedsData);
        // The readout waits for a drawing of the new grid.
        QVERIFY(!settings.colSqDrawn);
    }

private:
    QTemporaryDir m_folder;
};

QTEST_GUILESS_MAIN(tst_SettingsAfterOpen)
#include "tst_SettingsAfterOpen.moc"

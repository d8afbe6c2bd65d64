#include "widgets/view/CPlotView.h"

#include "widgets/charts/ChartPlots.h"
#include "data/CPlotDoc.h"
#include "view/ColoredSquareCopy.h"
#include "view/ProbeMarkers.h"
#include "widgets/view/MapProbes.h"
#include "support/DialogInput.h"
#include "support/TestSeam.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QContextMenuEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include <functional>

namespace {

// Keeps what Edit Copy hands over, or fails as told.
class FakeClipboard : public PlotClipboard
{
public:
    Result put(std::unique_ptr<QMimeData> data) override
    {
        held = std::move(data);
        ++puts;
        return result;
    }
    Result result = Result::Done;
    std::unique_ptr<QMimeData> held;
    int puts = 0;
};

// A view over a document of a file the test writes: 6 columns, 4 rows, 3 steps, 2 items.
// Value of item k at step s is s * 100 + ix * 10 + iy + k * 1000.
struct OpenView
{
    OpenView()
    {
        const TestSeam seam = TestSeam().sized(3, 6, 4, 2).named({}, {}).valued(
            [](int step, int ix, int iy, int k) { return float(step * 100 + ix * 10 + iy + k * 1000); });
        const QString path = dir.filePath("run.f1");
        writeSeamFile(path.toStdString(), seam);
        view.resize(1100, 850);
        view.setClipboard(&clipboard);
        document.openFile(path.toStdString());
        view.OnDraw();
    }
    void showAndPaint()
    {
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QTRY_VERIFY(view.settings().colSqDrawn);
    }

    QTemporaryDir dir;
    RecordingReporter reporter;
    CPlotDoc document{reporter};
    CPlotView view{document};
    FakeClipboard clipboard;
};

// Keeps the messages and counts those that arrive while the watched widget paints.
class PaintWatchingReporter : public Reporter
{
public:
    void report(const std::string &message) override
    {
        messages.push_back(message);
        if (watched && watched->paintingActive())
            ++duringPaint;
    }
    QWidget *watched = nullptr;
    std::vector<std::string> messages;
    int duringPaint = 0;
};

// The point of the view's viewport at the middle of a cell, from the last drawing.
QPoint cellCentre(const CPlotView &view, int ix, int iy, int columns, int rows)
{
    const QRect grid = view.readoutGeometry().gridDeviceRect;
    return QPoint(grid.left() + (2 * ix + 1) * grid.width() / (2 * columns),
                  grid.bottom() - (2 * iy + 1) * grid.height() / (2 * rows));
}

// Triggers the item of the next popup menu that opens, as a user picks it.
void pickFromMenu(const QString &item)
{
    QTimer::singleShot(50, [item] {
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget()))
            for (QAction *action : menu->actions())
                if (action->text() == item)
                    action->trigger();
        if (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
    });
}

} // namespace

class TestPlotView : public QObject
{
    Q_OBJECT

private slots:
    void readoutFollowsThePointer()
    {
        OpenView open;
        open.showAndPaint();
        QSignalSpy readouts(&open.view, &CPlotView::readoutChanged);
        QTest::mouseMove(open.view.viewport(), cellCentre(open.view, 2, 1, 6, 4));
        QCOMPARE(readouts.last().at(0).toString(), QString("x =   3, y =   2,          121"));
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), QString("x =   3, y =   2,          121"));

        // Another cell hides the tip; it comes back with the new cell's text.
        QTest::mouseMove(open.view.viewport(), cellCentre(open.view, 5, 3, 6, 4));
        QCOMPARE(readouts.last().at(0).toString(), QString("x =   6, y =   4,          153"));
        QTRY_COMPARE(QToolTip::text(), QString("x =   6, y =   4,          153"));

        // The legend is off the grid: no readout.
        const QRect grid = open.view.readoutGeometry().gridDeviceRect;
        QTest::mouseMove(open.view.viewport(), QPoint(grid.right() + 100, grid.center().y()));
        QCOMPARE(readouts.last().at(0).toString(), QString());
        QTRY_VERIFY(!QToolTip::isVisible());
    }

    // The tip shows 200 ms after the pointer comes to rest, not 200 ms after it entered the cell.
    void readoutTipWaitsForThePointerToRest()
    {
        OpenView open;
        open.showAndPaint();
        const QPoint centre = cellCentre(open.view, 2, 1, 6, 4);
        QTest::mouseMove(open.view.viewport(), centre);
        QTest::qWait(120);
        if (QToolTip::isVisible())
            QSKIP("the event loop ran too late to tell entering from resting");
        QElapsedTimer sinceRest;
        QTest::mouseMove(open.view.viewport(), centre + QPoint(3, 2));
        sinceRest.start();
        QTest::qWait(120);
        const bool shownEarly = QToolTip::isVisible();
        if (sinceRest.elapsed() >= 190)
            QSKIP("the event loop ran too late to tell entering from resting");
        QVERIFY(!shownEarly);
        QTRY_COMPARE(QToolTip::text(), QString("x =   3, y =   2,          121"));
    }

    // The pointer rests on a cell while the drawing under it changes: the readout
    // and the tip name the cell under the pointer now, with its value now.
    void readoutFollowsTheDrawingUnderARestingPointer_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("expected"); // empty: whatever a pointer moved there reads now
        QTest::addColumn<QPoint>("cell");          // where the pointer rests, 0-based
        QTest::newRow("next step") << "step" << "x =   3, y =   2,          321" << QPoint(2, 1);
        QTest::newRow("another item") << "item" << "x =   3, y =   2,         1121" << QPoint(2, 1);
        QTest::newRow("another file") << "file" << "x =   3, y =   2,         7021" << QPoint(2, 1);
        QTest::newRow("a chart and back") << "chart" << "x =   3, y =   2,          121" << QPoint(2, 1);
        QTest::newRow("zoom") << "zoom" << QString() << QPoint(5, 3);
        QTest::newRow("scroll") << "scroll" << QString() << QPoint(1, 3);
    }
    void readoutFollowsTheDrawingUnderARestingPointer()
    {
        QFETCH(QString, change);
        QFETCH(QString, expected);
        QFETCH(QPoint, cell);
        OpenView open;
        open.showAndPaint();
        if (change == "scroll") {
            open.view.zoomIn();
            open.view.zoomIn();
            QTest::qWait(50);
        }
        const QPoint point = cellCentre(open.view, cell.x(), cell.y(), 6, 4);
        QVERIFY(open.view.viewport()->rect().contains(point));
        QSignalSpy readouts(&open.view, &CPlotView::readoutChanged);
        // From elsewhere: a move to where the pointer stands already is no move.
        QTest::mouseMove(open.view.viewport(), QPoint(1, 1));
        QTest::mouseMove(open.view.viewport(), point);
        const QString before = readouts.last().at(0).toString();
        QVERIFY(!before.isEmpty());
        QTRY_COMPARE(QToolTip::text(), before);

        if (change == "step") {
            open.view.changeStep(3);
        } else if (change == "item") {
            open.view.settings().colSq.itemIndex = 1;
            open.view.OnUpdate();
        } else if (change == "file") {
            const TestSeam other = TestSeam().sized(2, 6, 4, 1).named({}, {}).valued(
                [](int, int ix, int iy, int) { return float(7000 + ix * 10 + iy); });
            const QString path = open.dir.filePath("other.f1");
            writeSeamFile(path.toStdString(), other);
            open.document.openFile(path.toStdString());
        } else if (change == "chart") {
            open.view.settings().plotType = PlotType::History;
            open.view.OnDraw();
            QTRY_COMPARE(readouts.last().at(0).toString(), QString());
            open.view.settings().plotType = PlotType::ColoredSquare;
            open.view.OnUpdate();
        } else if (change == "zoom") {
            open.view.zoomIn();
        } else if (change == "scroll") {
            QScrollBar *bar = open.view.horizontalScrollBar();
            bar->setValue(bar->value() + open.view.readoutGeometry().gridDeviceRect.width() / 6 + 7);
        }
        if (expected.isEmpty()) {
            // The cell under the pointer is another now, and the readout says which.
            QTRY_VERIFY(readouts.last().at(0).toString() != before);
            expected = readouts.last().at(0).toString();
            QVERIFY(!expected.isEmpty());
            QTest::mouseMove(open.view.viewport(), QPoint(1, 1));
            QTest::mouseMove(open.view.viewport(), point);
            QCOMPARE(readouts.last().at(0).toString(), expected);
        }
        QTRY_COMPARE(readouts.last().at(0).toString(), expected);
        QTRY_COMPARE(QToolTip::text(), expected);
    }

    // Edit Copy draws into its own pictures; the readout must not keep their geometry.
    void readoutAfterCopyFindsTheScreensCells()
    {
        OpenView open;
        open.showAndPaint();
        const QRect screenGrid = open.view.readoutGeometry().gridDeviceRect;
        open.view.CopyPlotCommand();
        QTRY_COMPARE(open.view.readoutGeometry().gridDeviceRect, screenGrid);
        QSignalSpy readouts(&open.view, &CPlotView::readoutChanged);
        QTest::mouseMove(open.view.viewport(), cellCentre(open.view, 4, 0, 6, 4));
        QCOMPARE(readouts.last().at(0).toString(), QString("x =   5, y =   1,          140"));
    }

    // Cells so small that the page scale overflows float32 are refused at the open with
    // the reason, shown from outside any paint, and the view draws nothing of them.
    void tinyCellsAreRefusedBeforeAnyPaint()
    {
        const TestSeam seam = TestSeam().cells(1.0e-37f);
        QTemporaryDir dir;
        const QString path = dir.filePath("tiny.f1");
        QVERIFY(writeSeamFile(path.toStdString(), seam));
        PaintWatchingReporter reporter;
        CPlotDoc document(reporter);
        CPlotView view(document);
        reporter.watched = view.viewport();
        view.resize(400, 300);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QVERIFY(document.openFile(path.toStdString()) == CPlotDoc::OpenResult::Failed);
        QCOMPARE(reporter.messages.size(), std::size_t(1));
        QVERIFY(QString::fromStdString(reporter.messages.front())
                    .contains("are too small for the plot's scale in 32-bit floating-point numbers"));
        view.OnUpdate();
        view.viewport()->repaint();
        QTest::qWait(20);
        QCOMPARE(reporter.messages.size(), std::size_t(1));
        QCOMPARE(reporter.duringPaint, 0);
    }

    // The view shows the page's top-left at first: the thumbs, darker than their
    // track, must stand there, and at the far ends once scrolled there.
    void scrollBarThumbsStandWhereTheViewIs()
    {
        OpenView open;
        open.view.resize(600, 400);
        open.view.actualSize();
        open.showAndPaint();
        for (QScrollBar *bar : {open.view.horizontalScrollBar(), open.view.verticalScrollBar()}) {
            // The lightness along the track's middle line, a sixth in from either end.
            const auto lightnessAt = [bar](double share) {
                const QImage shown = bar->grab().toImage();
                const bool across = bar->orientation() == Qt::Horizontal;
                const QPoint at = across ? QPoint(int(shown.width() * share), shown.height() / 2)
                                         : QPoint(shown.width() / 2, int(shown.height() * share));
                return QColor(shown.pixel(at)).lightness();
            };
            bar->setValue(bar->minimum());
            QVERIFY(lightnessAt(1.0 / 6) < lightnessAt(5.0 / 6) - 20);
            bar->setValue(bar->maximum());
            QVERIFY(lightnessAt(5.0 / 6) < lightnessAt(1.0 / 6) - 20);
        }
    }

    // The status bar's readout of the last cell goes when a chart takes the view.
    void chartPlotClearsTheReadout()
    {
        OpenView open;
        open.showAndPaint();
        QSignalSpy readouts(&open.view, &CPlotView::readoutChanged);
        QTest::mouseMove(open.view.viewport(), cellCentre(open.view, 1, 1, 6, 4));
        QCOMPARE(readouts.last().at(0).toString(), QString("x =   2, y =   2,          111"));
        open.view.settings().plotType = PlotType::History;
        open.view.settings().histNeedsData = true;
        open.view.OnDraw();
        QCOMPARE(readouts.last().at(0).toString(), QString());
    }

    void noReadoutForAChartPlot()
    {
        OpenView open;
        open.showAndPaint();
        const QPoint inside = cellCentre(open.view, 1, 1, 6, 4);
        open.view.settings().plotType = PlotType::CrossSection;
        open.view.settings().xsecNeedsData = true;
        open.view.OnDraw();
        QVERIFY(!open.view.settings().colSqDrawn);
        QSignalSpy readouts(&open.view, &CPlotView::readoutChanged);
        QTest::mouseMove(open.view.viewport(), inside);
        // The chart covers the page; whatever reaches the view reads no cell.
        for (const QList<QVariant> &readout : readouts)
            QCOMPARE(readout.at(0).toString(), QString());
        QTRY_VERIFY(!QToolTip::isVisible());
    }

    void copyPutsSvgAndBitmapOfThePage()
    {
        OpenView open;
        open.view.CopyPlotCommand();
        QCOMPARE(open.clipboard.puts, 1);
        QVERIFY(open.clipboard.held->hasImage());
        const QImage bitmap = qvariant_cast<QImage>(open.clipboard.held->imageData());
        QCOMPARE(bitmap.size(), QSize(1024, 768));
        const QString svg = QString::fromUtf8(open.clipboard.held->data("image/svg+xml"));
        QVERIFY2(svg.contains("width=\"256mm\"") && svg.contains("height=\"192mm\""), qPrintable(svg.left(400)));
        QVERIFY(svg.contains("<title>Sembla</title>"));
        QVERIFY(svg.contains("<desc>Colored Square Plot</desc>"));
        QVERIFY(open.reporter.messages.empty());
    }

    void copyAfterAStepChangeHoldsTheNewStep()
    {
        OpenView open;
        open.view.CopyPlotCommand();
        const QImage step1 = qvariant_cast<QImage>(open.clipboard.held->imageData());
        // As the plot commands leave it: another step, not read yet.
        open.view.settings().step = 2;
        open.view.settings().stepReloadPending = true;
        open.view.CopyPlotCommand();
        const QImage copied = qvariant_cast<QImage>(open.clipboard.held->imageData());
        QVERIFY(!open.view.settings().stepReloadPending);
        QCOMPARE(open.document.grid().values[5][3][0], 253.0f);

        ReadoutGeometry readout;
        PlotSettings settings = open.view.settings();
        const QImage expected = ColoredSquareCopy::bitmap(open.document, settings, open.view.layout(), readout);
        QCOMPARE(copied, expected);
        // The legend labels differ between the steps, so the pictures must too.
        QVERIFY(copied != step1);
    }

    void copyFailuresAreReported_data()
    {
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("message");
        QTest::newRow("open") << int(PlotClipboard::Result::CannotOpen) << "Cannot open the Clipboard";
        QTest::newRow("empty") << int(PlotClipboard::Result::CannotEmpty) << "Cannot empty the Clipboard";
        QTest::newRow("set") << int(PlotClipboard::Result::CannotSet) << "Unable to set Clipboard data";
    }
    void copyFailuresAreReported()
    {
        QFETCH(int, result);
        QFETCH(QString, message);
        OpenView open;
        open.clipboard.result = PlotClipboard::Result(result);
        open.view.CopyPlotCommand();
        QCOMPARE(open.reporter.messages, std::vector<std::string>{message.toStdString()});
    }

    void nothingWithoutAFile()
    {
        RecordingReporter reporter;
        CPlotDoc document(reporter);
        CPlotView view(document);
        FakeClipboard clipboard;
        view.setClipboard(&clipboard);
        view.CopyPlotCommand();
        view.OnColoredSquarePlot();
        view.OnCrossSectionPlot();
        view.OnHistoryPlot();
        view.OnFishNetPlot();
        view.OnDraw();
        QCOMPARE(clipboard.puts, 0);
        QVERIFY(reporter.messages.empty());
        QCOMPARE(view.settings().plotType, PlotType::ColoredSquare);
    }

    void plotCommandTakesTheDialogsChoice()
    {
        OpenView open;
        open.view.settings().step = 1;
        open.view.settings().stepReloadPending = false;
        // Accept the dialog as it opens, with its first item and the step it shows.
        whenIdle([] {
            if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
                dialog->accept();
        });
        open.view.OnCrossSectionPlot();
        QCOMPARE(open.view.settings().plotType, PlotType::CrossSection);
        QVERIFY(open.view.settings().xsecNeedsData);
        QCOMPARE(open.view.settings().plotTitle, std::string("Item 0"));
        QVERIFY(!open.view.settings().stepReloadPending);
    }

    void cancelledCommandChangesNothing()
    {
        OpenView open;
        const PlotSettings before = open.view.settings();
        whenIdle([] {
            if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
                dialog->reject();
        });
        open.view.OnHistoryPlot();
        const PlotSettings &after = open.view.settings();
        QCOMPARE(after.plotType, before.plotType);
        QCOMPARE(after.histNeedsData, before.histNeedsData);
        QCOMPARE(after.history.maxX, before.history.maxX);
        QCOMPARE(after.plotTitle, before.plotTitle);
    }

    void exportsWriteWhereTheChooserSays()
    {
        OpenView open;
        std::string offered;
        int waitBoxes = 0;
        const QString target = open.dir.filePath("grid.asc");
        open.view.setOutputPathChooser([&](const OutputFileRequest &request) {
            offered = request.defaultName;
            return target.toStdString();
        });
        open.view.setWaitBoxFactory([&] {
            ++waitBoxes;
            return std::make_unique<QWidget>();
        });
        open.view.SaveAsciiCommand();
        QCOMPARE(QString::fromStdString(offered), open.dir.filePath("run-Item_3D"));
        QCOMPARE(waitBoxes, 1);
        QFile written(target);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll().count("\r\n"), 6 * 4);

        // Cancelling the file choice writes nothing and shows no box.
        open.view.setOutputPathChooser([](const OutputFileRequest &) { return std::string(); });
        open.view.SaveDxfCommand();
        QCOMPARE(waitBoxes, 1);
        QVERIFY(open.reporter.messages.empty());
    }

    // Another program took step 2's cache file: the view shows nothing for that
    // step, neither the cells of the step before nor their readout.
    void unreadableStepShowsNothing()
    {
        OpenView open;
        open.showAndPaint();
        const QImage blank = [&] {
            QImage white(open.view.viewport()->size(), QImage::Format_RGB32);
            white.fill(Qt::white);
            return white;
        }();
        QVERIFY(open.view.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32) != blank);
        QVERIFY(QFile::remove(QString::fromStdString(open.document.grid().CacheFileName(2))));
        open.view.settings().step = 2;
        open.view.settings().stepReloadPending = true;
        open.view.OnUpdate();
        QTRY_COMPARE(open.reporter.messages.size(), std::size_t(1));
        QTRY_VERIFY(!open.view.settings().colSqDrawn);
        QCOMPARE(open.view.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32), blank);
        QTest::mouseMove(open.view.viewport(), cellCentre(open.view, 2, 1, 6, 4));
        QVERIFY(!QToolTip::isVisible());
        QCOMPARE(open.reporter.messages.size(), std::size_t(1));
    }

    // While a file is read, a step not read yet is waited for, never drawn from the grid.
    void stepNotReadYetIsWaitedFor()
    {
        QTemporaryDir dir;
        std::string text = "6, 0, 1.0, 2, 2, 0.0, 0.0\n1, S\n1, U\n";
        for (int s = 1; s <= 6; ++s)
            text += (s == 3 ? "\n" : "") + std::string("1\n2\n3\n4\n");
        QFile file(dir.filePath("run.f1"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text.c_str()) > 0);
        file.close();
        struct HoldingReporter : RecordingReporter
        {
            std::function<void()> check;
            void report(const std::string &message) override
            {
                RecordingReporter::report(message);
                check();
            }
        } reporter;
        CPlotDoc document(reporter);
        CPlotView view(document);
        view.resize(1100, 850);
        view.show();
        bool drawnWhileWaiting = true;
        reporter.check = [&] {
            // Held after step 3: step 5 is not read yet.
            QTRY_VERIFY(view.settings().colSqDrawn);
            view.settings().step = 5;
            view.settings().stepReloadPending = true;
            view.OnDraw();
            QTest::qWait(50);
            drawnWhileWaiting = view.settings().colSqDrawn;
        };
        document.beginOpen(dir.filePath("run.f1").toStdString());
        QTRY_VERIFY(!document.isOpening());
        QVERIFY(!drawnWhileWaiting);
        QTRY_VERIFY(view.settings().colSqDrawn);
        QCOMPARE(document.heldStep(), 5);
    }

    // From the map to the charts: a cell's menu runs the section along its
    // row or column or its history; a Shift drag the history of a window.
    void cellMenuRunsTheCommands()
    {
        OpenView open;
        open.showAndPaint();
        open.view.settings().colSq.itemIndex = 1;
        const auto rightClick = [&](int ix, int iy, const QString &item) {
            pickFromMenu(item);
            const QPoint at = cellCentre(open.view, ix, iy, 6, 4);
            QContextMenuEvent event(QContextMenuEvent::Mouse, at, open.view.viewport()->mapToGlobal(at));
            QCoreApplication::sendEvent(open.view.viewport(), &event);
        };
        rightClick(2, 1, "Cross Section Along This Row");
        const PlotSettings &settings = open.view.settings();
        QCOMPARE(settings.plotType, PlotType::CrossSection);
        QCOMPARE(settings.xsec.direction, CrossSectionDirection::ParallelToX);
        QCOMPARE(settings.xsec.location, 2);
        QCOMPARE(settings.xsec.itemIndex, 1);

        open.view.settings().plotType = PlotType::ColoredSquare;
        open.view.OnDraw();
        QTRY_VERIFY(open.view.settings().colSqDrawn);
        rightClick(2, 1, "Cross Section Along This Column");
        QCOMPARE(settings.xsec.direction, CrossSectionDirection::ParallelToY);
        QCOMPARE(settings.xsec.location, 3);

        open.view.settings().plotType = PlotType::ColoredSquare;
        open.view.OnDraw();
        QTRY_VERIFY(open.view.settings().colSqDrawn);
        pickFromMenu("History of This Window");
        QWidget *viewport = open.view.viewport();
        QTest::mousePress(viewport, Qt::LeftButton, Qt::ShiftModifier, cellCentre(open.view, 3, 2, 6, 4));
        QMouseEvent move(QEvent::MouseMove, cellCentre(open.view, 1, 0, 6, 4), viewport->mapToGlobal(QPoint()),
                         Qt::NoButton, Qt::LeftButton, Qt::ShiftModifier);
        QCoreApplication::sendEvent(viewport, &move);
        QTest::mouseRelease(viewport, Qt::LeftButton, Qt::ShiftModifier, QPoint(-5, -5)); // off the grid
        QCOMPARE(settings.plotType, PlotType::History);
        QCOMPARE((QList<int>{settings.history.minX, settings.history.maxX, settings.history.minY, settings.history.maxY}),
                 (QList<int>{2, 4, 1, 3}));
        QCOMPARE(settings.history.itemIndex, 1);
        QCOMPARE(settings.step, 1);
    }

    // The page fitted to the view or zoomed: the readout still names the cell under the pointer.
    void readoutFollowsTheZoom()
    {
        OpenView open;
        open.showAndPaint();
        QVERIFY(open.view.zoom().fitsWindow());
        open.view.zoomIn();
        open.view.zoomIn();
        QVERIFY(!open.view.zoom().fitsWindow());
        QTRY_VERIFY(open.view.readoutGeometry().gridDeviceRect.width() > 0);
        open.view.horizontalScrollBar()->setValue(0);
        open.view.verticalScrollBar()->setValue(open.view.verticalScrollBar()->maximum());
        QTest::qWait(50);
        QSignalSpy readouts(&open.view, &CPlotView::readoutChanged);
        QTest::mouseMove(open.view.viewport(), cellCentre(open.view, 1, 0, 6, 4));
        QCOMPARE(readouts.last().at(0).toString(), QString("x =   2, y =   1,          110"));
    }

    // Ctrl+wheel over a cell: after each zoom step the same cell lies under the pointer.
    void ctrlWheelZoomsAboutThePointer_data()
    {
        QTest::addColumn<int>("ix");
        QTest::addColumn<int>("iy");
        QTest::addColumn<int>("turns"); // positive in, negative out
        QTest::newRow("in over a middle cell") << 2 << 1 << 4;
        QTest::newRow("in over the last cell") << 5 << 3 << 3;
        QTest::newRow("in, then back out") << 3 << 2 << -2;
    }
    void ctrlWheelZoomsAboutThePointer()
    {
        QFETCH(int, ix);
        QFETCH(int, iy);
        QFETCH(int, turns);
        OpenView open;
        open.showAndPaint();
        const QPoint pointer = cellCentre(open.view, ix, iy, 6, 4);
        QSignalSpy readouts(&open.view, &CPlotView::readoutChanged);
        QTest::mouseMove(open.view.viewport(), pointer);
        const QString cell = readouts.last().at(0).toString();
        QVERIFY(!cell.isEmpty());
        const auto wheel = [&](int delta) {
            QWheelEvent event(pointer, open.view.viewport()->mapToGlobal(QPointF(pointer)), QPoint(), QPoint(0, delta),
                              Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(open.view.viewport(), &event);
            QTest::qWait(30); // the repaint leaves the new geometry
            QTest::mouseMove(open.view.viewport(), pointer + QPoint(1, 0));
            QTest::mouseMove(open.view.viewport(), pointer);
            QCOMPARE(readouts.last().at(0).toString(), cell);
        };
        for (int i = 0; i < std::abs(turns) + 2; ++i)
            wheel(120);
        for (int i = 0; turns < 0 && i < -turns; ++i)
            wheel(-120);
        QVERIFY(!open.view.zoom().fitsWindow());
    }

    void middleDragPansThePage()
    {
        OpenView open;
        open.showAndPaint();
        open.view.zoomIn();
        open.view.zoomIn();
        open.view.zoomIn();
        QScrollBar *across = open.view.horizontalScrollBar();
        QScrollBar *down = open.view.verticalScrollBar();
        across->setValue(across->maximum() / 2);
        down->setValue(down->maximum() / 2);
        const QPoint start(across->value(), down->value());
        QWidget *viewport = open.view.viewport();
        const QPoint from(300, 300);
        QTest::mousePress(viewport, Qt::MiddleButton, Qt::NoModifier, from);
        QMouseEvent move(QEvent::MouseMove, QPointF(from + QPoint(-40, 25)), viewport->mapToGlobal(QPointF(from)),
                         Qt::NoButton, Qt::MiddleButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
        // The page follows the hand: dragged left and down, it shows more of the right and the top.
        QCOMPARE(QPoint(across->value(), down->value()), start + QPoint(40, -25));
        QTest::mouseRelease(viewport, Qt::MiddleButton, Qt::NoModifier, from + QPoint(-40, 25));
        QCOMPARE(viewport->cursor().shape(), Qt::ArrowCursor);
    }

    void anotherFileOpensFitted()
    {
        OpenView open;
        open.showAndPaint();
        open.view.zoomIn();
        QVERIFY(!open.view.zoom().fitsWindow());
        // The same file again keeps the zoom; another is seen whole first.
        emit open.document.updateAllViews();
        QVERIFY(!open.view.zoom().fitsWindow());
        const QString other = open.dir.filePath("other.f1");
        writeSeamFile(other.toStdString(), TestSeam().sized(2, 3, 3, 1));
        QCOMPARE(open.document.openFile(other.toStdString()), CPlotDoc::OpenResult::Opened);
        QVERIFY(open.view.zoom().fitsWindow());
    }

    // A click on a cell pins it and its marker shows on screen; a second click
    // removes it; a ninth probe is refused with its message; a Shift-dragged
    // window is pinned from its menu; another file takes the probes away.
    void clicksPinProbesOnTheMap()
    {
        OpenView open;
        open.showAndPaint();
        QWidget *viewport = open.view.viewport();
        QSignalSpy changes(&open.view.probes(), &MapProbes::changed);
        const ProbeSet &pinned = open.view.probes().probes();
        QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, cellCentre(open.view, 2, 1, 6, 4));
        QCOMPARE(pinned.size(), 1);
        QCOMPARE(pinned.probes()[0].label(), std::string("column 3, row 2"));
        const auto markers = ProbeMarkers::markers(pinned, open.view.readoutGeometry());
        QCOMPARE(int(markers.size()), 1);
        const QImage shown = viewport->grab().toImage();
        const QPoint edge = markers[0].mark.topLeft() + QPoint(0, markers[0].mark.height() / 2);
        QCOMPARE(shown.pixelColor(edge), QColor(Qt::black));
        QCOMPARE(shown.pixelColor(edge + QPoint(1, 0)), markers[0].colour);
        QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, cellCentre(open.view, 2, 1, 6, 4));
        QVERIFY(pinned.empty());
        QCOMPARE(changes.count(), 2);

        for (int ix = 0; ix < ProbeSet::maxProbes + 1; ++ix)
            QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, cellCentre(open.view, ix % 6, ix / 6, 6, 4));
        QCOMPARE(pinned.size(), ProbeSet::maxProbes);
        QCOMPARE(open.reporter.messages.back(), ProbeSet::refusalText());
        open.view.probes().remove(0);
        pickFromMenu("Pin This Window");
        QTest::mousePress(viewport, Qt::LeftButton, Qt::ShiftModifier, cellCentre(open.view, 1, 3, 6, 4));
        QMouseEvent move(QEvent::MouseMove, cellCentre(open.view, 3, 2, 6, 4), viewport->mapToGlobal(QPoint()),
                         Qt::NoButton, Qt::LeftButton, Qt::ShiftModifier);
        QCoreApplication::sendEvent(viewport, &move);
        QTest::mouseRelease(viewport, Qt::LeftButton, Qt::ShiftModifier, cellCentre(open.view, 3, 2, 6, 4));
        QCOMPARE(pinned.size(), ProbeSet::maxProbes);
        QCOMPARE(pinned.probes().back().label(), std::string("columns 2..4, rows 3..4"));
        QCOMPARE(open.view.settings().plotType, PlotType::ColoredSquare);

        const QString other = open.dir.filePath("other.f1");
        writeSeamFile(other.toStdString(), TestSeam().sized(2, 3, 3, 1));
        changes.clear();
        QCOMPARE(open.document.openFile(other.toStdString()), CPlotDoc::OpenResult::Opened);
        QVERIFY(pinned.empty());
        QCOMPARE(changes.count(), 1);
    }

    void fileNewLeavesTheViewBlank()
    {
        OpenView open;
        open.view.settings().plotType = PlotType::CrossSection;
        open.view.settings().xsecNeedsData = true;
        open.view.show();
        open.view.OnDraw();
        ChartHost *chart = open.view.charts().host(PlotType::CrossSection);
        QVERIFY(chart && chart->control() && chart->control()->isVisible());
        open.document.DeleteContents();
        emit open.document.updateAllViews();
        QTRY_VERIFY(!chart->control() || !chart->control()->isVisible());
    }
};

QTEST_MAIN(TestPlotView)
#include "tst_PlotView.moc"

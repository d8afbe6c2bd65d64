#include "widgets/view/ProbePinning.h"

#include "data/CPlotDoc.h"
#include "support/RecordingReporter.h"
#include "view/CursorReadout.h"
#include "widgets/view/CPlotView.h"

#include <QApplication>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

namespace {

// The example panel (80 x 60 cells) in a view on screen, with the probes' gestures on its viewport.
struct PinningView
{
    PinningView()
    {
        view.resize(1100, 850);
        document.openFile(SEMBLA_EXAMPLES "/panel.f1");
        view.OnDraw();
        view.show();
        if (!QTest::qWaitForWindowExposed(&view))
            qFatal("the view is not shown");
    }
    bool painted() { return QTest::qWaitFor([this] { return view.settings().colSqDrawn; }); }
    QWidget *viewport() const { return view.viewport(); }
    // The point at fractions of the grid's rectangle, from the left and from the top.
    QPoint inGrid(double across, double down) const
    {
        const QRect grid = view.readoutGeometry().gridDeviceRect;
        return QPoint(grid.left() + int(across * grid.width()), grid.top() + 1 + int(down * (grid.height() - 1)));
    }
    // The cell the readout names at the point, as the user reads it: (0, 0) for none.
    QPoint readoutCell(QPoint point)
    {
        QTest::mouseMove(viewport(), point);
        static const QRegularExpression cell("^x = +(\\d+), y = +(\\d+),");
        const QRegularExpressionMatch match = cell.match(readout);
        return match.hasMatch() ? QPoint(match.captured(1).toInt(), match.captured(2).toInt()) : QPoint();
    }
    void dragMove(QPoint to, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
    {
        QMouseEvent move(QEvent::MouseMove, QPointF(to), viewport()->mapToGlobal(QPointF(to)), Qt::NoButton, button,
                         modifiers);
        QApplication::sendEvent(viewport(), &move);
    }

    RecordingReporter reporter;
    CPlotDoc document{reporter};
    CPlotView view{document};
    QString readout;
    QMetaObject::Connection readoutWatch = QObject::connect(&view, &CPlotView::readoutChanged,
                                                            [this](const QString &text) { readout = text; });
    ProbePinning pinning{view.viewport(), [this](QPoint point) -> std::optional<QPoint> {
                             const int cell = CursorReadout::HitTestCell(point, view.settings(), document.isLoaded(),
                                                                         document.header(), view.readoutGeometry());
                             if (cell == 0)
                                 return std::nullopt;
                             const CursorReadout::Cell named = CursorReadout::decode(cell, document.header().rowCount);
                             return QPoint(named.ix + 1, named.iy + 1);
                         }};
};

QPoint cellOf(const QList<QVariant> &signal)
{
    return QPoint(signal.at(0).toInt(), signal.at(1).toInt());
}

void zoomInOnGrid(PinningView &shown)
{
    shown.view.zoomIn();
    shown.view.zoomIn();
    shown.view.zoomIn();
    shown.view.horizontalScrollBar()->setValue(shown.view.horizontalScrollBar()->maximum() / 2);
    shown.view.verticalScrollBar()->setValue(shown.view.verticalScrollBar()->maximum() / 2);
    QTest::qWait(50); // the repaint leaves the new geometry
}

} // namespace

class TestProbePinning : public QObject
{
    Q_OBJECT

private slots:
    // A click names the cell the readout names there, at Fit and zoomed, and the
    // pointer's cell follows it; a move within one cell says nothing new.
    void clickNamesTheReadoutsCell_data()
    {
        QTest::addColumn<bool>("zoomed");
        QTest::addColumn<double>("across");
        QTest::addColumn<double>("down");
        QTest::newRow("fitted, bottom left cell") << false << 0.0 << 0.999;
        QTest::newRow("fitted, top right cell") << false << 0.999 << 0.0;
        QTest::newRow("fitted, inside") << false << 0.37 << 0.61;
        QTest::newRow("zoomed, inside") << true << 0.5 << 0.5;
        QTest::newRow("zoomed, off the middle") << true << 0.52 << 0.47;
    }
    void clickNamesTheReadoutsCell()
    {
        QFETCH(bool, zoomed);
        QFETCH(double, across);
        QFETCH(double, down);
        PinningView shown;
        QVERIFY(shown.painted());
        if (zoomed)
            zoomInOnGrid(shown);
        QVERIFY(!shown.view.zoom().fitsWindow() == zoomed);
        const QPoint at = shown.inGrid(across, down);
        QVERIFY(shown.viewport()->rect().contains(at));
        QSignalSpy pointer(&shown.pinning, &ProbePinning::pointerCell);
        const QPoint named = shown.readoutCell(at);
        QVERIFY(!named.isNull());
        QCOMPARE(cellOf(pointer.last()), named);
        const int moves = pointer.count();
        QSignalSpy clicks(&shown.pinning, &ProbePinning::cellClicked);
        QTest::mouseClick(shown.viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(cellOf(clicks.first()), named);
        QCOMPARE(pointer.count(), moves);
    }

    // A Shift drag names the window from the cell it began on to the one it ended
    // on, as the readout names them; off the grid it ends at the last cell it was over.
    void shiftDragPicksTheWindow_data()
    {
        QTest::addColumn<bool>("zoomed");
        QTest::addColumn<bool>("releasedOffTheGrid");
        QTest::newRow("fitted") << false << false;
        QTest::newRow("fitted, released off the grid") << false << true;
        QTest::newRow("zoomed") << true << false;
    }
    void shiftDragPicksTheWindow()
    {
        QFETCH(bool, zoomed);
        QFETCH(bool, releasedOffTheGrid);
        PinningView shown;
        QVERIFY(shown.painted());
        if (zoomed)
            zoomInOnGrid(shown);
        const QPoint from = shown.inGrid(0.62, 0.3);
        const QPoint to = shown.inGrid(0.41, 0.55);
        const QPoint first = shown.readoutCell(from);
        const QPoint last = shown.readoutCell(to);
        QVERIFY(!first.isNull() && !last.isNull() && first.x() > last.x() && first.y() > last.y());
        QSignalSpy windows(&shown.pinning, &ProbePinning::windowPicked);
        QSignalSpy clicks(&shown.pinning, &ProbePinning::cellClicked);
        QTest::mousePress(shown.viewport(), Qt::LeftButton, Qt::ShiftModifier, from);
        shown.dragMove(to, Qt::LeftButton, Qt::ShiftModifier);
        const QPoint release = releasedOffTheGrid ? QPoint(2, 2) : to;
        shown.dragMove(release, Qt::LeftButton, Qt::ShiftModifier);
        QTest::mouseRelease(shown.viewport(), Qt::LeftButton, Qt::ShiftModifier, release);
        QCOMPARE(windows.count(), 1);
        const QList<QVariant> window = windows.first();
        QCOMPARE((QList<int>{window.at(0).toInt(), window.at(1).toInt(), window.at(2).toInt(), window.at(3).toInt()}),
                 (QList<int>{last.x(), first.x(), last.y(), first.y()}));
        QCOMPARE(window.at(4).toPoint(), release);
        QCOMPARE(clicks.count(), 0);
    }

    // Presses that are no click of the probes name no cell, and a drag over no cell names no window.
    void otherGesturesPickNothing_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<bool>("dragged");
        QTest::newRow("Ctrl click") << Qt::LeftButton << Qt::KeyboardModifiers(Qt::ControlModifier) << false;
        QTest::newRow("right button") << Qt::RightButton << Qt::KeyboardModifiers() << false;
        QTest::newRow("middle button drag") << Qt::MiddleButton << Qt::KeyboardModifiers() << true;
        QTest::newRow("left drag") << Qt::LeftButton << Qt::KeyboardModifiers() << true;
    }
    void otherGesturesPickNothing()
    {
        QFETCH(Qt::MouseButton, button);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(bool, dragged);
        PinningView shown;
        QVERIFY(shown.painted());
        QSignalSpy clicks(&shown.pinning, &ProbePinning::cellClicked);
        const QPoint at = shown.inGrid(0.5, 0.5);
        const QPoint end = dragged ? at + QPoint(40, 0) : at;
        QTest::mousePress(shown.viewport(), button, modifiers, at);
        shown.dragMove(end, button, modifiers);
        QTest::mouseRelease(shown.viewport(), button, modifiers, end);
        QCOMPARE(clicks.count(), 0);
    }

    void dragOverNoCellPicksNothing()
    {
        PinningView shown;
        QVERIFY(shown.painted());
        QSignalSpy windows(&shown.pinning, &ProbePinning::windowPicked);
        QTest::mousePress(shown.viewport(), Qt::LeftButton, Qt::ShiftModifier, QPoint(3, 3));
        shown.dragMove(QPoint(60, 40), Qt::LeftButton, Qt::ShiftModifier);
        QTest::mouseRelease(shown.viewport(), Qt::LeftButton, Qt::ShiftModifier, QPoint(60, 40));
        QCOMPARE(windows.count(), 0);
    }

    // Off the grid, and out of the view, the pointer is on no cell: once.
    void pointerLeavesTheGrid()
    {
        PinningView shown;
        QVERIFY(shown.painted());
        QSignalSpy left(&shown.pinning, &ProbePinning::pointerLeft);
        QVERIFY(!shown.readoutCell(shown.inGrid(0.5, 0.5)).isNull());
        QCOMPARE(left.count(), 0);
        QTest::mouseMove(shown.viewport(), QPoint(3, 3));
        QTest::mouseMove(shown.viewport(), QPoint(5, 3));
        QCOMPARE(left.count(), 1);
        QVERIFY(!shown.readoutCell(shown.inGrid(0.5, 0.5)).isNull());
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(shown.viewport(), &leave);
        QCOMPARE(left.count(), 2);
    }
};

QTEST_MAIN(TestProbePinning)
#include "tst_ProbePinning.moc"

#include "view/PageZoom.h"

#include <QTest>

// The page in the view: fitted with its proportions kept and centred, or
// zoomed from its true size with scroll bars.
class TestPageZoom : public QObject
{
    Q_OBJECT

private:
    const QSizeF truePage{1024, 768};

private slots:
    void fitKeepsProportionsAndCentres()
    {
        PageZoom zoom;
        QVERIFY(zoom.fitsWindow());
        // A wide view: the height decides, the page stands in the middle across.
        QCOMPARE(zoom.factor(QSizeF(2000, 384), truePage), 0.5);
        QCOMPARE(zoom.origin(QSizeF(2000, 384), truePage, QPoint(30, 40)), QPointF(744, 0));
        // A tall view: the width decides.
        QCOMPARE(zoom.factor(QSizeF(2048, 4000), truePage), 2.0);
        QCOMPARE(zoom.origin(QSizeF(2048, 4000), truePage, QPoint()), QPointF(0, 1232));
    }

    void zoomGoesOnFromWhatIsShown()
    {
        PageZoom zoom;
        const QSizeF view(512, 384); // the fit shows half the true size
        zoom.zoomIn(view, truePage);
        QVERIFY(!zoom.fitsWindow());
        QCOMPARE(zoom.factor(view, truePage), 0.5 * PageZoom::step);
        zoom.actualSize();
        QCOMPARE(zoom.factor(view, truePage), 1.0);
        // Larger than the view: the scroll position places it.
        QCOMPARE(zoom.origin(view, truePage, QPoint(100, 50)), QPointF(-100, -50));
        for (int i = 0; i < 40; ++i)
            zoom.zoomOut(view, truePage);
        QCOMPARE(zoom.factor(view, truePage), PageZoom::smallest);
        for (int i = 0; i < 40; ++i)
            zoom.zoomIn(view, truePage);
        QCOMPARE(zoom.factor(view, truePage), PageZoom::largest);
        zoom.fitToWindow();
        QCOMPARE(zoom.factor(view, truePage), 0.5);
    }

    // Ctrl+wheel: the page point under the pointer stays under it, while the page
    // is larger than the view and the point far enough from its edges.
    void zoomAboutThePointerKeepsThePoint_data()
    {
        QTest::addColumn<bool>("fitted");
        QTest::addColumn<double>("start");
        QTest::addColumn<QPoint>("scroll");
        QTest::addColumn<QPointF>("pointer");
        QTest::addColumn<double>("by");
        QTest::newRow("in from the fit") << true << 1.0 << QPoint() << QPointF(300, 200) << PageZoom::step;
        QTest::newRow("in from a scrolled zoom") << false << 2.0 << QPoint(700, 400) << QPointF(120, 330)
                                                 << PageZoom::step;
        QTest::newRow("out, still larger than the view") << false << 3.0 << QPoint(1200, 900)
                                                         << QPointF(256, 192) << 1 / PageZoom::step;
        QTest::newRow("in at a corner of the view") << false << 1.5 << QPoint(300, 200) << QPointF(511, 383)
                                                    << PageZoom::step;
    }
    void zoomAboutThePointerKeepsThePoint()
    {
        QFETCH(bool, fitted);
        QFETCH(double, start);
        QFETCH(QPoint, scroll);
        QFETCH(QPointF, pointer);
        QFETCH(double, by);
        const QSizeF view(512, 384);
        PageZoom zoom;
        if (!fitted)
            zoom.zoomTo(start);
        const QPointF kept = zoom.pagePointAt(view, truePage, scroll, pointer);
        const double before = zoom.factor(view, truePage);
        const QPoint scrolled = zoom.zoomAbout(view, truePage, scroll, pointer, by);
        QVERIFY(!zoom.fitsWindow());
        QCOMPARE(zoom.factor(view, truePage), before * by);
        // Within the half pixel the scroll position rounds to.
        const QPointF after = zoom.pagePointAt(view, truePage, scrolled, pointer);
        QVERIFY2(QLineF(after, kept).length() * zoom.factor(view, truePage) <= 0.75,
                 qPrintable(QString("page point %1,%2 moved to %3,%4")
                                .arg(kept.x()).arg(kept.y()).arg(after.x()).arg(after.y())));
    }

    // Near the page's edge, or with the page smaller than the view, the point
    // cannot stay: the scroll position stays inside what the scroll bars offer.
    void zoomAboutThePointerStaysInsideTheScrollRange()
    {
        const QSizeF view(512, 384);
        PageZoom zoom;
        zoom.zoomTo(2.0);
        // At the page's top-left corner, zooming out: nothing to the left to show.
        QCOMPARE(zoom.zoomAbout(view, truePage, QPoint(0, 0), QPointF(500, 380), 1 / PageZoom::step), QPoint(0, 0));
        // Zoomed out below the view's size: centred, nothing scrolled.
        zoom.zoomTo(0.3);
        QCOMPARE(zoom.zoomAbout(view, truePage, QPoint(0, 0), QPointF(10, 10), PageZoom::step), QPoint(0, 0));
        // At the far corner, zooming in keeps the scroll at the end of its range at most.
        zoom.zoomTo(2.0);
        const QPoint end = zoom.zoomAbout(view, truePage, QPoint(1536, 1152), QPointF(511, 383), PageZoom::step);
        const QSizeF shown = zoom.shownPage(view, truePage);
        QVERIFY(end.x() <= qRound(shown.width()) - 512 && end.y() <= qRound(shown.height()) - 384);
    }

    void percentForTheStatusBar()
    {
        QCOMPARE(PageZoom::percentText(1.0), QString("Zoom 100%"));
        QCOMPARE(PageZoom::percentText(1.25 * 1.25), QString("Zoom 156%"));
    }
};

QTEST_GUILESS_MAIN(TestPageZoom)
#include "tst_PageZoom.moc"

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
};

QTEST_GUILESS_MAIN(TestPageZoom)
#include "tst_PageZoom.moc"

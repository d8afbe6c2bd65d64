#include "view/ColSqCells.h"
#include "view/ColSqLayout.h"
#include "view/DrawColoredSquare.h"
#include "view/PaletteColors.h"
#include "model/PlotSettings.h"
#include "view/QPainterCanvas.h"
#include "view/ScaleBands.h"

#include "view_helpers.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QtTest>

class tst_QPainterCanvas : public QObject
{
    Q_OBJECT

private slots:
    void logicalUnitsMapThroughThePageTransform()
    {
        QImage page(300, 300, QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        {
            QPainterCanvas canvas(painter, 200.0, QPointF(5, 7));
            QCOMPARE(canvas.deviceTransform().map(QPointF(10, -10)), QPointF(25, 27));
            canvas.fillRect({10, -10, 20, -30}, Qt::red);
        }
        painter.end();
        QCOMPARE(page.pixelColor(25, 27), QColor(Qt::red));
        QCOMPARE(page.pixelColor(44, 66), QColor(Qt::red));
        QCOMPARE(page.pixelColor(45, 30), QColor(Qt::white));
        QCOMPARE(page.pixelColor(30, 67), QColor(Qt::white));
        QCOMPARE(page.pixelColor(24, 30), QColor(Qt::white));
        QCOMPARE(page.pixelColor(30, 26), QColor(Qt::white));
    }

    void painterIsLeftAsFound()
    {
        QImage page(100, 100, QImage::Format_RGB32);
        QPainter painter(&page);
        painter.translate(3, 4);
        painter.setPen(Qt::green);
        const QTransform before = painter.transform();
        {
            QPainterCanvas canvas(painter, 100.0);
            // The page transform comes on top of what the painter had.
            QCOMPARE(canvas.deviceTransform().map(QPointF(0, 0)), QPointF(3, 4));
            QCOMPARE(canvas.deviceTransform().map(QPointF(1, 1)), QPointF(4, 3));
            canvas.drawPolyline({{0, 0}, {10, -10}}, Qt::black);
        }
        QCOMPARE(painter.transform(), before);
        QCOMPARE(painter.pen().color(), QColor(Qt::green));
    }

    void imagesAreScreenPrintersAreNot()
    {
        QImage image(10, 10, QImage::Format_RGB32);
        QPainter onImage(&image);
        QVERIFY(QPainterCanvas(onImage, 96.0).isScreen());
        onImage.end();

        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        QPainter onPdf(&pdf);
        QVERIFY(!QPainterCanvas(onPdf, pdf.resolution()).isScreen());
        onPdf.end();

        QPicture picture;
        QPainter onPicture(&picture);
        QVERIFY(!QPainterCanvas(onPicture, 100.0).isScreen());
    }

    void inactivePainterIsNotReady()
    {
        QPainter idle;
        QVERIFY(!QPainterCanvas(idle, 100.0).isReady());
    }

    // 200 x 200 cells of 3 device pixels at 100 dpi: the image of the grid must
    // give the very pixels of one fill per run.
    void imageOfTheGridMatchesTheRuns()
    {
        QVERIFY2(3.0 < ColSqCells::imageCellPixels, "the screen must take the image path here");
        const std::vector<float> cells = randomCells(200 * 200, 11);
        const MemoryGrid data(200, 200, 1.0f, [&cells](int ix, int iy) { return cells[ix * 200 + iy]; });
        PlotSettings screenSettings;
        PlotSettings paperSettings;
        QImage screen = whitePage(100);
        QImage paper = whitePage(100);
        QVERIFY(drawOnto<QPainterCanvas>(screen, 100, data, screenSettings));
        QVERIFY(drawOnto<PaperCanvas>(paper, 100, data, paperSettings));
        QCOMPARE(screen, paper);
    }

    // The fills gathered and painted one colour at a time, before the outline,
    // give the page of one fill per run, texts and lines included.
    void fillsMergedByColourPaintTheSamePage()
    {
        const std::vector<float> cells = randomCells(300 * 250, 23);
        const MemoryGrid data(300, 250, 1.0f, [&cells](int ix, int iy) { return cells[ix * 250 + iy]; });
        PlotSettings eachRunSettings;
        PlotSettings mergedSettings;
        QImage eachRun = whitePage(150);
        QImage merged = whitePage(150);
        QVERIFY(drawOnto<PaperCanvas>(eachRun, 150, data, eachRunSettings));
        QVERIFY(drawOnto<PaperCanvas>(merged, 150, data, mergedSettings, QPainterCanvas::Fills::MergedByColour));
        QCOMPARE(merged, eachRun);
    }

    // At 96 dpi a 1000 x 1000 grid is drawn into about 576 pixels: every one
    // of them is a band colour, none a blend.
    void shrunkGridKeepsBandColours()
    {
        const std::vector<float> cells = randomCells(1000 * 1000, 5);
        const MemoryGrid data(1000, 1000, 1.0f, [&cells](int ix, int iy) { return cells[ix * 1000 + iy]; });
        PlotSettings settings;
        QImage page = whitePage(96);
        QVERIFY(drawOnto<QPainterCanvas>(page, 96, data, settings));
        const auto &colors = PaletteColors(Palette::ColdToHot);
        int cellPixels = 0;
        for (int y = 100; y < 660; y += 3) {
            for (int x = 50; x < 610; x += 3) {
                const QRgb pixel = page.pixel(x, y);
                QVERIFY2(std::find(colors.begin(), colors.end(), pixel) != colors.end(),
                         qPrintable(QString("(%1, %2)").arg(x).arg(y)));
                ++cellPixels;
            }
        }
        QVERIFY(cellPixels > 30000);
    }

    void plotOnAPageIsNotBlank()
    {
        const MemoryGrid data(80, 60, 5.0f, [](int ix, int iy) { return static_cast<float>(ix + iy); }, 1000.0f,
                              2000.0f);
        PlotSettings settings;
        QImage page = whitePage(100);
        QVERIFY(drawOnto<QPainterCanvas>(page, 100, data, settings));
        // Legend box i has its band's colour inside, a black border and white around it.
        for (int i = 0; i < 10; ++i)
            QCOMPARE(page.pixel(726, 696 - 60 * i - 22), PaletteColors(Palette::ColdToHot)[i]);
        QCOMPARE(page.pixelColor(704, 674), QColor(Qt::black));
        QCOMPARE(page.pixelColor(1010, 5), QColor(Qt::white));
        // Cell (0, 0) at the lower left of the grid, cell (79, 59) at its upper right.
        QCOMPARE(page.pixel(48, 617), PaletteColors(Palette::ColdToHot)[0]);
        QCOMPARE(page.pixel(640, 175), PaletteColors(Palette::ColdToHot)[9]);
        // The title and the labels are drawn in black.
        int titleInk = 0;
        for (int y = 60; y < 96; ++y) {
            for (int x = 44; x < 644; ++x)
                titleInk += qGray(page.pixel(x, y)) < 64;
        }
        QVERIFY(titleInk > 100);
        int labelInk = 0;
        for (int y = 691; y < 715; ++y) {
            for (int x = 764; x < 956; ++x)
                labelInk += qGray(page.pixel(x, y)) < 64;
        }
        QVERIFY(labelInk > 50);
    }
};

QTEST_MAIN(tst_QPainterCanvas)
#include "tst_QPainterCanvas.moc"

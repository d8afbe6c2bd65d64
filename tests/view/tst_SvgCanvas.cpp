#include "view/SvgCanvas.h"

#include "view_helpers.h"

#include <QBuffer>
#include <QSvgGenerator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

// An element of an SVG file: its name, attributes and text.
struct Element
{
    QString name;
    QXmlStreamAttributes attributes;
    QString text;
};

// The elements of the document in order; a parse error fails the test.
std::vector<Element> elementsOf(const QByteArray &svg, QString &error)
{
    std::vector<Element> elements;
    QXmlStreamReader reader(svg);
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement())
            continue;
        elements.push_back({reader.name().toString(), reader.attributes(), {}});
        if (elements.back().name == "text")
            elements.back().text = reader.readElementText();
    }
    if (reader.hasError())
        error = reader.errorString();
    return elements;
}

// "text@x,y" of every text and "rect x,y,w,h fill" of every framed box, in
// drawing order: where the words and the legend land.
QStringList textsAndBoxes(const std::vector<Element> &elements)
{
    const auto at = [](const Element &e, const char *name) {
        return QString::number(e.attributes.value(name).toDouble(), 'f', 2);
    };
    QStringList found;
    for (const Element &e : elements) {
        if (e.name == "text")
            found << e.text + "@" + at(e, "x") + "," + at(e, "y");
        else if (e.name == "rect" && e.attributes.value("stroke") != QLatin1String("none"))
            found << "rect " + at(e, "x") + "," + at(e, "y") + "," + at(e, "width") + "," + at(e, "height");
    }
    return found;
}

// QSvgGenerator's own output carries the fill and stroke on the enclosing group.
QStringList textsAndBoxesOfGenerator(const std::vector<Element> &elements)
{
    std::vector<Element> framed;
    QString stroke;
    for (const Element &e : elements) {
        if (e.name == "g")
            stroke = e.attributes.value("stroke").toString();
        if (e.name == "text" || (e.name == "rect" && stroke != "none"))
            framed.push_back(e);
    }
    return textsAndBoxes(framed);
}

bool draw(const MemoryGrid &data, PlotSettings &settings, Canvas &canvas)
{
    ColSqLayout layout;
    RunLayoutStep(data.header, settings, layout);
    RecordingReporter reporter;
    ReadoutGeometry readout;
    return DrawColoredSquare(data.header, data.grid, reporter, settings, layout, canvas, readout);
}

QByteArray leanSvg(const MemoryGrid &data, PlotSettings &settings)
{
    SvgCanvas canvas(QSize(1024, 768), QSizeF(260.096, 195.072), "Sembla", "Colored Square Plot");
    return draw(data, settings, canvas) ? canvas.finish() : QByteArray();
}

} // namespace

class tst_SvgCanvas : public QObject
{
    Q_OBJECT

private slots:
    // The texts and legend boxes stand where QPainter put them in the SVG it wrote itself.
    void textsAndBoxesLandAsQPainterPutsThem_data()
    {
        QTest::addColumn<QString>("title");
        QTest::newRow("short title") << "S";
        QTest::newRow("long title") << "Vertical Stress at the seam";
    }
    void textsAndBoxesLandAsQPainterPutsThem()
    {
        QFETCH(QString, title);
        MemoryGrid data(37, 30, 1.0f, [](int ix, int iy) { return static_cast<float>(ix * iy); });
        data.header.itemNames[0] = title.toStdString();
        PlotSettings settings;

        QBuffer generated;
        generated.open(QIODevice::WriteOnly);
        QSvgGenerator generator;
        generator.setOutputDevice(&generated);
        generator.setViewBox(QRect(0, 0, 1024, 768));
        generator.setResolution(100);
        {
            QPainter painter(&generator);
            PaperCanvas canvas(painter, 100.0);
            QVERIFY(draw(data, settings, canvas));
        }
        QString error;
        const QStringList expected = textsAndBoxesOfGenerator(elementsOf(generated.data(), error));
        const QStringList written = textsAndBoxes(elementsOf(leanSvg(data, settings), error));
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(written.size(), 2 + 10 + 11);
        QCOMPARE(written, expected);
    }

    // Cells of one value are one rectangle, however many there are.
    void oneValueIsOneRectangle()
    {
        const MemoryGrid data(400, 300, 1.0f, [](int, int) { return 1.0f; });
        PlotSettings settings;
        QString error;
        const std::vector<Element> elements = elementsOf(leanSvg(data, settings), error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QStringList paths;
        for (const Element &e : elements) {
            if (e.name == "path")
                paths << e.attributes.value("fill").toString() + " " + e.attributes.value("d").toString();
        }
        QCOMPARE(paths, QStringList{"#000000 M44 171h600v450h-600z"});
    }

    // Any title and unit make a well-formed document; control characters show as blanks.
    void anyTextMakesAWellFormedDocument()
    {
        MemoryGrid data(3, 2, 1.0f, [](int, int) { return 1.0f; });
        data.header.itemNames[0] = "a<b & \"c\"\r\x01" "d";
        PlotSettings settings;
        QString error;
        const std::vector<Element> elements = elementsOf(leanSvg(data, settings), error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        const auto title = std::find_if(elements.begin(), elements.end(), [](const Element &e) {
            return e.name == "text";
        });
        QVERIFY(title != elements.end());
        QCOMPARE(title->text, QString("a<b & \"c\"  d"));
    }
};

QTEST_MAIN(tst_SvgCanvas)
#include "tst_SvgCanvas.moc"

#include "app/CAboutDlg.h"
#include "app/CMainFrame.h"
#include "app/CModeless.h"
#include "app/RecentFileList.h"
#include "data/CPlotDoc.h"
#include "resources/CommandIds.h"
#include "support/RecordingReporter.h"
#include "widgets/view/CPlotView.h"
#include "app_helpers.h"

#include <QAction>
#include <QHash>
#include <QLabel>
#include <QStatusBar>
#include <QFile>
#include <QMenuBar>
#include <QMimeData>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

#include <vector>

namespace {

QStringList menuTexts(QMenu *menu)
{
    QStringList texts;
    for (QAction *action : menu->actions()) {
        if (!action->isVisible())
            continue;
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return texts;
}

QMenu *topMenu(QMainWindow &window, const QString &title)
{
    for (QAction *action : window.menuBar()->actions())
        if (action->text() == title)
            return action->menu();
    return nullptr;
}

// A copy of the example beside a fresh folder, so its cache files never meet another test's.
QString copyExample(const QTemporaryDir &dir, const QString &name = "run.f1")
{
    const QString target = dir.filePath(name);
    QFile::copy(SEMBLA_EXAMPLES "/panel.f1", target);
    return target;
}

} // namespace

class TestMainFrame : public QObject
{
    Q_OBJECT

private slots:
    void init() { useTestSettings(); }

    void menusHoldTheCommandsInOrder()
    {
        RecordingReporter reporter;
        CPlotDoc document(reporter);
        CMainFrame frame(document);
        QCOMPARE(menuTexts(topMenu(frame, "&File")),
                 QStringList({"&New\tCtrl+N", "&Open...\tCtrl+O", "-", "Save As &ASCII\tCtrl+A",
                              "Save As &DXF\tCtrl+D", "Export &Grid...", "-", "&Print...\tCtrl+P", "Print Pre&View",
                              "P&rint Setup...",
                              "-", "Recent File", "-", "E&xit"}));
        QCOMPARE(menuTexts(topMenu(frame, "&Edit")),
                 QStringList({"&Copy \tCtrl+C", "-", "Colored Square &Plot... \tCtrl+P",
                              "Cross &Section Plot... \tCtrl+S", "&History Plot... \tCtrl+H",
                              "3-D &FishNet Plot... \tCtrl+F"}));
        QCOMPARE(menuTexts(topMenu(frame, "&View")),
                 QStringList({"&Toolbar", "&Status Bar", "-", "&Fit to Window", "&Actual Size\tCtrl+0",
                              "Zoom &In\tCtrl+=", "Zoom &Out\tCtrl+-", "-",
                          "Scale Over All Steps", "Step Label", "-", "Section", "History", "Probes"}));
        QCOMPARE(menuTexts(topMenu(frame, "&Help")), QStringList({"&Help Topics", "-", "&About Sembla..."}));
    }

    void toolbarRunsTheMenuCommands()
    {
        RecordingReporter reporter;
        CPlotDoc document(reporter);
        CMainFrame frame(document);
        auto *toolBar = frame.findChild<QToolBar *>("toolBar");
        QVERIFY(toolBar);
        QList<int> ids;
        for (QAction *action : toolBar->actions())
            ids << (action->isSeparator() ? 0 : action->data().toInt());
        using namespace CommandId;
        QCOMPARE(ids, QList<int>({fileOpen, filePrint, 0, coloredSquarePlot, crossSectionPlot, historyPlot,
                                  fishNetPlot, viewScaleOverAllSteps, 0, appAbout, contextHelp}));
        QCOMPARE(frame.action(coloredSquarePlot)->statusTip(), QString("Opens the Colored Square Options Dialog"));
        QCOMPARE(frame.action(coloredSquarePlot)->toolTip(), QString("Colored Square"));
        QCOMPARE(frame.action(saveAscii)->statusTip(), QString("Saves plot data in ASCII file"));
        QCOMPARE(frame.action(saveDxf)->toolTip(), QString("Save DXF"));
    }

    // Every key a menu item shows runs it, except on the Colored Square item, whose
    // Ctrl+P is Print's; no key is claimed twice, which would run neither.
    void everyKeyTheMenusShowWorks()
    {
        RecordingReporter reporter;
        CPlotDoc document(reporter);
        CMainFrame frame(document);
        using namespace CommandId;
        QHash<QKeySequence, int> owners;
        for (QAction *action : frame.actions()) {
            for (const QKeySequence &key : action->shortcuts()) {
                QVERIFY2(!owners.contains(key), qPrintable(key.toString()));
                owners.insert(key, action->data().toInt());
            }
        }
        for (QAction *menu : frame.menuBar()->actions())
            for (QAction *item : menu->menu()->actions())
                if (item->text().contains('\t'))
                    QCOMPARE(owners.value(QKeySequence(item->text().section('\t', 1).trimmed())),
                             item->data().toInt() == coloredSquarePlot ? filePrint : item->data().toInt());
        QVERIFY(frame.action(editCopy)->shortcuts().contains(QKeySequence("Ctrl+Insert")));
        QVERIFY(!frame.action(editPaste)->isEnabled());

        frame.show();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        for (const char key : {'S', 'H', 'F', 'A', 'D'}) {
            QAction *command = frame.action(owners.value(QKeySequence(QString("Ctrl+") + key)));
            QSignalSpy triggered(command, &QAction::triggered);
            QTest::keyClick(&frame, key, Qt::ControlModifier);
            QCOMPARE(triggered.count(), 1);
        }
    }

    void viewMenuTogglesToolbarAndStatusBar()
    {
        RecordingReporter reporter;
        CPlotDoc document(reporter);
        CMainFrame frame(document);
        frame.show();
        auto *toolBar = frame.findChild<QToolBar *>("toolBar");
        frame.action(CommandId::viewToolbar)->trigger();
        QVERIFY(!toolBar->isVisible());
        QVERIFY(!frame.action(CommandId::viewToolbar)->isChecked());
        frame.action(CommandId::viewToolbar)->trigger();
        QVERIFY(toolBar->isVisible());
        frame.action(CommandId::viewStatusBar)->trigger();
        QVERIFY(!frame.statusBar()->isVisible());
    }

    void smallBoxes()
    {
        CAboutDlg about;
        QCOMPARE(about.windowTitle(), QString("About Sembla"));
        QCOMPARE(about.findChild<QLabel *>("versionText")->text(), QString("Sembla Version 2.1.1"));

        QWidget parent;
        CModeless wait(&parent);
        QVERIFY(wait.isVisible());
        QVERIFY(wait.windowFlags().testFlag(Qt::FramelessWindowHint));
        QStringList texts;
        for (QLabel *label : wait.findChildren<QLabel *>())
            texts << label->text();
        QCOMPARE(texts, QStringList{"PLEASE WAIT"});
    }

    void titleNamesTheOpenFile()
    {
        QTemporaryDir dir;
        RecordingReporter reporter;
        CPlotDoc document(reporter);
        CMainFrame frame(document);
        QCOMPARE(frame.windowTitle(), QString("Sembla3_0"));
        QCOMPARE(openAndWait(frame, document, copyExample(dir).toStdString()), CPlotDoc::OpenResult::Opened);
        QCOMPARE(frame.windowTitle(), QString("run.f1 - Sembla3_0"));
        frame.action(CommandId::fileNew)->trigger();
        QCOMPARE(frame.windowTitle(), QString("Sembla3_0"));
        QVERIFY(!document.isLoaded());
        QVERIFY(!QFile::exists(dir.filePath("SemTmp1.bin")));
    }

    void recentFilesKeepTheLastFourOpened()
    {
        QTemporaryDir dir;
        RecordingReporter reporter;
        CPlotDoc document(reporter);
        CMainFrame frame(document);
        std::vector<std::string> opened;
        for (const char *name : {"a.f1", "b.f2", "c.f3", "d.f4", "e.f1"})
            QCOMPARE(openAndWait(frame, document, opened.emplace_back(copyExample(dir, name).toStdString())),
                     CPlotDoc::OpenResult::Opened);
        QCOMPARE(RecentFileList().paths(), (std::vector<std::string>{opened[4], opened[3], opened[2], opened[1]}));
        const QStringList fileMenu = menuTexts(topMenu(frame, "&File"));
        QVERIFY(fileMenu.contains("&1 " + QString::fromStdString(opened[4])));
        QVERIFY(!fileMenu.contains("Recent File"));

        // A listed file that has gone is dropped from the list when it fails to open.
        QFile::remove(QString::fromStdString(opened[3]));
        QCOMPARE(openAndWait(frame, document, opened[3]), CPlotDoc::OpenResult::Failed);
        const auto listed = RecentFileList().paths();
        QVERIFY(std::find(listed.begin(), listed.end(), opened[3]) == listed.end());
        QCOMPARE(reporter.messages.size(), size_t(1));
    }

    void droppedFileOpens()
    {
        QTemporaryDir dir;
        RecordingReporter reporter;
        CPlotDoc document(reporter);
        CMainFrame frame(document);
        frame.show();
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(copyExample(dir))});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&frame, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&frame, &drop);
        QTRY_VERIFY(document.isLoaded());
        QCOMPARE(document.fileName(), std::string("run.f1"));
    }

    void openedFileIsDrawn()
    {
        QTemporaryDir dir;
        RecordingReporter reporter;
        CPlotDoc document(reporter);
        CMainFrame frame(document);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        const QImage blank = frame.view()->viewport()->grab().toImage();
        QCOMPARE(openAndWait(frame, document, copyExample(dir).toStdString()), CPlotDoc::OpenResult::Opened);
        QTRY_VERIFY(frame.view()->settings().colSqDrawn);
        const QImage drawn = frame.view()->viewport()->grab().toImage();
        QVERIFY(drawn != blank);
        // All ten bands of the legend stand on the page.
        QSet<QRgb> colours;
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x)
                colours.insert(drawn.pixel(x, y));
        QVERIFY2(colours.size() >= 10, qPrintable(QString::number(colours.size())));
        QCOMPARE(frame.view()->settings().plotTitle, std::string("Vertical Stress"));
        QVERIFY(reporter.messages.empty());
    }
};

QTEST_MAIN(TestMainFrame)
#include "tst_MainFrame.moc"

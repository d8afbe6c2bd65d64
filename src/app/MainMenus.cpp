#include "app/MainMenus.h"

#include "data/LocalFileNames.h"
#include "resources/CommandIds.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

MainMenus::MainMenus(QMainWindow &window) : QObject(&window), m_window(window)
{
    createActions();
    createMenus();
    createToolBar();
}

QList<QAction *> MainMenus::commands() const
{
    QList<QAction *> all;
    for (const auto &command : m_actions)
        all.append(command.second);
    return all;
}

QAction *MainMenus::addCommand(int commandId, const QString &text, const QString &prompt)
{
    auto *action = new QAction(text, &m_window);
    action->setData(commandId);
    // The key a menu item shows after its tab is the key that runs it.
    if (text.contains('\t'))
        action->setShortcut(QKeySequence(text.section('\t', 1).trimmed()));
    if (!prompt.isEmpty()) {
        // The prompt's first line goes to the status bar, its second is the tool tip.
        action->setStatusTip(prompt.section('\n', 0, 0));
        action->setToolTip(prompt.section('\n', 1, 1));
    }
    m_actions[commandId] = action;
    m_window.addAction(action);
    return action;
}

QAction *MainMenus::action(int commandId) const
{
    const auto found = m_actions.find(commandId);
    return found == m_actions.end() ? nullptr : found->second;
}

void MainMenus::createActions()
{
    using namespace CommandId;
    addCommand(fileNew, "&New\tCtrl+N", "Closes the open file\nNew");
    addCommand(fileOpen, "&Open...\tCtrl+O", "Opens a seam output file\nOpen");
    addCommand(saveAscii, "Save As &ASCII\tCtrl+A", "Saves plot data in ASCII file\nSave ASCII");
    addCommand(saveDxf, "Save As &DXF\tCtrl+D", "Saves plot data in DXF file\nSave DXF");
    addCommand(exportGrid, "Export &Grid...", "Saves steps and items for GIS, ParaView or Python\nExport Grid");
    addCommand(filePrint, "&Print...\tCtrl+P", "Prints the current plot\nPrint");
    addCommand(filePrintPreview, "Print Pre&View", "Shows the current plot as it will be printed\nPrint Preview");
    addCommand(printSetup, "P&rint Setup...", "Changes the printer and printing options\nPrint Setup");
    addCommand(appExit, "E&xit", "Quits the application\nExit");
    addCommand(editCopy, "&Copy \tCtrl+C", "Copies the current plot to the clipboard\nCopy")
        ->setShortcuts({QKeySequence("Ctrl+C"), QKeySequence("Ctrl+Insert")});
    // Ctrl+P prints; on this item the key text is only a label.
    addCommand(coloredSquarePlot, "Colored Square &Plot... \tCtrl+P",
               "Opens the Colored Square Options Dialog\nColored Square")
        ->setShortcut(QKeySequence());
    addCommand(crossSectionPlot, "Cross &Section Plot... \tCtrl+S",
               "Opens the Cross Section Options Dialog\nCross Section");
    addCommand(historyPlot, "&History Plot... \tCtrl+H", "Opens the History Options Dialog\nHistory");
    addCommand(fishNetPlot, "3-D &FishNet Plot... \tCtrl+F", "Opens the FishNet Options Dialog\nFishNet");
    addCommand(viewToolbar, "&Toolbar", "Shows or hides the toolbar\nToggle ToolBar")->setCheckable(true);
    addCommand(viewStatusBar, "&Status Bar", "Shows or hides the status bar\nToggle StatusBar")->setCheckable(true);
    addCommand(viewFitToWindow, "&Fit to Window", "Fits the page to the window\nFit to Window")->setCheckable(true);
    action(viewFitToWindow)->setChecked(true);
    addCommand(viewActualSize, "&Actual Size\tCtrl+0", "Shows the page at its true size\nActual Size");
    addCommand(viewZoomIn, "Zoom &In\tCtrl+=", "Shows the page larger\nZoom In");
    addCommand(viewZoomOut, "Zoom &Out\tCtrl+-", "Shows the page smaller\nZoom Out");
    addCommand(viewScaleOverAllSteps, "Scale Over All Steps",
               "Spans the automatic colour scale over all steps, so colours mean the same at every step\nScale Over "
               "All Steps")
        ->setCheckable(true);
    action(viewScaleOverAllSteps)->setIcon(QIcon(":/icons/scale-all-steps.svg"));
    addCommand(viewStepLabel, "Step Label", "Names the file and the step on the page\nStep Label")->setCheckable(true);
    action(viewStepLabel)->setChecked(true);
    addCommand(helpTopics, "&Help Topics", "Lists Help topics\nHelp Topics");
    addCommand(appAbout, "&About Sembla...", "Displays program information and version number\nAbout");
    addCommand(contextHelp, "Context Help", "Displays help for clicked on buttons, menus and windows\nHelp")
        ->setShortcut(QKeySequence("Shift+F1"));
    addCommand(help, "Help", "Shows the help page\nHelp")->setShortcut(QKeySequence(Qt::Key_F1));
    action(contextHelp)->setIcon(QIcon(":/icons/help-context.svg"));
    m_cancelOpen = new QAction("Cancel Reading", &m_window);
    m_cancelOpen->setObjectName("cancelReading");
    m_cancelOpen->setShortcut(QKeySequence(Qt::Key_Escape));
    m_cancelOpen->setEnabled(false);
    m_window.addAction(m_cancelOpen);

    // Keys of the accelerator table whose commands nothing handles: they stay disabled.
    // Save has no handler in this program either, so Ctrl+S is the Cross Section's.
    const std::pair<int, QList<QKeySequence>> unhandled[] = {
        {editUndo, {QKeySequence("Ctrl+Z"), QKeySequence("Alt+Backspace")}},
        {editCut, {QKeySequence("Ctrl+X"), QKeySequence("Shift+Delete")}},
        {editPaste, {QKeySequence("Ctrl+V"), QKeySequence("Shift+Insert")}},
        {nextPane, {QKeySequence(Qt::Key_F6)}},
        {previousPane, {QKeySequence("Shift+F6")}},
    };
    for (const auto &[id, keys] : unhandled) {
        QAction *disabled = addCommand(id, QString());
        disabled->setShortcuts(keys);
        disabled->setEnabled(false);
    }

    action(fileOpen)->setIcon(QIcon(":/icons/file-open.svg"));
    action(filePrint)->setIcon(QIcon(":/icons/file-print.svg"));
    action(coloredSquarePlot)->setIcon(QIcon(":/icons/plot-colored-square.svg"));
    action(crossSectionPlot)->setIcon(QIcon(":/icons/plot-cross-section.svg"));
    action(historyPlot)->setIcon(QIcon(":/icons/plot-history.svg"));
    action(fishNetPlot)->setIcon(QIcon(":/icons/plot-fishnet.svg"));
    action(appAbout)->setIcon(QIcon(":/icons/help-about.svg"));
}

void MainMenus::createMenus()
{
    using namespace CommandId;
    m_fileMenu = m_window.menuBar()->addMenu("&File");
    m_fileMenu->addAction(action(fileNew));
    m_fileMenu->addAction(action(fileOpen));
    m_fileMenu->addSeparator();
    m_fileMenu->addAction(action(saveAscii));
    m_fileMenu->addAction(action(saveDxf));
    m_fileMenu->addAction(action(exportGrid));
    m_fileMenu->addSeparator();
    m_fileMenu->addAction(action(filePrint));
    m_fileMenu->addAction(action(filePrintPreview));
    m_fileMenu->addAction(action(printSetup));
    m_fileMenu->addSeparator();
    m_recentFilePlaceholder = addCommand(recentFileFirst, "Recent File");
    m_recentFilePlaceholder->setEnabled(false);
    m_fileMenu->addAction(m_recentFilePlaceholder);
    for (int i = 0; i < recentFileCount; ++i) {
        auto *recent = new QAction(&m_window);
        recent->setData(recentFileFirst + i);
        connect(recent, &QAction::triggered, this, [this, i] {
            if (i < static_cast<int>(m_recentPaths.size()))
                emit recentFileChosen(std::string(m_recentPaths[i]));
        });
        m_recentFileActions.append(recent);
        m_fileMenu->addAction(recent);
    }
    m_fileMenu->addSeparator();
    m_fileMenu->addAction(action(appExit));

    QMenu *edit = m_window.menuBar()->addMenu("&Edit");
    edit->addAction(action(editCopy));
    edit->addSeparator();
    edit->addAction(action(coloredSquarePlot));
    edit->addAction(action(crossSectionPlot));
    edit->addAction(action(historyPlot));
    edit->addAction(action(fishNetPlot));

    m_viewMenu = m_window.menuBar()->addMenu("&View");
    QMenu *view = m_viewMenu;
    view->addAction(action(viewToolbar));
    view->addAction(action(viewStatusBar));
    view->addSeparator();
    for (int id : {viewFitToWindow, viewActualSize, viewZoomIn, viewZoomOut})
        view->addAction(action(id));
    view->addSeparator();
    view->addAction(action(viewScaleOverAllSteps));
    view->addAction(action(viewStepLabel));

    QMenu *helpMenu = m_window.menuBar()->addMenu("&Help");
    helpMenu->addAction(action(helpTopics));
    helpMenu->addSeparator();
    helpMenu->addAction(action(appAbout));
}

void MainMenus::createToolBar()
{
    using namespace CommandId;
    m_toolBar = m_window.addToolBar("Standard");
    m_toolBar->setObjectName("toolBar");
    m_toolBar->setIconSize(QSize(16, 16));
    for (int id : {fileOpen, filePrint, 0, coloredSquarePlot, crossSectionPlot, historyPlot, fishNetPlot,
                   viewScaleOverAllSteps, 0, appAbout, contextHelp}) {
        if (id == 0)
            m_toolBar->addSeparator();
        else
            m_toolBar->addAction(action(id));
    }

    QAction *toolbarToggle = action(viewToolbar);
    toolbarToggle->setChecked(true);
    connect(toolbarToggle, &QAction::toggled, m_toolBar, &QWidget::setVisible);
    connect(m_toolBar, &QToolBar::visibilityChanged, toolbarToggle, &QAction::setChecked);
    QAction *statusToggle = action(viewStatusBar);
    statusToggle->setChecked(true);
    connect(statusToggle, &QAction::toggled, m_window.statusBar(), &QWidget::setVisible);
}

void MainMenus::showRecentFiles(const std::vector<std::string> &paths)
{
    m_recentPaths = paths;
    m_recentFilePlaceholder->setVisible(m_recentPaths.empty());
    for (int i = 0; i < m_recentFileActions.size(); ++i) {
        QAction *recent = m_recentFileActions[i];
        const bool listed = i < static_cast<int>(m_recentPaths.size());
        recent->setVisible(listed);
        if (listed)
            recent->setText(QString("&%1 %2").arg(i + 1).arg(LocalFileNames::display(m_recentPaths[i])));
    }
}

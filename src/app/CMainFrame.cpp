#include "app/CMainFrame.h"

#include "app/CAboutDlg.h"
#include "app/CModeless.h"
#include "app/ExportGridCommand.h"
#include "app/OpenProgressField.h"
#include "app/PanelDocks.h"
#include "app/StepKeys.h"
#include "app/StepToolBar.h"
#include "app/ViewPreferences.h"
#include "data/CPlotDoc.h"
#include "data/LocalFileNames.h"
#include "resources/CommandIds.h"
#include "view/PageZoom.h"
#include "view/ScaleOutliers.h"
#include "model/StepNavigation.h"
#include "widgets/view/CPlotView.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QSettings>
#include <QStatusBar>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

#include <filesystem>

namespace {

QString applicationTitle()
{
    return QApplication::applicationName();
}

} // namespace

// The resources sit in a static library, which registers them only when asked.
static void initResources()
{
    Q_INIT_RESOURCE(sembla);
}

CMainFrame::CMainFrame(CPlotDoc &document, QWidget *parent) : QMainWindow(parent), m_document(document)
{
    initResources();
    m_view = new CPlotView(document, this);
    m_view->setWaitBoxFactory([this] { return std::make_unique<CModeless>(this); });
    setCentralWidget(m_view);
    setAcceptDrops(true);
    setWindowIcon(QIcon(":/icons/sembla.svg"));
    m_panelDocks = new PanelDocks(*this, document, *m_view);
    createActions();
    createMenus();
    createToolBar();
    statusBar()->showMessage(QString());
    statusBar()->addPermanentWidget(new OpenProgressField(m_document, this));
    m_stepField = new QLabel(this);
    m_stepField->setObjectName("stepField");
    statusBar()->addPermanentWidget(m_stepField);
    m_scaleField = new QLabel(this);
    m_scaleField->setObjectName("scaleField");
    statusBar()->addPermanentWidget(m_scaleField);
    m_zoomField = new QLabel(this);
    m_zoomField->setObjectName("zoomField");
    statusBar()->addPermanentWidget(m_zoomField);
    connect(m_view, &CPlotView::plotChanged, this, &CMainFrame::showStep);
    // The steps a file being read does not hold whole become known as it is read.
    connect(&m_document, &CPlotDoc::stepsReady, this, &CMainFrame::showStep);
    connect(m_view, &CPlotView::zoomChanged, this, [this] {
        action(CommandId::viewFitToWindow)->setChecked(m_view->zoom().fitsWindow());
        m_zoomField->setText(PageZoom::percentText(m_view->shownZoom()));
    });
    // The cell readout also stands in the message pane, readable without waiting for the tip.
    connect(m_view, &CPlotView::readoutChanged, statusBar(), [this](const QString &text) {
        if (text.isEmpty())
            statusBar()->clearMessage();
        else
            statusBar()->showMessage(text);
    });
    resize(1024, 768);
    connect(&m_document, &CPlotDoc::updateAllViews, this, &CMainFrame::updateTitle);
    connect(&m_document, &CPlotDoc::openStarted, this, &CMainFrame::enableWhatWaitsForTheFile);
    connect(&m_document, &CPlotDoc::openEnded, this, &CMainFrame::openEnded);
    updateRecentFileActions();
    updateTitle();
    restorePreferences();
}

QAction *CMainFrame::addCommand(int commandId, const QString &text, const QString &prompt)
{
    auto *action = new QAction(text, this);
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
    addAction(action);
    return action;
}

QAction *CMainFrame::action(int commandId) const
{
    const auto found = m_actions.find(commandId);
    return found == m_actions.end() ? nullptr : found->second;
}

void CMainFrame::createActions()
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
    m_cancelOpen = new QAction("Cancel Reading", this);
    m_cancelOpen->setObjectName("cancelReading");
    m_cancelOpen->setShortcut(QKeySequence(Qt::Key_Escape));
    m_cancelOpen->setEnabled(false);
    addAction(m_cancelOpen);
    connect(m_cancelOpen, &QAction::triggered, &m_document, &CPlotDoc::cancelOpen);

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

    connect(action(fileNew), &QAction::triggered, this, &CMainFrame::onFileNew);
    connect(action(fileOpen), &QAction::triggered, this, &CMainFrame::onFileOpen);
    connect(action(appExit), &QAction::triggered, this, &QWidget::close);
    connect(action(appAbout), &QAction::triggered, this, &CMainFrame::onAbout);
    connect(action(helpTopics), &QAction::triggered, this, &CMainFrame::onHelp);
    connect(action(help), &QAction::triggered, this, &CMainFrame::onHelp);
    connect(action(contextHelp), &QAction::triggered, this, &CMainFrame::onHelp);

    connect(action(saveAscii), &QAction::triggered, m_view, &CPlotView::SaveAsciiCommand);
    connect(action(saveDxf), &QAction::triggered, m_view, &CPlotView::SaveDxfCommand);
    connect(action(exportGrid), &QAction::triggered, new ExportGridCommand(m_document, this), &ExportGridCommand::run);
    connect(action(filePrint), &QAction::triggered, m_view, &CPlotView::OnFilePrint);
    connect(action(filePrintPreview), &QAction::triggered, m_view, &CPlotView::OnFilePrintPreview);
    connect(action(printSetup), &QAction::triggered, m_view, &CPlotView::OnFilePrintSetup);
    connect(action(editCopy), &QAction::triggered, m_view, &CPlotView::CopyPlotCommand);
    connect(action(coloredSquarePlot), &QAction::triggered, m_view, &CPlotView::OnColoredSquarePlot);
    connect(action(crossSectionPlot), &QAction::triggered, m_view, &CPlotView::OnCrossSectionPlot);
    connect(action(historyPlot), &QAction::triggered, m_view, &CPlotView::OnHistoryPlot);
    connect(action(fishNetPlot), &QAction::triggered, m_view, &CPlotView::OnFishNetPlot);
    connect(action(viewFitToWindow), &QAction::triggered, m_view, [this](bool fit) {
        if (fit)
            m_view->fitToWindow();
        else
            m_view->actualSize();
    });
    connect(action(viewActualSize), &QAction::triggered, m_view, &CPlotView::actualSize);
    connect(action(viewScaleOverAllSteps), &QAction::toggled, m_view, &CPlotView::setScaleOverAllSteps);
    connect(action(viewStepLabel), &QAction::toggled, m_view, &CPlotView::setStepLabel);
    connect(action(viewZoomIn), &QAction::triggered, m_view, &CPlotView::zoomIn);
    connect(action(viewZoomOut), &QAction::triggered, m_view, &CPlotView::zoomOut);
}

void CMainFrame::createMenus()
{
    using namespace CommandId;
    m_fileMenu = menuBar()->addMenu("&File");
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
        auto *recent = new QAction(this);
        recent->setData(recentFileFirst + i);
        connect(recent, &QAction::triggered, this, [this, i] {
            if (i < static_cast<int>(m_recentPaths.size()))
                openDocument(std::string(m_recentPaths[i]));
        });
        m_recentFileActions.append(recent);
        m_fileMenu->addAction(recent);
    }
    m_fileMenu->addSeparator();
    m_fileMenu->addAction(action(appExit));

    QMenu *edit = menuBar()->addMenu("&Edit");
    edit->addAction(action(editCopy));
    edit->addSeparator();
    edit->addAction(action(coloredSquarePlot));
    edit->addAction(action(crossSectionPlot));
    edit->addAction(action(historyPlot));
    edit->addAction(action(fishNetPlot));

    QMenu *view = menuBar()->addMenu("&View");
    view->addAction(action(viewToolbar));
    view->addAction(action(viewStatusBar));
    view->addSeparator();
    for (int id : {viewFitToWindow, viewActualSize, viewZoomIn, viewZoomOut})
        view->addAction(action(id));
    view->addSeparator();
    view->addAction(action(viewScaleOverAllSteps));
    view->addAction(action(viewStepLabel));
    view->addSeparator();
    view->addActions(m_panelDocks->toggleActions());

    QMenu *helpMenu = menuBar()->addMenu("&Help");
    helpMenu->addAction(action(helpTopics));
    helpMenu->addSeparator();
    helpMenu->addAction(action(appAbout));
}

void CMainFrame::createToolBar()
{
    using namespace CommandId;
    m_toolBar = addToolBar("Standard");
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
    connect(statusToggle, &QAction::toggled, statusBar(), &QWidget::setVisible);

    m_stepToolBar = new StepToolBar(this);
    addToolBar(m_stepToolBar);
    // The step keys work while the toolbar is hidden too, and wherever the focus is.
    addActions(m_stepToolBar->keyActions());
    new StepKeys(this, m_stepToolBar->keyActions());
    connect(m_stepToolBar, &StepToolBar::stepChosen, m_view, &CPlotView::changeStep);
    // Playing stops at any command.
    for (const auto &command : m_actions)
        connect(command.second, &QAction::triggered, m_stepToolBar, &StepToolBar::stopPlaying);
    connect(m_view, &CPlotView::commandRun, m_stepToolBar, &StepToolBar::stopPlaying);
}

void CMainFrame::showStep()
{
    const bool loaded = m_document.isLoaded();
    const int stepCount = loaded ? m_document.header().stepCount : 0;
    const int completeSteps = m_document.completeSteps();
    m_stepToolBar->showStep(loaded ? m_view->settings().step : 0, stepCount, completeSteps);
    m_stepField->setText(
        QString::fromStdString(StepNavigation::statusText(m_view->settings(), loaded, stepCount, completeSteps)));
    m_scaleField->setText(QString::fromStdString(ScaleOutliers::statusText(m_document, m_view->settings())));
}

void CMainFrame::restorePreferences()
{
    const ViewPreferences preferences = ViewPreferences::load(QSettings());
    preferences.applyTo(m_view->settings());
    action(CommandId::viewScaleOverAllSteps)->setChecked(preferences.scaleOverAllSteps);
    action(CommandId::viewStepLabel)->setChecked(preferences.stepLabel);
    m_view->setZoom(preferences.fitToWindow, preferences.zoom);
    m_stepToolBar->setPace(preferences.playPace);
    if (!preferences.windowGeometry.isEmpty())
        restoreGeometry(preferences.windowGeometry);
    if (!preferences.windowState.isEmpty())
        restoreState(preferences.windowState);
    // A toolbar hidden before the window shows tells no one.
    action(CommandId::viewToolbar)->setChecked(!m_toolBar->isHidden());
}

void CMainFrame::savePreferences() const
{
    ViewPreferences preferences = ViewPreferences::of(m_view->settings());
    preferences.fitToWindow = m_view->zoom().fitsWindow();
    preferences.zoom = m_view->zoom().chosenFactor();
    preferences.playPace = m_stepToolBar->pace();
    preferences.windowGeometry = saveGeometry();
    preferences.windowState = saveState();
    QSettings settings;
    preferences.save(settings);
}

void CMainFrame::openDocument(const std::string &path)
{
    // Another file opens at the step now shown.
    m_document.beginOpen(path, m_document.isLoaded() ? m_view->settings().step : 1);
}

void CMainFrame::openEnded(CPlotDoc::OpenResult result, const std::string &path)
{
    if (result == CPlotDoc::OpenResult::Cancelled)
        statusBar()->showMessage("Reading " + LocalFileNames::display(path) + " was cancelled.", 5000);
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    const std::string absolutePath = error ? path : absolute.string();
    if (result == CPlotDoc::OpenResult::Opened || result == CPlotDoc::OpenResult::OpenedWithErrors)
        m_recentFiles.add(absolutePath);
    else if (result == CPlotDoc::OpenResult::Failed)
        m_recentFiles.remove(absolutePath);
    updateRecentFileActions();
    enableWhatWaitsForTheFile();
}

void CMainFrame::enableWhatWaitsForTheFile()
{
    // What needs every step, or writes the plot out, waits until the file is read.
    using namespace CommandId;
    const bool read = !m_document.isOpening();
    for (int id : {saveAscii, saveDxf, exportGrid, filePrint, filePrintPreview, editCopy, historyPlot})
        action(id)->setEnabled(read);
    m_cancelOpen->setEnabled(!read);
}

void CMainFrame::onFileOpen()
{
    const QString path = QFileDialog::getOpenFileName(
        this, "Open", QString(), "Seam Output Files (*.f1 *.f2 *.f3 *.f4);;All Files (*)");
    if (path.isEmpty()) {
        m_view->OnUpdate();
        return;
    }
    openDocument(LocalFileNames::toPath(QDir::toNativeSeparators(path)));
}

void CMainFrame::onFileNew()
{
    m_document.DeleteContents();
    emit m_document.updateAllViews();
}

void CMainFrame::onAbout()
{
    CAboutDlg about(this);
    about.exec();
}

void CMainFrame::onHelp()
{
    QDialog helpDialog(this);
    helpDialog.setWindowTitle("Sembla Help");
    auto *browser = new QTextBrowser;
    browser->setSource(QUrl("qrc:/help.html"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, &helpDialog, &QDialog::reject);
    auto *layout = new QVBoxLayout(&helpDialog);
    layout->addWidget(browser);
    layout->addWidget(buttons);
    helpDialog.resize(560, 620);
    helpDialog.exec();
}

void CMainFrame::updateRecentFileActions()
{
    m_recentPaths = m_recentFiles.paths();
    m_recentFilePlaceholder->setVisible(m_recentPaths.empty());
    for (int i = 0; i < m_recentFileActions.size(); ++i) {
        QAction *recent = m_recentFileActions[i];
        const bool listed = i < static_cast<int>(m_recentPaths.size());
        recent->setVisible(listed);
        if (listed)
            recent->setText(QString("&%1 %2").arg(i + 1).arg(LocalFileNames::display(m_recentPaths[i])));
    }
}

void CMainFrame::updateTitle()
{
    if (m_document.isLoaded())
        setWindowTitle(LocalFileNames::display(m_document.fileName()) + " - " + applicationTitle());
    else
        setWindowTitle(applicationTitle());
}

void CMainFrame::dragEnterEvent(QDragEnterEvent *event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!urls.isEmpty() && urls.front().isLocalFile())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent *event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.front().isLocalFile())
        return;
    event->acceptProposedAction();
    activateWindow();
    openDocument(LocalFileNames::fromUrl(urls.front()));
}

void CMainFrame::closeEvent(QCloseEvent *event)
{
    savePreferences();
    // Closing the window closes the file, which removes its step cache files.
    m_document.DeleteContents();
    event->accept();
}

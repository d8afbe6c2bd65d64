#include "app/CMainFrame.h"

#include "app/CAboutDlg.h"
#include "app/CModeless.h"
#include "app/ExportGridCommand.h"
#include "app/MainMenus.h"
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
#include <QMenu>
#include <QMimeData>
#include <QSettings>
#include <QStatusBar>
#include <QTextBrowser>
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
    m_menus = new MainMenus(*this);
    m_menus->viewMenu()->addSeparator();
    m_menus->viewMenu()->addActions(m_panelDocks->toggleActions());
    connect(m_menus, &MainMenus::recentFileChosen, this, &CMainFrame::openDocument);
    connectCommands();
    createStepToolBar();
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
        m_zoomField->setText(PageZoom::percentText(m_view->zoom().shownFactor()));
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

QAction *CMainFrame::action(int commandId) const
{
    return m_menus->action(commandId);
}

void CMainFrame::connectCommands()
{
    using namespace CommandId;
    // Esc stops what runs: Play first, so that stopping it never throws away a file being read.
    connect(m_menus->cancelOpen(), &QAction::triggered, this, [this] {
        if (m_stepToolBar->isPlaying())
            m_stepToolBar->stopPlaying();
        else
            m_document.cancelOpen();
    });
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
    ViewZoom *zoom = &m_view->zoom();
    connect(action(viewFitToWindow), &QAction::triggered, zoom, [zoom](bool fit) {
        if (fit)
            zoom->fitToWindow();
        else
            zoom->actualSize();
    });
    connect(action(viewActualSize), &QAction::triggered, zoom, &ViewZoom::actualSize);
    connect(action(viewScaleOverAllSteps), &QAction::toggled, m_view, &CPlotView::setScaleOverAllSteps);
    connect(action(viewStepLabel), &QAction::toggled, m_view, &CPlotView::setStepLabel);
    connect(action(viewZoomIn), &QAction::triggered, zoom, &ViewZoom::zoomIn);
    connect(action(viewZoomOut), &QAction::triggered, zoom, &ViewZoom::zoomOut);
}

void CMainFrame::createStepToolBar()
{
    m_stepToolBar = new StepToolBar(this);
    addToolBar(m_stepToolBar);
    // The step keys work while the toolbar is hidden too, and wherever the focus is.
    addActions(m_stepToolBar->keyActions());
    new StepKeys(this, m_stepToolBar->keyActions());
    connect(m_stepToolBar, &StepToolBar::stepChosen, m_view, &CPlotView::changeStep);
    // Playing stops at any command.
    for (QAction *command : m_menus->commands())
        connect(command, &QAction::triggered, m_stepToolBar, &StepToolBar::stopPlaying);
    connect(m_view, &CPlotView::commandRun, m_stepToolBar, &StepToolBar::stopPlaying);
    connect(m_stepToolBar, &StepToolBar::playingChanged, this, &CMainFrame::enableEscape);
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
    m_view->zoom().setZoom(preferences.fitToWindow, preferences.zoom);
    m_stepToolBar->setPace(preferences.playPace);
    if (!preferences.windowGeometry.isEmpty())
        restoreGeometry(preferences.windowGeometry);
    if (!preferences.windowState.isEmpty())
        restoreState(preferences.windowState);
    // A toolbar hidden before the window shows tells no one.
    action(CommandId::viewToolbar)->setChecked(!m_menus->toolBar()->isHidden());
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
    enableEscape();
}

void CMainFrame::enableEscape()
{
    m_menus->cancelOpen()->setEnabled(m_document.isOpening() || (m_stepToolBar && m_stepToolBar->isPlaying()));
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
    m_menus->showRecentFiles(m_recentFiles.paths());
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

#pragma once

#include "app/RecentFileList.h"
#include "data/CPlotDoc.h"

#include <QMainWindow>

#include <string>

class CPlotView;
class PanelDocks;
class QAction;
class MainMenus;
class QLabel;
class StepToolBar;

// The main window: menu, toolbar, status bar and the plot view. Every way of
// opening a file (menu, command line, drop, recent list) ends in openDocument.
class CMainFrame : public QMainWindow
{
    Q_OBJECT

public:
    explicit CMainFrame(CPlotDoc &document, QWidget *parent = nullptr);

    CPlotView *view() const { return m_view; }
    PanelDocks &panelDocks() const { return *m_panelDocks; }
    // The action of a command number, for the tests and the toolbar.
    QAction *action(int commandId) const;

    // Starts opening a file named in the system's bytes; the window goes on meanwhile.
    void openDocument(const std::string &path);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // What the menus' and toolbars' commands do.
    void connectCommands();
    void createStepToolBar();
    void onFileOpen();
    void onFileNew();
    void onAbout();
    void onHelp();
    void updateRecentFileActions();
    void updateTitle();
    void openEnded(CPlotDoc::OpenResult result, const std::string &path);
    // The step toolbar and the status bar's "Step s of N" follow the plot shown.
    void showStep();
    void enableWhatWaitsForTheFile();
    void enableEscape();
    // The user's choices of the last session, and this session's for the next.
    void restorePreferences();
    void savePreferences() const;

    CPlotDoc &m_document;
    CPlotView *m_view = nullptr;
    MainMenus *m_menus = nullptr;
    PanelDocks *m_panelDocks = nullptr;
    StepToolBar *m_stepToolBar = nullptr;
    QLabel *m_stepField = nullptr;
    QLabel *m_scaleField = nullptr;
    QLabel *m_zoomField = nullptr;
    RecentFileList m_recentFiles;
};

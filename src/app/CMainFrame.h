#pragma once

#include <QMainWindow>
#include <QStringList>

#include <map>

class CPlotDoc;
class CPlotView;
class QAction;
class QMenu;

// The main window: menu, toolbar, status bar and the plot view. Every way of
// opening a file (menu, command line, drop, recent list) ends in openDocument.
class CMainFrame : public QMainWindow
{
    Q_OBJECT

public:
    explicit CMainFrame(CPlotDoc &document, QWidget *parent = nullptr);

    CPlotView *view() const { return m_view; }
    // The action of a command number, for the tests and the toolbar.
    QAction *action(int commandId) const;

    bool openDocument(const QString &path);
    QStringList recentFiles() const;

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createActions();
    void createMenus();
    void createToolBar();
    QAction *addCommand(int commandId, const QString &text, const QString &prompt = {});
    void onFileOpen();
    void onFileNew();
    void onAbout();
    void onHelp();
    void addRecentFile(const QString &path);
    void removeRecentFile(const QString &path);
    void updateRecentFileActions();
    void updateTitle();

    CPlotDoc &m_document;
    CPlotView *m_view = nullptr;
    QToolBar *m_toolBar = nullptr;
    QMenu *m_fileMenu = nullptr;
    std::map<int, QAction *> m_actions;
    QList<QAction *> m_recentFileActions;
    QAction *m_recentFilePlaceholder = nullptr;
};

#pragma once

#include <QList>
#include <QObject>

#include <map>
#include <string>
#include <vector>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

// The commands of the main window: one action for each command number (its
// text, key, prompt and icon), the menus, the standard toolbar with the View
// menu's toggles of the bars, and the File menu's recent files. What a
// command does is wired by the window.
class MainMenus : public QObject
{
    Q_OBJECT

public:
    explicit MainMenus(QMainWindow &window);

    // The action of a command number; nullptr for one that has none.
    QAction *action(int commandId) const;
    // Every action of a command number.
    QList<QAction *> commands() const;
    // Esc while a file is being read.
    QAction *cancelOpen() const { return m_cancelOpen; }
    QToolBar *toolBar() const { return m_toolBar; }
    // The View menu, which the window's panels add their toggles to.
    QMenu *viewMenu() const { return m_viewMenu; }

    // The recent files, most recent first, as the File menu lists them.
    void showRecentFiles(const std::vector<std::string> &paths);

signals:
    // A recent file was chosen in the File menu, in the system's bytes.
    void recentFileChosen(const std::string &path);

private:
    void createActions();
    void createMenus();
    void createToolBar();
    QAction *addCommand(int commandId, const QString &text, const QString &prompt = {});

    QMainWindow &m_window;
    std::map<int, QAction *> m_actions;
    QToolBar *m_toolBar = nullptr;
    QMenu *m_fileMenu = nullptr;
    QMenu *m_viewMenu = nullptr;
    std::vector<std::string> m_recentPaths; // as the menu shows them
    QList<QAction *> m_recentFileActions;
    QAction *m_recentFilePlaceholder = nullptr;
    QAction *m_cancelOpen = nullptr;
};

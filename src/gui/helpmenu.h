#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QAction;
class QMenu;
class QUrl;
class QWidget;
class TAboutDialog;
class TShortcutsDialog;
class TUserGuideDialog;

// The Help menu: the window's keyboard shortcuts, the user guide shipped with the program, and what
// this program is and where it keeps its settings and rules.
class THelpMenu : public QObject
{
    Q_OBJECT

public:
    // The menu is added to the window's menu bar; `data_path` is the per-user folder of settings and rules.
    THelpMenu(QWidget* window, QMenu* menu, const QString& data_path);

    QAction* Shortcuts_Action() const;
    QAction* User_Guide_Action() const;
    QAction* About_Action() const;

    // Where the guide is installed beside the program, or empty when it is not found.
    static QString User_Guide_File();

    // How the guide reaches the desktop's browser: QDesktopServices unless a test puts itself in its
    // place. False when no browser answered.
    using TUrlOpener = std::function<bool(const QUrl& url)>;
    static void Set_Open_Url(TUrlOpener open_url);

public slots:
    void Show_Shortcuts();
    void Show_User_Guide();
    void Show_About();

private:
    QWidget* d_window;
    QString d_data_path;
    QAction* d_shortcuts_action;
    QAction* d_user_guide_action;
    QAction* d_about_action;
    TShortcutsDialog* d_shortcuts_dialog = nullptr;
    TUserGuideDialog* d_user_guide_dialog = nullptr;
    TAboutDialog* d_about_dialog = nullptr;
};

#include "helpmenu.h"

#include "aboutdialog.h"
#include "shortcutsdialog.h"
#include "userguidedialog.h"

#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTextBrowser>
#include <QUrl>

#include <utility>

namespace
{
THelpMenu::TUrlOpener& Open_Url()
{
    static THelpMenu::TUrlOpener open_url = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    return open_url;
}

// The commands of a menu and its submenus, in the order the menu shows them.
void Add_Menu_Actions(const QMenu* menu, QList<QAction*>* actions)
{
    for (QAction* action : menu->actions())
    {
        if (action->menu())
        {
            Add_Menu_Actions(action->menu(), actions);
        }
        else if (!action->isSeparator() && !actions->contains(action))
        {
            actions->append(action);
        }
    }
}
} // namespace

THelpMenu::THelpMenu(QWidget* window, QMenu* menu, const QString& data_path)
    : QObject(window), d_window(window), d_data_path(data_path),
      d_shortcuts_action(new QAction(tr("&Keyboard Shortcuts"), this)),
      d_user_guide_action(new QAction(tr("&User Guide"), this)),
      d_about_action(new QAction(tr("&About Vantrel"), this))
{
    d_shortcuts_action->setObjectName(QStringLiteral("shortcuts_action"));
    d_shortcuts_action->setToolTip(tr("List every keyboard shortcut of the window"));
    d_user_guide_action->setObjectName(QStringLiteral("user_guide_action"));
    d_user_guide_action->setToolTip(tr("Open the user guide"));
    d_user_guide_action->setShortcut(QKeySequence::HelpContents);
    d_about_action->setObjectName(QStringLiteral("about_action"));
    d_about_action->setToolTip(tr("Version, licence and the folder of settings and rules"));
    d_about_action->setMenuRole(QAction::AboutRole);

    menu->addAction(d_user_guide_action);
    menu->addAction(d_shortcuts_action);
    menu->addSeparator();
    menu->addAction(d_about_action);

    connect(d_shortcuts_action, &QAction::triggered, this, &THelpMenu::Show_Shortcuts);
    connect(d_user_guide_action, &QAction::triggered, this, &THelpMenu::Show_User_Guide);
    connect(d_about_action, &QAction::triggered, this, &THelpMenu::Show_About);
}

QAction* THelpMenu::Shortcuts_Action() const
{
    return d_shortcuts_action;
}

QAction* THelpMenu::User_Guide_Action() const
{
    return d_user_guide_action;
}

QAction* THelpMenu::About_Action() const
{
    return d_about_action;
}

QString THelpMenu::User_Guide_File()
{
    // Installed as /usr/share/doc/vantrel beside /usr/bin; a build keeps the same layout under its
    // top folder, so the program and its tests find the guide from either place.
    const QFileInfo guide(QCoreApplication::applicationDirPath() +
                          QStringLiteral("/../share/doc/vantrel/user-guide.html"));
    return guide.isFile() ? guide.canonicalFilePath() : QString();
}

void THelpMenu::Set_Open_Url(TUrlOpener open_url)
{
    Open_Url() = std::move(open_url);
}

void THelpMenu::Show_Shortcuts()
{
    QList<QAction*> actions;
    if (const QMainWindow* main_window = qobject_cast<const QMainWindow*>(d_window))
    {
        for (const QAction* menu_action : main_window->menuBar()->actions())
        {
            if (menu_action->menu())
            {
                Add_Menu_Actions(menu_action->menu(), &actions);
            }
        }
    }
    // Commands without a menu entry, such as going to the search field.
    for (QAction* action : d_window->actions())
    {
        if (!actions.contains(action))
        {
            actions.append(action);
        }
    }
    if (!d_shortcuts_dialog)
    {
        d_shortcuts_dialog = new TShortcutsDialog(d_window);
    }
    d_shortcuts_dialog->Show_Actions(actions);
    d_shortcuts_dialog->exec();
}

void THelpMenu::Show_User_Guide()
{
    const QString guide = User_Guide_File();
    // The desktop's browser shows the guide best; where none answers, the program shows it itself.
    if (!guide.isEmpty() && Open_Url()(QUrl::fromLocalFile(guide)))
    {
        return;
    }
    if (!d_user_guide_dialog)
    {
        d_user_guide_dialog = new TUserGuideDialog(d_window);
    }
    if (guide.isEmpty())
    {
        d_user_guide_dialog->Browser()->setPlainText(
            tr("The user guide is not installed. It is part of the program's documentation, in the "
               "file user-guide.html."));
    }
    else
    {
        d_user_guide_dialog->Show_File(guide);
    }
    d_user_guide_dialog->show();
    d_user_guide_dialog->raise();
}

void THelpMenu::Show_About()
{
    if (!d_about_dialog)
    {
        d_about_dialog = new TAboutDialog(d_data_path, d_window);
    }
    d_about_dialog->exec();
}

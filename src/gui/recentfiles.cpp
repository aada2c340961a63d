#include "recentfiles.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace
{
QString Normalised(const QString& file_name)
{
    return QDir::cleanPath(QFileInfo(file_name).absoluteFilePath());
}
} // namespace

TRecentFiles::TRecentFiles(QMenu* menu) : QObject(menu), d_menu(menu)
{
    setObjectName(QStringLiteral("recent_files"));

    // A fixed set of entries, shown as far as the list goes: an entry being triggered is never deleted.
    for (int index = 0; index < MAXIMUM_FILES; ++index)
    {
        QAction* action = new QAction(this);
        action->setObjectName(QStringLiteral("recent_file_%1").arg(index));
        connect(action, &QAction::triggered, this, &TRecentFiles::Entry_Triggered);
        d_menu->addAction(action);
        d_file_actions[index] = action;
    }
    d_separator = d_menu->addSeparator();

    d_clear_action = new QAction(tr("Clear Recent"), this);
    d_clear_action->setObjectName(QStringLiteral("clear_recent_action"));
    connect(d_clear_action, &QAction::triggered, this, &TRecentFiles::Clear);
    d_menu->addAction(d_clear_action);

    Update_Menu();
}

QStringList TRecentFiles::Files() const
{
    return d_files;
}

void TRecentFiles::Set_Files(const QStringList& files)
{
    d_files.clear();
    // Read back oldest first, so that each Add puts its file in front of the ones read before.
    for (auto file = files.crbegin(); file != files.crend(); ++file)
    {
        if (!file->isEmpty())
        {
            Add(*file);
        }
    }
    Update_Menu();
}

void TRecentFiles::Add(const QString& file_name)
{
    const QString path = Normalised(file_name);
    d_files.removeAll(path);
    d_files.prepend(path);
    while (d_files.size() > MAXIMUM_FILES)
    {
        d_files.removeLast();
    }
    Update_Menu();
}

void TRecentFiles::Clear()
{
    d_files.clear();
    Update_Menu();
}

void TRecentFiles::Entry_Triggered()
{
    const QAction* action = qobject_cast<const QAction*>(sender());
    if (!action)
    {
        return;
    }

    const QString path = action->data().toString();
    if (!QFileInfo(path).isFile())
    {
        d_files.removeAll(path);
        Update_Menu();
        emit File_Vanished(path);
        return;
    }
    emit Open_Requested(path);
}

void TRecentFiles::Update_Menu()
{
    for (int index = 0; index < MAXIMUM_FILES; ++index)
    {
        QAction* action = d_file_actions[index];
        const bool used = index < d_files.size();
        action->setVisible(used);
        action->setData(used ? d_files.at(index) : QString());
        if (used)
        {
            // An ampersand in a directory name would otherwise become a mnemonic and vanish from the text.
            QString shown = QDir::toNativeSeparators(d_files.at(index));
            shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
            action->setText(QStringLiteral("&%1  %2").arg(index + 1).arg(shown));
        }
    }
    d_separator->setVisible(!d_files.isEmpty());
    d_clear_action->setEnabled(!d_files.isEmpty());
}

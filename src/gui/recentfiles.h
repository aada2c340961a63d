#pragma once

#include <QObject>
#include <QStringList>
#include <array>

class QAction;
class QMenu;

// File > Open Recent: the parameter files opened last, newest first. A file that has gone from the disk
// since is dropped from the list when it is chosen, instead of failing as an open.
class TRecentFiles : public QObject
{
    Q_OBJECT

public:
    static constexpr int MAXIMUM_FILES = 8;

    // Fills the given menu and keeps it up to date; the menu stays owned by its parent.
    explicit TRecentFiles(QMenu* menu);

    QStringList Files() const;
    void Set_Files(const QStringList& files);
    void Add(const QString& file_name);
    void Clear();

signals:
    void Open_Requested(const QString& file_name);
    void File_Vanished(const QString& file_name);

private slots:
    void Entry_Triggered();

private:
    void Update_Menu();

    QMenu* d_menu = nullptr;
    std::array<QAction*, MAXIMUM_FILES> d_file_actions{};
    QAction* d_separator = nullptr;
    QAction* d_clear_action = nullptr;
    QStringList d_files;
};

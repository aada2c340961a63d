#pragma once

#include <QObject>
#include <QSet>
#include <QString>
#include <functional>

class QAction;
class QWidget;
class TEditHistory;
class TMessageBox;
class TParameterDocument;

// The parameter file the window works on: its path, whether the values differ from what was last
// read or saved (the edit history's clean state), File > Save and Save As, and the question that keeps
// unsaved edits from being thrown away by Close, New, Open, a drop or a recent file.
class TFileState : public QObject
{
    Q_OBJECT

public:
    TFileState(TParameterDocument* document, TEditHistory* history, TMessageBox* message_box,
               QWidget* window);

    // The window connects the two to Save and Save_As, after it has taken in what is being typed.
    QAction* Save_Action() const;
    QAction* Save_As_Action() const;

    // Save As asks for the path it writes through this (the window's file dialog, a test's answer);
    // an empty answer cancels.
    using TPathAsker = std::function<QString(const QString& caption, const QString& filter)>;
    void Set_Path_Asker(TPathAsker asker);

    // The file the loaded list was read from or last saved as; empty while none is loaded.
    QString Path() const;
    bool Is_Modified() const;
    // A list was read from this file (empty: the list was cleared); its edits start clean.
    void Set_Loaded(const QString& path);

    // True when the file holds the values afterwards; false when the user cancelled or the write
    // failed, the edits and the modified state then stay.
    bool Save();
    bool Save_As();
    // Asks whether to save unsaved edits before they would be dropped: true when the caller may go
    // on (nothing to save, saved, or discarded), false for Cancel or a save that did not happen.
    bool Ask_To_Keep_Edits();

signals:
    // A line for the status bar: where a save went, or why it failed ("ERR:  ...").
    void Status(const QString& text);
    void Path_Changed(const QString& path);
    // The file holds the values now.
    void Saved();
    void Modified_Changed(bool modified);

private:
    bool Save_To(const QString& path);
    bool Check_File_On_Disk(bool* save_elsewhere);
    bool Offer_Save_As_After_Failure(const QString& reason);
    void Update_Actions();

    TParameterDocument* d_document;
    TEditHistory* d_history;
    TMessageBox* d_message_box;
    QAction* d_save_action;
    QAction* d_save_as_action;
    TPathAsker d_ask_path;
    QString d_path;
    // The files a save went over this session: only the first keeps FILE.bak, so that the backup is
    // the file as it was before the session's work, not the session's previous save.
    QSet<QString> d_backed_up;
};

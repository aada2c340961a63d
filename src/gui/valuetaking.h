#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QAction;
class QStatusBar;
class QWidget;
class TComparisonView;
class TEditHistory;
class TMessageBox;
class TParameterDocument;
class TParameters;

// Values that travel between files: Take Values From File and Use All Reference Values, each through a
// preview and as one undoable step, and Save Changed Parameters As, which writes the changed
// parameters as a partial file of the loaded format for other machines to take.
class TValueTaking : public QObject
{
    Q_OBJECT

public:
    // What the window does for these commands: take in what is typed in the value editor first, and
    // ask for a file name (the caption, the filter, and whether the file is written).
    struct TWindowSteps
    {
        std::function<void()> finish_edit;
        std::function<QString(const QString&, const QString&, bool)> ask_file_name;
    };

    TValueTaking(TParameterDocument* document, TEditHistory* edit_history, const TComparisonView* comparison,
                 TMessageBox* message_box, QStatusBar* status_bar, TWindowSteps steps, QWidget* parent);

    QAction* Take_Values_Action() const;
    QAction* Use_All_Reference_Action() const;
    QAction* Save_Changed_Action() const;

    void Take_Values_From_File();
    void Use_All_Reference_Values();
    void Save_Changed_Parameters();

private:
    // Shows the preview of taking the values of source and takes the ticked ones as one step.
    void Preview_And_Take(const TParameters& source, const QString& path);
    void Show_Error(const QString& text, const QString& reason);
    void Update_Actions();

    TParameterDocument* d_document;
    TEditHistory* d_edit_history;
    const TComparisonView* d_comparison;
    TMessageBox* d_message_box;
    QStatusBar* d_status_bar;
    TWindowSteps d_steps;
    QWidget* d_parent;
    QAction* d_take_values_action;
    QAction* d_use_all_reference_action;
    QAction* d_save_changed_action;
};

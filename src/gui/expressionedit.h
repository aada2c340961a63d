#pragma once

#include <QLineEdit>
#include <functional>

class QCompleter;
class QStringListModel;
class TVariableNames;

// A field for one side of a rule. As the user types a name, a list under the cursor offers the keys,
// array elements and functions that start with it; choosing one puts it in place of what was typed.
class TExpressionEdit : public QLineEdit
{
    Q_OBJECT

public:
    // How many names the list offers at most: enough to scroll through, never all of a big file's.
    static const int MOST_COMPLETIONS = 200;

    explicit TExpressionEdit(QWidget* parent = nullptr);

    // Where the names come from, asked when a completion is first wanted; a null source or a null
    // answer offers none.
    using TNamesSource = std::function<const TVariableNames*()>;
    void Set_Names_Source(TNamesSource source);
    QCompleter* Completer() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Where the name being typed starts: the name reaches back from the cursor over word characters and
    // points. -1 when the cursor is not in a name (a number, an operator).
    int Name_Start() const;
    void Offer_Completions();
    void Insert_Completion(const QString& name);

    QCompleter* d_completer;
    QStringListModel* d_completions;
    TNamesSource d_names_source;
    bool d_inserting = false;
};

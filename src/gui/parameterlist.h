#pragma once

#include "parameterfilter.h"

#include <QColor>
#include <QIcon>
#include <QListView>
#include <QString>
#include <QStringList>

#include <functional>

class TParameterDocument;
class TParameters;

// The list of parameter keys: the keys of the loaded list in list order, as far as its filter lets them
// through, then keys only a reference file holds. The keys sit in a model of their own, so a list of
// 100,000 parameters is filled, narrowed and widened at the cost of handing over the key list: the view
// lays out and draws only the entries on screen, and an entry's marks are read when it is drawn. The
// list follows the document: a new list is listed whole, and an edited key enters, leaves or is drawn
// anew where it stands.
class TParameterList : public QListView
{
    Q_OBJECT

public:
    // How an entry is drawn beyond its key.
    struct TEntryMarks
    {
        bool bold = false;
        bool italic = false;
        // The text's colour; invalid for the view's own.
        QColor foreground;
        QIcon icon;
        QString tool_tip;
    };
    using TMarker = std::function<TEntryMarks(const QString& key)>;

    // The list shows keys of the list of `document`, which outlives it.
    explicit TParameterList(const TParameterDocument* document, QWidget* parent = nullptr);

    // Gives the marks of the entries on show; asked again for an entry when it is drawn anew.
    void Set_Marker(TMarker marker);
    // The rule that decides which keys are listed; Refill applies a change of it.
    TParameterFilter& Filter();
    // Lists the keys the filter lets through; the selected key stays selected while it is listed.
    void Refill();
    // Lists these keys, in this order, with nothing selected.
    void Set_Keys(QStringList keys);
    void Clear();
    // Decides again whether these keys are listed, and draws anew those that stay: their marks changed
    // by something other than their values.
    void Update_Keys(const QStringList& keys);

    int Count() const;
    QString Key(int row) const;
    // The row of a key, or -1 when it is not listed; found by halving the list, not by reading it.
    int Row(const QString& key) const;
    // False when no entry is selected; a key of a record may itself be empty.
    bool Selected_Key(QString* key) const;
    // Selects the entry of a key and makes it current; false when the key is not listed.
    bool Select_Key(const QString& key);

signals:
    void Selection_Changed();

private:
    class TKeyModel;

    void List_Replaced();
    void Keys_Changed(const QStringList& keys);
    // The place of a row's key in the loaded list; keys the list does not hold come after all others.
    int Order(int row) const;
    // The first row whose key comes at or after list position `index`.
    int Lower_Bound(int index) const;

    const TParameterDocument* d_document;
    const TParameters* d_parameters;
    TParameterFilter d_filter;
    TKeyModel* d_model;
};

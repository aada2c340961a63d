#include "parameterlist.h"

#include "parameterdocument.h"
#include "parameters.h"

#include <QAbstractListModel>
#include <QBrush>
#include <QFont>
#include <QItemSelectionModel>

#include <limits>
#include <utility>

// The listed keys, read by the view row by row as it draws them.
class TParameterList::TKeyModel : public QAbstractListModel
{
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : d_keys.size();
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || index.row() >= d_keys.size())
        {
            return QVariant();
        }
        const QString& key = d_keys.at(index.row());
        switch (role)
        {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return key;
        case Qt::FontRole:
        {
            const TEntryMarks marks = Marks(key);
            if (!marks.bold && !marks.italic)
            {
                return QVariant();
            }
            // Only weight and slant are set: the view's own font gives the rest.
            QFont font;
            font.setBold(marks.bold);
            font.setItalic(marks.italic);
            return font;
        }
        case Qt::ForegroundRole:
        {
            const QColor colour = Marks(key).foreground;
            return colour.isValid() ? QVariant(QBrush(colour)) : QVariant();
        }
        case Qt::DecorationRole:
        {
            const QIcon icon = Marks(key).icon;
            return icon.isNull() ? QVariant() : QVariant(icon);
        }
        case Qt::ToolTipRole:
        {
            const QString tool_tip = Marks(key).tool_tip;
            return tool_tip.isEmpty() ? QVariant() : QVariant(tool_tip);
        }
        default:
            return QVariant();
        }
    }

    void Set_Keys(QStringList keys)
    {
        beginResetModel();
        d_keys = std::move(keys);
        endResetModel();
    }

    void Insert(int row, const QString& key)
    {
        beginInsertRows(QModelIndex(), row, row);
        d_keys.insert(row, key);
        endInsertRows();
    }

    void Remove(int row)
    {
        beginRemoveRows(QModelIndex(), row, row);
        d_keys.removeAt(row);
        endRemoveRows();
    }

    void Key_Changed(int row)
    {
        const QModelIndex changed = index(row);
        emit dataChanged(changed, changed,
                         {Qt::FontRole, Qt::ForegroundRole, Qt::DecorationRole, Qt::ToolTipRole});
    }

    const QStringList& Keys() const { return d_keys; }

    TMarker d_marker;

private:
    TEntryMarks Marks(const QString& key) const { return d_marker ? d_marker(key) : TEntryMarks(); }

    QStringList d_keys;
};

namespace
{
// More keys than this entering or leaving at once (a revert of everything, values taken from a file)
// are listed anew in one go rather than row by row.
const int MOST_KEYS_MOVED_ONE_BY_ONE = 32;
} // namespace

TParameterList::TParameterList(const TParameterDocument* document, QWidget* parent)
    : QListView(parent), d_document(document), d_parameters(&document->Parameters()),
      d_model(new TKeyModel(this))
{
    // Every entry is one line of one font size: the view places entries without measuring each one.
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setModel(d_model);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TParameterList::Selection_Changed);
    connect(d_document, &TParameterDocument::List_Replaced, this, &TParameterList::List_Replaced);
    connect(d_document, &TParameterDocument::Keys_Changed, this, &TParameterList::Keys_Changed);
}

TParameterFilter& TParameterList::Filter()
{
    return d_filter;
}

void TParameterList::Refill()
{
    QString kept_key;
    const bool kept = Selected_Key(&kept_key);
    Set_Keys(d_document->Is_Loaded() ? d_filter.Listed_Keys(*d_parameters) : QStringList());
    // Handing over new keys drops the selection without a word; the selection is either taken up again
    // or reported gone.
    if (!kept || !Select_Key(kept_key))
    {
        emit Selection_Changed();
    }
}

void TParameterList::List_Replaced()
{
    // Nothing of the replaced list stays selected.
    Clear();
    Refill();
}

void TParameterList::Keys_Changed(const QStringList& keys)
{
    Update_Keys(keys);
}

void TParameterList::Update_Keys(const QStringList& keys)
{
    // An edit, an undo or a revert can move a key into or out of what the filter lets through.
    QStringList entering;
    QStringList leaving;
    for (const QString& key : keys)
    {
        const TParameters::TParameter* parameter = d_parameters->Find_Parameter(key);
        const bool listed = parameter && d_filter.Is_Listed(*parameter);
        const int row = Row(key);
        if (listed && row < 0)
        {
            entering.append(key);
        }
        else if (!listed && row >= 0)
        {
            leaving.append(key);
        }
        else if (row >= 0)
        {
            d_model->Key_Changed(row);
        }
    }
    if (entering.size() + leaving.size() > MOST_KEYS_MOVED_ONE_BY_ONE)
    {
        Refill();
        return;
    }
    for (const QString& key : leaving)
    {
        d_model->Remove(Row(key));
    }
    for (const QString& key : entering)
    {
        d_model->Insert(Lower_Bound(d_parameters->Parameter_Index(key)), key);
    }
}

void TParameterList::Set_Marker(TMarker marker)
{
    d_model->d_marker = std::move(marker);
}

void TParameterList::Set_Keys(QStringList keys)
{
    d_model->Set_Keys(std::move(keys));
}

void TParameterList::Clear()
{
    Set_Keys(QStringList());
}

int TParameterList::Count() const
{
    return d_model->Keys().size();
}

QString TParameterList::Key(int row) const
{
    return d_model->Keys().value(row);
}

int TParameterList::Order(int row) const
{
    const int index = d_parameters->Parameter_Index(d_model->Keys().at(row));
    return index < 0 ? std::numeric_limits<int>::max() : index;
}

int TParameterList::Lower_Bound(int index) const
{
    // The loaded keys are listed in list order.
    int first = 0;
    int end = Count();
    while (first < end)
    {
        const int middle = first + (end - first) / 2;
        if (Order(middle) < index)
        {
            first = middle + 1;
        }
        else
        {
            end = middle;
        }
    }
    return first;
}

int TParameterList::Row(const QString& key) const
{
    const QStringList& keys = d_model->Keys();
    const int index = d_parameters->Parameter_Index(key);
    if (index < 0)
    {
        // A key of the reference alone: those are few and listed last.
        for (int row = keys.size() - 1; row >= 0 && Order(row) == std::numeric_limits<int>::max(); --row)
        {
            if (keys.at(row) == key)
            {
                return row;
            }
        }
        return -1;
    }
    const int row = Lower_Bound(index);
    return row < keys.size() && Order(row) == index ? row : -1;
}

bool TParameterList::Selected_Key(QString* key) const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    if (selected.size() != 1)
    {
        return false;
    }
    *key = Key(selected.first().row());
    return true;
}

bool TParameterList::Select_Key(const QString& key)
{
    const int row = Row(key);
    if (row < 0)
    {
        return false;
    }
    const QModelIndex entry = d_model->index(row);
    selectionModel()->setCurrentIndex(entry, QItemSelectionModel::ClearAndSelect);
    scrollTo(entry);
    return true;
}

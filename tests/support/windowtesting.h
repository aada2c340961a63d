#pragma once

// Shared by the main window tests: a window whose file dialogs are answered from lists, access to the
// model the window owns, and writers for small rules files.

#include "comparisonview.h"
#include "dialogtesting.h"
#include "livecheck.h"
#include "messagebox.h"
#include "parameterdocument.h"
#include "parameterlist.h"
#include "ruleoutcomes.h"
#include "testsupport.h"
#include "vantrel.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class TVantrelTestAccess
{
public:
    static TParameters& Parameters(TVantrel& window) { return window.d_document->d_parameters; }
    static TRules& Rules(TVantrel& window) { return window.d_rules; }
    static const TParameters* Reference(TVantrel& window) { return window.d_comparison->Reference(); }
    static TLiveCheck* Live_Check(TVantrel& window) { return window.d_rule_outcomes->Live_Check(); }
};

class TTestWindow : public TVantrel
{
public:
    QStringList open_answers;
    QStringList save_answers;
    int open_asks = 0;
    int save_asks = 0;

protected:
    QString Ask_Open_File_Name() override
    {
        ++open_asks;
        return open_answers.isEmpty() ? QString() : open_answers.takeFirst();
    }

    QString Ask_Save_File_Name() override
    {
        ++save_asks;
        return save_answers.isEmpty() ? QString() : save_answers.takeFirst();
    }

    // The rule and report commands take their answers from the same lists.
    QString Ask_File_Name(const QString&, const QString&, bool for_writing) override
    {
        return for_writing ? Ask_Save_File_Name() : Ask_Open_File_Name();
    }
};

namespace Testing
{
// The window keeps its settings and rules under HOME. Whatever HOME the test was started with, the
// window under test gets a private one, so a test run can never touch a user's own ~/.vantrel.
inline void Use_Private_Home()
{
    static QTemporaryDir home;
    static const bool set = qputenv("HOME", QFile::encodeName(home.path()));
    Q_UNUSED(set);
}

inline QString Vantrel_Directory()
{
    Use_Private_Home();
    return QDir::home().filePath(QStringLiteral(".vantrel"));
}

inline QString Settings_File()
{
    return Vantrel_Directory() + QStringLiteral("/settings.ini");
}

inline QString Rules_File()
{
    return Vantrel_Directory() + QStringLiteral("/rules.xml");
}

// Every test function starts as a first run of the program for this user.
inline void Fresh_Home()
{
    Use_Private_Home();
    QDir().mkpath(QDir::homePath());
    QDir(Vantrel_Directory()).removeRecursively();
    TMessageBox::Clear_Answers();
}

// A constants file with parameters of every value type the window edits, and one key without a name.
inline QByteArray Constants_File()
{
    return Data_File(QStringLiteral("constants.asc"));
}

inline QStringList Constants_Keys()
{
    return {QStringLiteral("CMMCONFG"), QStringLiteral("DEA_TAPS"), QStringLiteral("TTP_DECL"),
            QStringLiteral("AX_LIMIT"), QStringLiteral("WIDE_NUM"), QStringLiteral("MAXSPEED"),
            QStringLiteral("SpAx_Gain")};
}

// A parameter settings file; the trailing blanks keep it above the smallest file size read.
inline QByteArray Settings_File_Content()
{
    return Data_File(QStringLiteral("settings.xml"));
}

struct TRuleFixture
{
    QString name;
    QString left;
    QString right;
    QString oper;
};

struct TGroupFixture
{
    QString name;
    QList<TRuleFixture> rules;
};

inline QByteArray Rules_File_Content(const QList<TGroupFixture>& groups)
{
    QString text = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Rules File_Version=\"1\">\n");
    for (const TGroupFixture& group : groups)
    {
        text += QStringLiteral("    <Rule_Group>\n        <Name>%1</Name>\n").arg(group.name.toHtmlEscaped());
        for (const TRuleFixture& rule : group.rules)
        {
            text += QStringLiteral("        <Rule_Item>\n            <Name>%1</Name>\n")
                        .arg(rule.name.toHtmlEscaped());
            if (!rule.left.isEmpty())
            {
                text += QStringLiteral("            <Left_Expression>%1</Left_Expression>\n")
                            .arg(rule.left.toHtmlEscaped());
            }
            if (!rule.right.isEmpty())
            {
                text += QStringLiteral("            <Right_Expression>%1</Right_Expression>\n")
                            .arg(rule.right.toHtmlEscaped());
            }
            text +=
                QStringLiteral("            <Operator>%1</Operator>\n        </Rule_Item>\n").arg(rule.oper);
        }
        text += QStringLiteral("    </Rule_Group>\n");
    }
    text += QStringLiteral("</Rules>\n");
    return text.toUtf8();
}

inline bool Write_Rules(const QList<TGroupFixture>& groups)
{
    QDir().mkpath(Vantrel_Directory());
    return Write_File(Rules_File(), Rules_File_Content(groups));
}

inline TParameterList* Parameter_List(const QWidget* window)
{
    return window->findChild<TParameterList*>(QStringLiteral("parameter_list"));
}

inline bool Select_Key(TParameterList* list, const QString& key)
{
    QString selected;
    return list->Select_Key(key) && list->Selected_Key(&selected) && selected == key;
}

// The selected keys as the view holds them: none or one in this list.
inline QStringList Selected_Keys(const TParameterList* list)
{
    QStringList keys;
    for (const QModelIndex& index : list->selectionModel()->selectedIndexes())
    {
        keys << index.data().toString();
    }
    return keys;
}

inline QStringList List_Texts(const QAbstractItemView* list)
{
    QStringList texts;
    for (int row = 0; row < list->model()->rowCount(); ++row)
    {
        texts << list->model()->index(row, 0).data().toString();
    }
    return texts;
}

// What the view draws for a key's entry: its font's weight and slant and its tool tip.
inline QVariant Entry_Data(const TParameterList* list, const QString& key, int role)
{
    return list->model()->index(list->Row(key), 0).data(role);
}

inline bool Entry_Bold(const TParameterList* list, const QString& key)
{
    return Entry_Data(list, key, Qt::FontRole).value<QFont>().bold();
}

inline QString Entry_Tool_Tip(const TParameterList* list, const QString& key)
{
    return Entry_Data(list, key, Qt::ToolTipRole).toString();
}

// The pairs of visible widgets under `root` that share a parent and cover part of each other, as
// "first / second" by object name (or class): none where a layout has room for all of its widgets.
inline QStringList Overlapping_Widgets(const QWidget* root)
{
    const auto name = [](const QWidget* widget)
    { return widget->objectName().isEmpty() ? widget->metaObject()->className() : widget->objectName(); };
    QStringList overlaps;
    QList<QWidget*> shown;
    for (QObject* child : root->children())
    {
        QWidget* widget = qobject_cast<QWidget*>(child);
        if (widget && !widget->isWindow() && widget->isVisible())
        {
            shown << widget;
        }
    }
    for (int first = 0; first < shown.size(); ++first)
    {
        for (int second = first + 1; second < shown.size(); ++second)
        {
            if (shown.at(first)->geometry().intersects(shown.at(second)->geometry()))
            {
                overlaps << name(shown.at(first)) + QStringLiteral(" / ") + name(shown.at(second));
            }
        }
    }
    for (const QWidget* widget : shown)
    {
        overlaps << Overlapping_Widgets(widget);
    }
    return overlaps;
}
} // namespace Testing

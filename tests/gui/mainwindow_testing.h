#pragma once

// Shared by the main window tests: a window whose file dialogs are answered from lists, access to the
// model the window owns, and writers for small parameter and rules files.

#include "messagebox.h"
#include "vantrel.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

class TVantrelTestAccess
{
public:
    static TParameters& Parameters(TVantrel& window) { return window.d_parameters; }
    static TRules& Rules(TVantrel& window) { return window.d_rules; }
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

inline bool Write_File(const QString& path, const QByteArray& content)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
    {
        return false;
    }
    return file.write(content) == content.size();
}

// One header line of a machine constants file: number after "#", name, ":" at column 24 or later,
// the type word, and the key from column 64 on.
inline QString Constants_Header(int number, const QString& name, const QString& type, const QString& key)
{
    const QString prefix = QStringLiteral("#%1 ").arg(number, 2);
    // Without a name the blanks after the number belong to the number field (up to five characters),
    // so the colon moves right to stay a separator.
    const int colon = name.isEmpty() ? 28 : qMax(24, static_cast<int>(prefix.size()) + 20);
    const QString name_part = prefix + name;
    const QString line = name_part.leftJustified(colon, QLatin1Char(' ')) + QStringLiteral(": ") + type;
    return line.leftJustified(64, QLatin1Char(' ')) + key;
}

// A constants file with parameters of every value type the window edits, and one key without a name.
inline QByteArray Constants_File()
{
    QStringList lines;
    lines << QStringLiteral("Machine Constants File") << QString()
          << QStringLiteral("Written for the window tests; the header lines follow below.") << QString();
    lines << Constants_Header(39, QStringLiteral("Config word"), QStringLiteral("Integer | bit pattern"),
                              QStringLiteral("CMMCONFG"))
          << QStringLiteral("  2048") << QString();
    lines << Constants_Header(94, QStringLiteral("DEA filter taps"), QStringLiteral("Longint"),
                              QStringLiteral("DEA_TAPS"))
          << QStringLiteral("  8") << QString();
    lines << Constants_Header(98, QStringLiteral("Probe decel"), QStringLiteral("Double[3]"),
                              QStringLiteral("TTP_DECL"))
          << QStringLiteral("  2.5000000000000E+02") << QStringLiteral("  2.5000000000000E+02")
          << QStringLiteral("  1.2500000000000E+02") << QString();
    lines << Constants_Header(7, QString(), QStringLiteral("Integer[5]"), QStringLiteral("AX_LIMIT"))
          << QStringLiteral("  1") << QStringLiteral("  2") << QStringLiteral("  3") << QStringLiteral("  4")
          << QStringLiteral("  5") << QString();
    lines << Constants_Header(1234, QStringLiteral("Wide number"), QStringLiteral("Integer"),
                              QStringLiteral("WIDE_NUM"))
          << QStringLiteral("  3") << QString();
    lines << Constants_Header(120, QStringLiteral("Max speed"), QStringLiteral("Double"),
                              QStringLiteral("MAXSPEED"))
          << QStringLiteral("  1.5") << QString();
    lines << Constants_Header(121, QStringLiteral("Spindle gain"), QStringLiteral("Integer"),
                              QStringLiteral("SpAx_Gain"))
          << QStringLiteral("  -4") << QString();
    return lines.join(QLatin1Char('\n')).toLatin1();
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
    QByteArray content = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                         "<ZIDParameterSettings>\n"
                         "  <TTP_DECL>\n"
                         "    <!-- Maximum deceleration in response to the probe deflection -->\n"
                         "    <Value_1>2.5E+02</Value_1>\n"
                         "    <Value_2>1.25E+02</Value_2>\n"
                         "  </TTP_DECL>\n"
                         "  <DEA_TAPS>\n"
                         "    <Value>8</Value>\n"
                         "  </DEA_TAPS>\n"
                         "  <EXAMPLE_TEXT>\n"
                         "    <!-- Free text kept with the settings -->\n"
                         "    <Value>Line 3</Value>\n"
                         "  </EXAMPLE_TEXT>\n"
                         "</ZIDParameterSettings>\n";
    content.append(QByteArray(200, ' '));
    content.append('\n');
    return content;
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

// Modal dialogs run their own event loop: the answer is given from a timer once the dialog is up.
inline void Poll_For_Dialog(const std::function<void(QDialog*)>& answer, bool* answered, int tries)
{
    QDialog* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog && dialog->isVisible())
    {
        answer(dialog);
        if (answered)
        {
            *answered = true;
        }
        return;
    }
    if (tries > 0)
    {
        QTimer::singleShot(10, [answer, answered, tries]() { Poll_For_Dialog(answer, answered, tries - 1); });
    }
}

inline void Answer_Next_Dialog(const std::function<void(QDialog*)>& answer, bool* answered = nullptr)
{
    if (answered)
    {
        *answered = false;
    }
    QTimer::singleShot(0, [answer, answered]() { Poll_For_Dialog(answer, answered, 3000); });
}

inline bool Select_Key(QListWidget* list, const QString& key)
{
    const QList<QListWidgetItem*> items = list->findItems(key, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (items.size() != 1)
    {
        return false;
    }
    list->setCurrentItem(items.first());
    return items.first()->isSelected();
}

inline QStringList List_Texts(const QListWidget* list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
    {
        texts << list->item(row)->text();
    }
    return texts;
}
} // namespace Testing

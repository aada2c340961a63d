#include "filestate.h"

#include "edithistory.h"
#include "messagebox.h"
#include "parameterdocument.h"
#include "testsupport.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

#include <memory>

using namespace Testing;

// Save and Save As of the loaded file: what each state of the file on disk asks, what each answer
// writes, the backup kept once a session, and a write that fails keeping the edits.
class TFileStateTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void Save_data();
    void Save();
    void Backup_Kept_Once();
    void Question_Before_Edits_Are_Dropped_data();
    void Question_Before_Edits_Are_Dropped();

private:
    void Load(const QString& path);
    void Edit_Taps(qint32 value);
    QString Path_Of(const QString& name) const { return d_files.filePath(name); }
    static qint32 Taps_In(const QString& path);

    QTemporaryDir d_files;
    std::unique_ptr<QWidget> d_window;
    TParameterDocument* d_document = nullptr;
    TEditHistory* d_history = nullptr;
    TMessageBox* d_message_box = nullptr;
    TFileState* d_state = nullptr;
    QStringList d_path_answers;
    QString d_path;
};

namespace
{
QMessageBox::StandardButton Answer(const QString& name)
{
    if (name == QLatin1String("Yes"))
    {
        return QMessageBox::Yes;
    }
    if (name == QLatin1String("Save"))
    {
        return QMessageBox::Save;
    }
    return name == QLatin1String("Discard") ? QMessageBox::Discard : QMessageBox::Cancel;
}

void Queue_Answers(const QString& answers)
{
    for (const QString& answer : answers.split(QLatin1Char(','), Qt::SkipEmptyParts))
    {
        TMessageBox::Queue_Answer(Answer(answer));
    }
}
} // namespace

void TFileStateTest::init()
{
    TMessageBox::Clear_Answers();
    QDir(d_files.path()).removeRecursively();
    QDir().mkpath(d_files.path());
    d_path_answers.clear();
    d_window = std::make_unique<QWidget>();
    d_document = new TParameterDocument(d_window.get());
    d_message_box = new TMessageBox(d_window.get());
    d_history = new TEditHistory(d_document, d_message_box, d_window.get());
    d_state = new TFileState(d_document, d_history, d_message_box, d_window.get());
    d_state->Set_Path_Asker(
        [this](const QString&, const QString&)
        { return d_path_answers.isEmpty() ? QString() : Path_Of(d_path_answers.takeFirst()); });
    d_path = Write_In(d_files, QStringLiteral("constants.asc"), Data_File(QStringLiteral("constants.asc")));
    Load(d_path);
}

void TFileStateTest::Load(const QString& path)
{
    TParameters parameters;
    QVERIFY(parameters.Load_Parameter_File(path));
    d_document->Replace_List(std::move(parameters));
    d_state->Set_Loaded(path);
}

void TFileStateTest::Edit_Taps(qint32 value)
{
    TParameters::TParameter taps = d_document->Parameters().Get_Parameter(QStringLiteral("DEA_TAPS"));
    taps.integer_values = {value};
    d_history->Edit(taps);
}

qint32 TFileStateTest::Taps_In(const QString& path)
{
    TParameters read;
    if (!read.Load_Parameter_File(path))
    {
        return -1;
    }
    const QVector<qint32> values = read.Get_Parameter(QStringLiteral("DEA_TAPS")).integer_values;
    return values.isEmpty() ? -1 : values.first();
}

void TFileStateTest::Save_data()
{
    QTest::addColumn<QString>("disk");        // what befalls the file after it was read
    QTest::addColumn<QString>("answers");     // to the boxes, in order
    QTest::addColumn<QStringList>("save_as"); // the paths Save As is given
    QTest::addColumn<QString>("written");     // the file that holds the edit afterwards; empty for none
    QTest::addColumn<QString>("status");      // how the status line starts

    QTest::newRow("file as read") << ""
                                  << "" << QStringList() << "constants.asc"
                                  << "Saved ";
    QTest::newRow("changed on disk, overwrite") << "changed"
                                                << "Yes" << QStringList() << "constants.asc"
                                                << "Saved ";
    QTest::newRow("changed on disk, save as") << "changed"
                                              << "Save" << QStringList{"other.asc"} << "other.asc"
                                              << "Saved ";
    QTest::newRow("changed on disk, cancel") << "changed"
                                             << "Cancel" << QStringList() << ""
                                             << "";
    QTest::newRow("changed on disk, save as cancelled") << "changed"
                                                        << "Save" << QStringList() << ""
                                                        << "";
    QTest::newRow("vanished, write anew") << "vanished"
                                          << "Yes" << QStringList() << "constants.asc"
                                          << "Saved ";
    QTest::newRow("vanished, cancel") << "vanished"
                                      << "Cancel" << QStringList() << ""
                                      << "";
    QTest::newRow("write fails, cancel") << "folder"
                                         << "Yes,Cancel" << QStringList() << ""
                                         << "ERR:  ";
    QTest::newRow("write fails, then save as") << "folder"
                                               << "Yes,Save" << QStringList{"other.asc"} << "other.asc"
                                               << "Saved ";
    QTest::newRow("save as into a missing folder fails, again")
        << "changed"
        << "Save,Save" << QStringList{"none/x.asc", "other.asc"} << "other.asc"
        << "Saved ";
}

void TFileStateTest::Save()
{
    QFETCH(QString, disk);
    QFETCH(QString, answers);
    QFETCH(QStringList, save_as);
    QFETCH(QString, written);
    QFETCH(QString, status);

    const QByteArray original = Read_File(d_path);
    QByteArray on_disk = original;
    if (disk == QLatin1String("changed"))
    {
        // A colleague's edit of another value: the same size, other bytes.
        on_disk.replace("  8\n", "  9\n");
        QVERIFY(Write_File(d_path, on_disk));
    }
    else if (disk == QLatin1String("vanished") || disk == QLatin1String("folder"))
    {
        QVERIFY(QFile::remove(d_path));
        on_disk.clear();
        if (disk == QLatin1String("folder"))
        {
            QVERIFY(QDir().mkpath(d_path));
        }
    }

    Edit_Taps(12);
    QVERIFY(d_state->Is_Modified());
    QVERIFY(d_state->Save_Action()->isEnabled());
    QSignalSpy status_spy(d_state, &TFileState::Status);
    Queue_Answers(answers);
    d_path_answers = save_as;
    const bool saved = d_state->Save();

    QCOMPARE(TMessageBox::Pending_Answers(), 0);
    QCOMPARE(saved, !written.isEmpty());
    QCOMPARE(d_state->Is_Modified(), written.isEmpty());
    QCOMPARE(d_state->Save_Action()->isEnabled(), written.isEmpty());
    if (status.isEmpty())
    {
        QCOMPARE(status_spy.count(), 0);
    }
    else
    {
        QVERIFY(!status_spy.isEmpty());
        QVERIFY2(status_spy.last().at(0).toString().startsWith(status),
                 qPrintable(status_spy.last().at(0).toString()));
    }

    if (written.isEmpty())
    {
        // Nothing was replaced: the file holds what the other program left, or is still gone.
        QCOMPARE(d_state->Path(), d_path);
        if (disk != QLatin1String("folder"))
        {
            QCOMPARE(QFile::exists(d_path) ? Read_File(d_path) : QByteArray(), on_disk);
        }
        return;
    }
    const QString target = Path_Of(written);
    QCOMPARE(d_state->Path(), target);
    QCOMPARE(Taps_In(target), 12);
    if (target != d_path && disk != QLatin1String("folder"))
    {
        QCOMPARE(QFile::exists(d_path) ? Read_File(d_path) : QByteArray(), on_disk);
    }
}

void TFileStateTest::Backup_Kept_Once()
{
    const QByteArray original = Read_File(d_path);
    QSignalSpy status_spy(d_state, &TFileState::Status);

    Edit_Taps(12);
    QVERIFY(d_state->Save());
    const QString backup = d_path + QStringLiteral(".bak");
    QCOMPARE(Read_File(backup), original);
    QCOMPARE(status_spy.last().at(0).toString(),
             QStringLiteral("Saved %1; the file as it was is kept as %2")
                 .arg(QDir::toNativeSeparators(d_path), QDir::toNativeSeparators(backup)));

    // The backup stays the file as it was before the session's work, not the session's last save.
    Edit_Taps(13);
    QVERIFY(d_state->Save());
    QCOMPARE(Read_File(backup), original);
    QCOMPARE(status_spy.last().at(0).toString(),
             QStringLiteral("Saved %1").arg(QDir::toNativeSeparators(d_path)));
    QCOMPARE(Taps_In(d_path), 13);

    // Undoing back to the saved values is clean again; redoing past them is not.
    Edit_Taps(14);
    QVERIFY(d_state->Is_Modified());
    d_history->Undo_Action()->trigger();
    QVERIFY(!d_state->Is_Modified());
    d_history->Redo_Action()->trigger();
    QVERIFY(d_state->Is_Modified());

    // Save As over another existing file keeps that file too; a new file has nothing to keep.
    const QString other = Write_In(d_files, QStringLiteral("other.asc"), original);
    d_path_answers = QStringList{QStringLiteral("other.asc")};
    QVERIFY(d_state->Save_As());
    QCOMPARE(Read_File(other + QStringLiteral(".bak")), original);
    QCOMPARE(Taps_In(other), 14);
    d_path_answers = QStringList{QStringLiteral("new.asc")};
    QVERIFY(d_state->Save_As());
    QVERIFY(!QFile::exists(Path_Of(QStringLiteral("new.asc.bak"))));
    QCOMPARE(d_state->Path(), Path_Of(QStringLiteral("new.asc")));
}

void TFileStateTest::Question_Before_Edits_Are_Dropped_data()
{
    QTest::addColumn<bool>("edited");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("go_on");
    QTest::addColumn<qint32>("taps_on_disk");

    QTest::newRow("no edits, no question") << false << "" << true << 8;
    QTest::newRow("save") << true << "Save" << true << 12;
    QTest::newRow("discard") << true << "Discard" << true << 8;
    QTest::newRow("cancel") << true << "Cancel" << false << 8;
}

void TFileStateTest::Question_Before_Edits_Are_Dropped()
{
    QFETCH(bool, edited);
    QFETCH(QString, answer);
    QFETCH(bool, go_on);
    QFETCH(qint32, taps_on_disk);

    if (edited)
    {
        Edit_Taps(12);
    }
    Queue_Answers(answer);
    QCOMPARE(d_state->Ask_To_Keep_Edits(), go_on);
    QCOMPARE(TMessageBox::Pending_Answers(), 0);
    QCOMPARE(Taps_In(d_path), taps_on_disk);
    if (edited)
    {
        QCOMPARE(d_message_box->text().contains(QStringLiteral("Save changes to constants.asc?")), true);
        QCOMPARE(d_state->Is_Modified(), answer != QLatin1String("Save"));
    }
}

QTEST_MAIN(TFileStateTest)
#include "tst_filestate.moc"

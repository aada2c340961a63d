#pragma once

// Shared by every test: files written and read whole, the checked-in sample files, and rule items.

#include "rules.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QTemporaryDir>

namespace Testing
{
// Writes content to path, replacing what was there; false when the file cannot be written whole.
bool Write_File(const QString& path, const QByteArray& content);

// Writes content to the file name in directory; its path, or empty when it cannot be written whole.
QString Write_In(const QTemporaryDir& directory, const QString& name, const QByteArray& content);

// The whole content of path; empty when it cannot be read.
QByteArray Read_File(const QString& path);

// Path and content of a checked-in sample under tests/data/.
QString Data_Path(const QString& name);
QByteArray Data_File(const QString& name);

// A rule item as the rule dialogs and the rules file hold it.
TRules::TRuleItem Rule_Item(const QString& name, const QString& left = QStringLiteral("1"),
                            const QString& right = QStringLiteral("2"),
                            TRules::TOperatorType operator_type = TRules::OPERATOR_LESS_THAN);

// One header line of a machine constants file: number after "#", name, ":" at column 24 or later,
// the type word, and the key from column 64 on.
QString Constants_Header(int number, const QString& name, const QString& type, const QString& key);

// A write-only device that takes writes until the failing one (counted from 1; 0: never), which fails as
// a full disk does. What it took is kept in written.
class TFailingDevice : public QIODevice
{
public:
    explicit TFailingDevice(int failing_write);

    QByteArray written;

protected:
    qint64 readData(char* data, qint64 length) override;
    qint64 writeData(const char* data, qint64 length) override;

private:
    int d_failing_write;
    int d_writes = 0;
};
} // namespace Testing

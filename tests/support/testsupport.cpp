#include "testsupport.h"

#include "testconfig.h"

#include <QDir>
#include <QFile>

namespace Testing
{
bool Write_File(const QString& path, const QByteArray& content)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
    {
        return false;
    }
    return file.write(content) == content.size();
}

QString Write_In(const QTemporaryDir& directory, const QString& name, const QByteArray& content)
{
    const QString path = directory.filePath(name);
    return Write_File(path, content) ? path : QString();
}

QByteArray Read_File(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
    {
        return QByteArray();
    }
    return file.readAll();
}

QString Data_Path(const QString& name)
{
    return QDir(QStringLiteral(VANTREL_TEST_DATA_DIR)).filePath(name);
}

QByteArray Data_File(const QString& name)
{
    const QString path = Data_Path(name);
    if (!QFile::exists(path))
    {
        qFatal("missing test data %s", qPrintable(path));
    }
    return Read_File(path);
}

TRules::TRuleItem Rule_Item(const QString& name, const QString& left, const QString& right,
                            TRules::TOperatorType operator_type)
{
    TRules::TRuleItem item;
    item.name = name;
    item.left_expression = left;
    item.right_expression = right;
    item.operator_type = operator_type;
    return item;
}

QString Constants_Header(int number, const QString& name, const QString& type, const QString& key)
{
    const QString prefix = QStringLiteral("#%1 ").arg(number, 2);
    // Without a name the blanks after the number belong to the number field (up to five characters),
    // so the colon moves right to stay a separator.
    const int colon = name.isEmpty() ? 28 : qMax(24, static_cast<int>(prefix.size()) + 20);
    const QString name_part = prefix + name;
    const QString line = name_part.leftJustified(colon, QLatin1Char(' ')) + QStringLiteral(": ") + type;
    return line.leftJustified(64, QLatin1Char(' ')) + key;
}

TFailingDevice::TFailingDevice(int failing_write) : d_failing_write(failing_write)
{
    open(QIODevice::WriteOnly);
}

qint64 TFailingDevice::readData(char* data, qint64 length)
{
    Q_UNUSED(data);
    Q_UNUSED(length);
    return -1;
}

qint64 TFailingDevice::writeData(const char* data, qint64 length)
{
    if (++d_writes == d_failing_write)
    {
        setErrorString(QStringLiteral("No space left on device"));
        return -1;
    }
    written.append(data, static_cast<int>(length));
    return length;
}
} // namespace Testing

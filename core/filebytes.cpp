#include "filebytes.h"

#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QSaveFile>

namespace
{
// Why a file cannot be written, in the system's words for the file itself. The file is opened for
// appending only to learn the reason: nothing in it changes, and a file made by the probe goes again.
QString File_Open_Error(const QString& file_name, const QString& save_file_error)
{
    const bool existed = QFileInfo::exists(file_name);
    QFile probe(file_name);
    if (!probe.open(QIODevice::WriteOnly | QIODevice::Append))
    {
        return probe.errorString();
    }
    probe.close();
    if (!existed)
    {
        probe.remove();
    }
    return save_file_error;
}
} // namespace

namespace FileBytes
{
bool Read(const QString& file_name, QByteArray* content, QString* reason)
{
    QFile file(file_name);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
    {
        *reason = file.errorString();
        return false;
    }
    *content = file.readAll();
    if (file.error() != QFileDevice::NoError)
    {
        *reason = file.errorString();
        content->clear();
        return false;
    }
    return true;
}

QByteArray Without_Carriage_Returns(const QByteArray& content)
{
    if (!content.contains('\r'))
    {
        return content;
    }
    QByteArray result = content;
    result.replace('\r', QByteArray());
    return result;
}

bool Write_All(QIODevice* device, const QByteArray& bytes)
{
    const qint64 block = 64 * 1024;
    for (qint64 offset = 0; offset < bytes.size(); offset += block)
    {
        const qint64 length = qMin(block, bytes.size() - offset);
        if (device->write(bytes.constData() + offset, length) != length)
        {
            return false;
        }
    }
    return true;
}

bool Write_Atomically(const QString& file_name, const std::function<bool(QIODevice*)>& write, QString* reason)
{
    QSaveFile file(file_name);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
    {
        *reason = File_Open_Error(file_name, file.errorString());
        return false;
    }
    if (!write(&file))
    {
        *reason = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit())
    {
        *reason = file.errorString();
        return false;
    }
    return true;
}
} // namespace FileBytes

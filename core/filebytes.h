#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

class QIODevice;

// Whole files: read in one go, seen as a text-mode read sees them, and written whole or not at all.
namespace FileBytes
{
// The whole content of a file, read in one go without the device's read buffer. False with the
// system's reason when the file cannot be opened or read.
bool Read(const QString& file_name, QByteArray* content, QString* reason);

// The content as a read in text mode gives it: every carriage return dropped, not only those before a
// line feed.
QByteArray Without_Carriage_Returns(const QByteArray& content);

// Writes bytes to a device in blocks of 64 KiB, so that a big file reaches it without one giant write;
// false as soon as the device takes less than a block (its error string says why).
bool Write_All(QIODevice* device, const QByteArray& bytes);

// Writes a file whole or not at all: `write` fills a new file beside it, which takes the file's name
// only when every write succeeded, so that a failure leaves the earlier file as it was. Only where the
// folder cannot take a new file is the file written in place, as the user may still write it. On
// failure reason holds the system's words for the file itself ("Permission denied", "Is a directory")
// rather than those of the new file beside it.
bool Write_Atomically(const QString& file_name, const std::function<bool(QIODevice*)>& write,
                      QString* reason);
} // namespace FileBytes

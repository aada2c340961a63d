#pragma once

#include <QByteArray>
#include <QJsonValue>
#include <QString>
#include <functional>
#include <vector>

// Writes one JSON document a piece at a time, byte for byte as QJsonDocument writes the same document
// in its indented form, so that the listing of a file of 100,000 parameters never holds the whole
// document in memory. The writer does not sort: the members of an object must be given in the order
// QJsonObject keeps them, which is sorted by key. The text goes to the sink in pieces of some tens of
// kilobytes, each ending after a whole value.
class TJsonWriter
{
public:
    using TSink = std::function<void(const QByteArray&)>;

    explicit TJsonWriter(TSink sink);

    void Begin_Object();
    void End_Object();
    void Begin_Array();
    void End_Array();
    // The name of the next member of the object being written.
    void Key(const QString& key);

    void String(const QString& text);
    // A NaN or an infinity is written as null, as JSON has neither.
    void Number(double value);
    void Integer(int value);
    void Boolean(bool value);
    void Null();
    // Any value made with Qt's JSON classes, arrays and objects included.
    void Value(const QJsonValue& value);

    // Ends the document with its line feed and hands what is left to the sink.
    void Finish();

private:
    // One per open array or object.
    struct TLevel
    {
        bool object = false;
        bool empty = true;
    };

    void Begin_Value();
    void Begin_Container(char opening, bool object);
    void End_Container(char closing);
    void Indent(size_t depth);
    void Pass_On_When_Full();

    TSink d_sink;
    QByteArray d_buffer;
    std::vector<TLevel> d_levels;
    // A member's key is written; its value follows on the same line.
    bool d_after_key = false;
};

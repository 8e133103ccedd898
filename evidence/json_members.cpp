#include "evidence/json_members.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

bool IsJsonSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

qsizetype SkipSpace(QByteArrayView json, qsizetype at)
{
    while (at < json.size() && IsJsonSpace(json[at]))
        ++at;
    return at;
}

// One past the closing quote of the string that opens at at.
qsizetype StringEnd(QByteArrayView json, qsizetype at)
{
    for (++at; at < json.size(); ++at) {
        if (json[at] == '\\')
            ++at;
        else if (json[at] == '"')
            return at + 1;
    }
    return json.size();
}

// One past the end of the value that begins at at: a string, an object or
// an array with all it holds, or a number or a literal.
qsizetype ValueEnd(QByteArrayView json, qsizetype at)
{
    int depth = 0;
    while (at < json.size()) {
        const char c = json[at];
        if (c == '"') {
            at = StringEnd(json, at);
            if (depth == 0)
                return at;
            continue;
        }
        if (c == '{' || c == '[') {
            ++depth;
        } else if (c == '}' || c == ']') {
            if (depth == 0)
                return at;
            if (--depth == 0)
                return at + 1;
        } else if (depth == 0 && (c == ',' || IsJsonSpace(c))) {
            return at;
        }
        ++at;
    }
    return at;
}

QString Unescaped(QByteArrayView quoted)
{
    return QJsonDocument::fromJson('[' + quoted.toByteArray() + ']').array().first().toString();
}

}

std::vector<JsonMember> ObjectMembers(QByteArrayView json)
{
    // Qt's parser passes over a byte order mark before the text.
    const QByteArrayView byteOrderMark("\xEF\xBB\xBF");
    qsizetype at = json.startsWith(byteOrderMark) ? byteOrderMark.size() : 0;
    at = SkipSpace(json, at) + 1;   // past the '{'
    std::vector<JsonMember> members;
    for (;;) {
        at = SkipSpace(json, at);
        if (at >= json.size() || json[at] != '"')
            return members;
        const qsizetype nameEnd = StringEnd(json, at);
        const QString name = Unescaped(json.sliced(at, nameEnd - at));
        at = SkipSpace(json, SkipSpace(json, nameEnd) + 1);   // past the ':'
        if (at >= json.size())
            return members;
        const qsizetype valueEnd = ValueEnd(json, at);
        members.push_back({name, json.sliced(at, valueEnd - at)});
        at = SkipSpace(json, valueEnd);
        if (at >= json.size() || json[at] != ',')
            return members;
        ++at;
    }
}

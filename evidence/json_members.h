#pragma once

#include <QByteArrayView>
#include <QString>

#include <vector>

// One member of a JSON object as the text writes it: its name, unescaped,
// and the text of its value untouched. Qt's parser keeps only the last of
// two members of one name, and reads 398000.0 and 3.98e5 as the integer
// 398000: the text tells what was written.
struct JsonMember {
    QString name;
    QByteArrayView valueText;
};

// The members of the object that json holds, in their written order, a name
// written twice listed twice. json must be an object that QJsonDocument reads
// without error; the result says nothing useful of any other text.
std::vector<JsonMember> ObjectMembers(QByteArrayView json);

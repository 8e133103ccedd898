#include "identification/contestant_code.h"

#include <optional>

namespace {

bool IsBlankOrControl(QChar c)
{
    return c.unicode() <= 32;
}

bool IsPlainDecimal(const QString& text)
{
    const qsizetype firstDigit = text.startsWith(u'+') || text.startsWith(u'-') ? 1 : 0;
    if (text.size() == firstDigit)
        return false;
    for (qsizetype i = firstDigit; i < text.size(); ++i) {
        if (text[i] < u'0' || text[i] > u'9')
            return false;
    }
    return true;
}

// Hexadecimal and other notations are refused on purpose: a contestant
// number is only ever written in decimal.
std::optional<int> ReadInteger(const QString& text)
{
    if (!IsPlainDecimal(text))
        return std::nullopt;
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

}

QString TrimmedCode(const QString& code)
{
    qsizetype first = 0;
    qsizetype end = code.size();
    while (first < end && IsBlankOrControl(code[first]))
        ++first;
    while (end > first && IsBlankOrControl(code[end - 1]))
        --end;
    return code.sliced(first, end - first);
}

bool IsAcceptedCode(const QString& typed)
{
    const std::optional<int> number = ReadInteger(TrimmedCode(typed));
    if (!number)
        return IsJuryCode(typed);
    return (*number >= 21 && *number <= 42) || (*number >= 71 && *number <= 82);
}

bool IsJuryCode(const QString& code)
{
    return code == JuryCode;
}

QString IdentifiedCaption(const QString& code)
{
    return QStringLiteral("Országos Kelvora FizikaVerseny 2024     Versenyző kódja: ") + code;
}

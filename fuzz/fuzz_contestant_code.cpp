#include "fuzz/fuzz_check.h"
#include "identification/contestant_code.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <optional>

namespace {

bool IsCut(QChar c)
{
    return c.unicode() <= 32;
}

void RequireTrimmed(const QString& typed, const QString& trimmed)
{
    Require(TrimmedCode(trimmed) == trimmed, "trimming twice changes nothing");
    Require(trimmed.isEmpty() || (!IsCut(trimmed.front()) && !IsCut(trimmed.back())), "no blank is left at an end");
    const qsizetype first = typed.indexOf(trimmed);
    Require(first >= 0, "the trimmed code is part of what was typed");
    for (qsizetype i = 0; i < first; ++i)
        Require(IsCut(typed[i]), "only blanks and control characters are cut in front");
    for (qsizetype i = first + trimmed.size(); i < typed.size(); ++i)
        Require(IsCut(typed[i]), "only blanks and control characters are cut behind");
}

// The contestant number written: an optional sign and ASCII digits that
// make a 32-bit number; read with 64 bits so that no overflow can hide.
std::optional<std::int64_t> WrittenNumber(const QString& trimmed)
{
    const qsizetype firstDigit = trimmed.startsWith(u'+') || trimmed.startsWith(u'-') ? 1 : 0;
    if (trimmed.size() == firstDigit)
        return std::nullopt;
    std::int64_t value = 0;
    for (qsizetype i = firstDigit; i < trimmed.size(); ++i) {
        const char16_t c = trimmed[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
        if (value > std::int64_t{1} << 31)
            return std::nullopt;
    }
    const std::int64_t number = trimmed.startsWith(u'-') ? -value : value;
    if (number > INT32_MAX || number < INT32_MIN)
        return std::nullopt;
    return number;
}

void Check(const QString& typed)
{
    const QString trimmed = TrimmedCode(typed);
    RequireTrimmed(typed, trimmed);
    const std::optional<std::int64_t> number = WrittenNumber(trimmed);
    const bool inRanges = number && ((*number >= 21 && *number <= 42) || (*number >= 71 && *number <= 82));
    const bool jury = typed == QLatin1StringView("Ravel3081");
    Require(IsAcceptedCode(typed) == (inRanges || jury),
            "a code is accepted exactly when it is a contestant's or the jury's");
    Require(IsJuryCode(typed) == jury, "the jury code is only ever typed exactly");
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // What the code box holds: any UTF-16, unpaired surrogates included, or
    // the text of a paste decoded from UTF-8.
    Check(QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    Check(QString(reinterpret_cast<const QChar*>(data), static_cast<qsizetype>(size / 2)));
    return 0;
}

#include "record/record_json.h"

#include "base/number_text.h"
#include "base/overloaded.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// A UTF-16 code unit as JSON escapes it: a backslash, u and four lowercase
// hexadecimal digits.
std::string UnicodeEscape(std::uint32_t unit)
{
    std::string escape = "\\u";
    for (int shift = 12; shift >= 0; shift -= 4)
        escape += "0123456789abcdef"[(unit >> shift) & 0xF];
    return escape;
}

std::size_t SequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >> 5 == 0x6)
        return 2;
    if (lead >> 4 == 0xE)
        return 3;
    return 4;
}

// A text as a JSON string: quotes, backslashes and control characters
// escaped, every other character as it is. A text cut inside a character
// beyond the Basic Multilingual Plane keeps the first half of its UTF-16
// pair, escaped, as the window's record did.
std::string JsonString(std::string_view text)
{
    std::string json = "\"";
    std::size_t units = 0;
    for (std::size_t at = 0; at < text.size() && units < MaxRecordTextLength;) {
        const unsigned char c = static_cast<unsigned char>(text[at]);
        const std::size_t length = std::min(SequenceLength(c), text.size() - at);
        if (length == 4 && units + 1 == MaxRecordTextLength) {
            const std::uint32_t code = (c & 0x07u) << 18 | (text[at + 1] & 0x3Fu) << 12 | (text[at + 2] & 0x3Fu) << 6
                | (text[at + 3] & 0x3Fu);
            json += UnicodeEscape(0xD800 + ((code - 0x10000) >> 10));
            break;
        }
        units += length == 4 ? 2 : 1;
        switch (c) {
        case '"': json += "\\\""; break;
        case '\\': json += "\\\\"; break;
        case '\b': json += "\\b"; break;
        case '\f': json += "\\f"; break;
        case '\n': json += "\\n"; break;
        case '\r': json += "\\r"; break;
        case '\t': json += "\\t"; break;
        default:
            if (c < 0x20)
                json += UnicodeEscape(c);
            else
                json.append(text, at, length);
        }
        at += length;
    }
    return json + '"';
}

// Qt writes a whole number of a double's exact range as an integer.
std::string JsonNumber(double number)
{
    constexpr double ExactRange = 9007199254740992.0;   // 2^53
    if (!std::isfinite(number))
        return "null";
    if (number == std::floor(number) && std::abs(number) <= ExactRange)
        return std::to_string(static_cast<std::int64_t>(number));
    return ShortestNumberText(number);
}

std::string JsonValue(const EvidenceRecord& record, const EvidenceMember& member)
{
    return std::visit(Overloaded{
                          [&](std::string EvidenceRecord::*text) { return JsonString(record.*text); },
                          [&](bool EvidenceRecord::*flag) { return std::string(record.*flag ? "true" : "false"); },
                          [&](std::int32_t EvidenceRecord::*number) { return std::to_string(record.*number); },
                          [&](std::optional<std::int32_t> EvidenceRecord::*number) {
                              return (record.*number) ? std::to_string(*(record.*number)) : std::string("null");
                          },
                          [&](double EvidenceRecord::*number) { return JsonNumber(record.*number); },
                      },
                      member);
}

}

std::string RecordJson(const EvidenceRecord& record)
{
    std::string json = "{";
    for (const EvidenceField& field : EvidenceFields()) {
        if (json.size() > 1)
            json += ',';
        json += JsonString(field.name) + ':' + JsonValue(record, field.member);
    }
    return json + '}';
}

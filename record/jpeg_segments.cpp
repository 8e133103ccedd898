#include "record/jpeg_segments.h"

#include <cstring>

namespace {

constexpr unsigned char Prefix = 0xFF;
constexpr unsigned char StartOfImage = 0xD8;
constexpr unsigned char EndOfImage = 0xD9;
constexpr unsigned char StartOfScan = 0xDA;
constexpr unsigned char Comment = 0xFE;

unsigned char ByteAt(std::string_view file, std::size_t at)
{
    return static_cast<unsigned char>(file[at]);
}

bool IsRestart(unsigned char marker)
{
    return marker >= 0xD0 && marker <= 0xD7;
}

// Markers without a length: TEM and the restarts.
bool StandsAlone(unsigned char marker)
{
    return marker == 0x01 || IsRestart(marker);
}

// The start-of-frame markers; C4, C8 and CC share the range but are tables.
bool IsFrame(unsigned char marker)
{
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

bool IsApplication(unsigned char marker)
{
    return marker >= 0xE0 && marker <= 0xEF;
}

// Past the entropy-coded data that follows a scan header: stuffed bytes
// (FF 00), restart markers and fill bytes belong to it; any other marker
// ends it. Returns the offset of that marker's prefix, or the file's size.
std::size_t PastImageData(std::string_view file, std::size_t at)
{
    const char* data = file.data();
    while (at < file.size()) {
        const void* prefix = std::memchr(data + at, Prefix, file.size() - at);
        if (!prefix)
            return file.size();
        at = static_cast<const char*>(prefix) - data;
        if (at + 1 >= file.size())
            return file.size();
        const unsigned char next = ByteAt(file, at + 1);
        if (next == 0x00 || IsRestart(next))
            at += 2;
        else if (next == Prefix)
            at += 1;
        else
            return at;
    }
    return file.size();
}

std::string Truncated()
{
    return "csonka fájl: a kép vége előtt ér véget";
}

}

JpegLayout ScanJpeg(std::string_view file)
{
    JpegLayout layout;
    if (file.empty()) {
        layout.problem = "a fájl üres";
        return layout;
    }
    if (file.size() < 2 || ByteAt(file, 0) != Prefix || ByteAt(file, 1) != StartOfImage) {
        layout.problem = "nem JPEG-kép (nem a képkezdet jelével kezdődik)";
        return layout;
    }
    layout.commentPlace = 2;
    bool leading = true;
    bool frameSeen = false;
    bool scanSeen = false;
    std::size_t at = 2;
    for (;;) {
        if (at >= file.size()) {
            layout.problem = Truncated();
            return layout;
        }
        if (ByteAt(file, at) != Prefix) {
            layout.problem = "hibás szegmens a fájl " + std::to_string(at) + ". bájtjánál";
            return layout;
        }
        while (at < file.size() && ByteAt(file, at) == Prefix)
            ++at;
        if (at >= file.size()) {
            layout.problem = Truncated();
            return layout;
        }
        const std::size_t begin = at - 1;
        const unsigned char marker = ByteAt(file, at++);
        if (marker == EndOfImage) {
            if (!scanSeen)
                layout.problem = "nincs benne képadat";
            return layout;
        }
        if (StandsAlone(marker))
            continue;
        if (marker == 0x00 || marker == StartOfImage) {
            layout.problem = "hibás jelölő a fájl " + std::to_string(begin) + ". bájtjánál";
            return layout;
        }
        if (at + 2 > file.size()) {
            layout.problem = Truncated();
            return layout;
        }
        const std::size_t length = ByteAt(file, at) << 8 | ByteAt(file, at + 1);
        if (length < 2) {
            layout.problem = "hibás szegmenshossz a fájl " + std::to_string(at) + ". bájtjánál";
            return layout;
        }
        if (at + length > file.size()) {
            layout.problem = Truncated();
            return layout;
        }
        at += length;
        if (marker == Comment)
            layout.comments.push_back({begin, at});
        leading = leading && IsApplication(marker);
        if (leading)
            layout.commentPlace = at;
        frameSeen = frameSeen || IsFrame(marker);
        if (marker == StartOfScan) {
            if (!frameSeen) {
                layout.problem = "képadat képkeret (SOF) nélkül";
                return layout;
            }
            scanSeen = true;
            at = PastImageData(file, at);
        }
    }
}

std::string_view CommentText(std::string_view file, const JpegSegment& comment)
{
    return file.substr(comment.begin + 4, comment.end - comment.begin - 4);
}

std::string WithComment(std::string_view jpeg, std::size_t place, std::string_view text)
{
    const std::size_t length = text.size() + 2;
    std::string result;
    result.reserve(jpeg.size() + length + 2);
    result.append(jpeg.substr(0, place));
    result += static_cast<char>(Prefix);
    result += static_cast<char>(Comment);
    result += static_cast<char>(length >> 8);
    result += static_cast<char>(length & 0xFF);
    result.append(text);
    result.append(jpeg.substr(place));
    return result;
}

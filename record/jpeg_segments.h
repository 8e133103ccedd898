#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// A marker segment of a JPEG file: its bytes from the marker to the end of
// its payload, as offsets into the file.
struct JpegSegment {
    std::size_t begin = 0;
    std::size_t end = 0;
};

// The parts of a JPEG file that the evidence needs, found by walking its
// markers from the start of image to the end of image.
struct JpegLayout {
    // Why the file is not a readable JPEG: no start of image, a broken
    // segment, no frame before the image data, no image data, or a file that
    // ends before its end-of-image marker. Empty for a readable file.
    std::string problem;
    // The comment segments (COM), in file order; those before a problem too.
    std::vector<JpegSegment> comments;
    // Where a comment goes: after the start of image and the application
    // segments that follow it, as the JPEG library places one.
    std::size_t commentPlace = 0;
};

// Reads only the markers and skips the image data byte by byte, so it takes
// a moment even on a large file and cannot loop: every step moves forward.
JpegLayout ScanJpeg(std::string_view file);

// The comment text a segment carries.
std::string_view CommentText(std::string_view file, const JpegSegment& comment);

// The longest text a comment segment can carry.
inline constexpr std::size_t MaxCommentLength = 65533;

// jpeg with a comment segment holding text inserted at place; text must not
// be longer than MaxCommentLength.
std::string WithComment(std::string_view jpeg, std::size_t place, std::string_view text);

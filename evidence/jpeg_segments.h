#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <vector>

// A marker segment of a JPEG file: its bytes from the marker to the end of
// its payload, as offsets into the file.
struct JpegSegment {
    qsizetype begin = 0;
    qsizetype end = 0;
};

// The parts of a JPEG file that the evidence needs, found by walking its
// markers from the start of image to the end of image.
struct JpegLayout {
    // Why the file is not a readable JPEG: no start of image, a broken
    // segment, no frame before the image data, no image data, or a file that
    // ends before its end-of-image marker. Empty for a readable file.
    QString problem;
    // The comment segments (COM), in file order; those before a problem too.
    std::vector<JpegSegment> comments;
    // Where a comment goes: after the start of image and the application
    // segments that follow it, as the JPEG library places one.
    qsizetype commentPlace = 0;
};

// Reads only the markers and skips the image data byte by byte, so it takes
// a moment even on a large file and cannot loop: every step moves forward.
JpegLayout ScanJpeg(QByteArrayView file);

// The comment text a segment carries.
QByteArrayView CommentText(QByteArrayView file, const JpegSegment& comment);

// The longest text a comment segment can carry.
inline constexpr qsizetype MaxCommentLength = 65533;

// jpeg with a comment segment holding text inserted at place; text must not
// be longer than MaxCommentLength.
QByteArray WithComment(QByteArrayView jpeg, qsizetype place, QByteArrayView text);

#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QtGlobal>

#include <array>

// The file version as the four numbers of the program's version information.
struct VersionNumbers {
    quint16 major;
    quint16 minor;
    quint16 release;
    quint16 build;
};

// The credits of the About box: their heading and the four lines under it.
struct Credits {
    QString heading;
    std::array<QString, 4> lines;
};

// The program's version numbers. The program file carries no version
// resource here, so they are the ones the build was made with.
VersionNumbers ReadFileVersion();

// The About box's version line, "Verzió:  " and the four numbers.
QString VersionLine(const VersionNumbers& version);

// The 64 × 64 program picture as stored, a JPEG file, and decoded.
// Both throw std::runtime_error if the picture is missing or unreadable.
QByteArray ProgramPictureJpeg();
QImage LoadProgramPicture();

// Throws std::runtime_error if the credits are missing or not a heading
// followed by four lines.
Credits LoadCredits();

#pragma once

#include "record/evidence_record.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The digest a record carries: the SHA-256 of the whole file as saved, in
// lowercase hexadecimal, with the 64 characters of the digest itself read as
// the digit 0. So it covers the pixels, the headers and every other field of
// the record, and changes when any byte outside its own digits does. It is
// no signature: anyone with the program can make a new one. The hash itself
// is the system's: Qt's on the desktop, the browser's in the page.
inline constexpr std::size_t DigestLength = 64;

// The bytes the digest of file covers, in order: the file with the digest's
// digits, which begin at digestAt, read as '0'.
std::array<std::string_view, 3> DigestedParts(std::string_view file, std::size_t digestAt);

// A picture with its record in place and the digest's digits all '0': its
// bytes are the ones its digest covers.
struct UnsealedPicture {
    std::string file;
    std::size_t digestAt = 0;
};

// jpeg, a picture without comments, with record in a comment segment, the
// record's digest still to be set.
UnsealedPicture PictureToSeal(std::string_view jpeg, EvidenceRecord record);

// The picture with digest, the SHA-256 of picture.file in lowercase
// hexadecimal, written in.
std::string Sealed(UnsealedPicture picture, std::string_view digest);

// Where the digest's digits stand in a record's comment text, as the program
// writes it: "digest":"<digits>" once and only once; none when they do not.
std::optional<std::size_t> DigestPlace(std::string_view comment, std::string_view digest);

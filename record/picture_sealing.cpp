#include "record/picture_sealing.h"

#include "record/jpeg_segments.h"
#include "record/record_json.h"

namespace {

constexpr std::string_view DigestKey = "\"digest\":\"";
constexpr std::string_view Unset = "0000000000000000000000000000000000000000000000000000000000000000";
static_assert(Unset.size() == DigestLength);

// The comment segment's marker and length stand before its text.
constexpr std::size_t CommentHeaderLength = 4;

}

std::array<std::string_view, 3> DigestedParts(std::string_view file, std::size_t digestAt)
{
    return {file.substr(0, digestAt), Unset, file.substr(digestAt + DigestLength)};
}

UnsealedPicture PictureToSeal(std::string_view jpeg, EvidenceRecord record)
{
    record.digest = Unset;
    const std::string json = RecordJson(record);
    const std::size_t place = ScanJpeg(jpeg).commentPlace;
    return {WithComment(jpeg, place, json), place + CommentHeaderLength + *DigestPlace(json, Unset)};
}

std::string Sealed(UnsealedPicture picture, std::string_view digest)
{
    picture.file.replace(picture.digestAt, DigestLength, digest);
    return std::move(picture.file);
}

std::optional<std::size_t> DigestPlace(std::string_view comment, std::string_view digest)
{
    const std::string written = std::string(DigestKey) + std::string(digest) + '"';
    const std::size_t first = comment.find(written);
    if (first == std::string_view::npos || comment.find(written, first + 1) != std::string_view::npos)
        return std::nullopt;
    return first + DigestKey.size();
}

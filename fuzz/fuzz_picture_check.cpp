#include "evidence/picture_check.h"
#include "evidence/picture_digest.h"
#include "evidence/record_reading.h"
#include "fuzz/fuzz_check.h"
#include "record/jpeg_segments.h"
#include "record/picture_sealing.h"
#include "record/record_json.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

// The fewest markers the check takes for a picture: start, frame, scan, end.
const QByteArray BarePicture("\xFF\xD8\xFF\xC0\x00\x02\xFF\xDA\x00\x02\xFF\xD9", 12);

bool IsIntact(QByteArrayView file)
{
    return CheckPicture(file).status == EvidenceStatus::Intact;
}

void CheckAsPicture(QByteArrayView file)
{
    const PictureCheck check = CheckPicture(file);
    Require(check.reason.isEmpty() == (check.status == EvidenceStatus::Intact),
            "every status but intact says what is wrong");
    Require(check.status != EvidenceStatus::NoRecord || !check.record, "a picture without a record shows none");
    if (check.status != EvidenceStatus::Intact)
        return;
    Require(check.record && check.record->digest.size() == DigestLength, "an intact picture has its record");
    QByteArray changed = file.toByteArray();
    changed[changed.size() / 2] = char(changed[changed.size() / 2] ^ 0x01);
    Require(!IsIntact(changed), "no byte of an intact picture can change unseen");
}

void CheckAsComment(QByteArrayView comment)
{
    const RecordReading reading = ReadRecord(comment);
    Require(reading.kind == RecordReading::Kind::Read || !reading.problem.isEmpty(), "a comment that is no record says why");
    if (reading.kind != RecordReading::Kind::Read)
        return;
    Require(ReadRecord(RecordJson(reading.record)).kind == RecordReading::Kind::Read, "a record read is written again");
    Require(IsIntact(SealedPicture(BarePicture, reading.record)), "any record read seals a picture");
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    CheckAsPicture(bytes);
    CheckAsComment(bytes);
    const JpegLayout layout = ScanJpeg(std::string_view(bytes.data(), size));
    if (layout.problem.empty() && layout.comments.empty())
        Require(IsIntact(SealedPicture(bytes, {})), "every readable picture without a comment can be sealed");
    return 0;
}

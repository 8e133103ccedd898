#include "evidence/picture_digest.h"

#include "evidence/jpeg_segments.h"
#include "evidence/record_json.h"

#include <QCryptographicHash>

namespace {

QByteArray DigestKey()
{
    return QByteArrayLiteral("\"digest\":\"");
}

}

QByteArray PictureDigest(QByteArrayView file, qsizetype digestAt)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(file.first(digestAt));
    hash.addData(QByteArray(DigestLength, '0'));
    hash.addData(file.sliced(digestAt + DigestLength));
    return hash.result().toHex();
}

QByteArray SealedPicture(QByteArrayView jpeg, EvidenceRecord record)
{
    record.digest = QString(DigestLength, u'0');
    const QByteArray json = RecordJson(record);
    const qsizetype place = ScanJpeg(jpeg).commentPlace;
    QByteArray sealed = WithComment(jpeg, place, json);
    const qsizetype digestAt = place + 4 + DigestPlace(json, QByteArray(DigestLength, '0'));
    sealed.replace(digestAt, DigestLength, PictureDigest(sealed, digestAt));
    return sealed;
}

qsizetype DigestPlace(QByteArrayView comment, QByteArrayView digest)
{
    const QByteArray written = DigestKey() + digest.toByteArray() + '"';
    const qsizetype first = comment.indexOf(written);
    if (first < 0 || comment.indexOf(written, first + 1) >= 0)
        return -1;
    return first + DigestKey().size();
}

#include "evidence/picture_digest.h"

#include "record/picture_sealing.h"

#include <QCryptographicHash>

std::string PictureDigest(std::string_view file, std::size_t digestAt)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (std::string_view part : DigestedParts(file, digestAt))
        hash.addData(QByteArrayView(part.data(), static_cast<qsizetype>(part.size())));
    return hash.result().toHex().toStdString();
}

QByteArray SealedPicture(QByteArrayView jpeg, EvidenceRecord record)
{
    UnsealedPicture picture = PictureToSeal(std::string_view(jpeg.data(), static_cast<std::size_t>(jpeg.size())),
                                            std::move(record));
    const std::string digest = PictureDigest(picture.file, picture.digestAt);
    const std::string sealed = Sealed(std::move(picture), digest);
    return QByteArray(sealed.data(), static_cast<qsizetype>(sealed.size()));
}

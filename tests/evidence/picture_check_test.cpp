#include "evidence/picture_check.h"
#include "evidence/record_reading.h"
#include "record/jpeg_segments.h"
#include "tests/support/evidence_pictures.h"

#include <QCryptographicHash>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#ifndef _WIN32
#include "tests/support/ordinary_user.h"

#include <sys/stat.h>
#endif

namespace {

std::string_view Bytes(const QByteArray& bytes)
{
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

// The sealed picture with its one comment segment cut out.
QByteArray WithoutComment(const QByteArray& sealed)
{
    const JpegLayout layout = ScanJpeg(Bytes(sealed));
    EXPECT_EQ(layout.comments.size(), 1u);
    QByteArray rest = sealed;
    rest.remove(layout.comments[0].begin, layout.comments[0].end - layout.comments[0].begin);
    return rest;
}

// Replaces the first occurrence of what by with, keeping the length.
QByteArray Replaced(QByteArray file, const QByteArray& what, const QByteArray& with)
{
    EXPECT_EQ(what.size(), with.size());
    const qsizetype at = file.indexOf(what);
    EXPECT_GE(at, 0) << what.toStdString();
    return file.replace(at, what.size(), with);
}

QByteArray DigestIn(const QByteArray& sealed)
{
    const qsizetype key = sealed.indexOf("\"digest\":\"");
    return sealed.mid(key + 10, 64);
}

void ExpectStatus(const QByteArray& file, EvidenceStatus status, const QString& reason)
{
    const PictureCheck check = CheckPicture(file);
    EXPECT_EQ(StatusText(check.status).toStdString(), StatusText(status).toStdString());
    EXPECT_EQ(check.reason.toStdString(), reason.toStdString());
}

TEST(SealedPicture, TheCommentFollowsTheJfifHeaderAndIsTheOnlyAddition)
{
    const QByteArray plain = PlainJpeg();
    const QByteArray sealed = SealedTestPicture();

    EXPECT_EQ(WithoutComment(sealed), plain);
    const JpegLayout layout = ScanJpeg(Bytes(sealed));
    EXPECT_TRUE(layout.problem.empty());
    EXPECT_EQ(sealed.mid(2, 2), QByteArray("\xFF\xE0"));
    EXPECT_EQ(layout.comments[0].begin, 4 + ((uchar(sealed[4]) << 8) | uchar(sealed[5])));
    const QByteArray comment = QByteArray::fromStdString(std::string(CommentText(Bytes(sealed), layout.comments[0])));
    EXPECT_EQ(ReadRecord(comment).kind, RecordReading::Kind::Read);
}

TEST(SealedPicture, TheDigestIsTheFilesSha256WithItsOwnDigitsReadAsZeros)
{
    const QByteArray sealed = SealedTestPicture();
    const QByteArray digest = DigestIn(sealed);
    const QByteArray zeroed = Replaced(sealed, digest, QByteArray(64, '0'));

    EXPECT_EQ(digest, QCryptographicHash::hash(zeroed, QCryptographicHash::Sha256).toHex());
    const PictureCheck check = CheckPicture(sealed);
    EXPECT_EQ(check.status, EvidenceStatus::Intact);
    ASSERT_TRUE(check.record.has_value());
    EXPECT_EQ(check.record->launched, 1000);
    EXPECT_EQ(check.record->digest, digest.toStdString());
}

TEST(PictureCheck, AnyChangeOutsideTheDigestIsSeen)
{
    const QByteArray sealed = SealedTestPicture();
    const QString mismatch = QStringLiteral("az ellenőrzőösszeg nem egyezik");

    QByteArray pixels = sealed;
    pixels[pixels.size() - 10] = char(pixels[pixels.size() - 10] ^ 0x01);
    ExpectStatus(pixels, EvidenceStatus::Modified, mismatch);
    ExpectStatus(Replaced(sealed, "\"launched\":1000", "\"launched\":9000"), EvidenceStatus::Modified, mismatch);
    QByteArray recoloured = SealedTestPicture(MeasuredRecord(), QColor(200, 40, 40));
    recoloured = Replaced(recoloured, DigestIn(recoloured), DigestIn(sealed));
    ExpectStatus(recoloured, EvidenceStatus::Modified, mismatch);
    ExpectStatus(Replaced(sealed, DigestIn(sealed), DigestIn(sealed).toUpper()), EvidenceStatus::Intact, QString());
}

TEST(PictureCheck, HostileFilesGetAStatusAndAReason)
{
    const QByteArray sealed = SealedTestPicture();
    const JpegLayout layout = ScanJpeg(Bytes(sealed));
    const QByteArray segment = sealed.mid(layout.comments[0].begin, layout.comments[0].end - layout.comments[0].begin);
    auto withComment = [](const QByteArray& jpeg, const QByteArray& text) {
        return QByteArray::fromStdString(WithComment(Bytes(jpeg), ScanJpeg(Bytes(jpeg)).commentPlace, Bytes(text)));
    };

    ExpectStatus(sealed.left(sealed.size() - 100), EvidenceStatus::Unreadable,
                 QStringLiteral("csonka fájl: a kép vége előtt ér véget"));
    ExpectStatus(sealed.left(layout.comments[0].end - 7), EvidenceStatus::Unreadable,
                 QStringLiteral("csonka fájl: a kép vége előtt ér véget"));
    ExpectStatus("GIF89a not a picture", EvidenceStatus::Unreadable,
                 QStringLiteral("nem JPEG-kép (nem a képkezdet jelével kezdődik)"));
    ExpectStatus(QByteArray(), EvidenceStatus::Unreadable, QStringLiteral("a fájl üres"));
    ExpectStatus(QByteArray("\xFF\xD8\xFF\xD9", 4), EvidenceStatus::Unreadable, QStringLiteral("nincs benne képadat"));
    ExpectStatus(QByteArray("\xFF\xD8\xFF\xDA\x00\x02\xFF\xD9", 8), EvidenceStatus::Unreadable,
                 QStringLiteral("képadat képkeret (SOF) nélkül"));
    ExpectStatus(QByteArray("\xFF\xD8\xFF\xE0\x00\x01", 6), EvidenceStatus::Unreadable,
                 QStringLiteral("hibás szegmenshossz a fájl 4. bájtjánál"));
    ExpectStatus(PlainJpeg(), EvidenceStatus::NoRecord, QStringLiteral("nincs megjegyzés a képben"));
    ExpectStatus(WithoutComment(sealed), EvidenceStatus::NoRecord, QStringLiteral("nincs megjegyzés a képben"));
    ExpectStatus(withComment(PlainJpeg(), "Created with GIMP"), EvidenceStatus::NoRecord,
                 QStringLiteral("a megjegyzés nem JSON-objektum"));
    ExpectStatus(withComment(PlainJpeg(), QByteArray(MaxCommentLength, 'x')), EvidenceStatus::NoRecord,
                 QStringLiteral("a megjegyzés nem JSON-objektum"));
    ExpectStatus(withComment(PlainJpeg(), "{\"launched\":1000}"), EvidenceStatus::NoRecord,
                 QStringLiteral("a megjegyzés nem Vantor-adatlap"));
    ExpectStatus(withComment(PlainJpeg(), "{\"format\":\"vantor-evidence/1\",\"launched\":1000}"),
                 EvidenceStatus::Modified, QStringLiteral("hiányzik a „Program változata” mező"));

    // A second copy of the record, and another program's comment before it.
    QByteArray twice = sealed;
    twice.insert(layout.comments[0].end, segment);
    ExpectStatus(twice, EvidenceStatus::Modified,
                 QStringLiteral("az ellenőrzőösszeg nem egyezik; a képben 2 megjegyzés van, a program csak egyet ír"));
    ExpectStatus(withComment(sealed, "Created with GIMP"), EvidenceStatus::Modified,
                 QStringLiteral("az ellenőrzőösszeg nem egyezik; a képben 2 megjegyzés van, a program csak egyet ír"));

    ExpectStatus(Replaced(sealed, DigestIn(sealed), QByteArray(64, 'g')), EvidenceStatus::Modified,
                 QStringLiteral("az ellenőrzőösszeg nem 64 jegyű hexadecimális szám"));
    const QByteArray spaced = QByteArray::fromStdString(std::string(CommentText(Bytes(sealed), layout.comments[0]))).replace("\"digest\":", "\"digest\" :");
    ExpectStatus(withComment(PlainJpeg(), spaced), EvidenceStatus::Modified,
                 QStringLiteral("az adatlap nem olyan alakú, amilyet a program ír"));
}

TEST(PictureCheck, FilesThatCannotBeReadAreUnreadable)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
#ifndef _WIN32
    // Pipes in the file system are POSIX's.
    const QString fifo = folder.filePath(QStringLiteral("cso.jpg"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_EQ(CheckPictureFile(fifo).reason, QStringLiteral("nem közönséges fájl"));

    const QString forbidden = folder.filePath(QStringLiteral("tilos.jpg"));
    ASSERT_TRUE(WriteBytes(forbidden, SealedTestPicture()));
    ASSERT_TRUE(QFile::setPermissions(forbidden, {}));
    ASSERT_TRUE(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                         | QFile::ReadOther | QFile::ExeOther));
    EXPECT_EQ(AsOrdinaryUser([&] { return CheckPictureFile(forbidden).reason.toStdString(); }),
              "nem olvasható: nincs olvasási jog (Permission denied)");
#endif
    EXPECT_EQ(CheckPictureFile(folder.filePath(QStringLiteral("nincs.jpg"))).reason, QStringLiteral("nem található"));
    QFile big(folder.filePath(QStringLiteral("nagy.jpg")));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(MaxPictureBytes + 1));
    big.close();
    EXPECT_EQ(CheckPictureFile(big.fileName()).status, EvidenceStatus::Unreadable);
    const QString saved = folder.filePath(QStringLiteral("01_spektrum.jpg"));
    ASSERT_TRUE(WriteBytes(saved, SealedTestPicture()));
    EXPECT_EQ(CheckPictureFile(saved).status, EvidenceStatus::Intact);
}

}

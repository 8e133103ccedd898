#include "evidence/picture_check.h"
#include "evidence/record_reading.h"
#include "ui/jpeg_writer.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMainWindow>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

namespace {

// The IJG example luminance table, in natural order, which quality 90 scales
// to a fifth.
constexpr std::array<int, 64> StandardLuminance = {
    16, 11, 10, 16, 24,  40,  51,  61,  12, 12, 14, 19, 26,  58,  60,  55,
    14, 13, 16, 24, 40,  57,  69,  56,  14, 17, 22, 29, 51,  87,  80,  62,
    18, 22, 37, 56, 68,  109, 103, 77,  24, 35, 55, 64, 81,  104, 113, 92,
    49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99,
};

// What a decoder learns from a file's headers.
struct JpegHeader {
    int width = 0;
    int height = 0;
    int components = 0;
    J_COLOR_SPACE colourSpace = JCS_UNKNOWN;
    bool progressive = true;
    std::array<int, 64> luminance{};
    std::vector<QByteArray> comments;
};

bool StartsLikeJpeg(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(2) == QByteArray("\xFF\xD8");
}

JpegHeader ReadHeader(const QString& path)
{
    JpegHeader header;
    FILE* in = std::fopen(QFile::encodeName(path).constData(), "rb");
    if (!in)
        return header;
    jpeg_decompress_struct cinfo;
    jpeg_error_mgr errors;
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&cinfo);
    jpeg_stdio_src(&cinfo, in);
    jpeg_save_markers(&cinfo, JPEG_COM, 0xFFFF);
    jpeg_read_header(&cinfo, TRUE);
    for (jpeg_saved_marker_ptr marker = cinfo.marker_list; marker; marker = marker->next)
        header.comments.emplace_back(reinterpret_cast<const char*>(marker->data), qsizetype(marker->data_length));
    header.width = int(cinfo.image_width);
    header.height = int(cinfo.image_height);
    header.components = cinfo.num_components;
    header.colourSpace = cinfo.jpeg_color_space;
    header.progressive = cinfo.progressive_mode;
    if (const JQUANT_TBL* table = cinfo.quant_tbl_ptrs[0])
        for (std::size_t i = 0; i < header.luminance.size(); ++i)
            header.luminance[i] = table->quantval[i];
    jpeg_destroy_decompress(&cinfo);
    std::fclose(in);
    return header;
}

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class JpegWriter : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        auto* clientArea = new QWidget;
        clientArea->setAutoFillBackground(true);
        clientArea->setPalette(QPalette(QColor(40, 120, 200)));
        window.setCentralWidget(clientArea);
        window.resize(72, 40);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        picture = clientArea->grab().toImage();
    }

    QString Path(const QString& name) const { return folder.filePath(name); }

    // Hidden too, so that a temporary file left behind would show.
    QStringList Entries() const
    {
        return QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    QTemporaryDir folder;
    QMainWindow window;
    QImage picture;
    EvidenceRecord record;
};

TEST_F(JpegWriter, AGrabbedWindowDecodesBackInFullColour)
{
    const QString path = Path(QStringLiteral("kep.jpg"));
    ASSERT_EQ(WriteJpeg(picture, record, path), std::nullopt);
    ASSERT_TRUE(StartsLikeJpeg(path));

    const JpegHeader header = ReadHeader(path);
    EXPECT_EQ(header.width, picture.width());
    EXPECT_EQ(header.height, picture.height());
    EXPECT_EQ(header.components, 3);
    EXPECT_EQ(header.colourSpace, JCS_YCbCr);

    const QImage decoded(path);
    ASSERT_EQ(decoded.size(), picture.size());
    const QColor centre = decoded.pixelColor(decoded.width() / 2, decoded.height() / 2);
    EXPECT_NEAR(centre.red(), 40, 6);
    EXPECT_NEAR(centre.green(), 120, 6);
    EXPECT_NEAR(centre.blue(), 200, 6);
}

// The record is added to the encoder's own output, and only that: the pixels
// are those of a picture without it.
TEST_F(JpegWriter, TheRecordIsTheOnlyAdditionAndTheJpegLibraryReadsIt)
{
    record.launched = 4321;
    const QString path = Path(QStringLiteral("kep.jpg"));
    ASSERT_EQ(WriteJpeg(picture, record, path), std::nullopt);
    QByteArray plain;
    ASSERT_EQ(EncodeJpeg(picture, plain), std::nullopt);

    const JpegHeader header = ReadHeader(path);
    ASSERT_EQ(header.comments.size(), 1u);
    const RecordReading reading = ReadRecord(header.comments[0]);
    ASSERT_EQ(reading.kind, RecordReading::Kind::Read);
    EXPECT_EQ(reading.record.launched, 4321);
    const QByteArray saved = Contents(path);
    EXPECT_EQ(CheckPicture(saved).status, EvidenceStatus::Intact);
    QByteArray withoutComment = saved;
    withoutComment.remove(withoutComment.indexOf("\xFF\xFE"), header.comments[0].size() + 4);
    EXPECT_EQ(withoutComment, plain);
    const QImage decoded(path);
    ASSERT_FALSE(decoded.isNull());
    EXPECT_EQ(decoded, QImage::fromData(plain, "JPG"));
}

TEST_F(JpegWriter, ThePictureIsBaselineAtQuality90)
{
    const QString path = Path(QStringLiteral("kep.jpg"));
    ASSERT_EQ(WriteJpeg(picture, record, path), std::nullopt);
    ASSERT_TRUE(StartsLikeJpeg(path));

    const JpegHeader header = ReadHeader(path);
    EXPECT_FALSE(header.progressive);
    EXPECT_EQ(header.luminance[0], 3);
    for (std::size_t i = 0; i < StandardLuminance.size(); ++i)
        EXPECT_EQ(header.luminance[i], (StandardLuminance[i] * 20 + 50) / 100) << "entry " << i;
}

TEST_F(JpegWriter, ImageMagickEstimatesQuality90)
{
    const QString identify = QStandardPaths::findExecutable(QStringLiteral("identify"));
    if (identify.isEmpty())
        GTEST_SKIP() << "ImageMagick's identify is not installed";
    const QString path = Path(QStringLiteral("kep.jpg"));
    ASSERT_EQ(WriteJpeg(picture, record, path), std::nullopt);

    QProcess process;
    process.start(identify, {QStringLiteral("-format"), QStringLiteral("%Q"), path});
    ASSERT_TRUE(process.waitForFinished());
    EXPECT_EQ(process.readAllStandardOutput().trimmed(), QByteArray("90"));
}

// The library's limits are said in Hungarian, its own words in brackets.
TEST_F(JpegWriter, APictureTheLibraryCannotEncodeIsNamedInHungarian)
{
    QByteArray jpeg;
    EXPECT_EQ(EncodeJpeg(QImage(65501, 1, QImage::Format_RGB888), jpeg),
              QStringLiteral("túl nagy a kép (Maximum supported image dimension is 65500 pixels)"));
    EXPECT_TRUE(jpeg.isEmpty());
    EXPECT_EQ(EncodeJpeg(QImage(), jpeg), QStringLiteral("üres a kép (Empty JPEG image (DNL not supported))"));
    QByteArray picture;
    EXPECT_EQ(EncodeSealedJpeg(QImage(), EvidenceRecord{}, picture),
              QStringLiteral("A kép nem menthető JPEG-fájlként: üres a kép (Empty JPEG image (DNL not supported))"));
}

TEST_F(JpegWriter, AnExistingFileIsReplaced)
{
    const QString path = Path(QStringLiteral("kep.jpg"));
    QFile earlier(path);
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier");
    earlier.close();

    ASSERT_EQ(WriteJpeg(picture, record, path), std::nullopt);
    EXPECT_TRUE(StartsLikeJpeg(path));
    EXPECT_EQ(QImage(path).size(), picture.size());
    EXPECT_EQ(Entries(), QStringList{QStringLiteral("kep.jpg")});
}

TEST_F(JpegWriter, AFileInAMissingFolderCannotBeCreated)
{
    const QString path = Path(QStringLiteral("nincs/kep.jpg"));
    EXPECT_EQ(WriteJpeg(picture, record, path), QStringLiteral("A kép nem menthető: nincs ilyen mappa (%1).").arg(QDir::toNativeSeparators(path)));
    EXPECT_TRUE(Entries().isEmpty());
}

TEST_F(JpegWriter, AFailedWriteLeavesNothingUnderANewName)
{
    const std::optional<QString> error = WriteJpeg(QImage(), record, Path(QStringLiteral("kep.jpg")));
    ASSERT_TRUE(error.has_value());
    EXPECT_FALSE(error->isEmpty());
    EXPECT_TRUE(Entries().isEmpty());
}

TEST_F(JpegWriter, AFailedWriteLeavesAnEarlierFileAsItWas)
{
    const QString path = Path(QStringLiteral("kep.jpg"));
    ASSERT_EQ(WriteJpeg(picture, record, path), std::nullopt);
    const QByteArray earlier = Contents(path);

    EXPECT_TRUE(WriteJpeg(QImage(), record, path).has_value());
    EXPECT_EQ(Contents(path), earlier);
    EXPECT_EQ(Entries(), QStringList{QStringLiteral("kep.jpg")});
}

}

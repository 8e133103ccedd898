#include "ui/jpeg_writer.h"

#include "files/file_writing.h"
#include "evidence/picture_digest.h"

#include <QImage>
#include <QDir>

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>
#include <jerror.h>

namespace {

struct JpegErrors {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

// The library's own handler ends the process; this one returns to Compress
// with the message instead.
[[noreturn]] void LeaveCompression(j_common_ptr cinfo)
{
    auto* errors = reinterpret_cast<JpegErrors*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, errors->message);
    std::longjmp(errors->jump, 1);
}

// The library's failure in Hungarian, for the causes a compression meets;
// the library's own words follow in brackets.
QString FailureText(const JpegErrors& errors)
{
    const QString library = QString::fromLocal8Bit(errors.message);
    QString cause;
    switch (errors.manager.msg_code) {
    case JERR_OUT_OF_MEMORY:
        cause = QStringLiteral("nincs elég memória");
        break;
    case JERR_IMAGE_TOO_BIG:
        cause = QStringLiteral("túl nagy a kép");
        break;
    case JERR_WIDTH_OVERFLOW:
        cause = QStringLiteral("túl széles a kép");
        break;
    case JERR_EMPTY_IMAGE:
        cause = QStringLiteral("üres a kép");
        break;
    default:
        cause = QStringLiteral("a JPEG-kódoló hibája");
        break;
    }
    return QStringLiteral("%1 (%2)").arg(cause, library);
}

// The compressed picture goes into a byte array that grows as needed, so
// that the record can be added and the digest taken before anything is written.
struct ByteDestination {
    jpeg_destination_mgr manager;
    QByteArray* bytes;
};

constexpr qsizetype FirstBufferBytes = 256 * 1024;

ByteDestination& DestinationOf(j_compress_ptr cinfo)
{
    return *reinterpret_cast<ByteDestination*>(cinfo->dest);
}

void OfferFrom(ByteDestination& destination, qsizetype used)
{
    destination.manager.next_output_byte = reinterpret_cast<JOCTET*>(destination.bytes->data() + used);
    destination.manager.free_in_buffer = static_cast<std::size_t>(destination.bytes->size() - used);
}

void StartBuffer(j_compress_ptr cinfo)
{
    ByteDestination& destination = DestinationOf(cinfo);
    destination.bytes->resize(FirstBufferBytes);
    OfferFrom(destination, 0);
}

// Called with the whole buffer full.
boolean GrowBuffer(j_compress_ptr cinfo)
{
    ByteDestination& destination = DestinationOf(cinfo);
    const qsizetype used = destination.bytes->size();
    destination.bytes->resize(used * 2);
    OfferFrom(destination, used);
    return TRUE;
}

void EndBuffer(j_compress_ptr cinfo)
{
    ByteDestination& destination = DestinationOf(cinfo);
    destination.bytes->chop(static_cast<qsizetype>(destination.manager.free_in_buffer));
}

// An error jumps straight back into this function, so nothing in it may need
// a destructor.
bool Compress(const QImage& rgb, ByteDestination& destination, JpegErrors& errors)
{
    jpeg_compress_struct cinfo;
    cinfo.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = LeaveCompression;
    if (setjmp(errors.jump)) {
        jpeg_destroy_compress(&cinfo);
        return false;
    }
    jpeg_create_compress(&cinfo);
    cinfo.dest = &destination.manager;
    cinfo.image_width = JDIMENSION(rgb.width());
    cinfo.image_height = JDIMENSION(rgb.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    cinfo.dct_method = JDCT_FLOAT;
    jpeg_set_quality(&cinfo, 90, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(int(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

}

std::optional<QString> EncodeJpeg(const QImage& image, QByteArray& jpeg)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    ByteDestination destination{{}, &jpeg};
    destination.manager.init_destination = StartBuffer;
    destination.manager.empty_output_buffer = GrowBuffer;
    destination.manager.term_destination = EndBuffer;
    JpegErrors errors;
    if (!Compress(rgb, destination, errors)) {
        jpeg.clear();
        return FailureText(errors);
    }
    return std::nullopt;
}

std::optional<QString> EncodeSealedJpeg(const QImage& image, const EvidenceRecord& record, QByteArray& picture)
{
    QByteArray jpeg;
    if (std::optional<QString> error = EncodeJpeg(image, jpeg))
        return QStringLiteral("A kép nem menthető JPEG-fájlként: %1").arg(*error);
    picture = SealedPicture(jpeg, record);
    return std::nullopt;
}

std::optional<QString> WriteJpeg(const QImage& image, const EvidenceRecord& record, const QString& path)
{
    QByteArray picture;
    if (std::optional<QString> error = EncodeSealedJpeg(image, record, picture))
        return error;
    if (std::optional<WriteFailure> failure = WriteFileReplacing(path, picture))
        return PictureNotSavedText(*failure, path);
    return std::nullopt;
}

QString PictureNotSavedText(const WriteFailure& failure, const QString& path)
{
    return QStringLiteral("A kép nem menthető: %1 (%2).").arg(FaultText(failure), QDir::toNativeSeparators(path));
}

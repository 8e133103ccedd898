#include "ui/jpeg_writer.h"

#include <QImage>
#include <QSaveFile>

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>
#include <unistd.h>

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

QString CannotCreate(const QString& path)
{
    return QStringLiteral("Cannot create file %1").arg(path);
}

// An error jumps straight back into this function, so nothing in it may need
// a destructor.
bool Compress(const QImage& rgb, FILE* out, JpegErrors& errors)
{
    jpeg_compress_struct cinfo;
    cinfo.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = LeaveCompression;
    if (setjmp(errors.jump)) {
        jpeg_destroy_compress(&cinfo);
        return false;
    }
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, out);
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

std::optional<QString> WriteJpeg(const QImage& image, const QString& path)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return CannotCreate(path);
    // The stream gets a descriptor of its own, so closing it leaves the save
    // file's descriptor open for the commit.
    const int descriptor = dup(file.handle());
    FILE* out = descriptor < 0 ? nullptr : fdopen(descriptor, "wb");
    if (!out) {
        if (descriptor >= 0)
            close(descriptor);
        return CannotCreate(path);
    }
    JpegErrors errors;
    const bool compressed = Compress(rgb, out, errors);
    const bool closed = std::fclose(out) == 0;
    if (!compressed)
        return QString::fromLocal8Bit(errors.message);
    if (!closed || !file.commit())
        return QStringLiteral("Cannot write file %1").arg(path);
    return std::nullopt;
}

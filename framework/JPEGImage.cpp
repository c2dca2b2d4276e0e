// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/JPEGImage.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <string>

#include <jerror.h>
#include <jpeglib.h>

namespace {

// Bounds that keep a hostile header from asking for gigabytes or endless scans.
constexpr unsigned long kMaxPixels = 1ul << 26;
constexpr int kMaxScans = 1000;

// libjpeg reports fatal errors through error_exit, which must not return: it jumps back
// into Decode, which then cleans up and hands the message on as an exception.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void Fail(j_common_ptr cinfo, const char* text) {
    auto* errors = reinterpret_cast<ErrorManager*>(cinfo->err);
    std::snprintf(errors->message, sizeof errors->message, "%s", text);
    std::longjmp(errors->jump, 1);
}

[[noreturn]] void OnErrorExit(j_common_ptr cinfo) {
    char text[JMSG_LENGTH_MAX];
    (*cinfo->err->format_message)(cinfo, text);
    Fail(cinfo, text);
}

// Warnings are ignored, except running out of data: libjpeg would pad the picture with
// grey, which would hide a truncated file.
void OnMessage(j_common_ptr cinfo, int level) {
    if (level < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF)
        OnErrorExit(cinfo);
}

void OnProgress(j_common_ptr cinfo) {
    if (reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > kMaxScans)
        Fail(cinfo, "too many progressive scans");
}

// Adobe writes CMYK inverted; libjpeg hands the stored values on unchanged.
void CmykToRgb(QImage& image, bool inverted) {
    for (int y = 0; y < image.height(); ++y) {
        uchar* pixel = image.scanLine(y);
        for (int x = 0; x < image.width(); ++x, pixel += 4) {
            int c = pixel[0], m = pixel[1], ye = pixel[2], k = pixel[3];
            if (!inverted) {
                c = 255 - c;
                m = 255 - m;
                ye = 255 - ye;
                k = 255 - k;
            }
            reinterpret_cast<QRgb*>(pixel)[0] = qRgb(c * k / 255, m * k / 255, ye * k / 255);
        }
    }
}

struct Decoded {
    QImage image;
    bool grayscale = false;
    bool progressive = false;
};

// Returns an empty string on success, else libjpeg's message. No object with a destructor
// may be created between setjmp and a longjmp; `result` lives in the caller.
std::string Decode(const QByteArray& data, Decoded& result) {
    jpeg_decompress_struct cinfo{};
    ErrorManager errors{};
    jpeg_progress_mgr progress{};
    cinfo.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = OnErrorExit;
    errors.base.emit_message = OnMessage;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return errors.message;
    }
    jpeg_create_decompress(&cinfo);
    progress.progress_monitor = OnProgress;
    cinfo.progress = &progress;
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(data.constData()), data.size());
    jpeg_read_header(&cinfo, TRUE);
    if (cinfo.image_width == 0 || cinfo.image_height == 0 ||
        (unsigned long)cinfo.image_width * cinfo.image_height > kMaxPixels)
        Fail(reinterpret_cast<j_common_ptr>(&cinfo), "picture size out of range");
    result.grayscale = cinfo.jpeg_color_space == JCS_GRAYSCALE;
    result.progressive = cinfo.progressive_mode;
    const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;

    // Full size, accurate integer transform, smooth upsampling and block smoothing: the
    // quality settings the wallpapers were made for.
    cinfo.scale_num = 1;
    cinfo.scale_denom = 1;
    cinfo.dct_method = JDCT_ISLOW;
    cinfo.do_fancy_upsampling = TRUE;
    cinfo.do_block_smoothing = TRUE;
    cinfo.quantize_colors = FALSE;
    cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRX;
    jpeg_start_decompress(&cinfo);

    result.image = QImage(int(cinfo.output_width), int(cinfo.output_height), QImage::Format_RGB32);
    if (result.image.isNull())
        Fail(reinterpret_cast<j_common_ptr>(&cinfo), "out of memory for the picture");
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = result.image.scanLine(int(cinfo.output_scanline));
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    const bool inverted = cinfo.saw_Adobe_marker;
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    if (cmyk)
        CmykToRgb(result.image, inverted);
    return {};
}

} // namespace

void TJPEGImage::LoadFromData(const QByteArray& data) {
    Decoded decoded;
    const std::string error = Decode(data, decoded);
    if (!error.empty())
        throw EInvalidGraphic("JPEG picture is damaged: " + error);
    image_ = decoded.image;
    grayscale_ = decoded.grayscale;
    progressive_ = decoded.progressive;
    Changed();
}

void TJPEGImage::Draw(TCanvas& canvas, const TRect& r) {
    if (Empty() || r.Width() <= 0 || r.Height() <= 0 || !canvas.Painter().isActive())
        return;
    canvas.Painter().drawImage(r.ToQRect(), image_);
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures: BMP and JPEG decoding, transparent and stretched drawing, the stored-picture
// layout and the format registry, and clear errors for damaged data.
#include "framework/Graphics.h"
#include "framework/JPEGImage.h"
#include "qt_app.h"

#include <QtEndian>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>
#include <jpeglib.h>

namespace {

void Append16(QByteArray& out, int value) {
    const quint16 v = qToLittleEndian<quint16>(quint16(value));
    out.append(reinterpret_cast<const char*>(&v), 2);
}

void Append32(QByteArray& out, qint64 value) {
    const quint32 v = qToLittleEndian<quint32>(quint32(value));
    out.append(reinterpret_cast<const char*>(&v), 4);
}

// A BMP file with a BITMAPINFOHEADER; `row(y)` gives the bytes of top-down row y.
QByteArray MakeBmp(int width, int height, int bits, const QVector<QRgb>& palette,
                   const std::function<QByteArray(int)>& row) {
    const int stride = (width * bits / 8 + 3) & ~3;
    const int offset = 14 + 40 + 4 * int(palette.size());
    QByteArray out("BM");
    Append32(out, offset + stride * height);
    Append32(out, 0);
    Append32(out, offset);
    Append32(out, 40);
    Append32(out, width);
    Append32(out, height);
    Append16(out, 1);
    Append16(out, bits);
    Append32(out, 0);
    Append32(out, stride * height);
    Append32(out, 2835);
    Append32(out, 2835);
    Append32(out, palette.size());
    Append32(out, 0);
    for (QRgb color : palette)
        Append32(out, color & 0xFFFFFF);
    for (int y = height - 1; y >= 0; --y)
        out.append(row(y).leftJustified(stride, '\0'));
    return out;
}

// 3 x 2, 24 bits: top row red, green, blue; bottom row black, white, grey.
QByteArray Bmp24() {
    const QVector<QVector<QRgb>> pixels = {{0xFF0000, 0x00FF00, 0x0000FF}, {0x000000, 0xFFFFFF, 0x808080}};
    return MakeBmp(3, 2, 24, {}, [&](int y) {
        QByteArray bytes;
        for (QRgb p : pixels[y])
            bytes.append(char(qBlue(p))).append(char(qGreen(p))).append(char(qRed(p)));
        return bytes;
    });
}

// 4 x 3, 8 bits with a palette: index = x + y, so the bottom-left pixel uses entry 2.
QByteArray Bmp8() {
    return MakeBmp(4, 3, 8, {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0x00FFFF, 0xFF00FF}, [](int y) {
        QByteArray bytes;
        for (int x = 0; x < 4; ++x)
            bytes.append(char(x + y));
        return bytes;
    });
}

// Encodes with libjpeg: left half red, right half blue (grey halves for grey-scale).
QByteArray MakeJpeg(int width, int height, bool progressive, bool grayscale = false) {
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr errors{};
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = width;
    cinfo.image_height = height;
    cinfo.input_components = grayscale ? 1 : 3;
    cinfo.in_color_space = grayscale ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 95, TRUE);
    if (progressive)
        jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<unsigned char> row(size_t(width) * cinfo.input_components);
    for (int x = 0; x < width; ++x) {
        const bool left = x < width / 2;
        if (grayscale)
            row[x] = left ? 40 : 200;
        else
            std::copy_n(left ? "\xFF\x00\x00" : "\x00\x00\xFF", 3, row.begin() + 3 * x);
    }
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    QByteArray out(reinterpret_cast<const char*>(buffer), qsizetype(size));
    std::free(buffer);
    return out;
}

// The stored form: 4-byte little-endian size, then the file image.
QByteArray Sized(const QByteArray& file) {
    QByteArray out;
    Append32(out, file.size());
    return out + file;
}

QByteArray PictureData(const QByteArray& className, const QByteArray& file) {
    return char(className.size()) + className + Sized(file);
}

bool Near(QRgb a, QRgb b, int tolerance = 12) {
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

std::string ErrorOf(const std::function<void()>& load) {
    try {
        load();
    } catch (const EInvalidGraphic& e) {
        return e.what();
    }
    return "no error";
}

class PictureTest : public ::testing::Test {
protected:
    void SetUp() override { EnsureQtApp(); }

    static QImage DrawOnWhite(TGraphic& graphic, const TRect& r, QSize size = {8, 8}) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        TCanvas canvas(&image);
        canvas.StretchDraw(r, &graphic);
        return image;
    }
};

TEST_F(PictureTest, BitmapLoadsTrueColourAndPaletteFiles) {
    TBitmap bitmap;
    int changes = 0;
    bitmap.OnChange = [&](QObject*) { ++changes; };
    bitmap.LoadFromData(Bmp24());
    EXPECT_EQ(changes, 1);
    ASSERT_EQ(QSize(bitmap.Width(), bitmap.Height()), QSize(3, 2));
    EXPECT_EQ(bitmap.Image().pixel(0, 0), 0xFFFF0000);
    EXPECT_EQ(bitmap.Image().pixel(2, 0), 0xFF0000FF);
    EXPECT_EQ(bitmap.Image().pixel(2, 1), 0xFF808080);
    EXPECT_EQ(bitmap.TransparentColor(), clBlack);

    bitmap.LoadFromData(Bmp8());
    ASSERT_EQ(QSize(bitmap.Width(), bitmap.Height()), QSize(4, 3));
    EXPECT_EQ(bitmap.Image().pixel(0, 0), 0xFFFF0000);
    EXPECT_EQ(bitmap.Image().pixel(3, 2), 0xFFFF00FF);
    EXPECT_EQ(bitmap.TransparentColor(), clBlue);
}

TEST_F(PictureTest, TransparentBitmapLeavesOutItsBottomLeftColour) {
    TBitmap bitmap;
    bitmap.LoadFromData(Bmp24());
    bitmap.SetTransparent(true);
    const QImage image = DrawOnWhite(bitmap, Rect(1, 1, 4, 3));
    EXPECT_EQ(image.pixel(1, 1), 0xFFFF0000);
    EXPECT_EQ(image.pixel(1, 2), 0xFFFFFFFF) << "the black key colour is left out";
    EXPECT_EQ(image.pixel(3, 2), 0xFF808080);

    bitmap.SetTransparent(false);
    EXPECT_EQ(DrawOnWhite(bitmap, Rect(1, 1, 4, 3)).pixel(1, 2), 0xFF000000);
}

TEST_F(PictureTest, DrawStretchesIntoTheRect) {
    TBitmap bitmap;
    bitmap.LoadFromData(Bmp24());
    const QImage image = DrawOnWhite(bitmap, Rect(0, 0, 6, 4));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(image.pixel(x, y), bitmap.Image().pixel(x / 2, y / 2)) << x << "," << y;
    EXPECT_EQ(image.pixel(6, 0), 0xFFFFFFFF);
}

TEST_F(PictureTest, DamagedBitmapsAreRejected) {
    const QByteArray good = Bmp24();
    QByteArray hugeHeader = good;
    qToLittleEndian<qint32>(1 << 30, hugeHeader.data() + 18);
    const struct {
        const char* what;
        QByteArray data;
    } cases[] = {
        {"empty", {}},
        {"only the signature", "BM"},
        {"not a bitmap", "GIF89a and then some more bytes to look like a file"},
        {"header without pixels", good.left(54)},
        {"pixels cut off", good.left(66)},
        {"huge width", hugeHeader},
    };
    for (const auto& c : cases) {
        TBitmap bitmap;
        EXPECT_NE(ErrorOf([&] { bitmap.LoadFromData(c.data); }), "no error") << c.what;
        EXPECT_TRUE(bitmap.Empty()) << c.what;
    }
}

struct JpegCase {
    bool progressive;
    bool grayscale;
};

class JpegDecoding : public PictureTest, public ::testing::WithParamInterface<JpegCase> {};

TEST_P(JpegDecoding, DecodesAtFullSize) {
    const JpegCase c = GetParam();
    TJPEGImage jpeg;
    jpeg.LoadFromData(MakeJpeg(32, 16, c.progressive, c.grayscale));
    ASSERT_EQ(QSize(jpeg.Width(), jpeg.Height()), QSize(32, 16));
    EXPECT_EQ(jpeg.ProgressiveEncoding(), c.progressive);
    EXPECT_EQ(jpeg.Grayscale(), c.grayscale);
    const QRgb left = c.grayscale ? qRgb(40, 40, 40) : qRgb(255, 0, 0);
    const QRgb right = c.grayscale ? qRgb(200, 200, 200) : qRgb(0, 0, 255);
    EXPECT_TRUE(Near(jpeg.Image().pixel(4, 8), left)) << std::hex << jpeg.Image().pixel(4, 8);
    EXPECT_TRUE(Near(jpeg.Image().pixel(28, 8), right)) << std::hex << jpeg.Image().pixel(28, 8);

    // Drawing at natural size is a plain copy.
    const QImage drawn = DrawOnWhite(jpeg, Rect(0, 0, 32, 16), {32, 16});
    EXPECT_EQ(drawn, jpeg.Image().convertToFormat(QImage::Format_RGB32));
}

INSTANTIATE_TEST_SUITE_P(Kinds, JpegDecoding,
                         ::testing::Values(JpegCase{false, false}, JpegCase{true, false},
                                           JpegCase{true, true}));

TEST_F(PictureTest, DamagedJpegsAreRejected) {
    const QByteArray baseline = MakeJpeg(64, 64, false);
    const QByteArray progressive = MakeJpeg(64, 64, true);
    QByteArray garbled = baseline;
    for (qsizetype i = 2; i < 40; ++i)
        garbled[i] = char(0xA5);
    const struct {
        const char* what;
        QByteArray data;
    } cases[] = {
        {"empty", {}},
        {"not a JPEG", Bmp24()},
        {"start marker only", baseline.left(2)},
        {"truncated baseline", baseline.left(baseline.size() / 2)},
        {"truncated progressive", progressive.left(progressive.size() * 2 / 3)},
        {"missing end marker", baseline.chopped(2)},
        {"garbled header", garbled},
    };
    for (const auto& c : cases) {
        TJPEGImage jpeg;
        const std::string error = ErrorOf([&] { jpeg.LoadFromData(c.data); });
        EXPECT_EQ(error.rfind("JPEG picture is damaged: ", 0), 0u) << c.what << ": " << error;
        EXPECT_TRUE(jpeg.Empty()) << c.what;
    }
}

TEST_F(PictureTest, PictureDataNamesItsFormat) {
    TPicture picture;
    int changes = 0;
    picture.OnChange = [&](QObject*) { ++changes; };

    picture.ReadData(PictureData("TBitmap", Bmp8()));
    ASSERT_NE(qobject_cast<TBitmap*>(picture.Graphic()), nullptr);
    EXPECT_EQ(QSize(picture.Width(), picture.Height()), QSize(4, 3));
    EXPECT_EQ(changes, 1);

    picture.ReadData(PictureData("TJPEGImage", MakeJpeg(24, 8, true)));
    auto* jpeg = qobject_cast<TJPEGImage*>(picture.Graphic());
    ASSERT_NE(jpeg, nullptr);
    EXPECT_TRUE(jpeg->ProgressiveEncoding());
    EXPECT_EQ(QSize(picture.Width(), picture.Height()), QSize(24, 8));

    // A change of the held graphic is a change of the picture.
    changes = 0;
    jpeg->SetTransparent(true);
    EXPECT_EQ(changes, 1);
}

TEST_F(PictureTest, BadPictureDataKeepsThePictureAndSaysWhy) {
    TPicture picture;
    picture.ReadData(PictureData("TBitmap", Bmp24()));
    TGraphic* before = picture.Graphic();
    QByteArray shortSize = PictureData("TBitmap", Bmp24());
    shortSize.chop(10);
    const struct {
        const char* what;
        QByteArray data;
        const char* message;
    } cases[] = {
        {"empty", {}, "Picture data is empty"},
        {"unknown format", PictureData("TPNGObject", Bmp24()),
         "Picture data is of unknown format \"TPNGObject\""},
        {"name cut off", QByteArray("\x0ATJPEG"), "Picture data is truncated inside the format name"},
        {"size cut off", QByteArray("\x07TBitmap\x10\x00", 10),
         "Picture data is truncated: the 4-byte size is missing"},
        {"bytes cut off", shortSize, "Picture data is truncated: 78 bytes announced, 68 present"},
        {"bytes of another format", PictureData("TJPEGImage", Bmp24()), "JPEG picture is damaged"},
    };
    for (const auto& c : cases) {
        const std::string error = ErrorOf([&] { picture.ReadData(c.data); });
        EXPECT_EQ(error.rfind(c.message, 0), 0u) << c.what << ": " << error;
        EXPECT_EQ(picture.Graphic(), before) << c.what;
    }
}

TEST_F(PictureTest, GlyphDataIsSizePrefixed) {
    TBitmap glyph;
    glyph.ReadData(Sized(Bmp24()) + "trailing");
    EXPECT_EQ(glyph.Width(), 3);
    EXPECT_NE(ErrorOf([&] { glyph.ReadData(QByteArray("\x01\x00", 2)); }), "no error");
}

// A format registered by its own code, as the animated pictures are.
class TFakeGraphic : public TGraphic {
public:
    bool Empty() const override { return bytes.isEmpty(); }
    int Width() const override { return int(bytes.size()); }
    int Height() const override { return 1; }
    void LoadFromData(const QByteArray& data) override { bytes = data; }
    void Draw(TCanvas&, const TRect&) override {}
    QByteArray bytes;
};

TEST_F(PictureTest, RegisteredFormatsAreFoundByClassName) {
    TPicture::RegisterFileFormat("TFakeGraphic", [] { return new TFakeGraphic; });
    TPicture picture;
    picture.ReadData(PictureData("tfakegraphic", "abc"));
    auto* fake = dynamic_cast<TFakeGraphic*>(picture.Graphic());
    ASSERT_NE(fake, nullptr);
    EXPECT_EQ(fake->bytes, "abc");

    // Asking for a bitmap replaces a graphic of another kind.
    TBitmap* bitmap = picture.Bitmap();
    EXPECT_EQ(picture.Graphic(), bitmap);
    EXPECT_TRUE(bitmap->Empty());
    EXPECT_EQ(picture.Bitmap(), bitmap);
}

} // namespace

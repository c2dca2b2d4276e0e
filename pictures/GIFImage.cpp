// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/GIFImage.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPaintEngine>
#include <QPointer>
#include <QScopeGuard>
#include <QScreen>
#include <algorithm>
#include <array>
#include <cstring>

bool TGIFImage::paletteDisplay_ = false;

namespace {

// Far beyond any picture a window shows; keeps a header that promises a huge frame from
// costing gigabytes.
constexpr qint64 kMaxFramePixels = qint64(1) << 24;
constexpr qint64 kMaxTotalPixels = qint64(1) << 26;

constexpr int kMaxCodes = 4096;

[[noreturn]] void Fail(const char* message) {
    throw GIFException(message);
}

int RoundedMulDiv(int number, int numerator, int denominator) {
    const qint64 product = qint64(number) * numerator;
    const qint64 half = denominator / 2;
    return int((product < 0 ? product - half : product + half) / denominator);
}

quint16 Le16(const uchar* p) {
    return quint16(p[0] | p[1] << 8);
}

QRgb ToRgb(const TGIFColor& c) {
    return qRgb(c.Red, c.Green, c.Blue);
}

// What a frame without any colour table is drawn with.
QVector<QRgb> SystemPalette16() {
    return {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
            qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
            qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
            qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
}

QVector<QRgb> ColorCube() {
    QVector<QRgb> cube;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                cube.append(qRgb(r * 51, g * 51, b * 51));
    return cube;
}

QVector<QRgb> ToPalette(const TGIFColorMap& map) {
    QVector<QRgb> palette;
    palette.reserve(map.Count());
    for (const TGIFColor& c : map.Colors)
        palette.append(ToRgb(c));
    return palette;
}

// ---- LZW -------------------------------------------------------------------------------------

enum class LzwEnd { Complete, EndCode, OutOfCodes };

// Decodes variable-length codes into `out`, which is full after `count` bytes; stops there,
// at the end code or when the codes run out. Every table entry extends an older one, so a
// string never refers to itself; a code beyond the table is damaged data.
class LzwDecoder {
public:
    LzwEnd Decode(const uchar* data, size_t size, int minCodeSize, uchar* out, size_t count);

private:
    // Writes the first `count` bytes of the string of `code` (of `length` bytes) to `out`.
    void WriteString(int code, int length, int count, uchar* out) const {
        for (int skip = length - count; skip > 0; --skip)
            code = prefix_[size_t(code)];
        for (int i = count - 1; i >= 0; --i) {
            out[i] = suffix_[size_t(code)];
            code = prefix_[size_t(code)];
        }
    }
    std::array<quint16, kMaxCodes> prefix_;
    std::array<quint8, kMaxCodes> suffix_;
    std::array<quint8, kMaxCodes> first_;
    std::array<quint16, kMaxCodes> length_;
};

LzwEnd LzwDecoder::Decode(const uchar* data, size_t size, int minCodeSize, uchar* out, size_t count) {
    const int clear = 1 << minCodeSize;
    const int end = clear + 1;
    for (int code = 0; code < clear; ++code) {
        prefix_[code] = 0;
        suffix_[code] = quint8(code);
        first_[code] = quint8(code);
        length_[code] = 1;
    }
    int codeSize = minCodeSize + 1;
    int next = clear + 2;
    int previous = -1;
    quint64 bits = 0;
    int bitCount = 0;
    size_t in = 0;
    size_t pos = 0;
    while (pos < count) {
        while (bitCount < codeSize) {
            if (in == size)
                return LzwEnd::OutOfCodes;
            bits |= quint64(data[in++]) << bitCount;
            bitCount += 8;
        }
        const int code = int(bits & ((1u << codeSize) - 1));
        bits >>= codeSize;
        bitCount -= codeSize;
        if (code == clear) {
            codeSize = minCodeSize + 1;
            next = clear + 2;
            previous = -1;
            continue;
        }
        if (code == end)
            return LzwEnd::EndCode;
        if (previous < 0) {
            if (code > clear)
                Fail("Circular decoder table entry");
            out[pos++] = quint8(code);
            previous = code;
            continue;
        }
        // The string of `code`, or for the code being defined right now the previous
        // string and its own first byte; only what fits in the frame is written.
        const size_t room = count - pos;
        quint8 head;
        int length;
        if (code < next) {
            length = length_[code];
            head = first_[code];
            WriteString(code, length, int(std::min<size_t>(size_t(length), room)), out + pos);
        } else if (code == next && next < kMaxCodes) {
            length = length_[previous] + 1;
            head = first_[previous];
            if (size_t(length) <= room) {
                WriteString(previous, length - 1, length - 1, out + pos);
                out[pos + size_t(length) - 1] = head;
            } else {
                WriteString(previous, length - 1, int(room), out + pos);
            }
        } else {
            Fail("Circular decoder table entry");
        }
        pos += std::min<size_t>(size_t(length), room);
        if (next < kMaxCodes) {
            prefix_[next] = quint16(previous);
            suffix_[next] = head;
            first_[next] = first_[previous];
            length_[next] = quint16(length_[previous] + 1);
            ++next;
            if (next == (1 << codeSize) && codeSize < 12)
                ++codeSize;
        }
        previous = code;
    }
    return LzwEnd::Complete;
}

// Rows of an interlaced frame come in four passes.
void Deinterlace(const std::vector<quint8>& stream, std::vector<quint8>& pixels, int width, int height) {
    static constexpr int kStart[] = {0, 4, 2, 1};
    static constexpr int kStep[] = {8, 8, 4, 2};
    int row = 0;
    for (int pass = 0; pass < 4; ++pass)
        for (int y = kStart[pass]; y < height; y += kStep[pass], ++row)
            std::memcpy(&pixels[size_t(y) * size_t(width)], &stream[size_t(row) * size_t(width)],
                        size_t(width));
}

} // namespace

// ---- Loading -----------------------------------------------------------------------------------

// Reads a GIF stream from memory into a picture; throws GIFException, warns through the
// picture's handler.
class GIFReader {
public:
    GIFReader(TGIFImage& image, const QByteArray& bytes)
        : image_(image), data_(reinterpret_cast<const uchar*>(bytes.constData())),
          size_(size_t(bytes.size())) {}
    size_t Read();

private:
    int Peek() const { return pos_ < size_ ? data_[pos_] : -1; }
    quint8 Byte();
    const uchar* Bytes(size_t count);
    void ReadHeader();
    void ReadColorMap(TGIFColorMap& map, quint8 packed);
    void ReadFrame();
    void ReadExtension(TGIFSubImage& frame);
    void ReadApplicationExtension(TGIFSubImage& frame);
    std::vector<QByteArray> SubBlocks();
    void ReadImage(TGIFSubImage& frame);
    void ReadImageData(TGIFSubImage& frame);
    bool GatherImageData();

    TGIFImage& image_;
    const uchar* data_;
    size_t size_;
    size_t pos_ = 0;
    qint64 totalPixels_ = 0;
    std::vector<quint8> codes_;
    std::vector<quint8> interlaced_;
    LzwDecoder decoder_;
};

quint8 GIFReader::Byte() {
    if (pos_ >= size_)
        Fail("Premature end of data");
    return data_[pos_++];
}

const uchar* GIFReader::Bytes(size_t count) {
    if (size_ - pos_ < count)
        Fail("Premature end of data");
    const uchar* start = data_ + pos_;
    pos_ += count;
    return start;
}

size_t GIFReader::Read() {
    ReadHeader();
    for (;;) {
        while (Peek() == 0)
            ++pos_;
        const int block = Peek();
        if (block < 0 || block == 0x3B)
            break;
        if (block != 0x21 && block != 0x2C) {
            image_.Warning(QStringLiteral("Unknown GIF block type"));
            break;
        }
        ReadFrame();
    }
    if (const int trailer = Peek(); trailer >= 0) {
        ++pos_;
        if (trailer != 0x3B)
            image_.Warning(QStringLiteral("Invalid Image trailer"));
    }
    return pos_;
}

void GIFReader::ReadHeader() {
    auto isGif = [](const uchar* p) {
        return (p[0] | 0x20) == 'g' && (p[1] | 0x20) == 'i' && (p[2] | 0x20) == 'f';
    };
    if (!isGif(Bytes(6))) {
        pos_ = 4;
        if (size_ < 10 || !isGif(Bytes(6)))
            Fail("Invalid GIF signature");
    }
    const uchar* screen = Bytes(7);
    TGIFHeader& header = image_.header_;
    header.Width = Le16(screen);
    header.Height = Le16(screen + 2);
    header.PackedFields = screen[4];
    header.BackgroundColorIndex = screen[5];
    header.AspectRatio = screen[6];
    if (qint64(header.Width) * header.Height > kMaxFramePixels)
        throw GIFException(QStringLiteral("Logical screen of %1 x %2 pixels is too large")
                               .arg(header.Width)
                               .arg(header.Height)
                               .toStdString());
    ReadColorMap(header.ColorMap, header.PackedFields);
}

void GIFReader::ReadColorMap(TGIFColorMap& map, quint8 packed) {
    if (!(packed & 0x80))
        return;
    const int entries = 2 << (packed & 7);
    const uchar* rgb = Bytes(size_t(entries) * 3);
    map.Colors.resize(size_t(entries));
    for (int i = 0; i < entries; ++i)
        map.Colors[size_t(i)] = {rgb[3 * i], rgb[3 * i + 1], rgb[3 * i + 2]};
}

void GIFReader::ReadFrame() {
    auto frame = std::make_unique<TGIFSubImage>(&image_);
    for (;;) {
        const int introducer = Peek();
        if (introducer == 0x21) {
            ++pos_;
            ReadExtension(*frame);
            continue;
        }
        if (introducer != 0x2C && introducer != 0x3B && introducer > 0)
            image_.Warning(QStringLiteral("Invalid extension introducer"));
        break;
    }
    if (const int next = Peek(); next != 0x3B && next > 0)
        ReadImage(*frame);
    image_.frames_.push_back(std::move(frame));
}

std::vector<QByteArray> GIFReader::SubBlocks() {
    std::vector<QByteArray> blocks;
    while (const quint8 length = Byte())
        blocks.emplace_back(reinterpret_cast<const char*>(Bytes(length)), length);
    return blocks;
}

void GIFReader::ReadExtension(TGIFSubImage& frame) {
    const quint8 label = Byte();
    switch (label) {
    case TGIFGraphicControlExtension::kLabel: {
        auto control = std::make_unique<TGIFGraphicControlExtension>();
        const std::vector<QByteArray> blocks = SubBlocks();
        QByteArray fields = blocks.empty() ? QByteArray() : blocks.front();
        if (fields.size() < 4) {
            image_.Warning(QStringLiteral("Premature end of data"));
            fields.resize(4, '\0');
        }
        const auto* f = reinterpret_cast<const uchar*>(fields.constData());
        control->Disposal = (f[0] >> 2) & 7;
        control->UserInput = f[0] & 2;
        control->Transparent = f[0] & 1;
        control->Delay = Le16(f + 1);
        control->TransparentColorIndex = f[3];
        frame.Extensions.push_back(std::move(control));
        return;
    }
    case TGIFCommentExtension::kLabel: {
        auto comment = std::make_unique<TGIFCommentExtension>();
        for (const QByteArray& block : SubBlocks())
            comment->Text += block;
        frame.Extensions.push_back(std::move(comment));
        return;
    }
    case TGIFTextExtension::kLabel: {
        auto text = std::make_unique<TGIFTextExtension>();
        const std::vector<QByteArray> blocks = SubBlocks();
        for (size_t i = 0; i < blocks.size(); ++i)
            (i == 0 ? text->Header : text->Text) += blocks[i];
        frame.Extensions.push_back(std::move(text));
        return;
    }
    case TGIFApplicationExtension::kLabel:
        ReadApplicationExtension(frame);
        return;
    default:
        Fail("Unknown extension type");
    }
}

void GIFReader::ReadApplicationExtension(TGIFSubImage& frame) {
    const size_t start = pos_;
    const quint8 blockSize = Byte();
    if (blockSize != 10 && blockSize != 11)
        Fail("Unsupported Application Extension block size");
    // A 10-byte block is read with its size byte as the identifier's first byte.
    const uchar* identifier = blockSize == 11 ? Bytes(11) : (Bytes(10), data_ + start);
    const QByteArray id(reinterpret_cast<const char*>(identifier), 11);
    if (blockSize == 11 && (id == "NETSCAPE2.0" || id == "ANIMEXTS1.0")) {
        auto loop = std::make_unique<TGIFAppExtNSLoop>();
        loop->Identifier = id;
        for (const QByteArray& block : SubBlocks()) {
            const auto* b = reinterpret_cast<const uchar*>(block.constData());
            switch (b[0] & 7) {
            case 1:
                if (block.size() < 3)
                    Fail("Invalid GIF data");
                loop->Loops = Le16(b + 1);
                break;
            case 2:
                if (block.size() < 5)
                    Fail("Invalid GIF data");
                loop->BufferSize = quint32(Le16(b + 1)) | quint32(Le16(b + 3)) << 16;
                break;
            default:
                break;
            }
        }
        frame.Extensions.push_back(std::move(loop));
        return;
    }
    auto unknown = std::make_unique<TGIFUnknownAppExtension>();
    unknown->Identifier = id;
    unknown->Blocks = SubBlocks();
    frame.Extensions.push_back(std::move(unknown));
}

void GIFReader::ReadImage(TGIFSubImage& frame) {
    // The separator is the descriptor's first byte; it is not checked again.
    const uchar* descriptor = Bytes(10);
    frame.Left = Le16(descriptor + 1);
    frame.Top = Le16(descriptor + 3);
    frame.Width = Le16(descriptor + 5);
    frame.Height = Le16(descriptor + 7);
    frame.PackedFields = descriptor[9];
    ReadColorMap(frame.ColorMap, frame.PackedFields);
    if (frame.Width == 0 || frame.Height == 0) {
        frame.Width = image_.header_.Width;
        frame.Height = image_.header_.Height;
        image_.Warning(QStringLiteral("Image exceeds Logical Screen size"));
    }
    const qint64 pixels = qint64(frame.Width) * frame.Height;
    totalPixels_ += pixels;
    if (pixels > kMaxFramePixels || totalPixels_ > kMaxTotalPixels)
        throw GIFException(QStringLiteral("Frame of %1 x %2 pixels is too large")
                               .arg(frame.Width)
                               .arg(frame.Height)
                               .toStdString());
    ReadImageData(frame);
}

// Collects the data sub-blocks into codes_; false when the stream ends inside them.
bool GIFReader::GatherImageData() {
    codes_.clear();
    for (;;) {
        if (pos_ >= size_)
            return false;
        const size_t length = data_[pos_++];
        if (length == 0)
            return true;
        const size_t available = std::min(length, size_ - pos_);
        codes_.insert(codes_.end(), data_ + pos_, data_ + pos_ + available);
        pos_ += available;
        if (available < length)
            return false;
    }
}

void GIFReader::ReadImageData(TGIFSubImage& frame) {
    const int minCodeSize = Byte();
    if (minCodeSize < 1 || minCodeSize > 11)
        Fail("Invalid GIF data");
    const TGIFGraphicControlExtension* control = frame.GraphicControlExtension();
    const quint8 fill = control && control->Transparent ? control->TransparentColorIndex : 0;
    const size_t count = size_t(frame.Width) * size_t(frame.Height);
    frame.Data.assign(count, fill);
    const bool complete = GatherImageData();
    // A frame of no pixels (on a logical screen of none) has nothing to decode.
    const bool interlaced = frame.Interlaced() && count > 0;
    std::vector<quint8>& target = interlaced ? interlaced_ : frame.Data;
    if (interlaced)
        interlaced_.assign(count, fill);
    const LzwEnd end = count == 0
                           ? LzwEnd::Complete
                           : decoder_.Decode(codes_.data(), codes_.size(), minCodeSize, target.data(), count);
    if (interlaced)
        Deinterlace(interlaced_, frame.Data, frame.Width, frame.Height);
    if (!complete)
        image_.Warning(QStringLiteral("Premature end of data"));
    else if (end == LzwEnd::OutOfCodes)
        image_.Warning(QStringLiteral("Decoder bit buffer under-run"));
}

// ---- Frames ----------------------------------------------------------------------------------

TGIFGraphicControlExtension* TGIFSubImage::GraphicControlExtension() const {
    for (const auto& extension : Extensions)
        if (extension->Label() == TGIFGraphicControlExtension::kLabel)
            return static_cast<TGIFGraphicControlExtension*>(extension.get());
    return nullptr;
}

bool TGIFSubImage::Transparent() const {
    const TGIFGraphicControlExtension* control = GraphicControlExtension();
    return control && control->Transparent;
}

QVector<QRgb> TGIFSubImage::Palette() const {
    if (image_ && image_->DitherInEffect())
        return ColorCube();
    return Colors();
}

QVector<QRgb> TGIFSubImage::Colors() const {
    if (ColorMap.Count() > 0)
        return ToPalette(ColorMap);
    return image_ ? image_->Colors() : QVector<QRgb>();
}

const QImage& TGIFSubImage::Bitmap() {
    Render();
    return bitmap_;
}

const std::vector<quint8>& TGIFSubImage::Mask() {
    Render();
    return mask_;
}

bool TGIFSubImage::HasMask() {
    Render();
    return !mask_.empty();
}

const QImage& TGIFSubImage::OpaqueImage() {
    Render();
    return opaque_;
}

const QImage& TGIFSubImage::MaskedImage() {
    Render();
    return mask_.empty() ? opaque_ : masked_;
}

void TGIFSubImage::Render() {
    if (rendered_)
        return;
    std::lock_guard lock(renderMutex_);
    if (rendered_ || Empty())
        return;
    QVector<QRgb> palette = Colors();
    if (palette.isEmpty())
        palette = SystemPalette16();
    const int transparentIndex = Transparent() ? GraphicControlExtension()->TransparentColorIndex : -1;
    const int stride = (Width + 15) / 16 * 2;
    mask_.assign(transparentIndex >= 0 ? size_t(stride) * size_t(Height) : 0, 0);
    bool anyTransparent = false;
    if (image_ && image_->DitherInEffect()) {
        RenderDithered(palette, transparentIndex);
        anyTransparent = std::any_of(mask_.begin(), mask_.end(), [](quint8 b) { return b != 0; });
    } else {
        // Indices beyond the table draw black.
        palette.resize(256, qRgb(0, 0, 0));
        bitmap_ = QImage(Width, Height, QImage::Format_Indexed8);
        bitmap_.setColorTable(palette);
        for (int y = 0; y < Height; ++y) {
            const quint8* row = &Data[size_t(y) * size_t(Width)];
            std::memcpy(bitmap_.scanLine(y), row, size_t(Width));
            if (transparentIndex < 0)
                continue;
            quint8* maskRow = &mask_[size_t(y) * size_t(stride)];
            for (int x = 0; x < Width; ++x)
                if (row[x] == transparentIndex) {
                    maskRow[x >> 3] |= quint8(0x80 >> (x & 7));
                    anyTransparent = true;
                }
        }
    }
    if (!anyTransparent)
        mask_.clear();
    opaque_ = bitmap_.convertToFormat(QImage::Format_RGB32);
    if (!mask_.empty()) {
        masked_ = bitmap_.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < Height; ++y) {
            auto* line = reinterpret_cast<QRgb*>(masked_.scanLine(y));
            const quint8* maskRow = &mask_[size_t(y) * size_t(stride)];
            for (int x = 0; x < Width; ++x)
                if (maskRow[x >> 3] & (0x80 >> (x & 7)))
                    line[x] = 0;
        }
        masked_ = masked_.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
    rendered_ = true;
}

// Serpentine Floyd-Steinberg error diffusion onto the 6 x 6 x 6 colour cube; transparent
// pixels take no colour and pass no error on.
void TGIFSubImage::RenderDithered(const QVector<QRgb>& palette, int transparentIndex) {
    bitmap_ = QImage(Width, Height, QImage::Format_Indexed8);
    QVector<QRgb> cube = ColorCube();
    cube.resize(256, qRgb(0, 0, 0));
    bitmap_.setColorTable(cube);
    const int stride = (Width + 15) / 16 * 2;
    // Errors in sixteenths, for this row and the next, with a border pixel on each side.
    std::vector<std::array<int, 3>> current(size_t(Width) + 2), below(size_t(Width) + 2);
    for (int y = 0; y < Height; ++y) {
        const bool forward = y % 2 == 0;
        const int step = forward ? 1 : -1;
        std::fill(below.begin(), below.end(), std::array<int, 3>{0, 0, 0});
        const quint8* row = &Data[size_t(y) * size_t(Width)];
        uchar* out = bitmap_.scanLine(y);
        for (int i = 0; i < Width; ++i) {
            const int x = forward ? i : Width - 1 - i;
            if (row[x] == transparentIndex) {
                mask_[size_t(y) * size_t(stride) + size_t(x >> 3)] |= quint8(0x80 >> (x & 7));
                out[x] = 0;
                continue;
            }
            const QRgb colour = row[x] < palette.size() ? palette[row[x]] : qRgb(0, 0, 0);
            const int wanted[3] = {qRed(colour), qGreen(colour), qBlue(colour)};
            int level[3];
            for (int c = 0; c < 3; ++c) {
                const int value = std::clamp(wanted[c] + current[size_t(x) + 1][size_t(c)] / 16, 0, 255);
                level[c] = (value + 25) / 51;
                const int error = value - level[c] * 51;
                current[size_t(x + step) + 1][size_t(c)] += error * 7;
                below[size_t(x - step) + 1][size_t(c)] += error * 3;
                below[size_t(x) + 1][size_t(c)] += error * 5;
                below[size_t(x + step) + 1][size_t(c)] += error;
            }
            out[x] = uchar(level[0] * 36 + level[1] * 6 + level[2]);
        }
        std::swap(current, below);
    }
}

// ---- Picture ---------------------------------------------------------------------------------

TGIFImage::Composition::Composition(int width, int height)
    : Image(std::max(1, width), std::max(1, height), QImage::Format_RGB32), Canvas(&Image) {}

TGIFImage::TGIFImage(QObject* parent) : TGraphic(parent) {}

TGIFImage::~TGIFImage() {
    StopPainting();
    std::lock_guard lock(paintersLock_);
    for (TGIFPainter* painter : painters_)
        painter->Detach();
    painters_.clear();
}

void TGIFImage::Register() {
    TPicture::RegisterFileFormat(QStringLiteral("TGIFImage"), [] { return new TGIFImage; });
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            paletteDisplay_ = screen->depth() < 9;
}

void TGIFImage::Warning(const QString& message) {
    if (WarningHandler)
        WarningHandler(this, gsWarning, message);
}

void TGIFImage::FreeFrames() {
    frames_.clear();
    header_ = TGIFHeader();
}

void TGIFImage::Clear() {
    StopPainting();
    FreeFrames();
    Changed();
}

void TGIFImage::LoadFromData(const QByteArray& data) {
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    LoadFromStream(buffer);
}

void TGIFImage::LoadFromStream(QIODevice& stream) {
    const qint64 start = stream.pos();
    StopPainting();
    FreeFrames();
    const QByteArray bytes = stream.readAll();
    try {
        GIFReader reader(*this, bytes);
        const size_t used = reader.Read();
        stream.seek(start + qint64(used));
    } catch (...) {
        FreeFrames();
        stream.seek(start);
        throw;
    }
    Changed();
}

bool TGIFImage::DitherInEffect() const {
    return (paintOptions_ & poDither) && (!(paintOptions_ & poAutoDither) || paletteDisplay_);
}

QVector<QRgb> TGIFImage::Palette() const {
    return DitherInEffect() ? ColorCube() : Colors();
}

QVector<QRgb> TGIFImage::Colors() const {
    if (header_.ColorMap.Count() > 0)
        return ToPalette(header_.ColorMap);
    if (!frames_.empty())
        return ToPalette(frames_.front()->ColorMap);
    return {};
}

TColor TGIFImage::BackgroundColor() const {
    if (backdropColor_ != clNone)
        return backdropColor_;
    const std::vector<TGIFColor>& colours = header_.ColorMap.Colors;
    // An index beyond the table counts as no background colour at all.
    if (header_.BackgroundColorIndex < colours.size()) {
        const TGIFColor& c = colours[header_.BackgroundColorIndex];
        return FromQColor(QColor(c.Red, c.Green, c.Blue));
    }
    return clWindow;
}

TRect TGIFImage::FrameArea(const TRect& r, const TGIFSubImage& frame) const {
    const int screenWidth = std::max(1, Width());
    const int screenHeight = std::max(1, Height());
    const int w = r.Width();
    const int h = r.Height();
    return {r.Left + RoundedMulDiv(frame.Left, w, screenWidth),
            r.Top + RoundedMulDiv(frame.Top, h, screenHeight),
            r.Left + RoundedMulDiv(frame.Left + frame.Width, w, screenWidth),
            r.Top + RoundedMulDiv(frame.Top + frame.Height, h, screenHeight)};
}

void TGIFImage::DrawFrame(TCanvas& canvas, const TRect& r, TGIFSubImage& frame, bool tile, bool transparent) {
    QPainter& painter = canvas.Painter();
    if (frame.Empty() || !painter.isActive() || r.Width() <= 0 || r.Height() <= 0)
        return;
    const bool masked = transparent && frame.Transparent() && frame.HasMask();
    const QImage& image = masked ? frame.MaskedImage() : frame.OpaqueImage();
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    const int screenWidth = std::max(1, Width());
    const int screenHeight = std::max(1, Height());
    if (!tile) {
        const TRect area = FrameArea(r, frame);
        if (area.Width() > 0 && area.Height() > 0)
            painter.drawImage(area.ToQRect(), image);
    } else {
        painter.setClipRect(r.ToQRect(), painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
        for (int y = r.Top; y < r.Bottom; y += screenHeight)
            for (int x = r.Left; x < r.Right; x += screenWidth)
                painter.drawImage(QPoint(x + frame.Left, y + frame.Top), image);
    }
    painter.restore();
}

void TGIFImage::Draw(TCanvas& canvas, const TRect& r) {
    if (drawing_ || frames_.empty())
        return;
    // A synchronous animation handles window messages inside this call, and one of them may
    // destroy this picture.
    const QPointer<TGIFImage> alive(this);
    drawing_ = true;
    const auto drawn = qScopeGuard([&] {
        if (alive)
            drawing_ = false;
    });
    if (frames_.size() == 1 || !(paintOptions_ & poAnimate))
        DrawStatic(canvas, r);
    else if (composition_ && !(paintOptions_ & poPaintDirect))
        DrawComposition(canvas, r);
    else
        StartAnimation(canvas, r);
}

void TGIFImage::DrawStatic(TCanvas& canvas, const TRect& r) {
    const int index = fixedFrame_ >= 0 && fixedFrame_ < FrameCount() ? fixedFrame_ : 0;
    DrawFrame(canvas, r, Frame(index), paintOptions_ & poTile, paintOptions_ & poTransparent);
}

void TGIFImage::DrawComposition(TCanvas& canvas, const TRect& r) {
    QPainter& painter = canvas.Painter();
    if (!composition_ || !painter.isActive() || r.Width() <= 0 || r.Height() <= 0)
        return;
    const QImage& image = composition_->Image;
    if (!(paintOptions_ & poTile)) {
        painter.drawImage(r.ToQRect(), image);
        return;
    }
    painter.save();
    painter.setClipRect(r.ToQRect(), painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    for (int y = r.Top; y < r.Bottom; y += image.height())
        for (int x = r.Left; x < r.Right; x += image.width())
            painter.drawImage(QPoint(x, y), image);
    painter.restore();
}

// Read from an image, or from the image a widget is being painted into.
QImage TGIFImage::CanvasContent(TCanvas& canvas, const TRect& r) {
    QPainter& painter = canvas.Painter();
    const QPaintDevice* device = painter.device();
    if (device && device->devType() == QInternal::Image)
        return static_cast<const QImage*>(device)->copy(r.ToQRect());
    const QPaintEngine* engine = painter.paintEngine();
    if (engine && engine->paintDevice() && engine->paintDevice()->devType() == QInternal::Image) {
        const QRect mapped = painter.deviceTransform().mapRect(r.ToQRect());
        return static_cast<const QImage*>(engine->paintDevice())->copy(mapped);
    }
    return {};
}

void TGIFImage::StartAnimation(TCanvas& canvas, const TRect& r) {
    if (r.Width() <= 0 || r.Height() <= 0 || !canvas.Painter().isActive())
        return;
    std::unique_lock lock(paintersLock_);
    if (drawPainter_ && drawPainter_->Canvas() == &canvas && drawPainter_->Rect() == r)
        return;
    StopDraw();
    // A synchronous painter runs inside Create and may see this picture destroyed; the lock must
    // not outlive it.
    const QPointer<TGIFImage> alive(this);
    if (!(paintOptions_ & poThreaded))
        lock.unlock();
    if (paintOptions_ & poPaintDirect) {
        if (TGIFPainter* painter = TGIFPainter::Create(this, &canvas, r, paintOptions_, &drawPainter_))
            painter->Start();
        return;
    }
    composition_ = std::make_unique<Composition>(Width(), Height());
    const QImage below = CanvasContent(canvas, r);
    if (below.isNull())
        composition_->Image.fill(ToQColor(BackgroundColor()));
    else
        composition_->Canvas.Painter().drawImage(composition_->Image.rect(), below);
    const TRect full{0, 0, composition_->Image.width(), composition_->Image.height()};
    TGIFPainter* painter =
        TGIFPainter::Create(this, &composition_->Canvas, full, paintOptions_, &drawPainter_);
    if (!alive)
        return;
    if (painter) {
        painter->Start();
        // Its first frame is drawn here on the UI thread; the painter may also end first.
        while (drawPainter_ == painter && !painter->Started())
            if (!CheckSynchronize())
                std::this_thread::yield();
    }
    DrawComposition(canvas, r);
}

void TGIFImage::StopPainters(bool drawPainterOnly) {
    for (;;) {
        std::unique_lock lock(paintersLock_);
        std::vector<TGIFPainter*> stopping =
            drawPainterOnly ? (drawPainter_ ? std::vector{drawPainter_} : std::vector<TGIFPainter*>())
                            : painters_;
        if (stopping.empty())
            break;
        bool threaded = false;
        for (auto it = stopping.rbegin(); it != stopping.rend(); ++it) {
            (*it)->Stop();
            threaded = threaded || (*it)->Threaded();
        }
        lock.unlock();
        if (!threaded)
            break;
        if (IsUIThread())
            CheckSynchronize();
        std::this_thread::yield();
    }
    composition_.reset();
}

void TGIFImage::StopPainting() {
    StopPainters(false);
}

void TGIFImage::StopDraw() {
    StopPainters(true);
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Writes small GIF streams for the tests, block by block, so that a test can also put in
// the damaged or unusual blocks it is about.
#pragma once

#include <QByteArray>
#include <QRgb>
#include <cstdint>
#include <map>
#include <utility>
#include <vector>

namespace gif {

using Pixels = std::vector<std::uint8_t>;

// Variable-length codes, least significant bit first.
class BitWriter {
public:
    void Put(int code, int size) {
        bits_ |= std::uint64_t(code) << count_;
        count_ += size;
        while (count_ >= 8) {
            out_.append(char(bits_ & 0xFF));
            bits_ >>= 8;
            count_ -= 8;
        }
    }
    QByteArray Finish() {
        if (count_ > 0)
            out_.append(char(bits_ & 0xFF));
        bits_ = 0;
        count_ = 0;
        return out_;
    }

private:
    QByteArray out_;
    std::uint64_t bits_ = 0;
    int count_ = 0;
};

// A plain LZW encoder. With `deferredClear` a full table is kept without a clear code.
inline QByteArray Lzw(const Pixels& pixels, int minCodeSize, bool deferredClear = false) {
    const int clear = 1 << minCodeSize;
    BitWriter out;
    int size = minCodeSize + 1;
    int next = clear + 2;
    std::map<std::pair<int, int>, int> table;
    out.Put(clear, size);
    if (pixels.empty()) {
        out.Put(clear + 1, size);
        return out.Finish();
    }
    int prefix = pixels[0];
    for (size_t i = 1; i < pixels.size(); ++i) {
        const auto key = std::make_pair(prefix, int(pixels[i]));
        if (const auto found = table.find(key); found != table.end()) {
            prefix = found->second;
            continue;
        }
        out.Put(prefix, size);
        if (next < 4096) {
            table[key] = next;
            if (next >= (1 << size) && size < 12)
                ++size;
            ++next;
            if (next == 4096 && !deferredClear) {
                out.Put(clear, size);
                table.clear();
                size = minCodeSize + 1;
                next = clear + 2;
            }
        }
        prefix = pixels[i];
    }
    out.Put(prefix, size);
    // The decoder adds one more entry on reading the last code.
    if (next < 4096 && next >= (1 << size) && size < 12)
        ++size;
    out.Put(clear + 1, size);
    return out.Finish();
}

inline QByteArray SubBlocks(const QByteArray& data) {
    QByteArray out;
    for (qsizetype start = 0; start < data.size(); start += 255) {
        const QByteArray chunk = data.mid(start, 255);
        out.append(char(chunk.size())).append(chunk);
    }
    return out.append('\0');
}

inline void Put16(QByteArray& out, int value) {
    out.append(char(value & 0xFF)).append(char((value >> 8) & 0xFF));
}

inline int TableBits(size_t entries) {
    int bits = 0;
    while ((2u << bits) < entries)
        ++bits;
    return bits;
}

inline void PutColors(QByteArray& out, const std::vector<QRgb>& colors) {
    if (colors.empty())
        return;
    const size_t entries = size_t(2) << TableBits(colors.size());
    for (size_t i = 0; i < entries; ++i) {
        const QRgb c = i < colors.size() ? colors[i] : 0;
        out.append(char(qRed(c))).append(char(qGreen(c))).append(char(qBlue(c)));
    }
}

struct Image {
    Image() = default;
    Image(int left, int top, int width, int height, Pixels data = {})
        : Left(left), Top(top), Width(width), Height(height), Data(std::move(data)) {}
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    Pixels Data;
    std::vector<QRgb> Local;
    bool Interlaced = false;
    int MinCodeSize = 8;
};

// Rows of a frame in the order an interlaced stream stores them.
inline Pixels InterlacedOrder(const Pixels& pixels, int width, int height) {
    Pixels out;
    for (auto [start, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}})
        for (int y = start; y < height; y += step)
            out.insert(out.end(), pixels.begin() + y * width, pixels.begin() + (y + 1) * width);
    return out;
}

class Builder {
public:
    Builder& Header(int width, int height, const std::vector<QRgb>& global, int background = 0,
                    const char* signature = "GIF89a") {
        out_.append(signature, 6);
        Put16(out_, width);
        Put16(out_, height);
        out_.append(char(global.empty() ? 0 : 0xF0 | TableBits(global.size())));
        out_.append(char(background)).append('\0');
        PutColors(out_, global);
        return *this;
    }
    Builder& Loop(int count, const char* identifier = "NETSCAPE2.0") {
        out_.append("\x21\xFF\x0B", 3).append(identifier, 11);
        out_.append("\x03\x01", 2);
        Put16(out_, count);
        out_.append('\0');
        return *this;
    }
    Builder& Control(int disposal, int delay, int transparent = -1) {
        out_.append("\x21\xF9\x04", 3);
        out_.append(char(disposal << 2 | (transparent >= 0 ? 1 : 0)));
        Put16(out_, delay);
        out_.append(char(transparent >= 0 ? transparent : 0)).append('\0');
        return *this;
    }
    Builder& Comment(const QByteArray& text) {
        out_.append("\x21\xFE", 2).append(SubBlocks(text));
        return *this;
    }
    Builder& Descriptor(const Image& image) {
        out_.append(',');
        Put16(out_, image.Left);
        Put16(out_, image.Top);
        Put16(out_, image.Width);
        Put16(out_, image.Height);
        out_.append(char((image.Local.empty() ? 0 : 0x80 | TableBits(image.Local.size())) |
                         (image.Interlaced ? 0x40 : 0)));
        PutColors(out_, image.Local);
        return *this;
    }
    Builder& Frame(const Image& image) {
        Descriptor(image);
        const Pixels stored =
            image.Interlaced ? InterlacedOrder(image.Data, image.Width, image.Height) : image.Data;
        out_.append(char(image.MinCodeSize)).append(SubBlocks(Lzw(stored, image.MinCodeSize)));
        return *this;
    }
    Builder& Raw(const QByteArray& bytes) {
        out_.append(bytes);
        return *this;
    }
    Builder& Trailer() {
        out_.append(';');
        return *this;
    }
    QByteArray Bytes() const { return out_; }

private:
    QByteArray out_;
};

// A frame of one colour index.
inline Image Solid(int left, int top, int width, int height, std::uint8_t index) {
    return {left, top, width, height, Pixels(size_t(width) * size_t(height), index)};
}

} // namespace gif

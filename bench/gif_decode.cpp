// SPDX-License-Identifier: GPL-3.0-or-later
// GIF decoding speed: the same set of GIFs decoded into colour indices by TGIFImage and by
// giflib (the reference decoder), in one run; prints the time of each and their ratio.
// Goal: TGIFImage at least as fast as giflib (ratio >= 1).
#include "../tests/pictures/gif_builder.h"
#include "pictures/GIFImage.h"

#include <QFile>

#include <gif_lib.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Sample {
    std::string Name;
    QByteArray Bytes;
};

std::vector<QRgb> Grey256() {
    std::vector<QRgb> palette;
    for (int i = 0; i < 256; ++i)
        palette.push_back(qRgb(i, i, i));
    return palette;
}

// Smooth shading with a little grain: what a dithered photograph gives.
gif::Pixels Photo(int width, int height, unsigned seed) {
    std::mt19937 random(seed);
    gif::Pixels pixels(size_t(width) * size_t(height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const double shade =
                128 + 60 * std::sin(x / 37.0) * std::cos(y / 23.0) + 40 * std::sin((x + y) / 91.0);
            pixels[size_t(y) * size_t(width) + size_t(x)] =
                std::uint8_t(std::clamp(int(shade) + int(random() % 9) - 4, 0, 255));
        }
    return pixels;
}

// Large flat areas with hard edges: drawings, diagrams, screenshots.
gif::Pixels Cartoon(int width, int height) {
    gif::Pixels pixels(size_t(width) * size_t(height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels[size_t(y) * size_t(width) + size_t(x)] =
                std::uint8_t(((x / 40) * 7 + (y / 30) * 13 +
                              ((x - 300) * (x - 300) + (y - 200) * (y - 200) < 15000 ? 100 : 0)) %
                             32);
    return pixels;
}

std::vector<Sample> Samples() {
    std::vector<Sample> samples;
    QFile reward(QStringLiteral(TP_SOURCE_DIR "/resources/pictures/reward.gif"));
    if (reward.open(QIODevice::ReadOnly))
        samples.push_back({"reward.gif (9 frames, 99 x 200)", reward.readAll()});
    samples.push_back({"photo 800 x 600", gif::Builder()
                                              .Header(800, 600, Grey256())
                                              .Frame({0, 0, 800, 600, Photo(800, 600, 1)})
                                              .Trailer()
                                              .Bytes()});
    samples.push_back({"drawing 800 x 600", gif::Builder()
                                                .Header(800, 600, Grey256())
                                                .Frame({0, 0, 800, 600, Cartoon(800, 600)})
                                                .Trailer()
                                                .Bytes()});
    gif::Image interlaced{0, 0, 640, 480, Photo(640, 480, 2)};
    interlaced.Interlaced = true;
    samples.push_back({"interlaced photo 640 x 480",
                       gif::Builder().Header(640, 480, Grey256()).Frame(interlaced).Trailer().Bytes()});
    gif::Builder animation;
    animation.Header(200, 200, Grey256()).Loop(0);
    for (int i = 0; i < 12; ++i)
        animation.Control(1, 10).Frame({0, 0, 200, 200, Photo(200, 200, unsigned(10 + i))});
    samples.push_back({"animation 12 x 200 x 200", animation.Trailer().Bytes()});
    return samples;
}

// Decodes with TGIFImage; returns the decoded indices of every frame, one after another.
std::vector<std::uint8_t> DecodeOurs(const QByteArray& bytes) {
    TGIFImage picture;
    picture.LoadFromData(bytes);
    std::vector<std::uint8_t> all;
    for (int i = 0; i < picture.FrameCount(); ++i)
        all.insert(all.end(), picture.Frame(i).Data.begin(), picture.Frame(i).Data.end());
    return all;
}

struct Reader {
    const QByteArray* Bytes;
    qsizetype Position = 0;
};

int Read(GifFileType* file, GifByteType* buffer, int length) {
    auto* reader = static_cast<Reader*>(file->UserData);
    const int count = int(std::min<qsizetype>(length, reader->Bytes->size() - reader->Position));
    std::memcpy(buffer, reader->Bytes->constData() + reader->Position, size_t(count));
    reader->Position += count;
    return count;
}

std::vector<std::uint8_t> DecodeGiflib(const QByteArray& bytes) {
    Reader reader{&bytes};
    int error = 0;
    GifFileType* file = DGifOpen(&reader, Read, &error);
    std::vector<std::uint8_t> all;
    if (!file)
        return all;
    if (DGifSlurp(file) == GIF_OK)
        for (int i = 0; i < file->ImageCount; ++i) {
            const SavedImage& image = file->SavedImages[i];
            const size_t size = size_t(image.ImageDesc.Width) * size_t(image.ImageDesc.Height);
            all.insert(all.end(), image.RasterBits, image.RasterBits + size);
        }
    DGifCloseFile(file, &error);
    return all;
}

// Seconds per decode, from as many rounds as fit in about half a second.
template <class Decode> double Time(const QByteArray& bytes, Decode decode) {
    decode(bytes);
    int rounds = 0;
    const auto start = Clock::now();
    Clock::duration spent{};
    while (spent < std::chrono::milliseconds(500)) {
        decode(bytes);
        ++rounds;
        spent = Clock::now() - start;
    }
    return std::chrono::duration<double>(spent).count() / rounds;
}

} // namespace

int main() {
    const std::vector<Sample> samples = Samples();
    std::printf("%-34s %12s %12s %8s  %s\n", "GIF", "TGIFImage ms", "giflib ms", "ratio", "same pixels");
    double ours = 0;
    double theirs = 0;
    for (const Sample& sample : samples) {
        const bool same = DecodeOurs(sample.Bytes) == DecodeGiflib(sample.Bytes);
        const double a = Time(sample.Bytes, DecodeOurs);
        const double b = Time(sample.Bytes, DecodeGiflib);
        ours += a;
        theirs += b;
        std::printf("%-34s %12.3f %12.3f %8.2f  %s\n", sample.Name.c_str(), a * 1e3, b * 1e3, b / a,
                    same ? "yes" : "NO");
    }
    std::printf("%-34s %12.3f %12.3f %8.2f\n", "whole set", ours * 1e3, theirs * 1e3, theirs / ours);
    std::printf("ratio = giflib time / TGIFImage time; goal >= 1\n");
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// GIF loading: the LZW decoder on real code streams, interlace, the lenient header, the
// warnings that let loading go on, the failures that leave the picture empty and the
// stream where it was, and the extension kinds.
#include "../framework/qt_app.h"
#include "gif_builder.h"
#include "pictures/GIFImage.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <random>

using gif::Builder;
using gif::Image;
using gif::Pixels;

namespace {

const std::vector<QRgb> kFour = {qRgb(255, 255, 255), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};

struct Loaded {
    std::unique_ptr<TGIFImage> Picture = std::make_unique<TGIFImage>();
    QStringList Warnings;
};

Loaded Load(const QByteArray& bytes) {
    Loaded loaded;
    loaded.Picture->WarningHandler = [&loaded](QObject*, TGIFSeverity, const QString& message) {
        loaded.Warnings << message;
    };
    loaded.Picture->LoadFromData(bytes);
    return loaded;
}

// The message of the GIFException that loading `bytes` raises, with the stream put back.
std::string LoadError(const QByteArray& bytes) {
    QByteArray stored = "ahead" + bytes;
    QBuffer buffer(&stored);
    buffer.open(QIODevice::ReadOnly);
    buffer.seek(5);
    TGIFImage picture;
    try {
        picture.LoadFromStream(buffer);
    } catch (const GIFException& error) {
        EXPECT_EQ(buffer.pos(), 5) << error.what();
        EXPECT_TRUE(picture.Empty()) << error.what();
        return error.what();
    }
    return "loaded";
}

Pixels Noise(size_t count, int colours, unsigned seed) {
    std::mt19937 random(seed);
    Pixels pixels(count);
    for (auto& p : pixels)
        p = std::uint8_t(random() % unsigned(colours));
    return pixels;
}

QByteArray OneFrame(const Image& image, const std::vector<QRgb>& global = kFour) {
    return Builder().Header(image.Width, image.Height, global).Frame(image).Trailer().Bytes();
}

} // namespace

// Noise fills the 4096-entry table many times over (12-bit codes, clear codes); runs of
// one colour give codes defined by the code that uses them.
TEST(GifLoading, DecodesLzwStreamsOfEveryCodeSize) {
    struct Case {
        const char* Name;
        int Width, Height, MinCodeSize;
        Pixels Data;
        bool DeferredClear;
    };
    std::vector<Case> cases = {
        {"noise, 8 bits", 300, 200, 8, Noise(60000, 256, 1), false},
        {"noise, 2 bits", 257, 131, 2, Noise(257 * 131, 4, 2), false},
        {"noise, 11 bits", 64, 64, 11, Noise(4096, 256, 3), false},
        {"one colour", 100, 100, 4, Pixels(10000, 7), false},
        {"full table kept", 200, 200, 8, Noise(40000, 256, 4), true},
        {"one pixel", 1, 1, 2, Pixels{3}, false},
    };
    for (const Case& c : cases) {
        const QByteArray lzw = gif::Lzw(c.Data, c.MinCodeSize, c.DeferredClear);
        Image image{0, 0, c.Width, c.Height, c.Data};
        Builder builder;
        builder.Header(c.Width, c.Height, kFour).Descriptor(image);
        builder.Raw(QByteArray(1, char(c.MinCodeSize)) + gif::SubBlocks(lzw)).Trailer();
        const Loaded loaded = Load(builder.Bytes());
        ASSERT_EQ(loaded.Picture->FrameCount(), 1) << c.Name;
        EXPECT_EQ(loaded.Picture->Frame(0).Data, c.Data) << c.Name;
        EXPECT_TRUE(loaded.Warnings.isEmpty()) << c.Name << ": " << loaded.Warnings.join(", ").toStdString();
    }
}

TEST(GifLoading, InterlacedRowsComeInNaturalOrder) {
    Pixels rows;
    for (int y = 0; y < 11; ++y)
        rows.insert(rows.end(), 5, std::uint8_t(y));
    Image image{0, 0, 5, 11, rows};
    image.Interlaced = true;
    const Loaded loaded = Load(OneFrame(image, std::vector<QRgb>(16, 0)));
    EXPECT_TRUE(loaded.Picture->Frame(0).Interlaced());
    EXPECT_EQ(loaded.Picture->Frame(0).Data, rows);
}

TEST(GifLoading, HeaderIsReadLeniently) {
    const QByteArray plain = OneFrame(gif::Solid(0, 0, 2, 2, 1));
    const QByteArray variants[] = {"\x01\x02\x03\x04" + plain, "gif89a" + plain.mid(6),
                                   "GIF99z" + plain.mid(6)};
    for (const QByteArray& bytes : variants) {
        const Loaded loaded = Load(bytes);
        ASSERT_EQ(loaded.Picture->FrameCount(), 1) << bytes.left(10).toHex().toStdString();
        EXPECT_EQ(loaded.Picture->Width(), 2);
    }
    EXPECT_EQ(LoadError("PNG89a" + plain.mid(6)), "Invalid GIF signature");
    EXPECT_EQ(LoadError("12345GIF89a" + plain.mid(6)), "Invalid GIF signature");
}

TEST(GifLoading, StreamIsLeftAfterTheTrailer) {
    QByteArray stored = OneFrame(gif::Solid(0, 0, 2, 2, 1));
    const qint64 end = stored.size();
    stored += "more";
    QBuffer buffer(&stored);
    buffer.open(QIODevice::ReadOnly);
    TGIFImage picture;
    picture.LoadFromStream(buffer);
    EXPECT_EQ(buffer.pos(), end);
}

// Warnings go to the handler and loading goes on.
TEST(GifLoading, WarningsKeepWhatCouldBeRead) {
    const Image frame = gif::Solid(0, 0, 4, 3, 2);
    const QByteArray head = Builder().Header(4, 3, kFour).Bytes();
    const QByteArray image = Builder().Frame(frame).Bytes();
    // Codes that stop short of the picture: the sub-blocks end properly.
    const QByteArray shortCodes = Builder().Descriptor(frame).Raw(QByteArray("\x02\x01\x04\x00", 4)).Bytes();
    struct Case {
        const char* Name;
        QByteArray Bytes;
        int Frames;
        QStringList Warnings;
    };
    const Case cases[] = {
        {"unknown block type ends the frame list",
         head + image + "\x99" + image + ";",
         1,
         {"Unknown GIF block type", "Invalid Image trailer"}},
        {"codes run out", head + shortCodes + ";", 1, {"Decoder bit buffer under-run"}},
        {"short graphic control block",
         head + QByteArray("\x21\xF9\x02\x05\x00\x00", 6) + image + ";",
         1,
         {"Premature end of data"}},
        {"no trailer", head + image, 1, {}},
    };
    for (const Case& c : cases) {
        const Loaded loaded = Load(c.Bytes);
        EXPECT_EQ(loaded.Picture->FrameCount(), c.Frames) << c.Name;
        EXPECT_EQ(loaded.Warnings, c.Warnings) << c.Name;
    }

    // A stray byte where an extension may stand: warned, then read as the descriptor's
    // separator.
    const Loaded odd =
        Load(head + QByteArray("\x21\xFE\x00", 3) + QByteArray(image).replace(0, 1, "X") + ";");
    EXPECT_EQ(odd.Warnings.value(0), "Invalid extension introducer");
    ASSERT_EQ(odd.Picture->FrameCount(), 1);
    EXPECT_EQ(odd.Picture->Frame(0).Data, frame.Data);
}

TEST(GifLoading, ZeroSizedFrameTakesTheLogicalScreen) {
    const Image zero{0, 0, 0, 5, {}};
    Builder builder;
    builder.Header(3, 2, kFour)
        .Descriptor(zero)
        .Raw(QByteArray(1, 8) + gif::SubBlocks(gif::Lzw(Pixels(6, 1), 8)));
    const Loaded loaded = Load(builder.Trailer().Bytes());
    ASSERT_EQ(loaded.Picture->FrameCount(), 1);
    EXPECT_EQ(loaded.Picture->Frame(0).Width, 3);
    EXPECT_EQ(loaded.Picture->Frame(0).Height, 2);
    EXPECT_EQ(loaded.Picture->Frame(0).Data, Pixels(6, 1));
    EXPECT_EQ(loaded.Warnings, QStringList{"Image exceeds Logical Screen size"});
}

// A file cut inside its last frame: the missing pixels keep the transparent index, or 0.
TEST(GifLoading, TruncatedLastFrameKeepsItsFillValue) {
    const Pixels pixels = Noise(40 * 40, 3, 5);
    for (const int transparent : {-1, 3}) {
        Builder builder;
        builder.Header(40, 40, kFour).Frame(gif::Solid(0, 0, 40, 40, 1));
        if (transparent >= 0)
            builder.Control(1, 10, transparent);
        builder.Frame({0, 0, 40, 40, pixels});
        const QByteArray whole = builder.Bytes();
        const Loaded loaded = Load(whole.left(whole.size() - 150));
        ASSERT_EQ(loaded.Picture->FrameCount(), 2);
        EXPECT_EQ(loaded.Warnings, QStringList{"Premature end of data"});
        const Pixels& data = loaded.Picture->Frame(1).Data;
        EXPECT_TRUE(std::equal(data.begin(), data.begin() + 200, pixels.begin()));
        EXPECT_EQ(data.back(), transparent >= 0 ? transparent : 0);
    }
}

// Each failure leaves the picture empty and the stream where loading began.
TEST(GifLoading, FailuresNameTheirCause) {
    const QByteArray head = Builder().Header(4, 4, kFour).Bytes();
    const Image frame = gif::Solid(0, 0, 4, 4, 1);
    auto codes = [&](std::initializer_list<std::pair<int, int>> list, int minCodeSize = 2) {
        gif::BitWriter writer;
        for (auto [code, size] : list)
            writer.Put(code, size);
        return Builder()
            .Descriptor(frame)
            .Raw(QByteArray(1, char(minCodeSize)) + gif::SubBlocks(writer.Finish()))
            .Bytes();
    };
    const QByteArray loopBlock = QByteArray("\x21\xFF\x0B", 3) + "NETSCAPE2.0";
    struct Case {
        const char* Name;
        QByteArray Bytes;
        const char* Message;
    };
    const Case cases[] = {
        {"short file", "GIF8", "Premature end of data"},
        {"short screen descriptor", "GIF89a\x04\x00", "Premature end of data"},
        {"short colour table", QByteArray("GIF89a\x04\x00\x04\x00\xF7\x00\x00", 13) + "abc",
         "Premature end of data"},
        {"unknown extension label", head + "\x21\x77\x00;", "Unknown extension type"},
        {"application block of 9", head + "\x21\xFF\x09" + QByteArray(12, 'a'),
         "Unsupported Application Extension block size"},
        {"application block of 12", head + "\x21\xFF\x0C" + QByteArray(16, 'a'),
         "Unsupported Application Extension block size"},
        {"short loop block", head + loopBlock + QByteArray("\x02\x01\x00\x00", 4), "Invalid GIF data"},
        {"short buffer block", head + loopBlock + QByteArray("\x03\x02\x00\x00\x00", 5), "Invalid GIF data"},
        {"code size above 11",
         head + Builder().Descriptor(frame).Raw(QByteArray("\x0C\x01\x00\x00", 4)).Bytes(),
         "Invalid GIF data"},
        {"code size 0", head + Builder().Descriptor(frame).Raw(QByteArray("\x00\x01\x00\x00", 4)).Bytes(),
         "Invalid GIF data"},
        // Clear, a literal, then code 7 while the next free entry is 6.
        {"code not yet in the table", head + codes({{4, 3}, {1, 3}, {7, 3}}), "Circular decoder table entry"},
        // Clear, then the code about to be defined with nothing before it.
        {"entry defined by itself", head + codes({{4, 3}, {6, 3}}), "Circular decoder table entry"},
        {"descriptor cut short", head + ",\x00\x00", "Premature end of data"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LoadError(c.Bytes), c.Message) << c.Name;
}

TEST(GifLoading, HugeSizesAreRefusedBeforeAnyMemoryIsTaken) {
    const QByteArray screen = Builder().Header(65535, 65535, kFour).Trailer().Bytes();
    EXPECT_NE(LoadError(screen).find("too large"), std::string::npos);
    Builder frame;
    frame.Header(16, 16, kFour).Descriptor({0, 0, 65535, 65535, {}}).Raw("\x02\x02\x4C\x01\x00;");
    EXPECT_NE(LoadError(frame.Bytes()).find("too large"), std::string::npos);
}

TEST(GifLoading, ExtensionsAreKeptWithTheirFrame) {
    Builder builder;
    builder.Header(2, 2, kFour).Loop(3, "ANIMEXTS1.0").Comment("made by hand").Control(2, 7, 1);
    builder.Frame(gif::Solid(0, 0, 2, 2, 1));
    builder.Raw(QByteArray("\x21\xFF\x0B", 3) + "XMP DataXMP" + gif::SubBlocks("abc"));
    builder.Raw(QByteArray("\x21\xFF\x0A", 3) + "NETSCAPE2." + gif::SubBlocks(QByteArray("\x01\x05\x00", 3)));
    builder.Raw(QByteArray("\x21\xFF\x0B", 3) + "NETSCAPE2.0" +
                QByteArray("\x05\x02\x00\x00\x10\x00\x03\x01\x02\x00\x00", 11));
    builder.Frame(gif::Solid(0, 0, 2, 2, 2)).Trailer();
    const Loaded loaded = Load(builder.Bytes());
    ASSERT_EQ(loaded.Picture->FrameCount(), 2);

    const auto& first = loaded.Picture->Frame(0).Extensions;
    ASSERT_EQ(first.size(), 3u);
    const auto* loop = dynamic_cast<TGIFAppExtNSLoop*>(first[0].get());
    ASSERT_TRUE(loop);
    EXPECT_EQ(loop->Loops, 3);
    EXPECT_EQ(dynamic_cast<TGIFCommentExtension*>(first[1].get())->Text, "made by hand");
    const TGIFGraphicControlExtension* control = loaded.Picture->Frame(0).GraphicControlExtension();
    ASSERT_TRUE(control);
    EXPECT_EQ(control->Disposal, dmBackground);
    EXPECT_EQ(control->Delay, 7);
    EXPECT_TRUE(loaded.Picture->Frame(0).Transparent());
    EXPECT_EQ(control->TransparentColorIndex, 1);

    const auto& second = loaded.Picture->Frame(1).Extensions;
    ASSERT_EQ(second.size(), 3u);
    const auto* unknown = dynamic_cast<TGIFUnknownAppExtension*>(second[0].get());
    ASSERT_TRUE(unknown);
    EXPECT_EQ(unknown->Blocks, std::vector<QByteArray>{"abc"});
    // A 10-byte block is never a loop block; its size byte opens the identifier.
    const auto* ten = dynamic_cast<TGIFUnknownAppExtension*>(second[1].get());
    ASSERT_TRUE(ten);
    EXPECT_EQ(ten->Identifier, QByteArray("\x0ANETSCAPE2.", 11));
    const auto* buffered = dynamic_cast<TGIFAppExtNSLoop*>(second[2].get());
    ASSERT_TRUE(buffered);
    EXPECT_EQ(buffered->BufferSize, 0x100000u);
    EXPECT_EQ(buffered->Loops, 2);
    EXPECT_FALSE(loaded.Picture->Frame(1).GraphicControlExtension());
}

TEST(GifLoading, RegisteredForStoredPictures) {
    EnsureQtApp();
    TGIFImage::Register();
    const QByteArray file = OneFrame(gif::Solid(0, 0, 3, 2, 1));
    QByteArray stored = QByteArray(1, 9) + "TGIFImage";
    const quint32 size = quint32(file.size());
    stored.append(reinterpret_cast<const char*>(&size), 4).append(file);
    TPicture picture;
    picture.ReadData(stored);
    ASSERT_TRUE(qobject_cast<TGIFImage*>(picture.Graphic()));
    EXPECT_EQ(picture.Width(), 3);
    EXPECT_EQ(picture.Height(), 2);
}

// The reward window's picture as the program carries it.
TEST(GifLoading, RewardPictureHasItsStructure) {
    QFile file(QStringLiteral(TP_SOURCE_DIR "/resources/pictures/reward.gif"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const Loaded loaded = Load(file.readAll());
    const TGIFImage& picture = *loaded.Picture;
    EXPECT_TRUE(loaded.Warnings.isEmpty()) << loaded.Warnings.join(", ").toStdString();
    EXPECT_EQ(picture.Width(), 99);
    EXPECT_EQ(picture.Height(), 200);
    EXPECT_EQ(picture.Header().ColorMap.Count(), 256);
    EXPECT_EQ(picture.Header().BackgroundColorIndex, 0);
    EXPECT_EQ(picture.BackgroundColor(), clWhite);
    ASSERT_EQ(picture.FrameCount(), 9);
    const auto* loop = dynamic_cast<TGIFAppExtNSLoop*>(picture.Frame(0).Extensions.front().get());
    ASSERT_TRUE(loop);
    EXPECT_EQ(loop->Loops, 0);
    for (int i = 0; i < 9; ++i) {
        const TGIFSubImage& frame = picture.Frame(i);
        const TGIFGraphicControlExtension* control = frame.GraphicControlExtension();
        ASSERT_TRUE(control) << i;
        EXPECT_EQ(control->Delay, 10) << i;
        EXPECT_EQ(control->Disposal, dmNoDisposal) << i;
        EXPECT_FALSE(control->Transparent) << i;
        EXPECT_EQ(frame.ColorMap.Count(), 0) << i;
        EXPECT_FALSE(frame.Interlaced()) << i;
        if (i == 0) {
            EXPECT_EQ(frame.Left, 0);
            EXPECT_EQ(frame.Top, 0);
            EXPECT_EQ(frame.Width, 99);
            EXPECT_EQ(frame.Height, 200);
            continue;
        }
        EXPECT_TRUE(frame.Left >= 6 && frame.Left <= 8) << i;
        EXPECT_EQ(frame.Top, 8) << i;
        EXPECT_TRUE(frame.Width >= 87 && frame.Width <= 92) << i;
        EXPECT_EQ(frame.Height, 183) << i;
    }
}

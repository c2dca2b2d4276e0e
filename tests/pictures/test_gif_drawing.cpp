// SPDX-License-Identifier: GPL-3.0-or-later
// GIF drawing: frames scaled from the logical screen into a rectangle, transparency and
// masks, tiling, local colour tables, dithering, the disposal methods composed through
// the painter's buffers, and the animated draw with its composition bitmap.
#include "../framework/qt_app.h"
#include "fake_clock.h"
#include "gif_builder.h"
#include "pictures/GIFImage.h"

#include <gtest/gtest.h>
#include <set>

using gif::Builder;
using gif::Image;
using gif::Pixels;

namespace {

constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr QRgb kGreen = qRgb(0, 255, 0);
constexpr QRgb kBlue = qRgb(0, 0, 255);
constexpr QRgb kGrey = qRgb(90, 90, 90);
const std::vector<QRgb> kPalette = {kWhite, kRed, kGreen, kBlue};

QImage Target(int width, int height, QRgb fill = kGrey) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

std::vector<QRgb> Row(const QImage& image, int y) {
    std::vector<QRgb> row;
    for (int x = 0; x < image.width(); ++x)
        row.push_back(image.pixel(x, y) | 0xFF000000);
    return row;
}

std::unique_ptr<TGIFImage> Picture(const QByteArray& bytes) {
    auto picture = std::make_unique<TGIFImage>();
    picture->LoadFromData(bytes);
    return picture;
}

class GifDrawing : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureQtApp(); }
};

} // namespace

TEST_F(GifDrawing, FrameIsScaledFromTheLogicalScreenIntoTheRectangle) {
    // Screen 4 x 2; a 2 x 2 frame at x 1 whose index 0 is transparent.
    Builder builder;
    builder.Header(4, 2, kPalette).Control(1, 10, 0).Frame({1, 0, 2, 2, {1, 0, 2, 3}}).Trailer();
    auto picture = Picture(builder.Bytes());
    QImage target = Target(10, 4);
    {
        TCanvas canvas(&target);
        picture->Draw(canvas, {1, 0, 9, 4});
    }
    const std::vector<QRgb> top = {kGrey, kGrey, kGrey, kRed, kRed, kGrey, kGrey, kGrey, kGrey, kGrey};
    const std::vector<QRgb> bottom = {kGrey, kGrey, kGrey, kGreen, kGreen, kBlue, kBlue, kGrey, kGrey, kGrey};
    EXPECT_EQ(Row(target, 0), top);
    EXPECT_EQ(Row(target, 1), top);
    EXPECT_EQ(Row(target, 3), bottom);
    EXPECT_TRUE(NoPainters(*picture));
    EXPECT_FALSE(picture->CompositionBitmap());

    // Without poTransparent the transparent index takes its colour.
    picture->SetPaintOptions(picture->PaintOptions() & ~poTransparent);
    {
        TCanvas canvas(&target);
        picture->Draw(canvas, {1, 0, 9, 4});
    }
    EXPECT_EQ(target.pixel(5, 0) | 0xFF000000, kWhite);
}

TEST_F(GifDrawing, FrameAreasRoundToTheNearestPixel) {
    TGIFImage picture;
    picture.LoadFromData(Builder().Header(3, 3, kPalette).Frame(gif::Solid(0, 0, 3, 3, 1)).Trailer().Bytes());
    struct Case {
        TRect R;
        int Left, Top, Width, Height;
        TRect Area;
    };
    const Case cases[] = {
        {{0, 0, 4, 4}, 1, 1, 1, 1, {1, 1, 3, 3}},         // 1.33 and 2.67
        {{10, 20, 15, 25}, 1, 0, 2, 3, {12, 20, 15, 25}}, // 1.67
        {{0, 0, 3, 3}, 0, 0, 3, 3, {0, 0, 3, 3}},
        {{0, 0, 6, 3}, 2, 1, 1, 1, {4, 1, 6, 2}},
    };
    for (const Case& c : cases) {
        TGIFSubImage frame(&picture);
        frame.Left = c.Left;
        frame.Top = c.Top;
        frame.Width = c.Width;
        frame.Height = c.Height;
        EXPECT_EQ(picture.FrameArea(c.R, frame), c.Area) << c.R.Left << "," << c.R.Top;
    }
}

TEST_F(GifDrawing, TiledPictureRepeatsAtItsNaturalSize) {
    auto picture = Picture(Builder().Header(2, 1, kPalette).Frame({0, 0, 2, 1, {1, 2}}).Trailer().Bytes());
    picture->SetPaintOptions(picture->PaintOptions() | poTile);
    QImage target = Target(7, 2);
    {
        TCanvas canvas(&target);
        picture->Draw(canvas, {1, 0, 6, 2});
    }
    const std::vector<QRgb> row = {kGrey, kRed, kGreen, kRed, kGreen, kRed, kGrey};
    EXPECT_EQ(Row(target, 0), row);
    EXPECT_EQ(Row(target, 1), row);
}

TEST_F(GifDrawing, LocalColourTableWinsOverTheGlobalOne) {
    Image frame{0, 0, 2, 1, {0, 1}};
    frame.Local = {qRgb(10, 20, 30), qRgb(40, 50, 60)};
    auto picture = Picture(Builder().Header(2, 1, kPalette).Frame(frame).Trailer().Bytes());
    QImage target = Target(2, 1);
    {
        TCanvas canvas(&target);
        picture->Draw(canvas, {0, 0, 2, 1});
    }
    EXPECT_EQ(Row(target, 0), (std::vector<QRgb>{qRgb(10, 20, 30), qRgb(40, 50, 60)}));
    EXPECT_EQ(picture->Frame(0).Bitmap().format(), QImage::Format_Indexed8);
}

// Indices beyond a short table and a background index beyond it stay harmless.
TEST_F(GifDrawing, IndicesOutsideThePaletteDrawBlack) {
    Builder builder;
    builder.Header(2, 1, {kRed, kGreen}, 200).Frame({0, 0, 2, 1, {1, 9}}).Trailer();
    auto picture = Picture(builder.Bytes());
    EXPECT_EQ(picture->BackgroundColor(), clWindow);
    QImage target = Target(2, 1);
    {
        TCanvas canvas(&target);
        picture->Draw(canvas, {0, 0, 2, 1});
    }
    EXPECT_EQ(Row(target, 0), (std::vector<QRgb>{kGreen, qRgb(0, 0, 0)}));
}

TEST_F(GifDrawing, MaskMarksTransparentPixelsMostSignificantBitFirst) {
    Pixels pixels(17 * 2, 1);
    pixels[0] = pixels[16] = pixels[17 + 9] = 3;
    Builder builder;
    builder.Header(17, 2, kPalette).Control(1, 10, 3).Frame({0, 0, 17, 2, pixels});
    builder.Control(1, 10, 3).Frame(gif::Solid(0, 0, 17, 2, 1)).Trailer();
    auto picture = Picture(builder.Bytes());
    // Rows padded to 16 bits: 17 pixels take 4 bytes.
    const std::vector<quint8> mask = {0x80, 0x00, 0x80, 0x00, 0x00, 0x40, 0x00, 0x00};
    EXPECT_EQ(picture->Frame(0).Mask(), mask);
    EXPECT_FALSE(picture->Frame(1).HasMask());
}

TEST_F(GifDrawing, DitheringReducesToTheColourCube) {
    const QRgb onCube = qRgb(51, 102, 153);
    const QRgb grey = qRgb(128, 128, 128);
    Pixels pixels(16 * 16, 1);
    for (int x = 0; x < 16; ++x)
        pixels[size_t(x)] = 0;
    pixels[17] = 3;
    Builder builder;
    builder.Header(16, 16, {onCube, grey, kWhite, kBlue})
        .Control(1, 10, 3)
        .Frame({0, 0, 16, 16, pixels})
        .Trailer();
    auto picture = Picture(builder.Bytes());
    picture->SetPaintOptions(picture->PaintOptions() & ~poAutoDither);
    ASSERT_TRUE(picture->DitherInEffect());
    QImage target = Target(16, 16, kRed);
    {
        TCanvas canvas(&target);
        picture->Draw(canvas, {0, 0, 16, 16});
    }
    EXPECT_EQ(Row(target, 0), std::vector<QRgb>(16, onCube));
    EXPECT_EQ(target.pixel(1, 1) | 0xFF000000, kRed);
    int sum = 0;
    int count = 0;
    for (int y = 2; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const QRgb p = target.pixel(x, y);
            ASSERT_EQ(qRed(p) % 51, 0);
            ASSERT_TRUE(qRed(p) == 102 || qRed(p) == 153) << qRed(p);
            sum += qRed(p);
            ++count;
        }
    EXPECT_NEAR(double(sum) / count, 128.0, 3.0);
    EXPECT_EQ(picture->Palette().size(), 216);

    // The default options dither only on a palette display.
    TGIFImage plain;
    TGIFImage::SetPaletteDisplay(false);
    EXPECT_FALSE(plain.DitherInEffect());
    TGIFImage::SetPaletteDisplay(true);
    EXPECT_TRUE(plain.DitherInEffect());
    TGIFImage::SetPaletteDisplay(false);
}

namespace {

// Screen 4 x 1, background index 3 (blue): frame 0 red across, frame 1 green at x 1..2,
// frame 2 white at x 3; disposals as given.
QByteArray DisposalPicture(int first, int second, int third = dmNoDisposal) {
    Builder builder;
    builder.Header(4, 1, kPalette, 3);
    builder.Control(first, 10).Frame(gif::Solid(0, 0, 4, 1, 1));
    builder.Control(second, 10, 0).Frame({1, 0, 2, 1, {2, 0}});
    builder.Control(third, 10).Frame(gif::Solid(3, 0, 1, 1, 0));
    return builder.Trailer().Bytes();
}

// The target after each frame of one synchronous pass.
std::vector<std::vector<QRgb>> Play(const QByteArray& bytes, TGIFPaintOptions options) {
    auto picture = Picture(bytes);
    FakeClock clock;
    picture->SetClock(&clock);
    QImage target = Target(4, 1);
    TCanvas canvas(&target);
    std::vector<std::vector<QRgb>> shown;
    picture->OnAfterFrame = [&](TGIFPainter*) { shown.push_back(Row(target, 0)); };
    EXPECT_EQ(TGIFPainter::Create(picture.get(), &canvas, {0, 0, 4, 1}, options), nullptr);
    return shown;
}

} // namespace

TEST_F(GifDrawing, DisposalMethodsComposeTheNextFrame) {
    const TGIFPaintOptions opaque = poAnimate;
    const TGIFPaintOptions transparent = poAnimate | poTransparent;
    using Rows = std::vector<std::vector<QRgb>>;
    struct Case {
        const char* Name;
        QByteArray Bytes;
        TGIFPaintOptions Options;
        Rows Shown;
    };
    // Frame 1's own index 0 is transparent, so its x 2 shows what lies below.
    const Case cases[] = {
        {"none specified",
         DisposalPicture(dmNone, dmNone),
         transparent,
         {{kRed, kRed, kRed, kRed}, {kRed, kGreen, kRed, kRed}, {kRed, kGreen, kRed, kWhite}}},
        {"do not dispose",
         DisposalPicture(dmNoDisposal, dmNoDisposal),
         transparent,
         {{kRed, kRed, kRed, kRed}, {kRed, kGreen, kRed, kRed}, {kRed, kGreen, kRed, kWhite}}},
        {"restore to background colour",
         DisposalPicture(dmBackground, dmNoDisposal),
         opaque,
         {{kRed, kRed, kRed, kRed}, {kBlue, kGreen, kWhite, kBlue}, {kBlue, kGreen, kWhite, kWhite}}},
        {"restore to what was there",
         DisposalPicture(dmBackground, dmNoDisposal),
         transparent,
         {{kRed, kRed, kRed, kRed}, {kGrey, kGreen, kGrey, kGrey}, {kGrey, kGreen, kGrey, kWhite}}},
        {"restore to previous",
         DisposalPicture(dmNoDisposal, dmPrevious),
         transparent,
         {{kRed, kRed, kRed, kRed}, {kRed, kGreen, kRed, kRed}, {kRed, kRed, kRed, kWhite}}},
        {"previous after background",
         DisposalPicture(dmBackground, dmPrevious),
         opaque,
         {{kRed, kRed, kRed, kRed}, {kBlue, kGreen, kWhite, kBlue}, {kBlue, kBlue, kBlue, kWhite}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Play(c.Bytes, c.Options), c.Shown) << c.Name;
}

TEST_F(GifDrawing, ClearAtLoopStartClearsFrameZerosAreaEachPass) {
    // Frame 0 is transparent everywhere but x 0; three passes. What lay below comes back
    // under it at the start of each pass.
    Builder builder;
    builder.Header(4, 1, kPalette, 3).Loop(3).Control(dmNoDisposal, 10, 0).Frame({0, 0, 4, 1, {1, 0, 0, 0}});
    builder.Control(dmNoDisposal, 10).Frame(gif::Solid(1, 0, 1, 1, 2)).Trailer();
    const auto shown = Play(builder.Bytes(), poAnimate | poLoop | poClearAtLoopStart | poTransparent);
    ASSERT_EQ(shown.size(), 6u);
    EXPECT_EQ(shown[1], (std::vector<QRgb>{kRed, kGreen, kGrey, kGrey}));
    EXPECT_EQ(shown[2], (std::vector<QRgb>{kRed, kGrey, kGrey, kGrey}));
}

namespace {

QByteArray TwoFrames() {
    Builder builder;
    builder.Header(2, 1, kPalette).Loop(0).Control(1, 10).Frame(gif::Solid(0, 0, 2, 1, 1));
    builder.Control(1, 10).Frame(gif::Solid(0, 0, 2, 1, 2)).Trailer();
    return builder.Bytes();
}

} // namespace

// The first paint returns with the first frame in the composition bitmap; the painter
// goes on in its thread; later paints show the composition as it stands.
TEST_F(GifDrawing, FirstPaintStartsTheAnimationAndWaitsForItsFirstFrame) {
    auto picture = Picture(TwoFrames());
    FakeClock clock;
    clock.HoldAbove = 0; // every wait lasts until the painter is stopped
    picture->SetClock(&clock);
    int changes = 0;
    picture->OnChange = [&](QObject*) { ++changes; };
    QImage target = Target(4, 2);
    {
        TCanvas canvas(&target);
        picture->Draw(canvas, {0, 0, 4, 2});
    }
    EXPECT_EQ(Row(target, 0), std::vector<QRgb>(4, kRed));
    ASSERT_TRUE(picture->CompositionBitmap());
    EXPECT_EQ(picture->CompositionBitmap()->size(), QSize(2, 1));
    EXPECT_GE(changes, 1);
    ASSERT_TRUE(picture->DrawPainter());
    EXPECT_TRUE(picture->DrawPainter()->Threaded());

    // A second paint only copies the composition.
    QImage again = Target(2, 1);
    {
        TCanvas canvas(&again);
        picture->Draw(canvas, {0, 0, 2, 1});
    }
    EXPECT_EQ(Row(again, 0), std::vector<QRgb>(2, kRed));
    EXPECT_EQ(picture->Painters().size(), 1u);

    picture->StopPainting();
    EXPECT_TRUE(NoPainters(*picture));
    EXPECT_FALSE(picture->DrawPainter());
    EXPECT_FALSE(picture->CompositionBitmap());
}

TEST_F(GifDrawing, DestroyingAnAnimatingPictureWaitsForItsPainter) {
    auto picture = Picture(TwoFrames());
    bool ended = false;
    picture->OnRunEnd = [&](TGIFPainter*) { ended = true; };
    QImage target = Target(2, 1);
    {
        TCanvas canvas(&target);
        picture->Draw(canvas, {0, 0, 2, 1});
    }
    ASSERT_FALSE(NoPainters(*picture));
    picture.reset();
    EXPECT_TRUE(ended);
}

// Painting directly, the painter draws on the host's canvas and the draw returns at once.
TEST_F(GifDrawing, PaintDirectDrawsOnTheHostCanvas) {
    auto picture = Picture(TwoFrames());
    picture->SetPaintOptions(picture->PaintOptions() | poPaintDirect);
    FakeClock clock;
    clock.HoldAbove = 0;
    picture->SetClock(&clock);
    QImage target = Target(2, 1);
    TCanvas canvas(&target);
    picture->Draw(canvas, {0, 0, 2, 1});
    EXPECT_FALSE(picture->CompositionBitmap());
    ASSERT_TRUE(RunUntil([&] { return target.pixel(0, 0) == kRed; }));
    picture->StopPainting();
    EXPECT_TRUE(NoPainters(*picture));
}

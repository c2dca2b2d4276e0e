// SPDX-License-Identifier: GPL-3.0-or-later
// Framed panel, gradient panel and button, wallpaper, link label and check box: frames, grid,
// gradients and tiles in pixels, glyph and caption placement, and the input that drives them.
#include "controls/RzBckgnd.h"
#include "controls/RzLabel.h"
#include "controls/RzPanel.h"
#include "controls/RzRadChk.h"
#include "controls/XiButton.h"
#include "controls/XiPanel.h"
#include "tests/framework/qt_app.h"

#include <QImage>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <optional>

namespace {

constexpr QRgb kBackground = 0xFF00FF00;

TColor PixelAt(const QImage& image, int x, int y) {
    const QRgb p = image.pixel(x, y);
    return qRed(p) | (qGreen(p) << 8) | (qBlue(p) << 16);
}

QImage Render(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_RGB32);
    image.fill(kBackground);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

std::optional<QRect> BoundsOf(const QImage& image, TColor color) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (PixelAt(image, x, y) == color)
                bounds |= QRect(x, y, 1, 1);
    return bounds.isNull() ? std::nullopt : std::optional<QRect>(bounds);
}

struct Pixel {
    int x, y;
    TColor color;
};

void ExpectPixels(const QImage& image, const std::vector<Pixel>& pixels) {
    for (const Pixel& p : pixels)
        EXPECT_EQ(PixelAt(image, p.x, p.y), ColorToRGB(p.color)) << "at " << p.x << "," << p.y;
}

// A shown top-level window that children can be clicked in like real input.
class THost : public TCustomControl {
public:
    THost() : TCustomControl(nullptr) { SetBounds(0, 0, 300, 120); }
    template <class T> T* Add(int left, int top, int width, int height) {
        auto* control = new T(this);
        control->SetParent(this);
        control->SetBounds(left, top, width, height);
        return control;
    }
    void Open() {
        show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(this));
    }
};

QImage SolidImage(int width, int height, QRgb color) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

class ControlTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureQtApp(); }
};

} // namespace

// ---- Framed panel ------------------------------------------------------------------------

TEST_F(ControlTest, RzPanelFramesAndGridsInPixels) {
    constexpr TColor field = 0xE6F0F2;
    constexpr TColor grid = 0xA6CAF0;
    const auto playField = [](TRzPanel::TRzGridStyle style) {
        return [style](TRzPanel& p) {
            p.SetColor(field);
            p.SetGridColor(grid);
            p.SetGridStyle(style);
            p.SetGridXSize(12);
            p.SetGridYSize(12);
            p.SetShowGrid(true);
        };
    };
    struct Case {
        const char* name;
        int width, height;
        std::function<void(TRzPanel&)> setup;
        std::vector<Pixel> pixels;
    };
    const std::vector<Case> cases = {
        {"default frame",
         100,
         50,
         [](TRzPanel&) {},
         {{0, 10, cl3DLight},
          {10, 0, cl3DLight},
          {99, 10, cl3DDkShadow},
          {10, 49, cl3DDkShadow},
          {1, 10, clBtnHighlight},
          {98, 10, clBtnShadow},
          {2, 2, clBtnFace},
          {97, 47, clBtnFace}}},
        {"hint swatch",
         80,
         80,
         [](TRzPanel& p) {
             p.SetBorderOuter(fsGroove);
             p.SetBorderInner(fsLowered);
             p.SetColor(clRed);
         },
         {{0, 10, clBtnShadow},
          {1, 10, clBtnHighlight},
          {78, 10, clBtnShadow},
          {79, 10, clBtnHighlight},
          {2, 10, clBtnShadow},
          {3, 10, cl3DDkShadow},
          {76, 10, cl3DLight},
          {77, 10, clBtnHighlight},
          {4, 4, clRed},
          {75, 75, clRed}}},
        {"no top side",
         100,
         50,
         [](TRzPanel& p) { p.SetBorderSides(TSides(sdLeft | sdRight | sdBottom)); },
         {{10, 0, clBtnFace}, {0, 0, cl3DLight}, {10, 49, cl3DDkShadow}}},
        {"dotted lines",
         100,
         60,
         playField(TRzPanel::gsDottedLines),
         {{13, 3, grid},
          {13, 4, field},
          {13, 5, grid},
          {3, 13, grid},
          {4, 13, field},
          {12, 3, field},
          {97, 3, grid},
          {3, 49, grid},
          {25, 57, grid},
          {25, 56, field}}},
        {"dots",
         100,
         60,
         playField(TRzPanel::gsDots),
         {{13, 13, grid}, {25, 25, grid}, {13, 3, field}, {14, 13, field}}},
        {"solid lines",
         100,
         60,
         playField(TRzPanel::gsSolidLines),
         {{13, 2, grid}, {13, 4, grid}, {2, 13, grid}}},
        {"no vertical lines for size 0",
         100,
         60,
         [&](TRzPanel& p) {
             playField(TRzPanel::gsDottedLines)(p);
             p.SetGridXSize(0);
         },
         {{13, 3, field}, {3, 13, grid}}},
        {"no dots for size 0",
         100,
         60,
         [&](TRzPanel& p) {
             playField(TRzPanel::gsDots)(p);
             p.SetGridXSize(0);
         },
         {{13, 13, field}}},
        {"grid off",
         100,
         60,
         [&](TRzPanel& p) {
             playField(TRzPanel::gsDottedLines)(p);
             p.SetShowGrid(false);
         },
         {{13, 3, field}, {3, 13, field}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TRzPanel panel(nullptr);
        panel.SetBounds(0, 0, c.width, c.height);
        c.setup(panel);
        ExpectPixels(Render(panel), c.pixels);
    }
}

TEST_F(ControlTest, RzPanelGridNeedsAWholeCell) {
    TRzPanel panel(nullptr);
    panel.SetBounds(0, 0, 15, 15); // 11 x 11 inside the frame
    panel.SetGridColor(clRed);
    panel.SetGridStyle(TRzPanel::gsSolidLines);
    panel.SetGridXSize(12);
    panel.SetGridYSize(12);
    panel.SetShowGrid(true);
    EXPECT_EQ(BoundsOf(Render(panel), ColorToRGB(clRed)), std::nullopt);
}

TEST_F(ControlTest, RzPanelLaysChildrenOutInsideItsFrame) {
    TRzPanel panel(nullptr);
    panel.SetBounds(0, 0, 100, 80);
    panel.SetBorderInner(fsGroove);
    panel.SetBorderWidth(3);
    panel.SetBorderSides(TSides(sdLeft | sdTop | sdBottom));
    auto* child = new TRzPanel(&panel);
    child->SetParent(&panel);
    child->SetAlign(alClient);
    // 3 on every side, plus 2 + 2 of the frames on the present sides.
    EXPECT_EQ(child->BoundsRect(), Rect(7, 7, 97, 73));
}

TEST_F(ControlTest, RzPanelRestoresItsChildrensEnabledStates) {
    TRzPanel panel(nullptr);
    auto* enabled = new TRzPanel(&panel);
    enabled->SetParent(&panel);
    auto* disabled = new TRzPanel(&panel);
    disabled->SetParent(&panel);
    disabled->SetEnabled(false);
    panel.SetEnabled(false);
    EXPECT_FALSE(enabled->Enabled());
    panel.SetEnabled(true);
    EXPECT_TRUE(enabled->Enabled());
    EXPECT_FALSE(disabled->Enabled());
}

TEST_F(ControlTest, AdjustedFlatColourChangesLightness) {
    EXPECT_EQ(AdjustColor(0x808080, 0), 0x808080);
    // Grey 128 has lightness 120 of 240; +30 gives 150, i.e. 159 of 255.
    EXPECT_EQ(AdjustColor(0x808080, 30), 0x9F9F9F);
    EXPECT_EQ(AdjustColor(0x808080, -200), 0x000000);
    EXPECT_EQ(AdjustColor(0x808080, 200), 0xFFFFFF);
    const THls red = ColorToHls(clRed);
    EXPECT_EQ(red.H, 0);
    EXPECT_EQ(red.S, 240);
    EXPECT_EQ(red.L, 120);
    EXPECT_EQ(HlsToColor(red), clRed);
}

// ---- Gradient panel ----------------------------------------------------------------------

TEST_F(ControlTest, XiPanelVerticalGradientRunsFromFaceToGrad) {
    TXiPanel panel(nullptr);
    panel.SetBounds(0, 0, 642, 80);
    panel.SetBevelWidth(0);
    const QImage image = Render(panel);
    // Face FFFFFF to Grad A4E1FF over 80 steps: line 79 is 255, 255 - 30 * 79/80, 255 - 91 * 79/80.
    ExpectPixels(image, {{0, 0, clWhite}, {641, 0, clWhite}, {0, 79, 0xA5E1FF}, {641, 79, 0xA5E1FF}});
    for (int y = 1; y < 80; ++y)
        EXPECT_LE(PixelAt(image, 320, y) >> 16, PixelAt(image, 320, y - 1) >> 16) << y;
}

TEST_F(ControlTest, XiPanelBevelAndOtherDirections) {
    TXiPanel panel(nullptr);
    panel.SetBounds(0, 0, 642, 80);
    ExpectPixels(Render(panel),
                 {{0, 0, 0x008FD5}, {0, 79, 0x008FD5}, {641, 0, 0x00699B}, {641, 79, 0x00699B}});
    panel.SetBevelWidth(0);
    panel.SetFillDirection(TXiPanel::fdHorizontal);
    ExpectPixels(Render(panel), {{0, 0, clWhite}, {0, 79, clWhite}, {641, 40, 0xA4E1FF}});
    panel.SetFillDirection(TXiPanel::fdDiagonal);
    EXPECT_EQ(GradientLines(clWhite, 0xA4E1FF, 642 + 80).size(), 723);
    // Every pixel is painted, the left column included; white in the top-left corner.
    const QImage diagonal = Render(panel);
    EXPECT_EQ(BoundsOf(diagonal, 0x00FF00), std::nullopt);
    ExpectPixels(diagonal, {{0, 0, clWhite}});
}

TEST_F(ControlTest, XiPanelSchemes) {
    TXiPanel panel(nullptr);
    EXPECT_EQ(panel.ColorScheme(), TXiPanel::csDesert);
    EXPECT_EQ(panel.ColorGrad(), 0xA4E1FF);
    EXPECT_EQ(panel.ColorDark(), 0x00699B);
    EXPECT_EQ(panel.FillDirection(), TXiPanel::fdVertical);
    panel.SetColorScheme(TXiPanel::csCustom);
    panel.SetColorFace(clRed);
    EXPECT_EQ(panel.ColorScheme(), TXiPanel::csCustom);
    EXPECT_EQ(panel.ColorFace(), clRed);
    panel.SetColorScheme(TXiPanel::csRose);
    EXPECT_EQ(panel.ColorFace(), clWhite);
    EXPECT_EQ(panel.ColorGrad(), 0xCCCCFF);
    EXPECT_EQ(panel.ColorLight(), 0x0651CC);
    EXPECT_EQ(panel.ColorDark(), 0x00009D);
}

// ---- Gradient button ---------------------------------------------------------------------

namespace {

constexpr QRgb kGlyphColor = 0xFFFF00FF;
constexpr QRgb kGlyphKey = 0xFF00FFFF;

// A 24 x 24 glyph whose top-left pixel, its transparent colour, differs from the rest.
QImage Glyph() {
    QImage glyph = SolidImage(24, 24, kGlyphColor);
    glyph.setPixel(0, 0, kGlyphKey);
    return glyph;
}

// A category button of the main menu.
void MakeCategoryButton(TXiButton& button, const QString& caption) {
    button.SetBounds(0, 0, 170, 50);
    button.Font()->SetName(QStringLiteral("Arial"));
    button.Font()->SetHeight(-20);
    button.Font()->SetStyle(fsBold);
    button.SetCaption(caption);
    button.SetGradient(true);
    button.SetSpacing(10);
    button.Glyph()->SetImage(Glyph());
}

int CaptionWidth(const TXiButton& button) {
    TCanvas canvas(nullptr);
    canvas.Font().Assign(*button.Font());
    return canvas.TextWidth(button.Caption());
}

constexpr TColor kGlyphTColor = 0xFF00FF;

} // namespace

TEST_F(ControlTest, XiButtonGroupsGlyphAndCaption) {
    TXiButton button(nullptr);
    MakeCategoryButton(button, QStringLiteral("Colors"));
    const QImage image = Render(button);
    const int tw = CaptionWidth(button);
    const int gx = (170 - tw) / 2 - 12 - 5;
    EXPECT_EQ(BoundsOf(image, kGlyphTColor), QRect(gx, 13, 24, 24));
    EXPECT_NE(PixelAt(image, gx, 13), 0xFFFF00) << "the glyph's key colour is see-through";
    const TRect caption = button.CaptionRect();
    EXPECT_EQ(caption.Left - (gx + 24), 10);
    EXPECT_EQ(caption.Width(), tw);
    const std::optional<QRect> text = BoundsOf(image, clBlack);
    ASSERT_TRUE(text.has_value());
    EXPECT_GE(text->left(), caption.Left - 1);
    EXPECT_LE(text->right(), caption.Right + 1);
    // Line 2 of the face gradient: C6ECFF + (37BEFF - C6ECFF) * 2 / 50 per channel.
    ExpectPixels(image, {{2, 2, 0xC0EAFF}, {0, 0, 0x005680}, {1, 20, 0xB9E7FF}, {168, 20, 0x009CE8}});
}

TEST_F(ControlTest, XiButtonSpacingSplitsBetweenGlyphAndCaption) {
    struct Case {
        TButtonLayout layout;
        QPoint glyphMove;
        QPoint captionMove;
    };
    // Spacing 5: the glyph moves 5 div 2 + 5 mod 2 = 3 away, the caption 5 div 2 = 2.
    const std::vector<Case> cases = {
        {blGlyphLeft, {-3, 0}, {2, 0}},
        {blGlyphRight, {3, 0}, {-2, 0}},
        {blGlyphTop, {0, -3}, {0, 2}},
        {blGlyphBottom, {0, 3}, {0, -2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.layout));
        TXiButton button(nullptr);
        MakeCategoryButton(button, QStringLiteral("Music"));
        button.SetBounds(0, 0, 170, 90);
        button.SetLayout(c.layout);
        button.SetSpacing(0);
        const std::optional<QRect> glyph0 = BoundsOf(Render(button), kGlyphTColor);
        const TRect caption0 = button.CaptionRect();
        button.SetSpacing(5);
        const std::optional<QRect> glyph5 = BoundsOf(Render(button), kGlyphTColor);
        const TRect caption5 = button.CaptionRect();
        ASSERT_TRUE(glyph0 && glyph5);
        EXPECT_EQ(glyph5->topLeft() - glyph0->topLeft(), c.glyphMove);
        EXPECT_EQ(QPoint(caption5.Left - caption0.Left, caption5.Top - caption0.Top), c.captionMove);
    }
}

TEST_F(ControlTest, XiButtonCentresAGlyphWithoutCaption) {
    TXiButton button(nullptr);
    MakeCategoryButton(button, QString());
    EXPECT_EQ(BoundsOf(Render(button), kGlyphTColor), QRect(73, 13, 24, 24));
}

TEST_F(ControlTest, XiButtonSchemesAndStartValues) {
    TXiButton button(nullptr);
    EXPECT_EQ(button.Width(), 75);
    EXPECT_EQ(button.Height(), 25);
    EXPECT_TRUE(button.TabStop());
    EXPECT_EQ(button.Spacing(), 4);
    EXPECT_FALSE(button.Gradient());
    EXPECT_EQ(button.ColorScheme(), TXiButton::csNeoDesert);
    EXPECT_EQ(button.ColorGrad(), 0x37BEFF);
    EXPECT_EQ(button.OverColorGrad(), 0xFFFFFF);
    EXPECT_EQ(button.DownColorGrad(), 0xFFFFFF);
    EXPECT_EQ(button.DisabledColorGrad(), 0xFFFFFF);
    EXPECT_EQ(button.ColorFocusRect(), 0x4080FF);

    button.SetColorFace(clRed);
    EXPECT_EQ(button.ColorScheme(), TXiButton::csCustom);
    button.SetColorScheme(TXiButton::csNeoDesert);
    EXPECT_EQ(button.ColorFace(), 0xC6ECFF);
    EXPECT_EQ(button.OverColorGrad(), 0x00A3F0);
    button.SetColorScheme(TXiButton::csDesert);
    EXPECT_EQ(button.ColorFace(), 0x95DDFF);
    EXPECT_EQ(button.ColorGrad(), 0x37BEFF) << "classic schemes keep the gradient colours";
    EXPECT_EQ(button.DownColorLight(), 0x0077B7);
    EXPECT_EQ(button.ColorScheme(), TXiButton::csDesert);
}

TEST_F(ControlTest, XiButtonClicksAndEndsHotOrNormal) {
    THost host;
    auto* button = host.Add<TXiButton>(10, 10, 170, 50);
    button->SetCaption(QStringLiteral("Play"));
    int clicks = 0;
    button->OnClick = [&](QObject* sender) {
        EXPECT_EQ(sender, button);
        ++clicks;
    };
    host.Open();
    const TRect normal = button->CaptionRect();
    QTest::mousePress(host.windowHandle(), Qt::LeftButton, {}, QPoint(95, 35));
    EXPECT_EQ(button->State(), TXiButton::TButtonState::Down);
    EXPECT_EQ(button->CaptionRect(),
              Rect(normal.Left + 1, normal.Top + 1, normal.Right + 1, normal.Bottom + 1));
    QTest::mouseRelease(host.windowHandle(), Qt::LeftButton, {}, QPoint(95, 35));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(button->State(), TXiButton::TButtonState::Hot);

    // Released on the left border pixel: still a click, but not hot.
    QTest::mousePress(host.windowHandle(), Qt::LeftButton, {}, QPoint(95, 35));
    QTest::mouseRelease(host.windowHandle(), Qt::LeftButton, {}, QPoint(10, 35));
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(button->State(), TXiButton::TButtonState::Normal);
}

TEST_F(ControlTest, XiButtonDisabledShowsDisabledColours) {
    TXiButton button(nullptr);
    button.SetEnabled(false);
    ExpectPixels(Render(button), {{0, 0, 0x808080}, {10, 12, 0xEEEEEE}});
}

// ---- Wallpaper ---------------------------------------------------------------------------

namespace {

// Every pixel different, so that a misplaced tile shows.
QImage PatternTile(int width, int height) {
    QImage tile(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            tile.setPixel(x, y, qRgb(x, y, (x * 7 + y * 3) & 0xFF));
    return tile;
}

// The main menu's wallpaper settings, in the order a layout applies them.
void MakeWallpaper(TRzBackground& background, const QImage& tile) {
    background.SetBounds(0, 0, 354, 376);
    background.SetImageStyle(TRzBackground::isTiled);
    background.SetShowGradient(false);
    background.SetShowImage(true);
    background.SetShowTexture(true);
    auto* bitmap = new TBitmap;
    bitmap->SetImage(tile);
    background.Image()->SetGraphic(bitmap);
}

} // namespace

TEST_F(ControlTest, RzBackgroundTilesFromTheTopLeftCorner) {
    for (const int tileWidth : {150, 143}) {
        SCOPED_TRACE(tileWidth);
        const QImage tile = PatternTile(tileWidth, 150);
        TRzBackground background(nullptr);
        MakeWallpaper(background, tile);
        const QImage image = Render(background);
        int wrong = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                wrong += image.pixel(x, y) != tile.pixel(x % tileWidth, y % 150);
        EXPECT_EQ(wrong, 0);
    }
}

TEST_F(ControlTest, RzBackgroundLayerSwitches) {
    TRzBackground background(nullptr);
    EXPECT_TRUE(background.ShowGradient());
    EXPECT_FALSE(background.ShowTexture());
    MakeWallpaper(background, PatternTile(10, 10));
    EXPECT_TRUE(background.ShowTexture());
    EXPECT_TRUE(background.ShowImage());
    EXPECT_FALSE(background.ShowGradient());

    TRzBackground plain(nullptr);
    plain.SetShowTexture(true);
    EXPECT_FALSE(plain.ShowGradient());
    plain.SetShowTexture(false);
    EXPECT_TRUE(plain.ShowGradient());
    plain.SetShowGradient(false);
    EXPECT_TRUE(plain.ShowTexture()) << "no image shown, so the texture takes over";
    // No texture picture: the bitmap stays white.
    EXPECT_EQ(plain.Compose(), SolidImage(200, 100, 0xFFFFFFFF));
}

TEST_F(ControlTest, RzBackgroundFillKeepsProportionsAndGrowsToFive) {
    TRzBackground background(nullptr);
    background.SetShowGradient(false);
    background.SetShowImage(true);
    background.SetImageStyle(TRzBackground::isFill);
    auto* bitmap = new TBitmap;
    bitmap->SetImage(SolidImage(100, 50, 0xFFFF0000));
    background.Image()->SetGraphic(bitmap);
    background.SetBounds(0, 0, 200, 200);
    EXPECT_EQ(BoundsOf(background.Compose(), 0x0000FF), QRect(0, 0, 200, 100));

    background.SetBounds(0, 0, 3, 2);
    Render(background);
    EXPECT_EQ(background.Width(), 5);
    EXPECT_EQ(background.Height(), 5);
}

// ---- Link label --------------------------------------------------------------------------

namespace {

// Replaces the desktop's opener for one test and records what it was asked.
class TOpenerStub {
public:
    explicit TOpenerStub(bool succeeds) {
        TRzURLLabel::Opener = [this, succeeds](const QString& target) {
            Opened << target;
            return succeeds;
        };
        TRzURLLabel::ChooseProgram = [this](const QString& target) { Chosen << target; };
    }
    ~TOpenerStub() {
        TRzURLLabel::Opener = [](const QString&) { return false; };
        TRzURLLabel::ChooseProgram = [](const QString&) {};
    }
    QStringList Opened;
    QStringList Chosen;
};

} // namespace

TEST_F(ControlTest, RzURLLabelClickOpensItsAddress) {
    TOpenerStub opener(true);
    THost host;
    auto* link = host.Add<TRzURLLabel>(10, 10, 55, 13);
    link->SetCaption(QStringLiteral("(c) Plumkin"));
    link->SetURL(QStringLiteral("https://plumkin.example/"));
    int clicks = 0;
    link->OnClick = [&](QObject*) { ++clicks; };
    host.Open();
    QTest::mouseClick(host.windowHandle(), Qt::LeftButton, {}, QPoint(link->Left() + 3, link->Top() + 3));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(opener.Opened, QStringList{QStringLiteral("https://plumkin.example/")});
    EXPECT_TRUE(link->Visited());
    EXPECT_EQ(link->Font()->Color(), 0x800080);
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(ControlTest, RzURLLabelTargetsAndFailures) {
    struct Case {
        QString url, caption;
        bool opens;
        QStringList opened, chosen;
        bool visited;
    };
    const std::vector<Case> cases = {
        {QStringLiteral("   "),
         QStringLiteral("plumkin.example"),
         true,
         {QStringLiteral("plumkin.example")},
         {},
         true},
        {QString(), QStringLiteral("  "), true, {}, {}, false},
        {QStringLiteral("help/index.htm"),
         {},
         false,
         {QStringLiteral("help/index.htm")},
         {QStringLiteral("help/index.htm")},
         false},
        {QStringLiteral("help/index.html"), {}, false, {QStringLiteral("help/index.html")}, {}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.url.toStdString() + " / " + c.caption.toStdString());
        TOpenerStub opener(c.opens);
        TRzURLLabel link(nullptr);
        link.SetURL(c.url);
        link.SetCaption(c.caption);
        link.Click();
        EXPECT_EQ(opener.Opened, c.opened);
        EXPECT_EQ(opener.Chosen, c.chosen);
        EXPECT_EQ(link.Visited(), c.visited);
    }
}

TEST_F(ControlTest, RzURLLabelDrawsTheRecessedLightStyle) {
    TRzURLLabel link(nullptr);
    link.SetAutoSize(false);
    link.SetBounds(0, 0, 60, 16);
    link.SetTransparent(true);
    link.SetTextStyle(tsRecessed);
    link.SetLightTextStyle(true);
    link.SetCaption(QStringLiteral("I"));
    link.Font()->SetStyle({});
    link.Font()->SetColor(clRed);
    const QImage image = Render(link);
    const std::optional<QRect> text = BoundsOf(image, clRed);
    const std::optional<QRect> light = BoundsOf(image, ColorToRGB(clBtnHighlight));
    ASSERT_TRUE(text && light);
    EXPECT_EQ(light->bottomRight(), text->bottomRight() + QPoint(1, 1));
    EXPECT_EQ(BoundsOf(image, ColorToRGB(clBtnShadow)), std::nullopt);
}

// ---- Check box ---------------------------------------------------------------------------

TEST_F(ControlTest, RzCheckBoxTogglesByClick) {
    THost host;
    auto* box = host.Add<TRzCheckBox>(13, 13, 115, 17);
    box->SetCaption(QStringLiteral("Show Hints"));
    int clicks = 0;
    box->OnClick = [&](QObject* sender) {
        EXPECT_EQ(sender, box);
        ++clicks;
    };
    host.Open();
    QTest::mouseClick(host.windowHandle(), Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(clicks, 1);
    QTest::mouseClick(host.windowHandle(), Qt::LeftButton, {}, QPoint(100, 20));
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(clicks, 2);

    // Released outside its rectangle: no change.
    QTest::mousePress(host.windowHandle(), Qt::LeftButton, {}, QPoint(20, 20));
    QTest::mouseMove(host.windowHandle(), QPoint(200, 20));
    QTest::mouseRelease(host.windowHandle(), Qt::LeftButton, {}, QPoint(200, 20));
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(clicks, 2);
}

TEST_F(ControlTest, RzCheckBoxStatesCycleAndReportChangesOnly) {
    TRzCheckBox box(nullptr);
    EXPECT_EQ(box.Width(), 115);
    EXPECT_EQ(box.Height(), 17);
    EXPECT_TRUE(box.TabStop());
    int clicks = 0;
    box.OnClick = [&](QObject*) { ++clicks; };
    box.SetChecked(false);
    EXPECT_EQ(clicks, 0);
    box.SetAllowGrayed(true);
    std::vector<TRzCheckBox::TCheckBoxState> seen;
    for (int i = 0; i < 3; ++i) {
        box.Toggle();
        seen.push_back(box.State());
    }
    EXPECT_EQ(seen, (std::vector<TRzCheckBox::TCheckBoxState>{TRzCheckBox::cbGrayed, TRzCheckBox::cbChecked,
                                                              TRzCheckBox::cbUnchecked}));
    EXPECT_EQ(clicks, 3);
}

TEST_F(ControlTest, RzCheckBoxDrawsItsBoxAndMark) {
    TRzCheckBox box(nullptr);
    box.Font()->SetColor(clBlack);
    // The mark's middle column sits at (5, 7..9) of the box, which starts at (0, 2).
    ExpectPixels(Render(box),
                 {{5, 10, clWindow}, {0, 2, clBtnShadow}, {12, 14, clBtnShadow}, {60, 1, clWindow}});
    box.SetChecked(true);
    ExpectPixels(Render(box), {{5, 9, clBlack}, {5, 11, clBlack}, {5, 12, clWindow}});
    box.SetTransparent(true);
    const QImage see = Render(box);
    EXPECT_EQ(see.pixel(60, 0), kBackground);
    EXPECT_EQ(see.pixel(14, 8), kBackground);
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing objects and the canvas. The canvas keeps the pixel rules components are written
// for: exclusive right/bottom edges for rectangles and ellipses, lines without their end
// point, polygons over inclusive points, no anti-aliasing, fonts by character height.
#pragma once

#include "framework/Events.h"
#include "framework/Types.h"

#include <QFont>
#include <QImage>
#include <QObject>
#include <QPainter>
#include <QVector>
#include <functional>
#include <memory>
#include <stdexcept>

// Base of brush, pen and font: a persistent sub-object whose changes are reported.
class TGraphicsObject : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    TNotifyEvent OnChange;

protected:
    void Changed() { OnChange(this); }
};

class TBrush : public TGraphicsObject {
    Q_OBJECT
    Q_PROPERTY(int Color READ Color WRITE SetColor)
    Q_PROPERTY(fw::TBrushStyle Style READ Style WRITE SetStyle)
public:
    explicit TBrush(QObject* parent = nullptr) : TGraphicsObject(parent) {}
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle style);
    void Assign(const TBrush& other);

private:
    TColor color_ = clWhite;
    TBrushStyle style_ = bsSolid;
};

class TPen : public TGraphicsObject {
    Q_OBJECT
    Q_PROPERTY(int Color READ Color WRITE SetColor)
    Q_PROPERTY(fw::TPenMode Mode READ Mode WRITE SetMode)
    Q_PROPERTY(fw::TPenStyle Style READ Style WRITE SetStyle)
    Q_PROPERTY(int Width READ Width WRITE SetWidth)
public:
    explicit TPen(QObject* parent = nullptr) : TGraphicsObject(parent) {}
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TPenMode Mode() const { return mode_; }
    void SetMode(TPenMode mode);
    TPenStyle Style() const { return style_; }
    void SetStyle(TPenStyle style);
    int Width() const { return width_; }
    void SetWidth(int width);
    void Assign(const TPen& other);

private:
    TColor color_ = clBlack;
    TPenMode mode_ = pmCopy;
    TPenStyle style_ = psSolid;
    int width_ = 1;
};

// Height < 0 is the character height in pixels (the em), > 0 the cell height including
// internal leading; Size is in points at 96 pixels per inch. Start: Arial, -11.
class TFont : public TGraphicsObject {
    Q_OBJECT
    Q_PROPERTY(int Charset READ Charset WRITE SetCharset)
    Q_PROPERTY(int Color READ Color WRITE SetColor)
    Q_PROPERTY(int Height READ Height WRITE SetHeight)
    Q_PROPERTY(QString Name READ Name WRITE SetName)
    Q_PROPERTY(fw::TFontPitch Pitch READ Pitch WRITE SetPitch)
    Q_PROPERTY(int Size READ Size WRITE SetSize)
    Q_PROPERTY(fw::TFontStyles Style READ Style WRITE SetStyle)
public:
    explicit TFont(QObject* parent = nullptr) : TGraphicsObject(parent) {}
    int Charset() const { return charset_; }
    void SetCharset(int charset);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    int Height() const { return height_; }
    void SetHeight(int height);
    QString Name() const { return name_; }
    void SetName(const QString& name);
    TFontPitch Pitch() const { return pitch_; }
    void SetPitch(TFontPitch pitch);
    int Size() const;
    void SetSize(int points);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles style);
    void Assign(const TFont& other);

    // The face to draw with: pixel size from Height, no hinting surprises, no anti-aliasing
    // differences between runs.
    QFont ToQFont() const;

private:
    int charset_ = 1;
    TColor color_ = clWindowText;
    int height_ = -11;
    QString name_ = QStringLiteral("Arial");
    TFontPitch pitch_ = fpDefault;
    TFontStyles style_;
};

// DrawText flags.
constexpr unsigned DT_LEFT = 0x0;
constexpr unsigned DT_TOP = 0x0;
constexpr unsigned DT_CENTER = 0x1;
constexpr unsigned DT_RIGHT = 0x2;
constexpr unsigned DT_VCENTER = 0x4;
constexpr unsigned DT_BOTTOM = 0x8;
constexpr unsigned DT_WORDBREAK = 0x10;
constexpr unsigned DT_SINGLELINE = 0x20;
constexpr unsigned DT_EXPANDTABS = 0x40;
constexpr unsigned DT_NOCLIP = 0x100;
constexpr unsigned DT_CALCRECT = 0x400;
constexpr unsigned DT_NOPREFIX = 0x800;
constexpr unsigned DT_END_ELLIPSIS = 0x8000;

// Draws on a widget (inside its paint event) or on an image. Brush, Pen and Font are the
// canvas's own objects; assigning copies. A pen of width w is centred on the one-pixel
// outline: an edge at c covers c - w/2 .. c - w/2 + w - 1. The pen mode applies to lines and
// figures; dashed styles apply to one-pixel lines, figures are outlined solid.
class TCanvas {
public:
    explicit TCanvas(QPaintDevice* device);
    ~TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    TBrush& Brush() { return brush_; }
    TPen& Pen() { return pen_; }
    TFont& Font() { return font_; }
    QPainter& Painter() { return painter_; }

    TPoint PenPos() const { return penPos_; }
    void MoveTo(int x, int y);
    // Draws from the pen position to (x, y), without the end point.
    void LineTo(int x, int y);
    // Outline with the pen, fill with the brush; right and bottom exclusive.
    void Rectangle(int x1, int y1, int x2, int y2);
    void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
    void Ellipse(int x1, int y1, int x2, int y2);
    void Ellipse(const TRect& r) { Ellipse(r.Left, r.Top, r.Right, r.Bottom); }
    void RoundRect(int x1, int y1, int x2, int y2, int w, int h);
    // Points are inclusive pixel coordinates; filled with the brush (alternate rule).
    void Polygon(const QVector<TPoint>& points);
    // Like a chain of LineTo calls: the last point is left out.
    void Polyline(const QVector<TPoint>& points);
    // Brush only, no outline.
    void FillRect(const TRect& r);
    // One-pixel frame in the brush colour.
    void FrameRect(const TRect& r);
    // Text is drawn in Font.Color on a transparent background; (x, y) is the top-left
    // corner of the text cell.
    void TextOut(int x, int y, const QString& text);
    // Text at (x, y), clipped to `r`.
    void TextRect(const TRect& r, int x, int y, const QString& text);
    int TextWidth(const QString& text);
    // Cell height: ascent + descent.
    int TextHeight(const QString& text);
    // Returns the height of the drawn text; with DT_CALCRECT only measures into `r`
    // (right = left + widest line, bottom = top + height).
    int DrawText(const QString& text, TRect& r, unsigned flags);
    void Draw(int x, int y, class TGraphic* graphic);
    void StretchDraw(const TRect& r, class TGraphic* graphic);
    // Reads back on an image; clNone outside it or on other devices.
    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor color);
    // Limits drawing to `r` until the canvas ends.
    void ClipRect(const TRect& r);

private:
    struct TextLine {
        int Start;
        int Length;
    };
    void DrawFigure(TRect box, int cornerWidth, int cornerHeight, bool ellipse);
    QRegion Stroke(const QVector<TPoint>& points, bool closed);
    void PaintPen(const QRegion& region);
    void PaintBrush(const QRegion& region, bool penMode);
    void PaintRegion(const QRegion& region, const QBrush& brush, bool penMode);
    QBrush FillBrush() const;
    QRect VisibleRows() const;
    QVector<TextLine> SplitLines(const QString& text, unsigned flags, int width) const;
    void DrawTextLine(int x, int y, const QString& line, const QVector<int>& underlined);
    QPaintDevice* device_;
    QPainter painter_;
    TBrush brush_;
    TPen pen_;
    TFont font_;
    TPoint penPos_;
};

// A picture format: loads from bytes, draws into a rectangle, reports changes.
class TGraphic : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~TGraphic() override = default;

    virtual bool Empty() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    // Reads the format's own bytes; throws EInvalidGraphic with a message on bad data.
    virtual void LoadFromData(const QByteArray& data) = 0;
    virtual void Draw(TCanvas& canvas, const TRect& r) = 0;
    virtual bool Transparent() const { return transparent_; }
    virtual void SetTransparent(bool transparent);
    // Reads a stored picture: a 4-byte little-endian size N, then N bytes for LoadFromData.
    void ReadData(const QByteArray& data);
    TNotifyEvent OnChange;

protected:
    void Changed() { OnChange(this); }

private:
    bool transparent_ = false;
};

class EInvalidGraphic : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A device-independent bitmap. Transparent drawing leaves out the colour of the
// bottom-left pixel.
class TBitmap : public TGraphic {
    Q_OBJECT
public:
    using TGraphic::TGraphic;
    bool Empty() const override { return image_.isNull(); }
    int Width() const override { return image_.width(); }
    int Height() const override { return image_.height(); }
    // A BMP file image.
    void LoadFromData(const QByteArray& data) override;
    void Draw(TCanvas& canvas, const TRect& r) override;
    void Assign(const TBitmap& other);
    const QImage& Image() const { return image_; }
    void SetImage(const QImage& image);
    TColor TransparentColor() const;
    void SetTransparent(bool transparent) override;

private:
    const QImage& MaskedImage() const;
    QImage image_;
    mutable QImage masked_;
};

// Holds one graphic of any registered format. In a layout, "Picture.Data" is the format's
// class name as a length-prefixed string followed by the format's own bytes.
class TPicture : public QObject {
    Q_OBJECT
public:
    using Factory = std::function<TGraphic*()>;
    explicit TPicture(QObject* parent = nullptr) : QObject(parent) {}
    ~TPicture() override;

    TGraphic* Graphic() const { return graphic_; }
    void SetGraphic(TGraphic* graphic); // takes ownership
    TBitmap* Bitmap();                  // the graphic as a bitmap, creating one if needed
    int Width() const { return graphic_ ? graphic_->Width() : 0; }
    int Height() const { return graphic_ ? graphic_->Height() : 0; }
    void ReadData(const QByteArray& data);

    // Class names match without regard to case. TBitmap and TJPEGImage are built in.
    static void RegisterFileFormat(const QString& className, Factory factory);
    TNotifyEvent OnChange;

private:
    TGraphic* graphic_ = nullptr;
};

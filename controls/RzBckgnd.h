// SPDX-License-Identifier: GPL-3.0-or-later
// TRzBackground: a window-less control that paints a background from up to three layers (a
// tiled texture, a colour gradient and a picture) and can frame it; the menu's wallpapers.
#pragma once

#include "controls/RzCommon.h"
#include "framework/Controls.h"

class TRzBackground : public TGraphicControl {
    Q_OBJECT
    // Alphabetical, as the stored layouts expect: ShowGradient before ShowImage and ShowTexture.
    Q_PROPERTY(bool Active READ Active WRITE SetActive)
    Q_PROPERTY(int FrameColor READ FrameColor WRITE SetFrameColor)
    Q_PROPERTY(rz::TFrameStyleEx FrameStyle READ FrameStyle WRITE SetFrameStyle)
    Q_PROPERTY(int GradientColorStart READ GradientColorStart WRITE SetGradientColorStart)
    Q_PROPERTY(int GradientColorStop READ GradientColorStop WRITE SetGradientColorStop)
    Q_PROPERTY(TGradientDirection GradientDirection READ GradientDirection WRITE SetGradientDirection)
    Q_PROPERTY(int GradientSmoothFactor READ GradientSmoothFactor WRITE SetGradientSmoothFactor)
    Q_PROPERTY(TPicture* Image READ Image)
    Q_PROPERTY(TImageStyle ImageStyle READ ImageStyle WRITE SetImageStyle)
    Q_PROPERTY(bool ShowGradient READ ShowGradient WRITE SetShowGradient)
    Q_PROPERTY(bool ShowImage READ ShowImage WRITE SetShowImage)
    Q_PROPERTY(bool ShowTexture READ ShowTexture WRITE SetShowTexture)
    Q_PROPERTY(TPicture* Texture READ Texture)

public:
    enum TImageStyle { isCenter, isClip, isFill, isStretch, isTiled };
    Q_ENUM(TImageStyle)
    enum TGradientDirection {
        gdDiagonalUp,
        gdDiagonalDown,
        gdHorizontalEnd,
        gdHorizontalCenter,
        gdHorizontalBox,
        gdVerticalEnd,
        gdVerticalCenter,
        gdVerticalBox,
        gdSquareBox,
        gdBigSquareBox
    };
    Q_ENUM(TGradientDirection)

    explicit TRzBackground(QObject* owner);

    bool Active() const { return active_; }
    void SetActive(bool active);
    TColor FrameColor() const { return frameColor_; }
    void SetFrameColor(TColor color);
    TFrameStyleEx FrameStyle() const { return frameStyle_; }
    void SetFrameStyle(TFrameStyleEx style);
    TColor GradientColorStart() const { return gradientColorStart_; }
    void SetGradientColorStart(TColor color);
    TColor GradientColorStop() const { return gradientColorStop_; }
    void SetGradientColorStop(TColor color);
    TGradientDirection GradientDirection() const { return gradientDirection_; }
    void SetGradientDirection(TGradientDirection direction);
    // 1 (finest bands) .. 8.
    int GradientSmoothFactor() const { return gradientSmoothFactor_; }
    void SetGradientSmoothFactor(int factor);
    TPicture* Image() const { return image_; }
    TImageStyle ImageStyle() const { return imageStyle_; }
    void SetImageStyle(TImageStyle style);
    // Layer switches: the gradient and the texture exclude each other.
    bool ShowGradient() const { return showGradient_; }
    void SetShowGradient(bool show);
    bool ShowImage() const { return showImage_; }
    void SetShowImage(bool show);
    bool ShowTexture() const { return showTexture_; }
    void SetShowTexture(bool show);
    TPicture* Texture() const { return texture_; }

    // The layers composed at the control's size, before the frame.
    QImage Compose() const;

protected:
    void Paint() override;

private:
    void Changed();
    void DrawTexture(QImage& bitmap) const;
    void DrawGradient(QImage& bitmap) const;
    void DrawImage(QImage& bitmap) const;
    // Where the picture (w x h) goes in a cw x ch bitmap for the image style.
    TRect ImageRect(int w, int h, int cw, int ch) const;
    void DrawFrame(TCanvas& canvas) const;

    bool active_ = true;
    TColor frameColor_ = clBtnShadow;
    TFrameStyleEx frameStyle_ = fsNone;
    TColor gradientColorStart_ = clGradientActiveCaption;
    TColor gradientColorStop_ = clActiveCaption;
    TGradientDirection gradientDirection_ = gdHorizontalEnd;
    int gradientSmoothFactor_ = 1;
    TPicture* image_;
    TImageStyle imageStyle_ = isCenter;
    bool showGradient_ = true;
    bool showImage_ = false;
    bool showTexture_ = false;
    TPicture* texture_;
};

// Repeats the tile already drawn at the top-left corner (tileWidth x tileHeight) over the
// whole image by doubling the covered block, downwards first, then to the right.
void RepeatTile(QImage& bitmap, int tileWidth, int tileHeight);

// SPDX-License-Identifier: GPL-3.0-or-later
// A JPEG picture. The file image is decoded with libjpeg when it is loaded, so damaged data
// is reported at once; drawing stretches the kept 24-bit image into the target rectangle.
#pragma once

#include "framework/Graphics.h"

#include <QByteArray>
#include <QImage>

class TJPEGImage : public TGraphic {
    Q_OBJECT
    Q_PROPERTY(bool Grayscale READ Grayscale)
    Q_PROPERTY(bool ProgressiveEncoding READ ProgressiveEncoding)
public:
    using TGraphic::TGraphic;
    bool Empty() const override { return image_.isNull(); }
    int Width() const override { return image_.width(); }
    int Height() const override { return image_.height(); }
    // A JFIF/JPEG file image; throws EInvalidGraphic when it is damaged or truncated.
    void LoadFromData(const QByteArray& data) override;
    void Draw(TCanvas& canvas, const TRect& r) override;

    // From the file's header: one colour component, progressive scans.
    bool Grayscale() const { return grayscale_; }
    bool ProgressiveEncoding() const { return progressive_; }
    const QImage& Image() const { return image_; }

private:
    QImage image_;
    bool grayscale_ = false;
    bool progressive_ = false;
};

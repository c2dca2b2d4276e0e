// SPDX-License-Identifier: GPL-3.0-or-later
// The roll effect: the new window content unrolls over the old screen like a sheet coming
// off a roll, with a shaded cylinder band at the moving edge.
#pragma once

#include "transitions/teTimed.h"

#include <cstdint>
#include <vector>

class TRollTransition : public TTimedTransitionEffect {
    Q_OBJECT
    Q_PROPERTY(te::TTEEffectDirection Direction READ Direction WRITE SetDirection)
    Q_PROPERTY(int Milliseconds READ Milliseconds WRITE SetMilliseconds)
    Q_PROPERTY(bool Reversed READ Reversed WRITE SetReversed)
    Q_PROPERTY(int Size READ Size WRITE SetSize)
    Q_PROPERTY(bool Unroll READ Unroll WRITE SetUnroll)
    Q_PROPERTY(bool Use3D READ Use3D WRITE SetUse3D)
public:
    explicit TRollTransition(QObject* owner);

    int Size() const { return size_; }
    // At least 1: the shade table needs a band.
    void SetSize(int size) { size_ = std::max(1, size); }
    bool Unroll() const { return unroll_; }
    void SetUnroll(bool unroll) { unroll_ = unroll; }
    bool Use3D() const { return use3D_; }
    void SetUse3D(bool use3D) { use3D_ = use3D; }
    QString Description() const override { return QStringLiteral("Roll"); }

    int AdjustWidth(int width) const override;
    bool NeedsWorkBitmap() const override { return true; }
    void Initialize(TTETransitionData& data, int& frameCount) override;
    void Finalize(TTETransitionData& data) override;
    void DrawFrame(TTETransitionData& data, int frame, int step, int frameCount, int previousFrame) override;

    // The shading profile of a band `width` pixels wide: entries 0 to width + 1, darkest at
    // both edges, brightest in the middle. `builtFor` is the width the table holds.
    static void BuildShadeTable(std::vector<std::int8_t>& table, int& builtFor, int width);
    // Adds `shade` to each byte of the pixel, saturating at 0 and 255.
    static std::uint32_t Shade(std::uint32_t pixel, int shade);

protected:
    bool AcceptsDirection(TTEEffectDirection direction) const override;

private:
    bool ThreeD() const { return use3D_; }
    bool Horizontal() const { return direction_ == te::tedRight || direction_ == te::tedLeft; }
    // The roll is worked out as if it went right (or down): positions along its way count
    // from the edge it starts at. Left and up are the same roll mirrored.
    bool Mirrored() const { return direction_ == te::tedLeft || direction_ == te::tedUp; }
    // The device rectangle across the whole image between `from` and `to` along the way
    // (device pixels along the way).
    TRect Across(const TTETransitionData& data, int from, int to) const;
    // The image line (column or row) of the device line `along` pixels along the way.
    int Line(const TTETransitionData& data, int along) const;
    void CopyLine(QImage& to, int toLine, const QImage& from, int fromLine) const;
    // Fills the band's lines with the rolled image folded over at `fold`: the line d pixels
    // before the fold shows the line d pixels beyond it (a line less far where the fold is the
    // band's left or top edge in the image).
    void DrawBand(TTETransitionData& data, int bandFrom, int bandTo, int fold) const;
    void ShadeBand(TTETransitionData& data, int bandFrom, int bandTo);

    int size_ = 60;
    bool unroll_ = true;
    bool use3D_ = true;

    TTEEffectDirection direction_ = te::tedNone;
    bool unrolling_ = true;
    // Along the way, in logical pixels: the sheet lies flat up to `flatEnd_`; the band's edge
    // that leads (unrolling) or where the sheet leaves the roll (rolling up).
    int flatEnd_ = 0;
    int leadingEdge_ = 0;
    // The image on the roll: the new one while unrolling, the old one while rolling up.
    const QImage* rolled_ = nullptr;
    std::vector<std::int8_t> shades_;
    int shadeWidth_ = -1;
};

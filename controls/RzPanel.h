// SPDX-License-Identifier: GPL-3.0-or-later
// TRzPanel: a container that draws a configurable frame, fills the rest with its colour and
// can lay a grid of dots or lines over it (the play fields of the activities use the grid).
#pragma once

#include "controls/RzCommon.h"
#include "framework/StdCtrls.h"

#include <QHash>

class TRzPanel : public TCustomPanel {
    Q_OBJECT
    Q_PROPERTY(rz::TFrameStyleEx BorderOuter READ BorderOuter WRITE SetBorderOuter)
    Q_PROPERTY(rz::TFrameStyleEx BorderInner READ BorderInner WRITE SetBorderInner)
    Q_PROPERTY(rz::TSides BorderSides READ BorderSides WRITE SetBorderSides)
    Q_PROPERTY(int BorderColor READ BorderColor WRITE SetBorderColor)
    Q_PROPERTY(int BorderHighlight READ BorderHighlight WRITE SetBorderHighlight)
    Q_PROPERTY(int BorderShadow READ BorderShadow WRITE SetBorderShadow)
    Q_PROPERTY(int FlatColor READ FlatColor WRITE SetFlatColor)
    Q_PROPERTY(int FlatColorAdjustment READ FlatColorAdjustment WRITE SetFlatColorAdjustment)
    Q_PROPERTY(bool ShowGrid READ ShowGrid WRITE SetShowGrid)
    Q_PROPERTY(TRzGridStyle GridStyle READ GridStyle WRITE SetGridStyle)
    Q_PROPERTY(int GridColor READ GridColor WRITE SetGridColor)
    Q_PROPERTY(ushort GridXSize READ GridXSize WRITE SetGridXSize)
    Q_PROPERTY(ushort GridYSize READ GridYSize WRITE SetGridYSize)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(rz::TAlignmentVertical AlignmentVertical READ AlignmentVertical WRITE SetAlignmentVertical)
    Q_PROPERTY(bool FullRepaint READ FullRepaint WRITE SetFullRepaint)

public:
    enum TRzGridStyle { gsDots, gsDottedLines, gsSolidLines };
    Q_ENUM(TRzGridStyle)

    explicit TRzPanel(QObject* owner);

    TFrameStyleEx BorderOuter() const { return frame_.BorderOuter; }
    void SetBorderOuter(TFrameStyleEx style);
    TFrameStyleEx BorderInner() const { return frame_.BorderInner; }
    void SetBorderInner(TFrameStyleEx style);
    TSides BorderSides() const { return frame_.BorderSides; }
    void SetBorderSides(TSides sides);
    TColor BorderColor() const { return frame_.BorderColor; }
    void SetBorderColor(TColor color);
    TColor BorderHighlight() const { return frame_.BorderHighlight; }
    void SetBorderHighlight(TColor color);
    TColor BorderShadow() const { return frame_.BorderShadow; }
    void SetBorderShadow(TColor color);
    TColor FlatColor() const { return frame_.FlatColor; }
    void SetFlatColor(TColor color);
    int FlatColorAdjustment() const { return frame_.FlatColorAdjustment; }
    void SetFlatColorAdjustment(int adjustment);
    bool ShowGrid() const { return showGrid_; }
    void SetShowGrid(bool show);
    TRzGridStyle GridStyle() const { return gridStyle_; }
    void SetGridStyle(TRzGridStyle style);
    TColor GridColor() const { return gridColor_; }
    void SetGridColor(TColor color);
    ushort GridXSize() const { return gridXSize_; }
    void SetGridXSize(ushort size);
    ushort GridYSize() const { return gridYSize_; }
    void SetGridYSize(ushort size);
    bool Transparent() const { return frame_.Transparent; }
    void SetTransparent(bool transparent);
    TAlignmentVertical AlignmentVertical() const { return alignmentVertical_; }
    void SetAlignmentVertical(TAlignmentVertical alignment);
    // Qt repaints a resized widget completely, so this is kept for the layouts only.
    bool FullRepaint() const { return fullRepaint_; }
    void SetFullRepaint(bool fullRepaint) { fullRepaint_ = fullRepaint; }

    // Disabling records each child's enabled state and disables it; enabling restores them.
    void SetEnabled(bool enabled) override;
    TRect AdjustClientRect(TRect rect) const override;

    TNotifyEvent OnPaint;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

protected:
    void Paint() override;
    void MouseEnter() override { OnMouseEnter(this); }
    void MouseLeave() override { OnMouseLeave(this); }

private:
    TFrameSettings Frame() const;
    void FrameChanged();
    void DrawGrid(TCanvas& canvas, const TRect& r) const;
    void DrawCaption(TCanvas& canvas, const TRect& r) const;

    TFrameSettings frame_;
    bool showGrid_ = false;
    TRzGridStyle gridStyle_ = gsDots;
    TColor gridColor_ = clBtnShadow;
    ushort gridXSize_ = 8;
    ushort gridYSize_ = 8;
    TAlignmentVertical alignmentVertical_ = avCenter;
    bool fullRepaint_ = true;
    QHash<const QObject*, bool> childEnabled_;
};

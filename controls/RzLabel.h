// SPDX-License-Identifier: GPL-3.0-or-later
// TRzLabel: the framework's label with a frame and a raised, recessed or shadowed text relief;
// TRzURLLabel: an engraved link that shows a hand cursor and opens its address when clicked.
#pragma once

#include "controls/RzCommon.h"
#include "framework/StdCtrls.h"

#include <algorithm>
#include <functional>

class TRzLabel : public TLabel {
    Q_OBJECT
    Q_PROPERTY(rz::TTextStyle TextStyle READ TextStyle WRITE SetTextStyle)
    Q_PROPERTY(bool LightTextStyle READ LightTextStyle WRITE SetLightTextStyle)
    Q_PROPERTY(int HighlightColor READ HighlightColor WRITE SetHighlightColor)
    Q_PROPERTY(int ShadowColor READ ShadowColor WRITE SetShadowColor)
    Q_PROPERTY(int ShadowDepth READ ShadowDepth WRITE SetShadowDepth)
    Q_PROPERTY(TRzCondenseCaption CondenseCaption READ CondenseCaption WRITE SetCondenseCaption)
    Q_PROPERTY(bool FlyByEnabled READ FlyByEnabled WRITE SetFlyByEnabled)
    Q_PROPERTY(int FlyByColor READ FlyByColor WRITE SetFlyByColor)
    Q_PROPERTY(rz::TFrameStyleEx BorderOuter READ BorderOuter WRITE SetBorderOuter)
    Q_PROPERTY(rz::TFrameStyleEx BorderInner READ BorderInner WRITE SetBorderInner)
    Q_PROPERTY(rz::TSides BorderSides READ BorderSides WRITE SetBorderSides)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE SetBorderWidth)
    Q_PROPERTY(int BevelWidth READ BevelWidth WRITE SetBevelWidth)
    Q_PROPERTY(int BorderColor READ BorderColor WRITE SetBorderColor)
    Q_PROPERTY(int BorderHighlight READ BorderHighlight WRITE SetBorderHighlight)
    Q_PROPERTY(int BorderShadow READ BorderShadow WRITE SetBorderShadow)
    Q_PROPERTY(int FlatColor READ FlatColor WRITE SetFlatColor)
    Q_PROPERTY(int FlatColorAdjustment READ FlatColorAdjustment WRITE SetFlatColorAdjustment)
    // Blinking and rotated text are kept for the layouts; the game never switches them on.
    Q_PROPERTY(bool Blinking MEMBER blinking_)
    Q_PROPERTY(int BlinkColor MEMBER blinkColor_)
    Q_PROPERTY(int BlinkIntervalOn MEMBER blinkIntervalOn_)
    Q_PROPERTY(int BlinkIntervalOff MEMBER blinkIntervalOff_)
    Q_PROPERTY(int Angle MEMBER angle_)
    Q_PROPERTY(TRotation Rotation MEMBER rotation_)
    Q_PROPERTY(TCenterPoint CenterPoint MEMBER centerPoint_)

public:
    enum TRzCondenseCaption { ccNone, ccAtEnd, ccWithinPath };
    Q_ENUM(TRzCondenseCaption)
    enum TRotation { roNone, roFlat, roCurve };
    Q_ENUM(TRotation)
    enum TCenterPoint {
        cpUpperLeft,
        cpUpperCenter,
        cpUpperRight,
        cpLeftCenter,
        cpCenter,
        cpRightCenter,
        cpLowerLeft,
        cpLowerCenter,
        cpLowerRight
    };
    Q_ENUM(TCenterPoint)

    explicit TRzLabel(QObject* owner);

    TTextStyle TextStyle() const { return textStyle_; }
    void SetTextStyle(TTextStyle style);
    // Only one of the two relief copies: the light one.
    bool LightTextStyle() const { return lightTextStyle_; }
    void SetLightTextStyle(bool light);
    TColor HighlightColor() const { return highlightColor_; }
    void SetHighlightColor(TColor color);
    TColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(TColor color);
    int ShadowDepth() const { return shadowDepth_; }
    void SetShadowDepth(int depth);
    TRzCondenseCaption CondenseCaption() const { return condenseCaption_; }
    void SetCondenseCaption(TRzCondenseCaption condense);
    // The font takes FlyByColor while the mouse is over the label.
    bool FlyByEnabled() const { return flyByEnabled_; }
    void SetFlyByEnabled(bool enabled) { flyByEnabled_ = enabled; }
    TColor FlyByColor() const { return flyByColor_; }
    void SetFlyByColor(TColor color) { flyByColor_ = color; }

    TFrameStyleEx BorderOuter() const { return frame_.BorderOuter; }
    void SetBorderOuter(TFrameStyleEx style) { SetFrame(frame_.BorderOuter, style); }
    TFrameStyleEx BorderInner() const { return frame_.BorderInner; }
    void SetBorderInner(TFrameStyleEx style) { SetFrame(frame_.BorderInner, style); }
    TSides BorderSides() const { return frame_.BorderSides; }
    void SetBorderSides(TSides sides);
    int BorderWidth() const { return frame_.BorderWidth; }
    void SetBorderWidth(int width) { SetFrame(frame_.BorderWidth, std::max(0, width)); }
    int BevelWidth() const { return frame_.BevelWidth; }
    void SetBevelWidth(int width) { SetFrame(frame_.BevelWidth, std::max(0, width)); }
    TColor BorderColor() const { return frame_.BorderColor; }
    void SetBorderColor(TColor color) { SetFrame(frame_.BorderColor, color); }
    TColor BorderHighlight() const { return frame_.BorderHighlight; }
    void SetBorderHighlight(TColor color) { SetFrame(frame_.BorderHighlight, color); }
    TColor BorderShadow() const { return frame_.BorderShadow; }
    void SetBorderShadow(TColor color) { SetFrame(frame_.BorderShadow, color); }
    TColor FlatColor() const { return frame_.FlatColor; }
    void SetFlatColor(TColor color) { SetFrame(frame_.FlatColor, color); }
    int FlatColorAdjustment() const { return frame_.FlatColorAdjustment; }
    void SetFlatColorAdjustment(int adjustment) { SetFrame(frame_.FlatColorAdjustment, adjustment); }

    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

protected:
    void Paint() override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    template <class T> void SetFrame(T& field, T value) {
        field = value;
        Invalidate();
    }
    // Draws the caption in `r` in `color`, moved by (dx, dy).
    void DrawCaption(TCanvas& canvas, TRect r, unsigned flags, TColor color, int dx, int dy) const;

    TTextStyle textStyle_ = tsNormal;
    bool lightTextStyle_ = false;
    TColor highlightColor_ = clBtnHighlight;
    TColor shadowColor_ = clBtnShadow;
    int shadowDepth_ = 2;
    TRzCondenseCaption condenseCaption_ = ccNone;
    bool flyByEnabled_ = false;
    TColor flyByColor_ = clHighlight;
    TColor colorBeforeFlyBy_ = clNone;
    TFrameSettings frame_;
    bool blinking_ = false;
    TColor blinkColor_ = clHighlight;
    int blinkIntervalOn_ = 500;
    int blinkIntervalOff_ = 500;
    int angle_ = 0;
    TRotation rotation_ = roNone;
    TCenterPoint centerPoint_ = cpCenter;
};

class TRzURLLabel : public TRzLabel {
    Q_OBJECT
    Q_PROPERTY(QString URL READ URL WRITE SetURL)
    Q_PROPERTY(bool Visited READ Visited WRITE SetVisited)
    Q_PROPERTY(int VisitedColor READ VisitedColor WRITE SetVisitedColor)
    Q_PROPERTY(int UnvisitedColor READ UnvisitedColor WRITE SetUnvisitedColor)

public:
    // Hands an address or file to the desktop; true when it was taken.
    using TOpener = std::function<bool(const QString& target)>;
    // The desktop's opener (QDesktopServices); replaceable, e.g. by tests.
    static TOpener Opener;
    // Lets the user choose a program for a web page that could not be opened. Desktops share
    // no such dialog, so by default nothing happens.
    static std::function<void(const QString& target)> ChooseProgram;

    explicit TRzURLLabel(QObject* owner);

    // The address to open; when blank the caption is opened.
    QString URL() const { return url_; }
    void SetURL(const QString& url) { url_ = url; }
    bool Visited() const { return visited_; }
    void SetVisited(bool visited);
    TColor VisitedColor() const { return visitedColor_; }
    void SetVisitedColor(TColor color);
    TColor UnvisitedColor() const { return unvisitedColor_; }
    void SetUnvisitedColor(TColor color);

    void Click() override;

private:
    void UpdateFontColor();

    QString url_;
    bool visited_ = false;
    TColor visitedColor_ = clPurple;
    TColor unvisitedColor_ = clHighlight;
};

// SPDX-License-Identifier: GPL-3.0-or-later
// Window-less controls that draw one filled figure (square, circle, triangle) with an optional
// drop shadow, fitted into the control's rectangle so that outline and shadow stay inside it.
#pragma once

#include "framework/Controls.h"

#include <QVector>
#include <optional>

class TCustomShape : public TGraphicControl {
    Q_OBJECT
    Q_PROPERTY(TBrush* Brush READ Brush)
    Q_PROPERTY(TPen* Pen READ Pen)
    Q_PROPERTY(bool Shadow READ Shadow WRITE SetShadow)
    Q_PROPERTY(uint ShadowOffset READ ShadowOffset WRITE SetShadowOffset)
    Q_PROPERTY(int ShadowColor READ ShadowColor WRITE SetShadowColor)
    Q_PROPERTY(int DragCursor READ DragCursor WRITE SetDragCursor)
    Q_PROPERTY(fw::TDragMode DragMode READ DragMode WRITE SetDragMode)

public:
    explicit TCustomShape(QObject* owner);

    // Dragging is never started by the game; layouts may still store these, and handlers bound
    // to the events are kept for whoever raises them.
    TCursor DragCursor() const { return dragCursor_; }
    void SetDragCursor(TCursor cursor) { dragCursor_ = cursor; }
    TDragMode DragMode() const { return dragMode_; }
    void SetDragMode(TDragMode mode) { dragMode_ = mode; }
    // (Sender, Source, X, Y)
    TEvent<QObject*, QObject*, int, int> OnDragDrop;
    // (Sender, Source, X, Y, State, Accept)
    TEvent<QObject*, QObject*, int, int, TDragState, bool&> OnDragOver;
    // (Sender, Target, X, Y)
    TEvent<QObject*, QObject*, int, int> OnEndDrag;
    // (Sender, DragObject)
    TEvent<QObject*, QObject*&> OnStartDrag;

    TBrush* Brush() const { return brush_; }
    // Copies the given brush's settings into the owned one.
    void SetBrush(const TBrush& brush) { brush_->Assign(brush); }
    TPen* Pen() const { return pen_; }
    void SetPen(const TPen& pen) { pen_->Assign(pen); }
    bool Shadow() const { return shadow_; }
    void SetShadow(bool shadow);
    uint ShadowOffset() const { return shadowOffset_; }
    void SetShadowOffset(uint offset);
    TColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(TColor color);
    // Figure and shadow take the mouse first; the corners they leave empty show what lies beneath.
    bool DrawnAt(const QPoint& p) const override { return PaintedAt(p); }

protected:
    void Paint() override;
    // The base sets the canvas colours; a figure calls it and then draws.
    virtual void DrawShadow();
    virtual void DrawShape();

    // The pen width and shadow offset the fitting formulas use.
    int PenWidth() const { return pen_->Width(); }
    int Offset() const;

private:
    TBrush* brush_;
    TPen* pen_;
    bool shadow_ = true;
    uint shadowOffset_ = 2;
    TColor shadowColor_ = clBtnShadow;
    TCursor dragCursor_ = crDrag;
    TDragMode dragMode_ = dmManual;
};

class TSquareShape : public TCustomShape {
    Q_OBJECT
public:
    using TCustomShape::TCustomShape;

protected:
    void DrawShadow() override;
    void DrawShape() override;
};

// Fitted like the square, drawn as an ellipse into the same box.
class TCircleShape : public TCustomShape {
    Q_OBJECT
public:
    using TCustomShape::TCustomShape;

protected:
    void DrawShadow() override;
    void DrawShape() override;
};

// Figures given as point lists in percent of their drawing box.
class TCustomPolyShape : public TCustomShape {
    Q_OBJECT
public:
    using TCustomShape::TCustomShape;

    // number * numerator / denominator with a 64-bit product, rounded to nearest, halves away
    // from zero; nothing when the denominator is 0 or the result does not fit.
    static std::optional<int> MulDiv(int number, int numerator, int denominator);
    // dest[i] = source[i] scaled by the factors in percent; false if a value cannot be
    // computed or the lists differ in length.
    static bool ScalePoints(QVector<TPoint>& dest, const QVector<TPoint>& source, int xFactor, int yFactor);
    static void OffsetPoints(QVector<TPoint>& points, int dx, int dy);
};

class TTriangleShape : public TCustomPolyShape {
    Q_OBJECT
public:
    using TCustomPolyShape::TCustomPolyShape;

protected:
    void DrawShadow() override;
    void DrawShape() override;

private:
    // Scales the triangle by (a, b) percent, moves it by `offset` and draws it.
    void DrawTriangle(int a, int b, int offset);
};

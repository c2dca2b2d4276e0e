// SPDX-License-Identifier: GPL-3.0-or-later
// Stand-ins for the display and the clock, so that whole transitions run on images of the
// test's own and on a clock that moves only as the test says.
#pragma once

#include "tests/framework/qt_app.h"
#include "transitions/TransEff.h"

#include <QPainter>
#include <QWidget>
#include <functional>
#include <vector>

// Counts microseconds; every read moves it on by `tick`, so busy-waits end.
class FakeClock : public TTEClock {
public:
    FakeClock() { SetTransitionClock(this); }
    ~FakeClock() override { SetTransitionClock(nullptr); }
    std::int64_t Frequency() override { return highResolution ? 1000000 : 0; }
    std::int64_t Counter() override { return now += tick; }
    std::int64_t MilliCounter() override { return (now += tick) / 1000; }
    void AdvanceMs(double ms) { now += std::int64_t(ms * 1000); }
    double NowMs() const { return double(now) / 1000; }

    std::int64_t now = 1000000;
    std::int64_t tick = 1;
    bool highResolution = true;
};

// A render window that keeps what it shows as an image.
class FakeSurface : public TTERenderSurface {
public:
    void ShowOver(const QRect& rect, const QImage& image) override {
        place = rect;
        screen = image.convertToFormat(QImage::Format_RGB32);
        shownOver = image.copy();
        visible = true;
        ++shown;
    }
    bool ShowInside(QWidget* window, const QRect& rect, const QImage& image) override {
        if (!canHost)
            return false;
        ShowOver(rect, image);
        host = window;
        return true;
    }
    void Copy(const QImage& source, const QList<TRect>& rects, const TRect& excluded) override {
        QPainter painter(&screen);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        for (const TRect& r : rects) {
            QRegion region(r.ToQRect());
            if (!IsRectEmpty(excluded))
                region -= excluded.ToQRect();
            for (const QRect& part : region& QRect(QPoint(0, 0), screen.size()))
                painter.drawImage(part.topLeft(), source, part);
        }
        painter.end();
        copies.push_back({source.cacheKey(), rects});
        if (onCopy)
            onCopy(source, rects);
    }
    void WaitShown() override { ++waits; }
    void Raise() override {}
    void SetRegion(const QRegion&) override {}
    void Hide() override { visible = false; }
    bool Visible() const override { return visible; }
    bool TakeClick() override { return false; }
    bool TakeEscape() override { return false; }

    struct Copied {
        qint64 source;
        QList<TRect> rects;
    };
    bool canHost = false;
    QWidget* host = nullptr; // the window it is a part of, or null
    QRect place;             // on the screen, or in `host`
    QImage screen;           // device pixels, as the screen shows them
    QImage shownOver;
    bool visible = false;
    int shown = 0;
    int waits = 0;
    std::vector<Copied> copies;
    std::function<void(const QImage&, const QList<TRect>&)> onCopy;
};

// Hands out a surface that stays with the display; destroying it hides the surface.
class Lent : public TTERenderSurface {
public:
    explicit Lent(FakeSurface* surface) : s_(surface) {}
    ~Lent() override { s_->Hide(); }
    void ShowOver(const QRect& rect, const QImage& image) override { s_->ShowOver(rect, image); }
    bool ShowInside(QWidget* window, const QRect& rect, const QImage& image) override {
        return s_->ShowInside(window, rect, image);
    }
    void Copy(const QImage& source, const QList<TRect>& rects, const TRect& excluded) override {
        s_->Copy(source, rects, excluded);
    }
    void WaitShown() override { s_->WaitShown(); }
    void Raise() override {}
    void SetRegion(const QRegion&) override {}
    void Hide() override { s_->Hide(); }
    bool Visible() const override { return s_->Visible(); }
    bool TakeClick() override { return false; }
    bool TakeEscape() override { return false; }

private:
    FakeSurface* s_;
};

// The screen reads back `screen` at any place (black when null, nothing when `refused`); controls render as
// `rendered` when it is set, else as themselves. `ratio` device pixels make a logical one; `rendered` and
// `screen` are in device pixels. `placed` is where a window manager puts a window (null: where it asked).
class FakeDisplay : public TTEDisplay {
public:
    FakeDisplay() { SetTransitionDisplay(this); }
    ~FakeDisplay() override { SetTransitionDisplay(nullptr); }

    QImage GrabScreen(const QRect& r) override {
        log.push_back("grab");
        if (refused)
            return {};
        QImage image(DeviceSize(r.size(), ratio), QImage::Format_RGB32);
        image.fill(Qt::black);
        if (!screen.isNull()) {
            QPainter painter(&image);
            painter.drawImage(QPoint(0, 0), screen);
        }
        return image;
    }
    QImage Render(QWidget* widget, const QRect& rect) override {
        log.push_back("render");
        if (rendered.isNull())
            return widget->grab(rect).toImage();
        return rendered.copy(QRect(QPoint(DeviceEdge(rect.left(), ratio), DeviceEdge(rect.top(), ratio)),
                                   DeviceSize(rect.size(), ratio)));
    }
    double Ratio(const QWidget*) const override { return ratio; }
    bool Composited() const override { return composited; }
    QRect Placement(QWidget*, const QRect&) override { return placed; }
    // The surfaces outlive the transitions that used them, for inspection.
    std::unique_ptr<TTERenderSurface> CreateRenderWindow() override {
        surfaces.push_back(std::make_unique<FakeSurface>());
        last = surfaces.back().get();
        last->onCopy = onCopy;
        last->canHost = hosting;
        return std::make_unique<Lent>(last);
    }

    QImage screen;
    QImage rendered;
    double ratio = 1;
    bool composited = false;
    bool refused = false; // every read of the screen fails
    bool hosting = false; // render windows can be a part of the window they cover
    QRect placed;
    FakeSurface* last = nullptr;
    std::vector<std::unique_ptr<FakeSurface>> surfaces;
    std::vector<std::string> log;
    std::function<void(const QImage&, const QList<TRect>&)> onCopy;
};

// An image whose every column has a colour of its own.
inline QImage Columns(int width, int height, int green = 100) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x % 256, green, (x / 256) * 60 + y % 4));
    return image;
}

inline QImage Solid(int width, int height, QRgb colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The GIF picture: a GIF87a/89a stream decoded into frames, drawn directly when it has one
// frame and animated by a painter into a composition bitmap when it has more.
#pragma once

#include "framework/Graphics.h"
#include "framework/Thread.h"

#include <QByteArray>
#include <QIODevice>
#include <QImage>
#include <QVector>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

class TGIFImage;
class TGIFPainter;

class GIFException : public EInvalidGraphic {
public:
    using EInvalidGraphic::EInvalidGraphic;
};

struct TGIFColor {
    quint8 Red = 0;
    quint8 Green = 0;
    quint8 Blue = 0;
};

struct TGIFColorMap {
    std::vector<TGIFColor> Colors;
    int Count() const { return int(Colors.size()); }
};

struct TGIFHeader {
    quint16 Width = 0;
    quint16 Height = 0;
    quint8 PackedFields = 0;
    quint8 BackgroundColorIndex = 0;
    quint8 AspectRatio = 0;
    TGIFColorMap ColorMap;
};

enum TGIFDisposalMethod { dmNone = 0, dmNoDisposal = 1, dmBackground = 2, dmPrevious = 3 };

class TGIFExtension {
public:
    virtual ~TGIFExtension() = default;
    virtual quint8 Label() const = 0;
};

class TGIFGraphicControlExtension : public TGIFExtension {
public:
    static constexpr quint8 kLabel = 0xF9;
    quint8 Label() const override { return kLabel; }
    int Disposal = dmNone; // 3 bits, 0-7
    bool UserInput = false;
    bool Transparent = false;
    quint16 Delay = 0; // hundredths of a second
    quint8 TransparentColorIndex = 0;
};

class TGIFCommentExtension : public TGIFExtension {
public:
    static constexpr quint8 kLabel = 0xFE;
    quint8 Label() const override { return kLabel; }
    QByteArray Text;
};

class TGIFTextExtension : public TGIFExtension {
public:
    static constexpr quint8 kLabel = 0x01;
    quint8 Label() const override { return kLabel; }
    QByteArray Header; // grid, cell and colour fields as stored
    QByteArray Text;
};

class TGIFApplicationExtension : public TGIFExtension {
public:
    static constexpr quint8 kLabel = 0xFF;
    quint8 Label() const override { return kLabel; }
    QByteArray Identifier; // identifier and authentication code, 11 bytes
};

// The loop block ("NETSCAPE2.0" or "ANIMEXTS1.0").
class TGIFAppExtNSLoop : public TGIFApplicationExtension {
public:
    int Loops = 0; // 0: for ever
    quint32 BufferSize = 0;
};

class TGIFUnknownAppExtension : public TGIFApplicationExtension {
public:
    std::vector<QByteArray> Blocks;
};

// One frame: its place on the logical screen, its colours, the extensions before it and
// its pixels (colour indices, rows top to bottom).
class TGIFSubImage {
public:
    explicit TGIFSubImage(TGIFImage* image) : image_(image) {}

    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    quint8 PackedFields = 0;
    TGIFColorMap ColorMap;
    std::vector<std::unique_ptr<TGIFExtension>> Extensions;
    std::vector<quint8> Data;

    bool Interlaced() const { return PackedFields & 0x40; }
    bool Empty() const { return Data.empty() || Width == 0 || Height == 0; }
    // The first graphic control extension before the frame, or null.
    TGIFGraphicControlExtension* GraphicControlExtension() const;
    bool Transparent() const;
    // The local table if it has entries, else the picture's colours; the colour cube
    // instead when dithering is in effect.
    QVector<QRgb> Palette() const;
    QVector<QRgb> Colors() const;

    // Rendered on first use, from any thread, and kept: the 8-bit bitmap and, when a pixel
    // is transparent, its mask (bit set = transparent, MSB first, rows padded to 16 bits).
    const QImage& Bitmap();
    const std::vector<quint8>& Mask();
    bool HasMask();
    // The bitmap as drawn: opaque, and with the masked pixels left out.
    const QImage& OpaqueImage();
    const QImage& MaskedImage();

private:
    void Render();
    void RenderDithered(const QVector<QRgb>& palette, int transparentIndex);
    TGIFImage* image_;
    std::mutex renderMutex_;
    std::atomic<bool> rendered_{false};
    QImage bitmap_;
    std::vector<quint8> mask_;
    QImage opaque_;
    QImage masked_;
};

enum TGIFPaintOption : quint16 {
    poThreaded = 0x0001,
    poTransparent = 0x0002,
    poAnimate = 0x0004,
    poLoop = 0x0008,
    poLoopForever = 0x0010,
    poCheckCanvas = 0x0020,
    poPaintDirect = 0x0040,
    poClearAtLoopStart = 0x0080,
    poTile = 0x0100,
    poDither = 0x0200,
    poAutoDither = 0x0400,
};
using TGIFPaintOptions = quint16;
constexpr TGIFPaintOptions kDefaultPaintOptions =
    poThreaded | poTransparent | poAnimate | poLoop | poDither | poAutoDither;

enum TGIFSeverity { gsInfo, gsWarning, gsError };
using TGIFWarningHandler =
    std::function<void(QObject* sender, TGIFSeverity severity, const QString& message)>;
using TGIFPainterHook = std::function<void(TGIFPainter* painter)>;

class TGIFImage : public TGraphic {
    Q_OBJECT
public:
    explicit TGIFImage(QObject* parent = nullptr);
    ~TGIFImage() override;

    bool Empty() const override { return frames_.empty(); }
    int Width() const override { return header_.Width; }
    int Height() const override { return header_.Height; }
    void LoadFromData(const QByteArray& data) override;
    // Reads from the stream's position; on failure the stream is put back there.
    void LoadFromStream(QIODevice& stream);
    void Draw(TCanvas& canvas, const TRect& r) override;
    void Clear();
    // Stops every painter, waits for the threaded ones and frees the composition bitmap.
    void StopPainting();
    void StopDraw();

    const TGIFHeader& Header() const { return header_; }
    int FrameCount() const { return int(frames_.size()); }
    TGIFSubImage& Frame(int index) const { return *frames_[size_t(index)]; }
    QVector<QRgb> Palette() const;
    // The global table, else frame 0's local one, whether or not dithering is in effect.
    QVector<QRgb> Colors() const;
    // Draws one frame into r, scaled from the logical screen to r, or tiled.
    void DrawFrame(TCanvas& canvas, const TRect& r, TGIFSubImage& frame, bool tile, bool transparent);
    // Where a frame lies when the logical screen is scaled onto r.
    TRect FrameArea(const TRect& r, const TGIFSubImage& frame) const;
    // What the canvas shows under r; null where its device cannot be read.
    static QImage CanvasContent(TCanvas& canvas, const TRect& r);
    bool DitherInEffect() const;
    // The colour disposed areas are cleared to.
    TColor BackgroundColor() const;

    TGIFPaintOptions PaintOptions() const { return paintOptions_; }
    void SetPaintOptions(TGIFPaintOptions options) { paintOptions_ = options; }
    int SpeedPercent() const { return speedPercent_; }
    void SetSpeedPercent(int percent) { speedPercent_ = percent; }
    TThreadPriority PainterPriority() const { return painterPriority_; }
    void SetPainterPriority(TThreadPriority priority) { painterPriority_ = priority; }
    TColor BackdropColor() const { return backdropColor_; }
    void SetBackdropColor(TColor color) { backdropColor_ = color; }
    int FixedFrame() const { return fixedFrame_; }
    void SetFixedFrame(int index) { fixedFrame_ = index; }
    // The clock painters time with; the system clock unless a test sets one.
    TClock& Clock() const { return *clock_; }
    void SetClock(TClock* clock) { clock_ = clock ? clock : &TClock::System(); }

    // Painters working for this picture, under the re-entrant lock.
    std::recursive_mutex& PaintersLock() { return paintersLock_; }
    std::vector<TGIFPainter*>& Painters() { return painters_; }
    TGIFPainter*& DrawPainter() { return drawPainter_; }
    const QImage* CompositionBitmap() const { return composition_ ? &composition_->Image : nullptr; }
    // The painter changed the composition bitmap: the host repaints.
    void CompositionChanged() { Changed(); }

    TGIFWarningHandler WarningHandler;
    TGIFPainterHook OnRunStart;
    TGIFPainterHook OnBeforeFrame;
    TGIFPainterHook OnAfterFrame;
    TGIFPainterHook OnLoopRestart;
    TGIFPainterHook OnRunEnd;

    // Makes the class known to stored pictures and notes whether the display has a palette.
    static void Register();
    static bool PaletteDisplay() { return paletteDisplay_; }
    static void SetPaletteDisplay(bool palette) { paletteDisplay_ = palette; }

private:
    friend class GIFReader;
    struct Composition {
        explicit Composition(int width, int height);
        QImage Image;
        TCanvas Canvas;
    };
    void Warning(const QString& message);
    void DrawStatic(TCanvas& canvas, const TRect& r);
    void DrawComposition(TCanvas& canvas, const TRect& r);
    void StartAnimation(TCanvas& canvas, const TRect& r);
    void StopPainters(bool drawPainterOnly);
    void FreeFrames();

    TGIFHeader header_;
    std::vector<std::unique_ptr<TGIFSubImage>> frames_;
    std::recursive_mutex paintersLock_;
    std::vector<TGIFPainter*> painters_;
    TGIFPainter* drawPainter_ = nullptr;
    std::unique_ptr<Composition> composition_;
    TGIFPaintOptions paintOptions_ = kDefaultPaintOptions;
    int speedPercent_ = 100;
    TThreadPriority painterPriority_ = TThreadPriority::tpNormal;
    TColor backdropColor_ = clNone;
    int fixedFrame_ = -1;
    TClock* clock_ = &TClock::System();
    bool drawing_ = false;
    static bool paletteDisplay_;
};

// Plays a picture's frames onto a canvas and rectangle with their delays, disposal and
// loops. Threaded painters time on a worker and have every frame drawn on the UI thread;
// a synchronous one runs inside Create.
class TGIFPainter : public TThread {
public:
    // A threaded painter is returned suspended (Start runs it) and frees itself when it
    // ends; a synchronous one has run and is gone when this returns (null), an error it
    // met is raised here. `reference`, when given, is set to the painter and cleared by it.
    static TGIFPainter* Create(TGIFImage* picture, TCanvas* canvas, const TRect& rect,
                               TGIFPaintOptions options, TGIFPainter** reference = nullptr);

    void Stop();
    bool Stopped() const { return stopped_; }
    bool Started() const { return started_; }
    bool Threaded() const { return options_ & poThreaded; }
    int ActiveFrame() const { return activeFrame_; }
    void SetActiveFrame(int index) { activeFrame_ = index; }
    TGIFPaintOptions Options() const { return options_; }
    int SpeedPercent() const { return speed_; }
    TCanvas* Canvas() const { return canvas_; }
    TRect Rect() const { return rect_; }
    TGIFImage* Picture() const { return picture_; }
    // Leaves the picture alone from now on (the picture is going away).
    void Detach() { picture_ = nullptr; }

    TGIFPainterHook OnRunStart;
    TGIFPainterHook OnBeforeFrame;
    TGIFPainterHook OnAfterFrame;
    TGIFPainterHook OnLoopRestart;
    TGIFPainterHook OnRunEnd;

protected:
    void Execute() override;

private:
    TGIFPainter(TGIFImage* picture, TCanvas* canvas, const TRect& rect, TGIFPaintOptions options,
                TGIFPainter** reference);
    ~TGIFPainter() override;
    void Run();
    void Passes();
    void WaitBeforeFrame(TGIFSubImage& frame);
    void WaitSynchronous(std::int64_t milliseconds);
    void Hook(const TGIFPainterHook& hook);
    void ShowFrame();
    void ShowBuffered(TGIFSubImage& frame);
    void ClearArea(QImage& buffer, TGIFSubImage& frame);
    void Ending();

    TGIFImage* picture_;
    TCanvas* canvas_;
    TRect rect_;
    TGIFPaintOptions options_;
    int speed_;
    TGIFPainter** reference_;
    TClock& clock_;
    std::unique_ptr<TAutoResetEvent> event_;
    TColor background_ = clWindow;
    QImage backup_;
    QImage frameBuffer_;
    QImage snapshot_;
    std::atomic<int> activeFrame_{-1};
    std::atomic<bool> started_{false};
    std::atomic<bool> stopped_{false};
    int disposal_ = dmNoDisposal;
    int previousDisposal_ = dmNoDisposal;
    int delay_ = 0;
    std::int64_t delayStart_ = 0;
    std::int64_t oldDelay_ = 0;
    const QPaintDevice* device_ = nullptr;
    std::exception_ptr error_;
};

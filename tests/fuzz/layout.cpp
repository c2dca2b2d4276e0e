// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target for window layouts: arbitrary text read into a small window whose component
// has a property of every kind a layout can set. Only ELayoutError may leave the reader.
#include "framework/Component.h"
#include "framework/Graphics.h"
#include "framework/LayoutReader.h"

#include <QCoreApplication>
#include <cstddef>
#include <cstdint>
#include <memory>

class TFuzzItem : public TComponent {
    Q_OBJECT
    Q_PROPERTY(int Left READ Left WRITE SetLeft)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(double Ratio READ Ratio WRITE SetRatio)
    Q_PROPERTY(float Scale READ Scale WRITE SetScale)
    Q_PROPERTY(uint Milliseconds READ Milliseconds WRITE SetMilliseconds)
    Q_PROPERTY(fw::TAlign Align READ Align WRITE SetAlign)
    Q_PROPERTY(fw::TAnchors Anchors READ Anchors WRITE SetAnchors)
    Q_PROPERTY(int Color READ Color WRITE SetColor)
    Q_PROPERTY(TFont* Font READ Font)
    Q_PROPERTY(TBitmap* Glyph READ Glyph)
    Q_PROPERTY(TPicture* Picture READ Picture)
    Q_PROPERTY(TFuzzItem* Next READ Next WRITE SetNext)
    Q_PROPERTY(int Count READ Count)

public:
    explicit TFuzzItem(QObject* owner)
        : TComponent(owner), font_(new TFont(this)), glyph_(new TBitmap(this)), picture_(new TPicture(this)) {
        PublishEvent(QStringLiteral("OnClick"), OnClick);
    }

    int Left() const { return left_; }
    void SetLeft(int left) {
        if (left < -100000)
            throw std::out_of_range("Left out of range");
        left_ = left;
    }
    bool Visible() const { return visible_; }
    void SetVisible(bool visible) { visible_ = visible; }
    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption) { caption_ = caption; }
    double Ratio() const { return ratio_; }
    void SetRatio(double ratio) { ratio_ = ratio; }
    float Scale() const { return scale_; }
    void SetScale(float scale) { scale_ = scale; }
    uint Milliseconds() const { return milliseconds_; }
    void SetMilliseconds(uint milliseconds) { milliseconds_ = milliseconds; }
    TAlign Align() const { return align_; }
    void SetAlign(TAlign align) { align_ = align; }
    TAnchors Anchors() const { return anchors_; }
    void SetAnchors(TAnchors anchors) { anchors_ = anchors; }
    TColor Color() const { return color_; }
    void SetColor(TColor color) { color_ = color; }
    TFont* Font() const { return font_; }
    TBitmap* Glyph() const { return glyph_; }
    TPicture* Picture() const { return picture_; }
    TFuzzItem* Next() const { return next_; }
    void SetNext(TFuzzItem* next) { next_ = next; }
    int Count() const { return 0; }

    void SetParentComponent(QObject* parent) override { setParent(parent); }
    bool ReadBinaryProperty(const QString& name, const QByteArray& data) override {
        if (name != QLatin1String("FileData"))
            return false;
        fileData_ = data;
        return true;
    }

    TNotifyEvent OnClick;

private:
    int left_ = 0;
    bool visible_ = true;
    QString caption_;
    double ratio_ = 0;
    float scale_ = 1;
    uint milliseconds_ = 0;
    TAlign align_ = alNone;
    TAnchors anchors_;
    TColor color_ = clBtnFace;
    TFont* font_;
    TBitmap* glyph_;
    TPicture* picture_;
    TFuzzItem* next_ = nullptr;
    QByteArray fileData_;
};

class TfrmFuzz : public TComponent {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)

public:
    TfrmFuzz() : TComponent(nullptr) { PublishEvent(QStringLiteral("OnShow"), OnShow); }
    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption) { caption_ = caption; }
    TNotifyEvent OnShow;

public Q_SLOTS:
    void FormShow(QObject*) {}
    void btnClick(QObject*) {}
    void NoArguments() {}

private:
    QString caption_;
};

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication application(*argc, *argv);
    RegisterComponentClass<TFuzzItem>();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    auto root = std::make_unique<TfrmFuzz>();
    try {
        ReadLayoutText(root.get(), text, QStringLiteral("fuzz.layout"));
    } catch (const ELayoutError& error) {
        if (error.Message.isEmpty())
            __builtin_trap();
    }
    return 0;
}

#include "layout.moc"

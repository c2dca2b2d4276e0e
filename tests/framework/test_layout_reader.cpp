// SPDX-License-Identifier: GPL-3.0-or-later
// Window layouts: components created through the registry, values applied in declared
// order, references, events and binary data, and a clear error for every broken layout.
#include "framework/Component.h"
#include "framework/Graphics.h"
#include "framework/LayoutReader.h"
#include "qt_app.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

#include <sys/resource.h>

namespace {

// What the test components did, in order.
QStringList& Journal() {
    static QStringList journal;
    return journal;
}

} // namespace

// A sub-object such as a font: written with dotted names, never assigned as a whole.
class TTestStyle : public QObject {
    Q_OBJECT
    Q_PROPERTY(int Size READ Size WRITE SetSize)
    Q_PROPERTY(QString Face READ Face WRITE SetFace)

public:
    using QObject::QObject;
    int Size() const { return size_; }
    void SetSize(int size) {
        size_ = size;
        Journal() << QStringLiteral("Style.Size");
    }
    QString Face() const { return face_; }
    void SetFace(const QString& face) {
        face_ = face;
        Journal() << QStringLiteral("Style.Face");
    }

private:
    int size_ = 0;
    QString face_;
};

// A picture format that keeps the bytes it is given.
class TTestGraphic : public TGraphic {
    Q_OBJECT
public:
    using TGraphic::TGraphic;
    bool Empty() const override { return data_.isEmpty(); }
    int Width() const override { return 0; }
    int Height() const override { return 0; }
    void LoadFromData(const QByteArray& data) override {
        data_ = data;
        Journal() << QStringLiteral("graphic ") + QString::fromLatin1(data);
    }
    void Draw(TCanvas&, const TRect&) override {}
    QByteArray Data() const { return data_; }

private:
    QByteArray data_;
};

class TTestWidget : public TComponent {
    Q_OBJECT
    Q_PROPERTY(int Left READ Left WRITE SetLeft)
    Q_PROPERTY(bool Active READ Active WRITE SetActive)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(double Ratio READ Ratio WRITE SetRatio)
    Q_PROPERTY(fw::TAlign Align READ Align WRITE SetAlign)
    Q_PROPERTY(fw::TAnchors Anchors READ Anchors WRITE SetAnchors)
    Q_PROPERTY(int Color READ Color WRITE SetColor)
    Q_PROPERTY(TTestGraphic* Glyph READ Glyph)
    Q_PROPERTY(TTestStyle* Style READ Style)
    Q_PROPERTY(TTestWidget* Buddy READ Buddy WRITE SetBuddy)
    Q_PROPERTY(int Limit READ Limit WRITE SetLimit)
    Q_PROPERTY(int Count READ Count)
    Q_PROPERTY(TPicture* Picture READ Picture)

public:
    explicit TTestWidget(QObject* owner)
        : TComponent(owner), glyph_(new TTestGraphic(this)), style_(new TTestStyle(this)),
          picture_(new TPicture(this)) {
        PublishEvent(QStringLiteral("OnClick"), OnClick);
    }

    int Left() const { return left_; }
    void SetLeft(int left) { Record(QStringLiteral("Left"), left_, left); }
    bool Active() const { return active_; }
    void SetActive(bool active) { Record(QStringLiteral("Active"), active_, active); }
    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption) { Record(QStringLiteral("Caption"), caption_, caption); }
    double Ratio() const { return ratio_; }
    void SetRatio(double ratio) { Record(QStringLiteral("Ratio"), ratio_, ratio); }
    TAlign Align() const { return align_; }
    void SetAlign(TAlign align) { Record(QStringLiteral("Align"), align_, align); }
    TAnchors Anchors() const { return anchors_; }
    void SetAnchors(TAnchors anchors) { Record(QStringLiteral("Anchors"), anchors_, anchors); }
    TColor Color() const { return color_; }
    void SetColor(TColor color) { Record(QStringLiteral("Color"), color_, color); }
    TTestGraphic* Glyph() const { return glyph_; }
    TTestStyle* Style() const { return style_; }
    TPicture* Picture() const { return picture_; }
    TTestWidget* Buddy() const { return buddy_; }
    void SetBuddy(TTestWidget* buddy) { Record(QStringLiteral("Buddy"), buddy_, buddy); }
    int Limit() const { return limit_; }
    void SetLimit(int limit) {
        if (limit < 0)
            throw std::invalid_argument("Limit must not be negative");
        limit_ = limit;
    }
    int Count() const { return 0; }

    void SetParentComponent(QObject* parent) override {
        Journal() << QStringLiteral("%1 in %2").arg(Name(), parent->objectName());
        parent_ = parent;
    }
    bool ReadBinaryProperty(const QString& name, const QByteArray& data) override {
        if (name != QLatin1String("FileData"))
            return false;
        Journal() << QStringLiteral("FileData");
        fileData_ = data;
        return true;
    }
    void Loaded() override {
        TComponent::Loaded();
        if (caption_ == QLatin1String("refuse"))
            throw std::runtime_error("Loaded refused");
        Journal() << QStringLiteral("Loaded %1").arg(Name());
    }

    QObject* ParentComponent() const { return parent_; }
    QByteArray FileData() const { return fileData_; }
    TNotifyEvent OnClick;

private:
    template <class T> void Record(const QString& name, T& field, const T& value) {
        field = value;
        Journal() << name;
    }

    int left_ = 0;
    bool active_ = false;
    QString caption_;
    double ratio_ = 0;
    TAlign align_ = alNone;
    TAnchors anchors_ = TAnchors(akLeft | akTop);
    TColor color_ = clBlack;
    TTestGraphic* glyph_;
    TTestStyle* style_;
    TPicture* picture_;
    TTestWidget* buddy_ = nullptr;
    int limit_ = 0;
    QObject* parent_ = nullptr;
    QByteArray fileData_;
};

// Another component class, to check that references fit the property's class.
class TTestOther : public TComponent {
    Q_OBJECT
public:
    using TComponent::TComponent;
};

// A window in the role of the root: it has a caption, a show event and handlers.
class TfrmTest : public TComponent {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)

public:
    TfrmTest() : TComponent(nullptr) { PublishEvent(QStringLiteral("OnShow"), OnShow); }
    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption) { caption_ = caption; }
    void Loaded() override {
        TComponent::Loaded();
        Journal() << QStringLiteral("Loaded %1").arg(Name());
    }

    TNotifyEvent OnShow;
    QList<QObject*> Clicks;
    QList<QObject*> Shows;

public Q_SLOTS:
    void FormShow(QObject* sender) { Shows << sender; }
    void btnClick(QObject* sender) { Clicks << sender; }
    void NoArguments() {}

private:
    QString caption_;
};

namespace {

class LayoutReader : public testing::Test {
protected:
    static void SetUpTestSuite() {
        EnsureQtApp();
        RegisterComponentClass<TTestWidget>();
        RegisterComponentClass<TTestOther>();
        TPicture::RegisterFileFormat(QStringLiteral("TTestGraphic"), [] { return new TTestGraphic; });
    }

    void SetUp() override { Journal().clear(); }

    void Read(const QByteArray& text) { ReadLayoutText(root.get(), text, QStringLiteral("uTest.layout")); }

    TTestWidget* Widget(const char* name) const { return root->findChild<TTestWidget*>(QLatin1String(name)); }

    std::unique_ptr<TfrmTest> root = std::make_unique<TfrmTest>();
};

TEST_F(LayoutReader, AppliesValuesInDeclaredOrderWhateverTheTextOrder) {
    Read("object frmTest: TfrmTest\n"
         "  object w: TTestWidget\n"
         "    Style.Face = 'Arial'\n"
         "    Glyph.Data = {01000000 47}\n"
         "    Color = clRed\n"
         "    Anchors = [akRight]\n"
         "    Style.Size = 12\n"
         "    Caption = 'c'\n"
         "    Left = 1\n"
         "  end\n"
         "end\n");
    // Glyph and Style follow Color in the declaration; inside Style, Size comes before Face.
    EXPECT_EQ(Journal(), QStringList({"w in frmTest", "Left", "Caption", "Anchors", "Color", "graphic G",
                                      "Style.Size", "Style.Face", "Loaded w", "Loaded frmTest"}));
}

TEST_F(LayoutReader, ConvertsEveryKindOfValue) {
    Read("object frmTest: TfrmTest\n"
         "  Caption = 'It'#39's a '\n"
         "    + 'long '''#$41'''' +\n"
         "    'one'\n"
         "  object w: TTestWidget\n"
         "    Left = -11\n"
         "    Active = True\n"
         "    Ratio = 700.500000000000000000\n"
         "    Align = alLeft\n"
         "    Anchors = [akLeft, akBottom]\n"
         "    Color = clBtnFace\n"
         "    Style.Size = $7F\n"
         "  end\n"
         "  object hex: TTestWidget\n"
         "    Anchors = []\n"
         "    Color = $FF00000F\n"
         "    Ratio = 3\n"
         "    Active = false\n"
         "    Left = DEFAULT_CHARSET\n"
         "    Style.Size = crHandPoint\n"
         "  end\n"
         "end\n");
    EXPECT_EQ(root->Caption(), QStringLiteral("It's a long 'A'one"));
    EXPECT_EQ(root->objectName(), QStringLiteral("frmTest"));
    TTestWidget* w = Widget("w");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->Left(), -11);
    EXPECT_TRUE(w->Active());
    EXPECT_DOUBLE_EQ(w->Ratio(), 700.5);
    EXPECT_EQ(w->Align(), alLeft);
    EXPECT_EQ(w->Anchors(), TAnchors(akLeft | akBottom));
    EXPECT_EQ(w->Color(), clBtnFace);
    EXPECT_EQ(w->Style()->Size(), 0x7F);
    TTestWidget* hex = Widget("hex");
    ASSERT_NE(hex, nullptr);
    EXPECT_EQ(hex->Anchors(), TAnchors());
    EXPECT_EQ(hex->Color(), clBtnFace);
    EXPECT_DOUBLE_EQ(hex->Ratio(), 3.0);
    EXPECT_FALSE(hex->Active());
    EXPECT_EQ(hex->Left(), 1);
    EXPECT_EQ(hex->Style()->Size(), crHandPoint);
}

TEST_F(LayoutReader, CreatesComponentsOwnedByTheRootAndNestedInTheirBlocks) {
    Read("object frmTest: TfrmTest\n"
         "  object outer: TTestWidget\n"
         "    object inner: TTestWidget\n"
         "    end\n"
         "  end\n"
         "  object other: TTestOther\n"
         "  end\n"
         "end\n");
    TTestWidget* outer = Widget("outer");
    TTestWidget* inner = Widget("inner");
    ASSERT_TRUE(outer && inner);
    EXPECT_EQ(outer->Owner(), root.get());
    EXPECT_EQ(inner->Owner(), root.get());
    EXPECT_EQ(outer->ParentComponent(), root.get());
    EXPECT_EQ(inner->ParentComponent(), outer);
    EXPECT_EQ(root->FindComponent(QStringLiteral("other"))->metaObject(), &TTestOther::staticMetaObject);
    EXPECT_EQ(Journal(), QStringList({"outer in frmTest", "inner in outer", "Loaded outer", "Loaded inner",
                                      "Loaded frmTest"}));
    EXPECT_FALSE(outer->IsLoading());
    EXPECT_FALSE(root->IsLoading());
}

TEST_F(LayoutReader, ResolvesReferencesToComponentsWrittenLater) {
    Read("object frmTest: TfrmTest\n"
         "  object first: TTestWidget\n"
         "    Buddy = second\n"
         "  end\n"
         "  object second: TTestWidget\n"
         "    Buddy = first\n"
         "  end\n"
         "end\n");
    EXPECT_EQ(Widget("first")->Buddy(), Widget("second"));
    EXPECT_EQ(Widget("second")->Buddy(), Widget("first"));
    // References are set once every component exists, before any Loaded().
    EXPECT_EQ(Journal().indexOf(QStringLiteral("Buddy")), 2);
    EXPECT_EQ(Journal().lastIndexOf(QStringLiteral("Buddy")), 3);
}

TEST_F(LayoutReader, BindsEventsToTheWindowsSlots) {
    Read("object frmTest: TfrmTest\n"
         "  OnShow = FormShow\n"
         "  object btn: TTestWidget\n"
         "    OnClick = btnClick\n"
         "  end\n"
         "  object idle: TTestWidget\n"
         "  end\n"
         "end\n");
    TTestWidget* btn = Widget("btn");
    btn->OnClick(btn);
    root->OnShow(root.get());
    EXPECT_EQ(root->Clicks, QList<QObject*>({btn}));
    EXPECT_EQ(root->Shows, QList<QObject*>({root.get()}));
    EXPECT_FALSE(Widget("idle")->OnClick.Assigned());
}

TEST_F(LayoutReader, HandsBinaryDataToTheComponentAfterItsProperties) {
    Read("object frmTest: TfrmTest\n"
         "  object player: TTestWidget\n"
         "    FileData = {\n"
         "      0300 0000\n"
         "      41 42 43}\n"
         "    Left = 1\n"
         "  end\n"
         "  object empty: TTestWidget\n"
         "    FileData = {}\n"
         "  end\n"
         "end\n");
    EXPECT_EQ(Widget("player")->FileData(), QByteArray::fromHex("03000000414243"));
    EXPECT_EQ(Journal().mid(1, 2), QStringList({"Left", "FileData"}));
    EXPECT_TRUE(Widget("empty")->FileData().isEmpty());
}

// Digits of one byte may stand apart, and a doubled quote may sit between multi-byte characters.
TEST_F(LayoutReader, ReadsBytesAndCharactersWhateverTheirSpacing) {
    Read("object frmTest: TfrmTest\n"
         "  Caption = '\xC3\xA9''\xC3\xBC' + ''''\n"
         "  object w: TTestWidget\n"
         "    FileData = {0\n"
         "      3 4142\n"
         "      4\t3 44}\n"
         "  end\n"
         "end\n");
    EXPECT_EQ(root->Caption(), QString::fromUtf8("\xC3\xA9'\xC3\xBC'"));
    EXPECT_EQ(Widget("w")->FileData(), QByteArray::fromHex("0341424344"));
}

TEST_F(LayoutReader, HandsPictureDataToThePictureOrGraphicItNames) {
    Read("object frmTest: TfrmTest\n"
         "  object img: TTestWidget\n"
         "    Picture.Data = {\n"
         "      0C 5454657374477261706869 63\n"
         "      03000000 78797A}\n"
         "    Glyph.Data = {02000000 4142 4344}\n"
         "  end\n"
         "end\n");
    TTestWidget* img = Widget("img");
    auto* graphic = qobject_cast<TTestGraphic*>(img->Picture()->Graphic());
    ASSERT_NE(graphic, nullptr);
    EXPECT_EQ(graphic->Data(), QByteArray("xyz"));
    // The graphic unwraps its size prefix and ignores what follows.
    EXPECT_EQ(img->Glyph()->Data(), QByteArray("AB"));
}

TEST_F(LayoutReader, ReadsLayoutFilesAndNamesThemByBaseName) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("uFile.layout"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("object frmFile: TfrmTest\n  Caption = 'From a file'\nend\n");
    file.close();
    ReadLayout(root.get(), path);
    EXPECT_EQ(root->Caption(), QStringLiteral("From a file"));

    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("object frmFile: TfrmTest\n  Caption = 1\nend\n");
    file.close();
    try {
        ReadLayout(root.get(), path);
        FAIL() << "no error";
    } catch (const ELayoutError& e) {
        EXPECT_STREQ(
            e.what(),
            "uFile.layout:2: property 'Caption': wrong value type: expected a string, found an integer");
    }
    EXPECT_THROW(ReadLayout(root.get(), dir.filePath(QStringLiteral("missing.layout"))), ELayoutError);
}

#if defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer) || __has_feature(memory_sanitizer)
#define TP_SANITIZED_MEMORY 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define TP_SANITIZED_MEMORY 1
#endif

#ifndef TP_SANITIZED_MEMORY
static long VirtualSizeBytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmSize:"))
            return line.mid(7).trimmed().split(' ').first().toLong() * 1024;
    return -1;
}

// Exits 0 when the layout reads with the address space capped a few megabytes above what the
// process holds.
[[noreturn]] static void ReadWithLittleAddressSpaceLeft(const QString& path) {
    auto form = std::make_unique<TfrmTest>();
    const long used = VirtualSizeBytes();
    const rlim_t capped = rlim_t(used) + 16 * 1024 * 1024;
    const rlimit cap{capped, capped};
    if (used < 0 || setrlimit(RLIMIT_AS, &cap) != 0)
        std::exit(2);
    try {
        ReadLayout(form.get(), path);
    } catch (...) {
        std::exit(1);
    }
    std::exit(form->Caption() == QStringLiteral("Small") ? 0 : 3);
}
#endif

// A small layout is read into a buffer of its own size, not one of the largest layout allowed.
TEST(LayoutReaderDeathTest, SmallLayoutFileReadsWithLittleAddressSpaceLeft) {
#ifdef TP_SANITIZED_MEMORY
    GTEST_SKIP() << "the sanitizers' own reservations do not fit a capped address space";
#else
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("uSmall.layout"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("object frmSmall: TfrmTest\n  Caption = 'Small'\nend\n");
    file.close();
    EXPECT_EXIT(ReadWithLittleAddressSpaceLeft(path), testing::ExitedWithCode(0), "");
#endif
}

TEST_F(LayoutReader, KnowsRegisteredClasses) {
    EXPECT_TRUE(IsComponentClassRegistered(QStringLiteral("TTestWidget")));
    EXPECT_FALSE(IsComponentClassRegistered(QStringLiteral("TTestStyle")));
}

struct BrokenLayout {
    const char* text;
    int line;
    const char* property;
    const char* words;
};

// Every layout starts with "object frmTest: TfrmTest" on line 1 unless it tests the header.
const BrokenLayout kBrokenLayouts[] = {
    {"", 1, "", "unexpected end of file"},
    {"object frmTest: TfrmTest\n  Caption = 'open\nend\n", 2, "Caption", "unterminated string"},
    {"object frmTest: TfrmTest\n  object w: TTestWidget\n    Left = 12px\n  end\nend\n", 3, "Left",
     "bad number"},
    {"object frmTest: TfrmTest\n  object w: TTestWidget\n    Left = 99999999999999999999\n  end\nend\n", 3,
     "Left", "out of range"},
    {"object frmTest: TfrmTest\n  object w: TTestWidget\n    Left = 4294967296\n  end\nend\n", 3, "Left",
     "out of range"},
    {"object frmTest: TfrmTest\n  object w: TTestWidget\n    Left = $1FFFFFFFF\n  end\nend\n", 3, "Left",
     "out of range"},
    {"object frmTest: TfrmTest\n  Caption = 'x'\n", 3, "", "'end' of object 'frmTest' (line 1) is missing"},
    {"object frmTest: TfrmTest\n  Caption 'x'\nend\n", 2, "Caption", "unexpected string, expected '='"},
    {"object frmTest: TfrmTest\n  Caption =\n", 3, "Caption", "unexpected end of file"},
    {"object frmTest: TfrmTest\n  Caption = 'a' +\nend\n", 3, "Caption", "expected a string after '+'"},
    {"object frmTest: TfrmTest\n  Caption = 'a'\n  @Hint = 'b'\nend\n", 3, "", "unexpected character '@'"},
    {"object frmTest: TfrmTest\nend\nend\n", 3, "", "unexpected 'end'"},
    {"object frmTest TfrmTest\nend\n", 1, "", "expected ':'"},
    {"inherited frmTest: TfrmTest\nend\n", 1, "", "'inherited' blocks are not supported"},
    {"object frmTest: TfrmTest\n  inline w: TTestWidget\n  end\nend\n", 2, "",
     "'inline' blocks are not supported"},
    {"object frmTest: TfrmTest\n  Items = <\n  item end>\nend\n", 2, "Items", "not supported"},
    {"object frmTest: TfrmTest\n  Lines.Strings = (\n    'a')\nend\n", 2, "Lines.Strings", "not supported"},
    {"object frmTest: TfrmTest\n  Caption = #99999\nend\n", 2, "Caption", "bad character code"},
    {"object frmMain: TfrmMain\nend\n", 1, "", "the layout is for a TfrmMain, the window is a TfrmTest"},
    {"object frmTest: TfrmTest\n  object w: TNoSuchClass\n  end\nend\n", 2, "", "unknown class TNoSuchClass"},
    {"object frmTest: TfrmTest\n  object w: TTestWidget\n  end\n  object w: TTestOther\n  end\nend\n", 4, "",
     "duplicate name 'w'"},
    {"object frmTest: TfrmTest\n  object frmTest: TTestWidget\n  end\nend\n", 2, "", "duplicate name"},
    {"object frmTest: TfrmTest\n  object w: TTestWidget\n    Left = 1\n    Hight = 2\n  end\nend\n", 4,
     "Hight", "unknown property of TTestWidget"},
    {"object frmTest: TfrmTest\n  object w: TTestWidget\n    Style.Sise = 2\n  end\nend\n", 3, "Style.Sise",
     "TTestStyle has no property 'Sise'"},
    {"object frmTest: TfrmTest\n  object w: TTestWidget\n    Left.Size = 2\n  end\nend\n", 3, "Left.Size",
     "not an object"},
    {"object frmTest: TfrmTest\n  object w: TTestWidget\n    Count = 2\n  end\nend\n", 3, "Count",
     "read-only"},
    {"object frmTest: TfrmTest\n  object w: TTestWidget\n    Style = 2\n  end\nend\n", 3, "Style",
     "read-only"},
    {"object frmTest: TfrmTest\n  object w: TTestWidget\n    Left = 'ten'\n  end\nend\n", 3, "Left",
     "wrong value type: expected an integer, found a string"},
    {"object frmTest: TfrmTest\n  object w: TTestWidget\n    Left = 1.5\n  end\nend\n", 3, "Left",
     "wrong value type"},
    {"object frmTest: TfrmTest\n  object w: TTestWidget\n    Left = {00}\n  end\nend\n", 3, "Left",
     "wrong value type"},
    {"object frmTest: TfrmTest\n  object w: TTestWidget\n    Color = clPink\n  end\nend\n", 3, "Color",
     "unknown identifier 'clPink'"},
    {"object frmTest: TfrmTest\n  object w: TTestWidget\n    Active = 1\n  end\nend\n", 3, "Active",
     "True or False"},
    {"object frmTest: TfrmTest\n  object w: TTestWidget\n    Align = alMiddle\n  end\nend\n", 3, "Align",
     "unknown identifier 'alMiddle' for TAlign"},
    {"object frmTest: TfrmTest\n  object w: TTestWidget\n    Align = [alLeft]\n  end\nend\n", 3, "Align",
     "wrong value type"},
    {"object frmTest: TfrmTest\n  object w: TTestWidget\n    Anchors = [akLeft, akMiddle]\n  end\nend\n", 3,
     "Anchors", "bad set element 'akMiddle'"},
    {"object frmTest: TfrmTest\n  object w: TTestWidget\n    Anchors = akLeft\n  end\nend\n", 3, "Anchors",
     "wrong value type"},
    {"object frmTest: TfrmTest\n  object w: TTestWidget\n    Anchors = [akLeft,]\n  end\nend\n", 3, "Anchors",
     "expected a set element"},
    {"object frmTest: TfrmTest\n  object w: TTestWidget\n    OnClick = btnKlick\n  end\nend\n", 3, "OnClick",
     "unknown event handler 'btnKlick'"},
    {"object frmTest: TfrmTest\n  object w: TTestWidget\n    OnClick = NoArguments\n  end\nend\n", 3,
     "OnClick", "parameters"},
    {"object frmTest: TfrmTest\n  object w: TTestWidget\n    OnClick = 'btnClick'\n  end\nend\n", 3,
     "OnClick", "wrong value type"},
    {"object frmTest: TfrmTest\n  object w: TTestWidget\n    Buddy = nobody\n  end\nend\n", 3, "Buddy",
     "unknown component 'nobody'"},
    {"object frmTest: TfrmTest\n  object w: TTestWidget\n    Buddy = o\n  end\n  object o: TTestOther\n  "
     "end\nend\n",
     3, "Buddy", "component 'o' is a TTestOther, not a TTestWidget"},
    {"object frmTest: TfrmTest\n  object w: TTestWidget\n    FileData = {\n      012}\n  end\nend\n", 3,
     "FileData", "odd number of hex digits"},
    {"object frmTest: TfrmTest\n  object w: TTestWidget\n    FileData = {\n      01 0g}\n  end\nend\n", 4,
     "FileData", "bad character 'g' in binary data"},
    {"object frmTest: TfrmTest\n  object w: TTestWidget\n    FileData = {01\n", 3, "FileData", "closing '}'"},
    {"object frmTest: TfrmTest\n  object w: TTestWidget\n    Blob = {01}\n  end\nend\n", 3, "Blob",
     "unknown binary property of TTestWidget"},
    {"object frmTest: TfrmTest\n  Blob = {01}\nend\n", 2, "Blob", "unknown binary property of TfrmTest"},
    {"object frmTest: TfrmTest\n  object w: TTestWidget\n    Limit = -1\n  end\nend\n", 3, "Limit",
     "Limit must not be negative"},
    {"object frmTest: TfrmTest\n  object w: TTestWidget\n    Picture.Data = {\n      00}\n  end\nend\n", 3,
     "Picture.Data", "names no picture format"},
    {"object frmTest: TfrmTest\n  object w: TTestWidget\n    Glyph.Data = {0100}\n  end\nend\n", 3,
     "Glyph.Data", "truncated"},
    {"object frmTest: TfrmTest\n  object w: TTestWidget\n    Style.Data = {00}\n  end\nend\n", 3,
     "Style.Data", "unknown binary property"},
    {"object frmTest: TfrmTest\n  object w: TTestWidget\n    Caption = 'refuse'\n  end\nend\n", 2, "",
     "Loaded refused"},
};

TEST_F(LayoutReader, ReportsBrokenLayoutsWithFileLineAndProperty) {
    for (const BrokenLayout& broken : kBrokenLayouts) {
        SCOPED_TRACE(broken.text);
        root = std::make_unique<TfrmTest>();
        try {
            Read(broken.text);
            ADD_FAILURE() << "no error";
        } catch (const ELayoutError& e) {
            EXPECT_EQ(e.File, QStringLiteral("uTest.layout"));
            EXPECT_EQ(e.Line, broken.line) << e.what();
            EXPECT_EQ(e.Property, QLatin1String(broken.property)) << e.what();
            EXPECT_TRUE(e.Message.contains(QLatin1String(broken.words))) << e.what();
            const QString prefix =
                QStringLiteral("uTest.layout:%1: ").arg(broken.line) +
                (e.Property.isEmpty() ? QString() : QStringLiteral("property '%1': ").arg(e.Property));
            EXPECT_TRUE(QString::fromUtf8(e.what()).startsWith(prefix)) << e.what();
        }
    }
}

TEST_F(LayoutReader, RefusesNestingBeyondTheLimitWithoutRecursingFurther) {
    QByteArray text = "object frmTest: TfrmTest\n";
    for (int i = 0; i < 1000; ++i)
        text += "object w" + QByteArray::number(i) + ": TTestWidget\n";
    try {
        Read(text);
        FAIL() << "no error";
    } catch (const ELayoutError& e) {
        EXPECT_EQ(e.Line, 66);
        EXPECT_TRUE(e.Message.contains(QLatin1String("nested"))) << e.what();
    }
    EXPECT_TRUE(root->children().isEmpty()) << "a syntax error creates no component";
}

TEST_F(LayoutReader, LeavesPartlyBuiltComponentsWithTheRootAfterAnError) {
    EXPECT_THROW(Read("object frmTest: TfrmTest\n"
                      "  object a: TTestWidget\n"
                      "  end\n"
                      "  object b: TTestWidget\n"
                      "    Left = 'x'\n"
                      "  end\n"
                      "end\n"),
                 ELayoutError);
    EXPECT_EQ(Widget("a")->Owner(), root.get());
    EXPECT_FALSE(Journal().contains(QStringLiteral("Loaded a")));
}

} // namespace

#include "test_layout_reader.moc"

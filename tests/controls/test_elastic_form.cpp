// SPDX-License-Identifier: GPL-3.0-or-later
// Elastic form: start size and place from the screen, re-layout of bounds and fonts with its
// rounding rules, the 5-pixel threshold, drags, the options and the construction errors.
#include "controls/ElastFrm.h"
#include "controls/RegisterControls.h"
#include "framework/LayoutReader.h"
#include "tests/framework/qt_app.h"

#include <QImage>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

// A level window in small: top bar with prompt, play field with two figures, bottom bar
// with a right-anchored button.
const char* const kLayout = R"(object frmTest: TForm
  Caption = 'Elastic'
  ClientWidth = 642
  ClientHeight = 466
  Position = poScreenCenter
  Scaled = False
  object pnlTop: TRzPanel
    Left = 0
    Top = 0
    Width = 642
    Height = 86
    Align = alTop
    object lblInstructions: TLabel
      Left = 30
      Top = 31
      Caption = 'Click the black Color.'
      Font.Height = -20
      Font.Name = 'Arial'
      ParentFont = False
    end
  end
  object pnlMid: TRzPanel
    Left = 0
    Top = 86
    Width = 642
    Height = 300
    Align = alClient
    object shpShape1: TShape
      Left = 78
      Top = 51
      Width = 170
      Height = 170
      Shape = stCircle
    end
    object shpProbe: TShape
      Left = 5
      Top = 3
      Width = 3
      Height = 5
    end
  end
  object pnlBottom: TXiPanel
    Left = 0
    Top = 386
    Width = 642
    Height = 80
    Align = alBottom
    object btnRandomize: TBitBtn
      Left = 517
      Top = 10
      Width = 115
      Height = 60
      Anchors = [akRight, akBottom]
      Caption = 'Randomize'
    end
  end
  object ElasticForm1: TElasticForm
    DesignScreenWidth = 1288
    DesignScreenHeight = 1032
    DesignPixelsPerInch = 96
    DesignFormWidth = 650
    DesignFormHeight = 500
    DesignFormClientWidth = 642
    DesignFormClientHeight = 466
    DesignFormLeft = 297
    DesignFormTop = 308
    Font.Height = -11
    Font.Name = 'Arial'
    Version = 700.0
  end
end
)";

class ElasticForm : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        EnsureQtApp();
        RegisterStandardClasses();
        RegisterControlClasses();
    }

    void SetUp() override { savedWorkArea_ = TElasticForm::WorkArea; }
    void TearDown() override {
        form_.reset();
        TElasticForm::WorkArea = savedWorkArea_;
    }

    // The form as its layout makes it, not shown yet; `adjust` edits the layout first.
    TForm* Make(QSize screen, const std::function<void(TElasticForm&)>& adjust = {}) {
        TElasticForm::WorkArea = [screen] { return QRect(QPoint(0, 0), screen); };
        form_ = std::make_unique<TForm>(nullptr);
        ReadLayoutText(form_.get(), kLayout, QStringLiteral("test.layout"));
        elastic_ = Find<TElasticForm>("ElasticForm1");
        elastic_->OnAfterResize = [this](QObject*) { ++layouts_; };
        if (adjust)
            adjust(*elastic_);
        return form_.get();
    }

    TForm* Shown(QSize screen, const std::function<void(TElasticForm&)>& adjust = {}) {
        TForm* form = Make(screen, adjust);
        form->Show();
        return form;
    }

    template <class T> T* Find(const char* name) const {
        return qobject_cast<T*>(form_->FindComponent(QString::fromLatin1(name)));
    }

    // Outer bounds, with the nominal frame the offscreen platform leaves to the form.
    QRect Outer() const { return form_->geometry().marginsAdded(form_->FrameMargins()); }

    // The form activated and moved once more: the start phase is over.
    void EndStartPhase() {
        form_->Perform(WM_ACTIVATE, WA_ACTIVE);
        form_->Perform(WM_WINDOWPOSCHANGING);
    }

    void ResizeOuter(int width, int height) {
        const QMargins m = form_->FrameMargins();
        form_->SetBounds(form_->geometry().left(), form_->geometry().top(), width - m.left() - m.right(),
                         height - m.top() - m.bottom());
    }

    QRect Bounds(const char* name) const { return Find<TControl>(name)->BoundsRect().ToQRect(); }

    std::unique_ptr<TForm> form_;
    TElasticForm* elastic_ = nullptr;
    int layouts_ = 0;
    std::function<QRect()> savedWorkArea_;
};

TEST_F(ElasticForm, OnTheDesignScreenTheWindowStartsAtItsDesignSizeCentredAndKeepsItsControls) {
    Shown({1288, 1032});
    EXPECT_EQ(Outer(), QRect(319, 266, 650, 500));
    EXPECT_EQ(form_->geometry().size(), QSize(642, 466));
    EXPECT_EQ(Bounds("shpShape1"), QRect(78, 51, 170, 170));
    EXPECT_EQ(Bounds("pnlMid"), QRect(0, 86, 642, 300));
    EXPECT_EQ(Bounds("btnRandomize"), QRect(517, 10, 115, 60));
    // Font ratio min(650 / 642, 500 / 466) = 1.0125: 15 points stay 15, the form's 8 stay 8.
    EXPECT_EQ(Find<TLabel>("lblInstructions")->Font()->Size(), 15);
    EXPECT_EQ(form_->Font()->Size(), 8);
    EXPECT_EQ(elastic_->Font()->Size(), 8);
    EXPECT_TRUE(Find<TControl>("pnlTop")->isVisible());
    EXPECT_GE(layouts_, 1);
}

TEST_F(ElasticForm, EveryShowingLaysOutOnce) {
    Shown({1288, 1032});
    for (int showing = 0; showing < 2; ++showing) {
        form_->Hide();
        const int before = layouts_;
        form_->Show();
        EXPECT_EQ(layouts_, before + 1) << showing;
    }
}

TEST_F(ElasticForm, ALargerScreenGivesAProportionallyLargerWindow) {
    Shown({1936, 1056});
    EXPECT_EQ(Outer(), QRect(479, 272, 977, 512));
    // The client area 969 x 478 against the reference 965 x 477.
    const QRect figure = Bounds("shpShape1");
    EXPECT_EQ(figure, QRect(117, 52, 257, 174));
    EXPECT_EQ(Bounds("pnlTop").width(), 969);
    EXPECT_EQ(Find<TLabel>("lblInstructions")->Font()->Size(), 15);
}

TEST_F(ElasticForm, ControlsFollowOnlyASizeChangeOfMoreThanFivePixels) {
    Shown({1288, 1032});
    EndStartPhase();
    const int before = layouts_;
    ResizeOuter(655, 505);
    EXPECT_EQ(layouts_, before);
    EXPECT_EQ(Bounds("shpShape1"), QRect(78, 51, 170, 170));
    ResizeOuter(656, 500);
    EXPECT_EQ(layouts_, before + 1);
    // rx = 648 / 642.
    EXPECT_EQ(Bounds("shpShape1"), QRect(79, 51, 172, 170));
}

TEST_F(ElasticForm, InTheStartPhaseASizeChangeSnapsBack) {
    Shown({1288, 1032});
    ResizeOuter(800, 600);
    EXPECT_EQ(Outer(), QRect(319, 266, 650, 500));
}

TEST_F(ElasticForm, RoundingRulesStayApart) {
    struct Case {
        double value;
        int bounds, font;
    };
    // Bounds go to the even neighbour at a half; fonts go down at a half and up above it.
    for (const Case c : {Case{2.5, 2, 2}, Case{1.5, 2, 1}, Case{8.5, 8, 8}, Case{17 * 0.51, 9, 9},
                         Case{8.49, 8, 8}, Case{3.5, 4, 3}, Case{-2.5, -2, -2}}) {
        EXPECT_EQ(TElasticForm::Round(c.value), c.bounds) << c.value;
        EXPECT_EQ(TElasticForm::FontRound(c.value), c.font) << c.value;
    }
}

TEST_F(ElasticForm, HalvedClientRoundsBoundsToTheEvenNeighbour) {
    Shown({1288, 1032});
    EndStartPhase();
    ResizeOuter(321 + 8, 233 + 34);
    // Left 5 and width 3 at ratio 0.5: 2.5 and 1.5 both give 2; top 3 and height 5: 1.5 -> 2, 2.5 -> 2.
    EXPECT_EQ(Bounds("shpProbe"), QRect(2, 2, 2, 2));
    EXPECT_EQ(Bounds("shpShape1"), QRect(39, 26, 85, 85));
}

TEST_F(ElasticForm, ABorderDragLaysTheControlsOutOnceWhenItEnds) {
    Shown({1288, 1032});
    EndStartPhase();
    const int before = layouts_;
    form_->Perform(WM_ENTERSIZEMOVE);
    for (int width : {700, 760, 820, 963}) {
        form_->Perform(WM_SIZING);
        ResizeOuter(width, 733);
        EXPECT_EQ(Bounds("shpShape1"), QRect(78, 51, 170, 170)) << "during the drag, at " << width;
    }
    EXPECT_EQ(layouts_, before);
    form_->Perform(WM_EXITSIZEMOVE);
    EXPECT_EQ(layouts_, before + 1);
    // 955 x 699 client: rx = 1.4875..., ry = 1.5.
    EXPECT_EQ(Bounds("shpShape1"), QRect(116, 76, 253, 255));
    EXPECT_TRUE(Find<TControl>("pnlMid")->isVisible());
}

TEST_F(ElasticForm, AChangedScreenScalesTheWindowAndItsControls) {
    Shown({1288, 1032});
    EndStartPhase();
    const int before = layouts_;
    form_->Perform(WM_DISPLAYCHANGE, 0, MakeSizeParam(1936, 1056));
    EXPECT_EQ(Outer(), QRect(479, 272, 977, 512));
    EXPECT_EQ(elastic_->DesignScreenWidth, 1936);
    EXPECT_GT(layouts_, before);
    EXPECT_EQ(Bounds("shpShape1").width(), 257); // 170 x 969 / 642
    EXPECT_TRUE(Find<TControl>("pnlTop")->Visible());
}

TEST_F(ElasticForm, ElasticFontOffScalesBoundsButNotFonts) {
    Shown({1288, 1032}, [](TElasticForm& e) { e.ElasticFont = false; });
    EndStartPhase();
    ResizeOuter(1292, 966);
    EXPECT_EQ(Bounds("shpShape1"), QRect(156, 102, 340, 340));
    EXPECT_EQ(Find<TLabel>("lblInstructions")->Font()->Size(), 15);
}

TEST_F(ElasticForm, FontsScaleWithTheSmallerRatio) {
    Shown({1288, 1032});
    EndStartPhase();
    ResizeOuter(1292, 966);
    // min(1292 / 642, 966 / 466) x 8 = 16.1: the form font 16, the label 15 x 2.0125 = 30.2 -> 30.
    EXPECT_EQ(elastic_->Font()->Size(), 16);
    EXPECT_EQ(Find<TLabel>("lblInstructions")->Font()->Size(), 30);
    EXPECT_GT(Bounds("lblInstructions").width(), 300);
}

TEST_F(ElasticForm, ALabelThatDoesNotFitItsTextGrowsButNeverShrinksBelowItsScaledSize) {
    Make({1288, 1032});
    auto* label = Find<TLabel>("lblInstructions");
    label->SetAutoSize(false);
    label->SetBounds(30, 31, 400, 40);
    form_->Show();
    EndStartPhase();
    ResizeOuter(1292, 966);
    // Twice as large: the scaled 800 x 80 is kept, the text fits inside.
    EXPECT_EQ(Bounds("lblInstructions"), QRect(60, 62, 800, 80));
    EXPECT_FALSE(label->AutoSize());
    label->SetBounds(60, 62, 20, 10);
    ResizeOuter(1300, 966);
    // Taken back at 10 x 5, scaled to about 20 x 10: the text is wider and taller, so it grows.
    const QRect grown = Bounds("lblInstructions");
    EXPECT_GT(grown.width(), 200);
    EXPECT_GT(grown.height(), 30);
}

TEST_F(ElasticForm, WithoutResolutionIndependenceTheWindowStartsAtItsDesignSize) {
    Shown({1936, 1056}, [](TElasticForm& e) { e.ResolutionIndependence = false; });
    EXPECT_EQ(Outer(), QRect(643, 278, 650, 500));
    EXPECT_EQ(Bounds("shpShape1"), QRect(78, 51, 170, 170));
}

TEST_F(ElasticForm, SizeLimitsOnlyWhenSet) {
    Shown({1936, 1056});
    TMinMaxInfo info;
    info.MaxTrackSizeX = info.MaxTrackSizeY = 5000;
    const TMinMaxInfo untouched = info;
    form_->Perform(WM_GETMINMAXINFO, 0, reinterpret_cast<std::intptr_t>(&info));
    EXPECT_EQ(info.MinTrackSizeX, untouched.MinTrackSizeX);
    EXPECT_EQ(info.MaxTrackSizeX, untouched.MaxTrackSizeX);

    form_.reset();
    Shown({1936, 1056}, [](TElasticForm& e) { e.MinimumTrackWidth = -50; });
    form_->Perform(WM_GETMINMAXINFO, 0, reinterpret_cast<std::intptr_t>(&info));
    EXPECT_EQ(info.MinTrackSizeX, 968);
    EXPECT_EQ(info.MinTrackSizeY, 0);
    // The form itself refuses to become narrower.
    EXPECT_EQ(form_->minimumWidth() + 8, 968);
}

TEST_F(ElasticForm, MaintainProportionsLimitsAndDragResult) {
    Shown({1936, 1056}, [](TElasticForm& e) { e.MaintainProportions = true; });
    EXPECT_EQ(elastic_->MaximumTrackHeight, 1051);
    EXPECT_EQ(elastic_->MaximumTrackWidth, 1366);
    TMinMaxInfo info;
    form_->Perform(WM_GETMINMAXINFO, 0, reinterpret_cast<std::intptr_t>(&info));
    EXPECT_EQ(QSize(info.MaxTrackSizeX, info.MaxTrackSizeY), QSize(1366, 1051));
    EXPECT_EQ(QSize(info.MaxSizeX, info.MaxSizeY), QSize(1366, 1051));

    // A drag from 977 x 512 that widens most keeps the height in proportion.
    EndStartPhase();
    form_->Perform(WM_ENTERSIZEMOVE);
    form_->Perform(WM_SIZING);
    ResizeOuter(1100, 530);
    form_->Perform(WM_EXITSIZEMOVE);
    EXPECT_EQ(Outer().size(), QSize(1100, 576));
}

TEST_F(ElasticForm, BackgroundPictureIsTiledWithSharedEdges) {
    Make({1288, 1032});
    auto* image = new TImage(form_.get());
    image->SetParent(form_.get());
    QImage tile(100, 100, QImage::Format_RGB32);
    tile.fill(Qt::green);
    tile.setPixel(0, 0, qRgb(255, 0, 0));
    image->Picture()->Bitmap()->SetImage(tile);
    elastic_->SetBkGrndImage(image);
    EXPECT_FALSE(image->Visible());
    for (const char* name : {"pnlTop", "pnlMid", "pnlBottom"})
        Find<TControl>(name)->SetVisible(false);
    form_->Show();
    EndStartPhase();
    ResizeOuter(250 + 8, 120 + 34);
    const QImage shot = form_->grab().toImage();
    ASSERT_EQ(shot.size(), QSize(250, 120));
    for (int x : {0, 99, 198})
        for (int y : {0, 99})
            EXPECT_EQ(shot.pixel(x, y), qRgb(255, 0, 0)) << x << "," << y;
    EXPECT_EQ(shot.pixel(100, 0), qRgb(0, 255, 0));
    EXPECT_EQ(shot.pixel(249, 119), qRgb(0, 255, 0));
}

TEST_F(ElasticForm, CodeThatMovesAControlBetweenLayoutsKeepsItsPlace) {
    Shown({1288, 1032});
    EndStartPhase();
    Find<TControl>("shpShape1")->SetBounds(300, 100, 170, 170);
    ResizeOuter(1292, 966);
    EXPECT_EQ(Bounds("shpShape1"), QRect(600, 200, 340, 340));
}

// A level opened on the full-screen backdrop is maximized before it is first shown; its
// aligned and anchored controls must still be measured where the layout put them, or the
// next size changes carry them off the window.
TEST_F(ElasticForm, AWindowMaximizedBeforeItsFirstShowingKeepsItsControlsThroughStateChanges) {
    TForm* form = Make({1288, 1032});
    form->SetWindowState(wsMaximized);
    form->Show();
    auto expectAllOnTheWindow = [&](const char* step) {
        const QRect client(QPoint(0, 0), form->geometry().size());
        EXPECT_EQ(Bounds("pnlTop").width(), client.width()) << step;
        EXPECT_EQ(Bounds("pnlBottom").width(), client.width()) << step;
        TControl* button = Find<TControl>("btnRandomize");
        EXPECT_TRUE(button->isVisible()) << step;
        const QRect onForm(button->mapTo(form, QPoint(0, 0)), button->size());
        EXPECT_TRUE(client.contains(onForm)) << step << ": button at " << onForm.x() << "," << onForm.y()
                                             << " on a window " << client.width() << " wide";
        // Right-anchored: it keeps its designed distance from the right edge, scaled.
        EXPECT_NEAR(client.right() - onForm.right(), 10.0 * client.width() / 642, 3.0) << step;
    };
    expectAllOnTheWindow("opened maximized");
    const char* const steps[] = {"restored", "maximized", "restored again", "maximized again"};
    for (int i = 0; i < 4; ++i) {
        form->SetWindowState(i % 2 == 0 ? wsNormal : wsMaximized);
        QCoreApplication::processEvents();
        expectAllOnTheWindow(steps[i]);
    }
}

class ElasticFormState : public ElasticForm {
protected:
    void SetUp() override {
        ElasticForm::SetUp();
        ASSERT_TRUE(config_.isValid());
        savedConfig_ = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit());
    }
    void TearDown() override {
        ElasticForm::TearDown();
        qputenv("XDG_CONFIG_HOME", savedConfig_);
    }
    static void Keyed(TElasticForm& e) { e.ElFrmIniFile = QStringLiteral("Tovimar\\..\\Elastic"); }
    QString StoreFile() const { return config_.filePath(QStringLiteral("Tovimar/Elastic.ini")); }

    QTemporaryDir config_;
    QByteArray savedConfig_;
};

TEST_F(ElasticFormState, NothingIsStoredWithoutAKey) {
    Shown({1288, 1032});
    EndStartPhase();
    ResizeOuter(800, 600);
    EXPECT_TRUE(QDir(config_.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

TEST_F(ElasticFormState, TheWindowComesBackWhereItWasLeft) {
    Shown({1288, 1032}, Keyed);
    EndStartPhase();
    ResizeOuter(800, 600);
    form_->Perform(WM_SYSCOMMAND, SC_CLOSE);
    form_.reset();
    ASSERT_TRUE(QFile::exists(StoreFile()));
    QSettings store(StoreFile(), QSettings::IniFormat);
    EXPECT_EQ(store.value(QStringLiteral("frmTest/Total Controls")).toInt(), 7);
    EXPECT_EQ(store.value(QStringLiteral("frmTest/Window State")).toInt(), 0);

    Shown({1288, 1032}, Keyed);
    EXPECT_EQ(Outer(), QRect(319, 266, 800, 600));
}

TEST_F(ElasticFormState, ASavedStateForAnotherControlCountIsIgnored) {
    {
        QSettings store(StoreFile(), QSettings::IniFormat);
        store.beginGroup(QStringLiteral("frmTest"));
        store.setValue(QStringLiteral("Total Controls"), 6);
        store.setValue(QStringLiteral("Left"), 0.0);
        store.setValue(QStringLiteral("Width"), 0.9);
        store.setValue(QStringLiteral("Visible 0"), false);
    }
    Shown({1288, 1032}, Keyed);
    EXPECT_EQ(Outer(), QRect(319, 266, 650, 500));
    EXPECT_TRUE(Find<TControl>("pnlTop")->Visible());
}

TEST(ElasticFormErrors, OwnerMustBeAFormAndHoldOnlyOne) {
    EnsureQtApp();
    TComponent notAForm(nullptr);
    try {
        TElasticForm elastic(&notAForm);
        ADD_FAILURE() << "no error for an owner that is not a form";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "Owner of TElasticForm component must be a form");
    }
    TForm form(nullptr);
    form.SetName(QStringLiteral("frmLevel"));
    new TElasticForm(&form);
    try {
        new TElasticForm(&form);
        ADD_FAILURE() << "no error for a second component";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "A TElasticForm component already exists in frmLevel");
    }
}

} // namespace

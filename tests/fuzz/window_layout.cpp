// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target for the program's window layouts: arbitrary text read into a window with every
// component class of the program registered (controls, transitions, sound, version reader) and
// every event handler the windows publish, then drawn off-screen. The root object's class is
// taken as this window's, so the shipped layouts serve as seeds unchanged. Only ELayoutError
// may leave the reader.
#include "app/Registration.h"
#include "framework/Forms.h"
#include "framework/LayoutReader.h"

#include <QApplication>
#include <QPixmap>

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

class TfrmFuzz : public TForm {
    Q_OBJECT

public:
    using TForm::TForm;

public Q_SLOTS:
    void FormShow(TObject*) {}
    void FormClose(TObject*, TCloseAction&) {}
    void TimerTimer(TObject*) {}
    void Transition1AfterTransition(TObject*) {}
    void Transition1EndTransition(TObject*) {}
    void btnBackClick(TObject*) {}
    void btnColors1Click(TObject*) {}
    void btnColors2Click(TObject*) {}
    void btnColors3Click(TObject*) {}
    void btnColorsClick(TObject*) {}
    void btnExitClick(TObject*) {}
    void btnFinishClick(TObject*) {}
    void btnMusic1Click(TObject*) {}
    void btnMusic2Click(TObject*) {}
    void btnMusic3Click(TObject*) {}
    void btnMusic4Click(TObject*) {}
    void btnMusicClick(TObject*) {}
    void btnPlayClick(TObject*) {}
    void btnRandomizeClick(TObject*) {}
    void btnShapes1Click(TObject*) {}
    void btnShapes2Click(TObject*) {}
    void btnShapesClick(TObject*) {}
    void lblAClick(TObject*) {}
    void lblBClick(TObject*) {}
    void lblC2Click(TObject*) {}
    void lblDClick(TObject*) {}
    void lblEClick(TObject*) {}
    void lblFClick(TObject*) {}
    void lblGClick(TObject*) {}
    void shpShape1MouseDown(TObject*, TMouseButton, TShiftState, int, int) {}
    void shpShape2MouseDown(TObject*, TMouseButton, TShiftState, int, int) {}
    void shpShape3MouseDown(TObject*, TMouseButton, TShiftState, int, int) {}
    void shpShape4MouseDown(TObject*, TMouseButton, TShiftState, int, int) {}
    void shpShape5MouseDown(TObject*, TMouseButton, TShiftState, int, int) {}
    void shpShape6MouseDown(TObject*, TMouseButton, TShiftState, int, int) {}
};

namespace {

// "object frmMain: TfrmMain" on the first line becomes "object frmMain: TfrmFuzz".
QByteArray AsFuzzWindow(QByteArray text) {
    const qsizetype lineEnd = text.indexOf('\n') < 0 ? text.size() : text.indexOf('\n');
    const qsizetype colon = text.indexOf(':');
    if (colon < 0 || colon >= lineEnd)
        return text;
    qsizetype start = colon + 1;
    while (start < lineEnd && text[start] == ' ')
        ++start;
    qsizetype end = start;
    while (end < lineEnd && (std::isalnum(static_cast<unsigned char>(text[end])) || text[end] == '_'))
        ++end;
    return text.replace(start, end - start, "TfrmFuzz");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    static QApplication application(*argc, *argv);
    RegisterAllClasses();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray text = AsFuzzWindow(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    auto window = std::make_unique<TfrmFuzz>(nullptr);
    try {
        ReadLayoutText(window.get(), text, QStringLiteral("fuzz.layout"));
    } catch (const ELayoutError& error) {
        if (error.Message.isEmpty())
            __builtin_trap();
        return 0;
    }
    // Drawing every control checks the values the layout set; a window too large to draw is
    // not this target's concern.
    if (qint64(window->width()) * window->height() <= 1024 * 1024)
        window->grab();
    return 0;
}

#include "window_layout.moc"

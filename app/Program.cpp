// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Program.h"
#include "app/Backdrop.h"
#include "app/Language.h"
#include "app/Registration.h"
#include "app/Settings.h"
#include "app/uColors_All.h"
#include "app/uColors_BlackWhite.h"
#include "app/uColors_BlueRedYellow.h"
#include "app/uMain.h"
#include "app/uMusic_EFGABCD.h"
#include "app/uMusic_FAC.h"
#include "app/uMusic_FC.h"
#include "app/uMusic_FGABC.h"
#include "app/uReward.h"
#include "app/uShapes_CircleTriangle.h"
#include "app/uShapes_CircleTriangleSquare.h"
#include "framework/Forms.h"
#include "framework/LayoutReader.h"
#include "transitions/TransEff.h"

#include "platform/DataFolders.h"
#include "platform/Volume.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QTimer>

#include <malloc.h>

namespace {

const QString SettingsOption = QStringLiteral("--settings");
const QString FullScreenOption = QStringLiteral("--full-screen");
constexpr int SettingsRetryMs = 50;

} // namespace

TStartOptions TStartOptions::From(const QStringList& arguments) {
    TStartOptions options;
    options.Settings = arguments.contains(SettingsOption);
    options.FullScreen = arguments.contains(FullScreenOption);
    return options;
}

QStringList TStartOptions::Requests() const {
    QStringList requests;
    if (FullScreen)
        requests << FullScreenOption;
    if (Settings)
        requests << SettingsOption;
    return requests;
}

static void LoadResources() {
    Q_INIT_RESOURCE(resources);
}

// The installed font file comes first, so that the system's copy is the one in use; the program
// carries its own for when it runs without its data folder.
static void LoadMusicFont() {
    const QString installed = FindProgramDataFile(QStringLiteral("fonts/MusiTone.ttf"));
    if (installed.isEmpty() || QFontDatabase::addApplicationFont(installed) < 0)
        QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/MusiTone.ttf"));
}

void PrepareProgram(TApplication& application) {
    LoadResources();
    application.Initialize();
    LoadMusicFont();
    RegisterSymbolFont(QStringLiteral("MusiTone"));
    application.SetIcon(QIcon(QStringLiteral(":/pictures/mainicon.ico")));
    RegisterAllClasses();
}

void CreateWindows(TApplication& application) {
    application.CreateForm(frmMain);
    application.CreateForm(frmReward);
    application.CreateForm(frmColors_BlackWhite);
    application.CreateForm(frmColors_BlueRedYellow);
    application.CreateForm(frmColors_All);
    application.CreateForm(frmShapes_CircleTriangle);
    application.CreateForm(frmShapes_CircleTriangleSquare);
    application.CreateForm(frmMusic_EFGABCD);
    application.CreateForm(frmMusic_FC);
    application.CreateForm(frmMusic_FAC);
    application.CreateForm(frmMusic_FGABC);
}

void ReleaseStartUpMemory() {
    // Late enough not to hold up the main menu's first frame.
    QTimer::singleShot(200, [] { malloc_trim(0); });
}

static void ApplyVolumes() {
    const TParentSettings& values = Settings().Values();
    SetSoundVolume(TSoundKind::Voice, float(values.VoiceVolume) / TParentSettings::MaxVolume);
    SetSoundVolume(TSoundKind::Piano, float(values.PianoVolume) / TParentSettings::MaxVolume);
    SetSoundMuted(values.Muted);
}

// A window being shown raises itself once its transition ends, above anything shown meanwhile;
// the settings wait for that, so that they open in front.
static void ShowSettingsInFront() {
    if (TTransitionEffect::TransitionRunning()) {
        QTimer::singleShot(SettingsRetryMs, ShowSettingsInFront);
        return;
    }
    frmMain->ShowSettings();
}

void ReadSettings() {
    Settings().Open(TSettingsStore::DefaultFileName());
    // A change made just before the end is kept: at the program's end, and when the session ends
    // (its manager may end the game without waiting).
    QObject::connect(qGuiApp, &QCoreApplication::aboutToQuit, &Settings(), &TSettingsStore::Flush);
    QObject::connect(qGuiApp, &QGuiApplication::commitDataRequest, &Settings(), &TSettingsStore::Flush);
    UseLanguage(Settings().Values().Language);
}

void UseSettings(const TStartOptions& options) {
    ApplyVolumes();
    QObject::connect(&Settings(), &TSettingsStore::Changed, &Settings(), ApplyVolumes);
    QObject::connect(&Settings(), &TSettingsStore::Changed, &Settings(),
                     [] { UseLanguage(Settings().Values().Language); });
    frmMain->UseSettings();
    if (options.FullScreen || Settings().Values().FullScreen)
        FullScreenBackdrop().Switch(true);
    if (options.Settings)
        QTimer::singleShot(0, frmMain, ShowSettingsInFront);
}

void AnswerRequest(const QString& request) {
    if (request == FullScreenOption)
        FullScreenBackdrop().Switch(true);
    else if (request == SettingsOption)
        ShowSettingsInFront();
}

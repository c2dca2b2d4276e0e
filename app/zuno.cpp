// SPDX-License-Identifier: GPL-3.0-or-later
// The program entry: title, windows, message loop.
#include "app/Language.h"
#include "app/Program.h"
#include "app/SingleInstance.h"
#include "framework/ErrorReport.h"
#include "framework/Forms.h"
#include "framework/Guard.h"

#include <QTranslator>

#include <malloc.h>

int main(int argc, char** argv) {
    // Qt's, the sound's and the preload's threads allocate little: one heap for all of them, instead
    // of a heap per thread that keeps its pages.
    mallopt(M_ARENA_MAX, 1);
    const std::unique_ptr<QTranslator> startMessages = DesktopTranslator();
    SetStartMessageTranslator(startMessages.get());
    TApplication application(argc, argv);
    SetStartMessageTranslator(nullptr);
    const TStartOptions options = TStartOptions::From(QCoreApplication::arguments());
    if (AskRunningGame(options.Requests()))
        return 0;
    try {
        PrepareProgram(application);
        application.SetTitle(QStringLiteral("Tovimar Plumkin"));
        ReadSettings();
        CreateWindows(application);
        UseSettings(options);
        AnswerLaterStarts([](const QStringList& requests) {
            for (const QString& request : requests)
                Guarded([&] { AnswerRequest(request); });
        });
        ReleaseStartUpMemory();
    } catch (const std::exception& error) {
        application.HandleException(error);
        return 1;
    }
    return application.Run();
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The program entry: title, windows, message loop.
#include "app/Program.h"
#include "app/SingleInstance.h"
#include "framework/Forms.h"

int main(int argc, char** argv) {
    TApplication application(argc, argv);
    if (AskRunningGame())
        return 0;
    try {
        PrepareProgram(application);
        application.SetTitle(QStringLiteral("Tovimar Plumkin"));
        CreateWindows(application);
        AnswerLaterStarts();
        WarmUpSound();
    } catch (const std::exception& error) {
        application.HandleException(error);
        return 1;
    }
    return application.Run();
}

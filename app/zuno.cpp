// The program entry: title, windows, message loop.
#include "app/Program.h"
#include "framework/Forms.h"

int main(int argc, char** argv) {
    TApplication application(argc, argv);
    try {
        PrepareProgram(application);
        application.SetTitle(QStringLiteral("Tovimar Plumkin"));
        CreateWindows(application);
        WarmUpSound();
    } catch (const std::exception& error) {
        application.HandleException(error);
        return 1;
    }
    return application.Run();
}

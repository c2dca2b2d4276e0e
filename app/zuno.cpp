// The program entry: title, windows, message loop.
#include "app/Program.h"
#include "framework/Forms.h"

int main(int argc, char** argv) {
    TApplication application(argc, argv);
    PrepareProgram(application);
    application.SetTitle(QStringLiteral("Tovimar Plumkin"));
    CreateWindows(application);
    return application.Run();
}

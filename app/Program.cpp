#include "app/Program.h"
#include "app/Registration.h"
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

#include <QFontDatabase>

static void LoadResources() { Q_INIT_RESOURCE(resources); }

void PrepareProgram(TApplication& application) {
    LoadResources();
    application.Initialize();
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/MusiTone.ttf"));
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

// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Registration.h"
#include "controls/RegisterControls.h"
#include "controls/RzStatus.h"
#include "framework/LayoutReader.h"
#include "framework/StdCtrls.h"
#include "pictures/GIFImage.h"
#include "sound/MidiGen.h"
#include "sound/abfComponents.h"
#include "transitions/teForm.h"

void RegisterAllClasses() {
    RegisterStandardClasses();
    RegisterControlClasses();
    RegisterTransitionClasses();
    RegisterComponentClass<TRzVersionInfo>();
    RegisterComponentClass<TabfWav>();
    RegisterComponentClass<TMidiGen>();
    TGIFImage::Register();
}

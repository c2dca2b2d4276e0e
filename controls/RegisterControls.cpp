// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/RegisterControls.h"

#include "controls/ElastFrm.h"
#include "controls/RzBckgnd.h"
#include "controls/RzLabel.h"
#include "controls/RzPanel.h"
#include "controls/RzRadChk.h"
#include "controls/RzStatus.h"
#include "controls/Shapes.h"
#include "controls/XiButton.h"
#include "controls/XiPanel.h"
#include "framework/LayoutReader.h"

void RegisterControlClasses() {
    RegisterComponentClass<TSquareShape>();
    RegisterComponentClass<TCircleShape>();
    RegisterComponentClass<TTriangleShape>();
    RegisterComponentClass<TXiButton>();
    RegisterComponentClass<TXiPanel>();
    RegisterComponentClass<TRzPanel>();
    RegisterComponentClass<TRzBackground>();
    RegisterComponentClass<TRzLabel>();
    RegisterComponentClass<TRzURLLabel>();
    RegisterComponentClass<TRzCheckBox>();
    RegisterComponentClass<TRzVersionInfo>();
    RegisterComponentClass<TElasticForm>();
}

// The MDI tabs bar's list and hidden-tab buttons: menu speed buttons that
// the skinned controls make for the bar, which cannot name them itself.
#pragma once

#include "skin/SkinMDITabs.h"

// A button for Bar as the bar's button maker describes it.
TControl* MakeMDITabsMenuButton(TspSkinMDITabsBar* Bar, bool Hidden);
void SetMDITabsMenuButtonSkinData(TControl* Button, TspSkinData* SkinData);

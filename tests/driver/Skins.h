// The skins a driver run switches among: the built-in one, the build's skin
// files, and none.
#pragma once

class TDriver;

int SkinCount();
// Loads skin Index (SkinCount() - 1 is none: the skin data cleared) into the shared skin data.
void SwitchSkin(TDriver& D, int Index);

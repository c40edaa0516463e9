// The skins a driver run switches among: the built-in one, the build's skin
// files, and none.
#pragma once

class TDriver;
class TspSkinData;

int SkinCount();
// Loads skin Index (SkinCount() - 1 is none: the skin data cleared) into the shared skin data.
void SwitchSkin(TDriver& D, int Index);
// Loads skin Index (below SkinCount() - 1) into Skin, a skin data of the driver's own.
void LoadSkinInto(TspSkinData* Skin, int Index);

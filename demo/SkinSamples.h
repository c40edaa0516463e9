// Pages of skinned controls: each shows the same samples three times side by
// side, under the built-in skin, under the dark skin and without a skin.
#pragma once

#include <vector>

#include "demo/GalleryPages.h"

// Builds one set of samples on Parent (a column kSampleColumnWidth wide) with
// its top-left at (X, Y), each
// control bound to SkinData (nullptr: the default look); returns the y below
// the last sample.
using TSampleBuilder = int (*)(TWinControl* Parent, TspSkinData* SkinData, int X, int Y);

// The skins the sample columns wear; a column whose skin could not be loaded
// says why.
struct TSampleSkins {
  TspSkinData* BuiltIn = nullptr;
  TspSkinData* Dark = nullptr;
  String BuiltInError, DarkError;
};

constexpr int kSampleColumnWidth = 290;

class TSkinSamplesPage : public TGalleryPage {
 public:
  TSkinSamplesPage(TComponent* AOwner, const TSampleSkins& Skins, const std::vector<TSampleBuilder>& Builders);
  String ClassName() const override { return L"TSkinSamplesPage"; }

 protected:
  void DrawPage(TCanvas* Canvas) override;

 private:
  TSampleSkins FSkins;
};

// Sample builders of the skinned controls.
int BuildPanelSamples(TWinControl* Parent, TspSkinData* SkinData, int X, int Y);
int BuildLabelSamples(TWinControl* Parent, TspSkinData* SkinData, int X, int Y);
int BuildMenuSamples(TWinControl* Parent, TspSkinData* SkinData, int X, int Y);
int BuildEditSamples(TWinControl* Parent, TspSkinData* SkinData, int X, int Y);
int BuildButtonSamples(TWinControl* Parent, TspSkinData* SkinData, int X, int Y);
int BuildBarSamples(TWinControl* Parent, TspSkinData* SkinData, int X, int Y);
int BuildToolBarSamples(TWinControl* Parent, TspSkinData* SkinData, int X, int Y);
int BuildColorSamples(TWinControl* Parent, TspSkinData* SkinData, int X, int Y);
int BuildPasswordSamples(TWinControl* Parent, TspSkinData* SkinData, int X, int Y);
int BuildDateSamples(TWinControl* Parent, TspSkinData* SkinData, int X, int Y);
int BuildListSamples(TWinControl* Parent, TspSkinData* SkinData, int X, int Y);
int BuildViewSamples(TWinControl* Parent, TspSkinData* SkinData, int X, int Y);
int BuildComboSamples(TWinControl* Parent, TspSkinData* SkinData, int X, int Y);

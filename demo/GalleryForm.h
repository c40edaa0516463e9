// The gallery's main form: a skinned form wearing the built-in skin, with a
// header of controls and the skin switch, pages that show what the library
// draws, and a skinned status bar.
#pragma once

#include "classlib/ComCtrls.h"
#include "classlib/Forms.h"
#include "classlib/StdCtrls.h"
#include "demo/SkinSamples.h"
#include "skinctrls/SkinLabels.h"
#include "skinctrls/SkinPanels.h"
#include "skinctrls/SkinTabs.h"

class TGalleryForm : public TForm {
 public:
  // StartPage: the page shown first (0-based).
  TGalleryForm(TComponent* AOwner, int StartPage);
  String ClassName() const override { return L"TGalleryForm"; }

  enum TGallerySkin { gsBuiltIn, gsDark, gsNone };
  // Dresses the form, its header and status bar and the second window in
  // another skin, or in none.
  void SwitchSkin(TGallerySkin Skin);
  // Opens the MDI demo window in the gallery's skin.
  TCustomForm* ShowMDIDemo();
  TspSkinPageControl* Pages() const { return FPages; }

 private:
  void LoadSkins();
  void BuildHeader();
  void BuildSkinSwitch(TWinControl* Parent, int Left, int Top);
  void BuildControlRow(TWinControl* Parent, int Top);
  void BuildStatusBar();
  void BuildPages(int StartPage);
  void SetStatus(const String& Text) { FStatus->SetCaption(Text); }

  // The skin of the form, its header and status bar; the switch reloads it.
  TspSkinData* FMainSkin = nullptr;
  TspCompressedStoredSkin* FBuiltInStored = nullptr;
  // The fixed skins of the sample pages' columns.
  TSampleSkins FSampleSkins;
  TspSkinStdLabel* FStatus = nullptr;
  TspSkinPageControl* FPages = nullptr;
};

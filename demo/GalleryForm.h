// The gallery's main form: a row of controls that react to the mouse and the
// keyboard over a page control whose pages show what the library draws.
#pragma once

#include "classlib/ComCtrls.h"
#include "classlib/Forms.h"
#include "classlib/StdCtrls.h"

struct TSampleSkins;

class TGalleryForm : public TForm {
 public:
  // StartPage: the page shown first (0-based).
  TGalleryForm(TComponent* AOwner, int StartPage);
  String ClassName() const override { return L"TGalleryForm"; }

 private:
  void BuildControlRow();
  void BuildPages(int StartPage);
  // The skins the sample pages show their controls in.
  TSampleSkins LoadSampleSkins();
  void SetStatus(const String& Text) { FStatus->SetCaption(Text); }
  TLabel* FStatus = nullptr;
  TPageControl* FPages = nullptr;
};

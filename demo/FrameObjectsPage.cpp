// Page "Frame objects": opens a form in the Objects skin (skins\Objects.skn
// beside the program), whose frame carries one frame object of every kind,
// skin cursors and a tiled client background, and reports what its objects do.
#include "classlib/ExtCtrls.h"
#include "classlib/Forms.h"
#include "classlib/StdCtrls.h"
#include "demo/GalleryFrame.h"
#include "demo/GalleryPages.h"
#include "skin/SkinForm.h"
#include "skinctrls/SkinButtons.h"

namespace {

// The skin's cursors: the frame (0), buttons and switch (1), the track bar
// (2) and the regulator (3), after the skin's first cursor number.
void RegisterObjectCursors(TspSkinData* Skin) {
  const LPCWSTR cursors[] = {IDC_SIZEALL, IDC_HAND, IDC_SIZEWE, IDC_SIZENS};
  for (int i = 0; i < 4; ++i)
    Screen->SetCursors(static_cast<TCursor>(Skin->StartCursorIndex + i), LoadCursorW(nullptr, cursors[i]));
}

class TFrameObjectsPage : public TGalleryPage {
 public:
  explicit TFrameObjectsPage(TComponent* AOwner) : TGalleryPage(AOwner) {
    FSkin = new TspSkinData(this);
    try {
      FSkin->LoadFromCompressedFile(ProgramFolder() + L"skins\\Objects.skn");
    } catch (const Exception& e) {
      FError = e.Message();
    }
    auto* open = Place<TspSkinButton>(this, 20, 124, 220, 30);
    open->SetCaption(L"Open a form in the Objects skin");
    open->OnClick = [this](TObject*) { OpenForm(); };
  }
  String ClassName() const override { return L"TFrameObjectsPage"; }

  // The form in the Objects skin (for --shot with --objects).
  TCustomForm* OpenForm() {
    if (!FSkin || FSkin->Empty()) return nullptr;
    RegisterObjectCursors(FSkin);
    auto* form = new TForm(Application);
    form->SetCaption(L"Frame objects \x6846\x67B6\x5BF9\x8C61");
    form->SetBounds(160, 120, 560, 360);
    form->Font()->SetName(kChineseFont);
    form->OnClose = [](TObject*, TCloseAction& Action) { Action = caFree; };
    auto* frame = new TspSkinForm(form);
    frame->SetSkinData(FSkin);
    auto* report = Place<TLabel>(form, 16, 16, 520, 120);
    report->SetTransparent(true);
    // Wrapped before the text comes: a label sized to fit keeps its width
    // when it wraps, and would keep the single line's.
    report->SetWordWrap(true);
    report->SetCaption(L"Click the switch; drag the track bar (the gauge follows) and the dial up or down (the "
                       L"level follows); the square button rolls the form up.");
    frame->SetObjectValue(L"objtrack", 40);
    frame->SetObjectValue(L"objgauge", 40);
    frame->SetObjectValue(L"objknob", 25);
    frame->SetObjectValue(L"objlevel", 25);
    frame->OnObjectChange = [frame, report](TObject*, const String& Name) {
      const int value = frame->ObjectValue(Name);
      // The track bar drives the gauge, the regulator the level.
      if (Name == L"objtrack") frame->SetObjectValue(L"objgauge", value);
      if (Name == L"objknob") frame->SetObjectValue(L"objlevel", value);
      if (Name == L"objswitch") frame->SetObjectText(L"objlabel", value ? L"Switched on" : L"Objects");
      report->SetCaption(Name + L" = " + IntToStr(value));
    };
    form->Show();
    return form;
  }

 protected:
  void DrawPage(TCanvas* Canvas) override {
    DrawSectionTitle(Canvas, 20, 16, L"Frame objects \x6846\x67B6\x5BF9\x8C61");
    DrawNote(Canvas, 20, 48,
             L"The Objects skin's frame has a band under the client with an animation, an animation button, a "
             L"switch, a track bar,");
    DrawNote(Canvas, 20, 68,
             L"a label, a bit label, a frame gauge, a regulator, a gauge and a size grip; skin cursors over the "
             L"frame and its objects;");
    DrawNote(Canvas, 20, 88, L"a tiled client background; the MDI demo's Window menu puts on its stretched MDI background.");
    if (!FError.empty()) DrawNote(Canvas, 20, 120, L"skins\\Objects.skn: " + FError);
  }

 private:
  TspSkinData* FSkin = nullptr;
  String FError;
};

}  // namespace

TGalleryPage* NewFrameObjectsPage(TComponent* AOwner) {
  auto* page = new TFrameObjectsPage(AOwner);
  // --objects opens the form once the gallery shows (for screenshots).
  if (HasArgument(L"--objects")) {
    auto* timer = new TTimer(page);
    timer->SetInterval(400);
    timer->OnTimer = [page, timer](TObject*) {
      timer->SetEnabled(false);
      page->OpenForm();
    };
  }
  return page;
}

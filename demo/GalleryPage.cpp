#include "demo/GalleryPages.h"

#include <memory>

#include "classlib/ExtCtrls.h"
#include "classlib/Forms.h"
#include "components/fcCombo.h"

const wchar_t* const kChineseFont = L"WenQuanYi Micro Hei";

namespace {
const TGalleryLook kLightLook{MakeColor(246, 246, 250), MakeColor(40, 60, 100), MakeColor(60, 60, 70), clWindow,
                               clWindowText};
TGalleryLook gLook = kLightLook;
const TGalleryLook* gPainting = &kLightLook;  // the look of the page painting now
}  // namespace

const TGalleryLook& GalleryLook() { return *gPainting; }
const TGalleryLook& SkinLook() { return gLook; }

void SetGalleryLook(const TspSkinData* Skin) {
  if (!Skin || Skin->Empty() || !Skin->SkinColors) {
    gLook = kLightLook;
    return;
  }
  const TspSkinColors& c = *Skin->SkinColors;
  gLook = {ColorToRGB(c.cBtnFace), ColorToRGB(c.cHighLight), ColorToRGB(c.cBtnText), ColorToRGB(c.cWindow),
           ColorToRGB(c.cWindowText)};
}

TGalleryPage::TGalleryPage(TComponent* AOwner) : TCustomControl(AOwner) {
  SetControlStyle(ControlStyle() + TControlStyle{csAcceptsControls, csOpaque});
  SetAlign(alClient);
}

void TGalleryPage::LookChanged() {
  if (!FFollowsSkin) Font()->SetColor(clWindowText);
}

void TGalleryPage::Paint() {
  const TRect r = ClientRect();
  if (r.Width() <= 0 || r.Height() <= 0) return;
  TBitmap buffer;
  buffer.SetSize(r.Width(), r.Height());
  TCanvas* c = buffer.Canvas();
  gPainting = FFollowsSkin ? &gLook : &kLightLook;
  c->Brush()->SetColor(GalleryLook().Page);
  c->FillRect(r);
  c->Font()->Assign(Font());
  DrawPage(c);
  Canvas()->Draw(0, 0, &buffer);
}

String ProgramFolder() {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  String s(path);
  return s.substr(0, s.find_last_of(L"\\/") + 1);
}

void SettleGallery() {
  for (int i = 0; i < 3; ++i) {
    Application->ProcessMessages();
    Sleep(1);
  }
}

String LoadGalleryPhoto(TBitmap& Photo) {
  try {
    Photo.LoadFromFile(ProgramFolder() + L"gallery.bmp");
  } catch (const Exception& e) {
    return e.Message();
  }
  return String();
}

void DrawSectionTitle(TCanvas* Canvas, int X, int Y, const String& Text) {
  Canvas->Font()->SetName(L"Tahoma");
  Canvas->Font()->SetHeight(-12);
  Canvas->Font()->SetStyle({fsBold});
  Canvas->Font()->SetColor(GalleryLook().Title);
  Canvas->Font()->SetOrientation(0);
  Canvas->Brush()->SetStyle(bsClear);
  Canvas->TextOut(X, Y, Text);
  Canvas->Font()->SetStyle({});
}

void DrawNote(TCanvas* Canvas, int X, int Y, const String& Text) {
  Canvas->Font()->SetName(L"Tahoma");
  Canvas->Font()->SetHeight(-11);
  Canvas->Font()->SetStyle({});
  Canvas->Font()->SetColor(GalleryLook().Note);
  Canvas->Brush()->SetStyle(bsClear);
  Canvas->TextOut(X, Y, Text);
}

void DragOnceShown(TComponent* Owner, TControl* From, TPoint FromPoint, TControl* To, TPoint ToPoint) {
  // Real mouse input, a step every tick: the press, then moves towards the
  // target; the button stays down, so that a screenshot shows the drag.
  constexpr int kSteps = 8;
  auto* timer = new TTimer(Owner);
  timer->SetInterval(1500);
  auto step = std::make_shared<int>(0);
  timer->OnTimer = [=](TObject*) {
    // Only the page on show drags.
    if (*step == 0 && !(From->IsShowing() && To->IsShowing())) {
      timer->SetEnabled(false);
      return;
    }
    timer->SetInterval(60);
    const TPoint a = From->ClientToScreen(FromPoint), b = To->ClientToScreen(ToPoint);
    const int i = (*step)++;
    const TPoint p(a.X + (b.X - a.X) * i / kSteps, a.Y + (b.Y - a.Y) * i / kSteps);
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | (i == 0 ? MOUSEEVENTF_LEFTDOWN : 0);
    in.mi.dx = p.X * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    in.mi.dy = p.Y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    SendInput(1, &in, sizeof in);
    if (i == kSteps) timer->SetEnabled(false);
  };
  timer->SetEnabled(true);
}

void DropDownOnceShown(TComponent* Owner, TfcCustomCombo* Combo) {
  auto* timer = new TTimer(Owner);
  timer->SetInterval(1500);
  timer->OnTimer = [timer, Combo](TObject*) {
    timer->SetEnabled(false);
    if (!Combo->CanFocus()) return;
    Combo->SetFocus();
    Combo->DropDown();
  };
  timer->SetEnabled(true);
}

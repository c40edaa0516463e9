// TspSkinHintWindow: the hint window drawn from the skin's [HINTWINDOW]
// record or as a plain info box, with an optional bold title and image.
#include <algorithm>

#include "skin/SPUtils_compose.h"
#include "skin/SPUtils_draw.h"
#include "skin/SPUtils_platform.h"
#include "skin/SPUtils_region.h"
#include "skin/SPUtils_text.h"
#include "skin/speffbmp.h"
#include "skinctrls/SkinHint.h"
#include "skinctrls/SkinMenus.h"

namespace {

// Through the canvas, so that its font and clear brush are in force.
TSize MeasureText(TCanvas* C, const String& Text) {
  TRect r(0, 0, 0, 0);
  DrawWideText(C, Text, r, DT_CALCRECT);
  return {r.Width(), r.Height()};
}

void DrawTextAt(TCanvas* C, const String& Text, int X, int Y) {
  const TSize s = MeasureText(C, Text);
  TRect r(X, Y, X + s.cx, Y + s.cy);
  DrawWideText(C, Text, r, 0);
}

}  // namespace

TspSkinHintWindow::TspSkinHintWindow(TComponent* AOwner) : THintWindow(AOwner) {}

TspSkinHintWindow::~TspSkinHintWindow() {
  Use(nullptr, nullptr);
  if (FRgn) DeleteObject(FRgn);
}

void TspSkinHintWindow::Use(TspSkinHint* Hint, TspSkinData* SkinData) {
  if (FHint != Hint) {
    if (FHint) FHint->RemoveFreeNotification(this);
    if (Hint) Hint->FreeNotification(this);
  }
  if (FSkinData != SkinData) {
    if (FSkinData) FSkinData->RemoveFreeNotification(this);
    if (SkinData) SkinData->FreeNotification(this);
  }
  FHint = Hint;
  FSkinData = SkinData;
}

void TspSkinHintWindow::Notification(TComponent* AComponent, TOperation Operation) {
  THintWindow::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FSkinData) Use(FHint, nullptr);  // the plain look from here on
  if (AComponent != FHint) return;
  // The hint shown follows settings that are gone: it goes with them.
  Use(nullptr, nullptr);
  if (HandleAllocated()) ShowWindow(FHandle, SW_HIDE);
  FVisible = false;
}

void TspSkinHintWindow::CreateParams(TCreateParams& Params) {
  THintWindow::CreateParams(Params);
  Params.Style &= ~static_cast<DWORD>(WS_BORDER);
  if (IsWindowsXPOrLater()) Params.WindowClass.style |= CS_DROPSHADOW;
}

void TspSkinHintWindow::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_NCPAINT:
      return;
    case WM_ERASEBKGND:
      Message.Result = 1;
      return;
    default:
      THintWindow::Dispatch(Message);
  }
}

void TspSkinHintWindow::SetupFont(TFont* Font) const {
  const TspDataSkinHintWindow* d = FSkinData ? FSkinData->HintWindow.get() : nullptr;
  if (d && FHint->UseSkinFont()) {
    Font->SetHeight(d->FontHeight);
    Font->SetName(d->FontName);
    Font->SetStyle(d->FontStyle);
  } else {
    Font->Assign(FHint->DefaultFont());
  }
  TspSkinData* sd = FHint->SkinData();
  Font->SetCharset(sd && sd->ResourceStrData() ? sd->ResourceStrData()->CharSet() : FHint->DefaultFont()->Charset());
}

bool TspSkinHintWindow::ImageInRange() const {
  return FHint->HintImageList && FHint->HintImageIndex >= 0 && FHint->HintImageIndex < FHint->HintImageList->Count();
}

void TspSkinHintWindow::ActivateHint(const TRect& ARect, const String& AHint) {
  TspSkinHint* hint = TspSkinHint::Serving();
  if (!hint) return;
  TspSkinData* sd = hint->SkinData();
  TBitmap* picture =
      sd && !sd->Empty() && sd->HintWindow->WindowPictureIndex != -1 ? ActivePictureOf(sd, sd->HintWindow->WindowPictureIndex) : nullptr;
  Use(hint, picture ? sd : nullptr);
  FTitleVariant = !FHint->HintTitle.empty() || FHint->HintImageList;
  SetupFont(Font());
  SetCaption(SplitHintLines(AHint, FHint->LineSeparator()));

  TBitmap measure;
  measure.SetSize(1, 1);
  TCanvas* mc = measure.Canvas();
  mc->Font()->Assign(Font());
  TSize text = MeasureText(mc, Caption());
  int w = text.cx, h = text.cy;
  if (FTitleVariant) {
    int titleHeight = 0;
    if (!FHint->HintTitle.empty()) {
      const TSize t = MeasureText(mc, FHint->HintTitle);
      titleHeight = t.cy;
      h += titleHeight + 10;
      w = std::max(w, t.cx);
    }
    if (ImageInRange()) {
      w += FHint->HintImageList->Width() + 10;
      h = std::max(h, FHint->HintImageList->Height() + titleHeight + 5);
    }
  }
  TspHintFrame frame;
  if (FSkinData) {
    const TspDataSkinHintWindow& d = *FSkinData->HintWindow;
    frame = {d.LTPoint, d.RTPoint, d.LBPoint, d.RBPoint, d.ClRect, picture->Width(), picture->Height()};
  }
  FSize = CalcHintSize(w, h, FTitleVariant, FSkinData ? &frame : nullptr);

  TRect bounds;
  TCustomForm* active = Screen->ActiveForm();
  TCustomForm* main = Application->MainForm();
  if (active) GetMonitorRect(active->Handle(), true, bounds);
  else if (!main || !main->Visible()) bounds = TRect(0, 0, Screen->Width(), Screen->Height());
  else GetMonitorRect(main->Handle(), true, bounds);
  const TRect r = PlaceHint(TPoint(ARect.Left, ARect.Top), FSize.Width, FSize.Height, bounds);
  SetBoundsRect(r);
  HandleNeeded();
  SetWindowPos(FHandle, nullptr, r.Left, r.Top, r.Width(), r.Height(), SWP_NOZORDER | SWP_NOACTIVATE);

  ApplyAlpha();

  HRGN rgn = nullptr;
  const TspDataSkinHintWindow* d = FSkinData ? FSkinData->HintWindow.get() : nullptr;
  if (d && d->MaskPictureIndex != -1) {
    if (TBitmap* mask = ActivePictureOf(FSkinData, d->MaskPictureIndex))
      CreateSkinRegion(rgn, d->LTPoint, d->RTPoint, d->LBPoint, d->RBPoint, d->ClRect, FSize.NewLT, FSize.NewRT,
                       FSize.NewLB, FSize.NewRB, FSize.NewClRect, mask, FSize.Width, FSize.Height);
  }
  if (rgn || FRgn) SetWindowRegionCopy(FHandle, FRgn, rgn);

  SetWindowPos(FHandle, HWND_TOPMOST, r.Left, r.Top, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  FVisible = true;
  Invalidate();
  ::UpdateWindow(FHandle);

  if (FHint->AlphaBlendSupport() && FHint->AlphaBlend() && FHint->AlphaBlendAnimation()) {
    int alpha = 0;
    DWORD last = GetTickCount();
    while (alpha < FHint->AlphaBlendValue()) {
      if (GetTickCount() - last < 4) {
        Sleep(1);
        continue;
      }
      last = GetTickCount();
      alpha = NextHintFadeAlpha(alpha, FHint->AlphaBlendValue());
      ::UpdateWindow(FHandle);
      SetAlphaBlendTransparent(FHandle, static_cast<BYTE>(alpha));
    }
    FLastAlpha = static_cast<uint8_t>(alpha);
  }
}

void TspSkinHintWindow::ApplyAlpha() {
  TspSkinHint& h = *FHint;
  const bool support = h.AlphaBlendSupport();
  if (support && h.AlphaBlend() != FLayered) {
    const LONG ex = GetWindowLongW(FHandle, GWL_EXSTYLE);
    if (!h.AlphaBlend()) {
      SetWindowLongW(FHandle, GWL_EXSTYLE, ex & ~WS_EX_LAYERED);
    } else {
      SetWindowLongW(FHandle, GWL_EXSTYLE, ex | WS_EX_LAYERED);
      if (!h.AlphaBlendAnimation()) SetAlphaBlendTransparent(FHandle, h.AlphaBlendValue());
    }
    FLayered = h.AlphaBlend();
  }
  if (support && h.AlphaBlend() && h.AlphaBlendAnimation()) {
    SetAlphaBlendTransparent(FHandle, 0);
    FLastAlpha = 0;
  } else if (support && h.AlphaBlend() && h.AlphaBlendValue() != FLastAlpha) {
    SetAlphaBlendTransparent(FHandle, h.AlphaBlendValue());
    FLastAlpha = h.AlphaBlendValue();
  } else if (!support && h.AlphaBlend()) {
    if (!FScreenCopy) FScreenCopy = std::make_unique<TBitmap>();
    FScreenCopy->SetSize(FSize.Width, FSize.Height);
    CopyScreenToBitmap(Left(), Top(), FScreenCopy.get());
  }
}

void TspSkinHintWindow::DrawText(TCanvas* C) {
  SetupFont(C->Font());
  const TspDataSkinHintWindow* d = FSkinData ? FSkinData->HintWindow.get() : nullptr;
  C->Font()->SetColor(d ? d->FontColor : clInfoText);
  C->Brush()->SetStyle(bsClear);
  const String text = Caption();
  if (!FTitleVariant) {
    if (d) {
      const TRect& cl = FSize.NewClRect;
      const TSize s = MeasureText(C, text);
      DrawTextAt(C, text, cl.Left + cl.Width() / 2 - s.cx / 2, cl.Top + cl.Height() / 2 - s.cy / 2);
    } else {
      TRect r(2, 2, Width() - 2, Height() - 2);
      DrawWideText(C, text, r, 0);
    }
    return;
  }
  const TRect cl = d ? FSize.NewClRect : TRect(2, 2, Width(), Height());
  int offset = 0;
  const bool title = !FHint->HintTitle.empty();
  if (title) {
    const TFontStyles plain = C->Font()->Style();
    TFontStyles bold = plain;
    bold.Include(fsBold);
    C->Font()->SetStyle(bold);
    DrawTextAt(C, FHint->HintTitle, cl.Left + 5, cl.Top);
    C->Font()->SetStyle(plain);
    offset = MeasureText(C, FHint->HintTitle).cy + 5;
  }
  int x = cl.Left + 5;
  if (ImageInRange()) {
    TCustomImageList* images = FHint->HintImageList;
    const int y = title ? cl.Top + offset : cl.Top + (cl.Height() - images->Height()) / 2;
    images->Draw(C, x, y, FHint->HintImageIndex);
    x += images->Width() + 5;
  }
  const int y = title ? cl.Top + offset : cl.Top + (cl.Height() - MeasureText(C, text).cy) / 2;
  DrawTextAt(C, text, x, y);
}

void TspSkinHintWindow::Paint() {
  if (!FHint || Width() <= 0 || Height() <= 0) return;
  TBitmap b;
  b.SetSize(Width(), Height());
  TCanvas* c = b.Canvas();
  TBitmap* picture = FSkinData ? ActivePictureOf(FSkinData, FSkinData->HintWindow->WindowPictureIndex) : nullptr;
  if (picture) {
    const TspDataSkinHintWindow& d = *FSkinData->HintWindow;
    CreateSkinImage2(d.LTPoint, d.RTPoint, d.LBPoint, d.RBPoint, d.ClRect, FSize.NewLT, FSize.NewRT, FSize.NewLB,
                     FSize.NewRB, FSize.NewClRect, &b, picture, TRect(0, 0, picture->Width(), picture->Height()),
                     Width(), Height(), true, d.LeftStretch, d.TopStretch, d.RightStretch, d.BottomStretch,
                     d.StretchEffect, d.StretchType);
    c = b.Canvas();
  } else {
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(clInfoBk);
    c->FillRect(TRect(0, 0, Width(), Height()));
    c->Brush()->SetColor(clBtnShadow);
    c->FrameRect(TRect(0, 0, Width(), Height()));
  }
  DrawText(c);
  if (FHint->AlphaBlend() && !FHint->AlphaBlendSupport() && FScreenCopy) {
    TspEffectBmp own(b.Handle()), screen(FScreenCopy->Handle());
    own.Morph(&screen, 1 - FHint->AlphaBlendValue() / 255.0);
    own.Draw(b.Canvas()->Handle(), 0, 0);
  }
  Canvas()->Draw(0, 0, &b);
}

// TspSkinCustomEdit painting: the frame (default look, three-piece or
// nine-piece skin image, edit button), the text area and the image buttons.
#include "skininputs/SkinEdit.h"

#include "skin/SPUtils_compose.h"
#include "skin/SPUtils_parent.h"
#include "skin/SkinData.h"
#include "skin/speffbmp.h"
#include "skinctrls/PartLook.h"

namespace {

// B mixed with what the parent shows under R of Control: Value 255 keeps B.
void BlendWithParent(TControl* Control, const TRect& R, TBitmap* B, uint8_t Value) {
  TBitmap parent;
  parent.SetSize(B->Width(), B->Height());
  PaintParentBackgroundRect(Control, R, parent.Canvas());
  TspEffectBmp image(B->Handle());
  TspEffectBmp background(parent.Handle());
  image.Morph(&background, 1.0 - Value / 255.0);
  image.Draw(B->Canvas()->Handle(), B->StoredPart().Left, B->StoredPart().Top);
}

// The button looks pressed only while held with the pointer over it.
TspPartState PartState(bool Pressed, bool Hot) { return Pressed && Hot ? psPressed : Hot ? psHot : psIdle; }

}  // namespace

void TspSkinCustomEdit::DrawFrame(TBitmap* B) {
  const int w = Width(), h = Height();
  B->SetSize(w, h);
  TCanvas* c = B->Canvas();
  const TEditLayout l = Layout();
  const bool active = FMouseIn || (HandleAllocated() && Focused());
  if (!Skinned() || !FPicture) {
    c->Brush()->SetColor(FDefaultColor);
    c->FillRect(TRect(0, 0, w, h));
    TRect r(0, 0, FButtonMode ? l.Button.Left : w, h);
    Frame3D(c, r, clBtnShadow, clBtnShadow, 1);
    Frame3D(c, r, clBtnFace, clBtnFace, 1);
    if (FButtonMode) DrawDefaultPart(c, l.Button, PartState(FButton.Pressed, FButton.Hot));
    return;
  }
  const TRect src = active ? FActiveSkinRect : FGeom.SkinRect;
  if (FUseSkinFont) {
    CreateHSkinImage(FGeom.LTPoint.X, FGeom.SkinRect.Width() - FGeom.RTPoint.X, B, FPicture, src, w, h,
                     FStretchEffect);
    if (!FButtonMode) return;
    TRect piece;
    if (!Enabled() && !FUnEnabledButtonRect.IsEmpty()) piece = FUnEnabledButtonRect;
    else if (FButton.Pressed && FButton.Hot) piece = FDownButtonRect;
    else if (FButton.Hot) piece = FActiveButtonRect;
    if (!piece.IsEmpty())
      c->CopyRect(TRect(l.Button.Left, l.Button.Top, l.Button.Left + piece.Width(), l.Button.Top + piece.Height()),
                  FPicture->Canvas(), piece);
    return;
  }
  CreateSkinImageByOffsets(B, FPicture, src, FGeom.ClRect, true);
  TColor unused;
  if (FButtonMode)
    DrawSkinButtonPart(c, FSkinData, {L"editbutton", L"resizebutton"}, l.Button,
                       PartState(FButton.Pressed, FButton.Hot), unused);
}

bool TspSkinCustomEdit::OneLook() const {
  if (FAlphaBlend || !TPaintBufferPart::Whole(Width(), Height())) return false;
  if (!Skinned() || !FPicture) return true;
  // The skin's font fixes the height: the text area is the image's middle
  // rows, and its three pieces are the frame's when they start and end in it.
  return FUseSkinFont && FGeom.LTPoint.X >= FGeom.ClRect.Left && FGeom.RTPoint.X <= FGeom.ClRect.Right;
}

void TspSkinCustomEdit::DrawOneLook(HDC DC) {
  TspLookKey key;
  key.Width = Width();
  key.Height = Height();
  key.Skin = FSkinData;
  key.SkinLoad = FSkinData ? FSkinData->LoadCount() : 0;
  key.Index = FIndex;
  key.Enabled = Enabled();
  key.Focused = HandleAllocated() && Focused();
  key.MouseIn = FMouseIn;
  key.State = uint64_t(uint32_t(FDefaultColor)) | uint64_t(FButtonMode) << 32 | uint64_t(FButton.Pressed) << 33 |
              uint64_t(FButton.Hot) << 34 | uint64_t(FUseSkinFont) << 35;
  TCanvas canvas;
  canvas.SetHandle(DC);
  if (!FLook.DrawKept(key, &canvas)) {
    std::unique_ptr<TBitmap> image = TspLookCache::TakeSurface(Width(), Height());
    DrawFrame(image.get());
    canvas.Draw(0, 0, image.get());
    FLook.Keep(key, std::move(image));
  }
  canvas.SetHandle(nullptr);
}

void TspSkinCustomEdit::PaintFrameTo(HDC DC, bool ExcludeText) {
  if (Width() < 1 || Height() < 1) return;
  const TEditLayout l = Layout();
  if (OneLook()) {
    const int saved = SaveDC(DC);
    if (ExcludeText) ExcludeClipRect(DC, l.Text.Left, l.Text.Top, l.Text.Right, l.Text.Bottom);
    DrawOneLook(DC);
    RestoreDC(DC, saved);
    return;
  }
  // The frame is drawn outside the client's paint: an edit too large to
  // buffer whole keeps, as the client does, only what this DC shows.
  const TPaintBufferPart part(DC, Width(), Height());
  TBitmap b;
  DrawFrame(&b);
  if (FAlphaBlend) BlendWithParent(this, TRect(0, 0, Width(), Height()), &b, FAlphaBlendValue);
  const int saved = SaveDC(DC);
  if (ExcludeText) ExcludeClipRect(DC, l.Text.Left, l.Text.Top, l.Text.Right, l.Text.Bottom);
  BitBlt(DC, 0, 0, Width(), Height(), b.Canvas()->Handle(), 0, 0, SRCCOPY);
  RestoreDC(DC, saved);
}

void TspSkinCustomEdit::PaintTextBackground(HDC DC) {
  const TEditLayout l = Layout();
  const int w = l.Text.Width(), h = l.Text.Height();
  if (w < 1 || h < 1) return;
  if (OneLook()) {
    // The client's origin is the text area's corner in the whole picture.
    const int saved = SaveDC(DC);
    IntersectClipRect(DC, 0, 0, w, h);
    OffsetViewportOrgEx(DC, -l.Text.Left, -l.Text.Top, nullptr);
    DrawOneLook(DC);
    RestoreDC(DC, saved);
    return;
  }
  const TPaintBufferPart part(DC, w, h);  // as in PaintFrameTo
  TBitmap b;
  b.SetSize(w, h);
  if (!Skinned() || !FPicture) {
    b.Canvas()->Brush()->SetColor(FDefaultColor);
    b.Canvas()->FillRect(TRect(0, 0, w, h));
  } else {
    const bool active = FMouseIn || (HandleAllocated() && Focused());
    const TRect state = active ? FActiveSkinRect : FGeom.SkinRect;
    const TRect cl(state.Left + FGeom.ClRect.Left, state.Top + FGeom.ClRect.Top, state.Left + FGeom.ClRect.Right,
                   state.Top + FGeom.ClRect.Bottom);
    int left = 0, right = 0;
    EditClientPieces(FGeom, left, right);
    TBitmap piece;
    CreateHSkinImage(left, right, &piece, FPicture, cl, w, cl.Height(), FStretchEffect);
    if (piece.Height() == h) b.Canvas()->Draw(0, 0, &piece);
    else b.Canvas()->StretchDraw(TRect(0, 0, w, h), &piece);
  }
  if (FAlphaBlend) BlendWithParent(this, l.Text, &b, FAlphaBlendValue);
  BitBlt(DC, 0, 0, w, h, b.Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TspSkinCustomEdit::DrawImageButtons(TCanvas* Canvas) {
  auto draw = [&](const TEditButton& Button, int Normal, int Hot, int Down) {
    if (Button.Rect.IsEmpty() || !HasImage(Normal)) return;
    int index = Normal;
    if (Button.Pressed && Button.Hot && HasImage(Down)) index = Down;
    else if (Button.Hot && HasImage(Hot)) index = Hot;
    int y = Button.Rect.Top + (Button.Rect.Height() - FImages->Height()) / 2;
    if (y < Button.Rect.Top) y = Button.Rect.Top;
    FImages->Draw(Canvas, Button.Rect.Left, y, index, Enabled());
  };
  draw(FLeftButton, FLeftImageIndex, FLeftImageHotIndex, FLeftImageDownIndex);
  draw(FRightButton, FRightImageIndex, FRightImageHotIndex, FRightImageDownIndex);
}

void TspSkinCustomEdit::PaintDisabledText(HDC DC) {
  PaintTextBackground(DC);
  TCanvas canvas;
  canvas.SetHandle(DC);
  DrawImageButtons(&canvas);
  if (!Skinned() || !FUseSkinFont) canvas.Font()->Assign(FDefaultFont.get());
  else canvas.Font()->Assign(Font());
  canvas.Font()->SetColor(Skinned() ? FDisabledFontColor : clGrayText);
  canvas.Brush()->SetStyle(bsClear);
  const String text = PasswordChar() ? String(EditText().size(), PasswordChar()) : EditText();
  RECT cr;
  GetClientRect(Handle(), &cr);
  const int tw = canvas.TextWidth(text), th = canvas.TextHeight(text);
  int x = 2;
  if (FAlignment == taRightJustify) x = cr.right - 1 - tw;
  else if (FAlignment == taCenter) x = cr.right / 2 - tw / 2;
  canvas.TextRect(TRect(0, 0, cr.right, cr.bottom), x, (cr.bottom - th) / 2, text);
  canvas.SetHandle(nullptr);
}

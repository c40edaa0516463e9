// Tab sheets that paint their own background (wallpaper, the page control's
// skin, or the button face), and the bitmap turns and image-and-caption
// layout the page control draws its tabs with.
#include "skin/SPUtils.h"
#include "skin/SkinForm.h"
#include "skin/speffbmp.h"
#include "skinctrls/SkinControl.h"
#include "skinctrls/SkinTabs.h"

// ---------------------------------------------------------------------------
// Bitmap routines

namespace {

// A turned or flipped copy of the bitmap.
enum TTurn { ttRotate90, ttRotate270, ttFlip };

std::unique_ptr<TspEffectBmp> Turned(TBitmap* Bitmap, TTurn Turn) {
  TspEffectBmp source(Bitmap->Handle());
  const bool swap = Turn != ttFlip;
  auto dest = std::make_unique<TspEffectBmp>(swap ? source.Height() : source.Width(),
                                             swap ? source.Width() : source.Height());
  if (Turn == ttRotate90) source.Rotate90(dest.get());
  else if (Turn == ttRotate270) source.Rotate270(dest.get());
  else source.FlipVertical(dest.get());
  return dest;
}

void TurnInPlace(TBitmap* Bitmap, TTurn Turn) {
  if (Bitmap->Empty()) return;
  auto dest = Turned(Bitmap, Turn);
  Bitmap->SetSize(dest->Width(), dest->Height());
  dest->Draw(Bitmap->Canvas()->Handle(), 0, 0);
}

}  // namespace

void DrawBitmapRotated90(TCanvas* Canvas, TBitmap* Bitmap, int X, int Y) {
  if (!Bitmap->Empty()) Turned(Bitmap, ttRotate90)->Draw(Canvas->Handle(), X, Y);
}

void DrawBitmapRotated270(TCanvas* Canvas, TBitmap* Bitmap, int X, int Y) {
  if (!Bitmap->Empty()) Turned(Bitmap, ttRotate270)->Draw(Canvas->Handle(), X, Y);
}

void RotateBitmap90(TBitmap* Bitmap) { TurnInPlace(Bitmap, ttRotate90); }
void RotateBitmap270(TBitmap* Bitmap) { TurnInPlace(Bitmap, ttRotate270); }
void FlipBitmap(TBitmap* Bitmap) { TurnInPlace(Bitmap, ttFlip); }

void DrawTabImageAndText(TCanvas* Canvas, int Width, int Height, int Offset, bool Enabled, int ImageIndex,
                         TCustomImageList* Images, const String& Caption) {
  TRect measured(0, 0, 0, 0);
  int textHeight = 0, T = 0;
  if (!Caption.empty()) {
    CanvasDrawText(Canvas, Caption, measured, DT_CALCRECT);
    T = measured.Width() + 2;
    textHeight = measured.Height();
  }
  const int IW = Images ? Images->Width() : 0, IH = Images ? Images->Height() : 0;
  const int x = Width / 2 - (T + IW + 2) / 2;
  if (Images) Images->Draw(Canvas, x, Height / 2 - IH / 2 + Offset, ImageIndex, Enabled);
  if (T == 0) return;
  TRect r = Bounds(x + IW + 2, Height / 2 - textHeight / 2 + Offset, T, textHeight);
  CanvasDrawText(Canvas, Caption, r, DT_CENTER);
}

// ---------------------------------------------------------------------------
// TspSkinCustomTabSheet

TspSkinCustomTabSheet::TspSkinCustomTabSheet(TComponent* AOwner)
    : TTabSheet(AOwner), FWallPaper(std::make_unique<TBitmap>()) {
  FAlign = alClient;
  FControlStyle.Include(csAcceptsControls);
  FControlStyle.Include(csNoDesignVisible);
  FVisible = false;
}

TspSkinCustomTabSheet::~TspSkinCustomTabSheet() = default;

void TspSkinCustomTabSheet::CreateParams(TCreateParams& Params) {
  TTabSheet::CreateParams(Params);
  // Resizing repaints only what is uncovered, not the whole sheet.
  Params.WindowClass.style &= ~(CS_VREDRAW | CS_HREDRAW);
}

void TspSkinCustomTabSheet::SetWallPaper(TBitmap* Value) {
  FWallPaper->Assign(Value);
  if (ComponentState().Contains(csDesigning)) Invalidate();
}

TspSkinPageControl* TspSkinCustomTabSheet::SkinPageControl() const {
  return dynamic_cast<TspSkinPageControl*>(PageControl());
}

void TspSkinCustomTabSheet::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_ERASEBKGND:
      PaintSheetBackground(reinterpret_cast<HDC>(Message.WParam));
      return;
    case WM_SIZE: {
      TTabSheet::Dispatch(Message);
      Repaint();
      TspSkinPageControl* pc = SkinPageControl();
      if (pc && pc->SkinData() && !pc->SkinData()->Empty() && pc->Skin().StretchEffect) NotifyChildrenBackground();
      return;
    }
    case MSG_SKIN_AWARE_QUERY:
      Message.Result = SKIN_AWARE_REPLY;
      return;
  }
  TTabSheet::Dispatch(Message);
}

void TspSkinCustomTabSheet::NotifyChildrenBackground() {
  for (int i = 0; i < ControlCount(); ++i)
    if (auto* w = dynamic_cast<TWinControl*>(Controls(i)); w && w->HandleAllocated())
      SendMessageW(w->Handle(), MSG_BACKGROUND_CHANGED, 0, 0);
}

void TspSkinCustomTabSheet::PaintSheetBackground(HDC DC) {
  TspSkinPageControl* pc = SkinPageControl();
  const int W = Width(), H = Height();
  if (W <= 0 || H <= 0 || !pc || !DC) return;
  pc->GetSkinData();
  TCanvas canvas;
  canvas.SetHandle(DC);
  const TRect sheet(0, 0, W, H);
  const TspTabSkin& s = pc->Skin();
  // A picture with no size cannot be tiled: nothing is drawn then.
  auto fill = [&](TBitmap* Picture, const TRect& Piece, const TRect& Dest, bool Stretch) {
    if (Picture && !Piece.IsEmpty()) DrawPieceFill(&canvas, Picture, Piece, Dest, Stretch, s.StretchType);
  };
  if (!FWallPaper->Empty()) {
    fill(FWallPaper.get(), TRect(0, 0, FWallPaper->Width(), FWallPaper->Height()), sheet, false);
  } else if (pc->SkinIndex() == -1) {
    canvas.Brush()->SetColor(clBtnFace);
    canvas.FillRect(sheet);
  } else if (s.BGPictureIndex == -1) {
    TRect piece = s.ClRect;
    OffsetRect(piece, s.SkinRect.Left, s.SkinRect.Top);
    // Stretched over the whole page control, so that neighbouring sheets match.
    const bool stretch = s.StretchEffect && pc->Width() > 0 && pc->Height() > 0;
    fill(s.Picture, piece, stretch ? TRect(0, 0, pc->Width(), pc->Height()) : sheet, stretch);
  } else {
    TspSkinData* data = pc->SkinData();
    TBitmap* bg = data->ActivePicture(s.BGPictureIndex);
    if (bg) fill(bg, TRect(0, 0, bg->Width(), bg->Height()), sheet, s.StretchEffect);
  }
  canvas.SetHandle(nullptr);
}

// Page "Themes": the generated skins side by side, Default read from the
// program's built-in skin and Dark from skins\Dark.skn beside the program: the
// window frame (inactive and active, with caption button looks) and each
// control record composed at two sizes.
#include <memory>

#include "demo/GalleryPages.h"
#include "skin/SPUtils_compose.h"
#include "skin/SPUtils_draw.h"
#include "skin/SPUtils_region.h"
#include "skin/SPUtils_text.h"
#include "skin/SkinBuiltIn.h"
#include "skin/SkinRecordTypes.h"

namespace {

constexpr int kColumn = 440;  // width of one skin's column

// Geometry of a skin image made W x H from a skin rectangle Size large: the
// left and top stay, the right and bottom parts move with the size.
struct TMoved {
  TPoint LT, RT, LB, RB;
  TRect CL;
};
TMoved Move(const TPoint& LT, const TPoint& RT, const TPoint& LB, const TPoint& RB, const TRect& CL, int DW,
            int DH) {
  return {LT, Point(RT.X + DW, RT.Y), Point(LB.X, LB.Y + DH), Point(RB.X + DW, RB.Y + DH),
          Rect(CL.Left, CL.Top, CL.Right + DW, CL.Bottom + DH)};
}

void UseFont(TCanvas* C, const String& Name, int Height, TFontStyles Style, TColor Color) {
  C->Font()->SetName(Name);
  C->Font()->SetHeight(Height);
  C->Font()->SetStyle(Style);
  C->Font()->SetColor(Color);
  C->Brush()->SetStyle(bsClear);
}

// Piece R of Picture drawn at (X, Y), its pixels of colour Key left out (by
// default the colour of its bottom-left pixel).
void DrawTransparent(TCanvas* C, TBitmap* Picture, const TRect& R, int X, int Y, TColor Key = clDefault) {
  TBitmap piece;
  piece.SetSize(R.Width(), R.Height());
  piece.Canvas()->CopyRect(Rect(0, 0, R.Width(), R.Height()), Picture->Canvas(), R);
  if (Key != clDefault) piece.SetTransparentColor(Key);
  piece.SetTransparent(true);
  C->Draw(X, Y, &piece);
}

class TThemesPage : public TGalleryPage {
 public:
  explicit TThemesPage(TComponent* AOwner) : TGalleryPage(AOwner) {
    FFollowsSkin = true;
    FSkins[0].Title = L"Default \x9ED8\x8BA4 \x2014 the program's built-in skin";
    FSkins[1].Title = L"Dark \x6DF1\x8272 \x2014 skins\\Dark.skn";
    for (int i = 0; i < 2; ++i) {
      FSkins[i].Data = new TspSkinData(this);
      try {
        if (i == 0) {
          TspCompressedStoredSkin stored(nullptr);
          LoadBuiltInSkin(&stored);
          FSkins[i].Data->LoadCompressedStoredSkin(&stored);
        } else {
          FSkins[i].Data->LoadFromCompressedFile(ProgramFolder() + L"skins\\Dark.skn");
        }
      } catch (const Exception& e) {
        FSkins[i].Error = e.Message();
      }
    }
  }
  String ClassName() const override { return L"TThemesPage"; }

 protected:
  void DrawPage(TCanvas* Canvas) override {
    for (int i = 0; i < 2; ++i) DrawSkin(Canvas, FSkins[i], 10 + i * (kColumn + 18), 8);
  }

 private:
  struct TSkin {
    String Title, Error;
    TspSkinData* Data = nullptr;
  };

  static TBitmap* Active(TspSkinData* D, int Index) {
    return Index >= 0 && Index < D->ActivePictures.Count() ? D->ActivePictures.Items(Index) : nullptr;
  }

  void DrawSkin(TCanvas* C, const TSkin& S, int X, int Y) {
    DrawSectionTitle(C, X, Y, S.Title);
    TspSkinData* d = S.Data;
    if (d->Empty()) {
      DrawNote(C, X, Y + 20, S.Error.empty() ? String(L"not loaded") : S.Error);
      return;
    }
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(d->SkinColors->cBtnFace);
    C->FillRect(Rect(X - 6, Y + 18, X + kColumn + 6, Y + 540));
    // The inactive frame at the skin's smallest width, the active one wide.
    DrawFrame(C, d, X, Y + 26, d->FormMinWidth, 92, false);
    DrawPanels(C, d, L"panel", L"\x9762\x677F Panel", X + d->FormMinWidth + 12, Y + 26,
               {TSize(100, 62), TSize(110, 92)}, true);
    // Low enough that the last row (the popup menu and the hint) fits the page.
    DrawFrame(C, d, X, Y + 128, kColumn, 88, true);
    int y = Y + 224;
    DrawPanels(C, d, L"groupbox", L"\x5206\x7EC4 Group", X, y, {TSize(150, 66), TSize(280, 84)}, false);
    y += 92;
    DrawPanels(C, d, L"toolpanel", L"", X, y, {TSize(150, 30), TSize(280, 38)}, false);
    y += 46;
    DrawStatusBars(C, d, X, y);
    y += 34;
    DrawLabels(C, d, X, y);
    DrawWindows(C, d, X, y + 56);
  }

  // The rolled-up frame at the smallest width, a popup menu frame and a hint.
  void DrawWindows(TCanvas* C, TspSkinData* D, int X, int Y) {
    TBitmap* rollUp = D->RollUpPicture.get();
    const int w = D->FormMinWidth, a = D->RollUpLeftPoint.X, z = rollUp->Width() - D->RollUpRightPoint.X;
    TBitmap frame, mask;
    CreateHSkinImage(a, z, &frame, rollUp, Rect(0, 0, rollUp->Width(), rollUp->Height()), w, 0, true);
    CreateHSkinImage(a, z, &mask, D->RollUpMaskPicture.get(), Rect(0, 0, rollUp->Width(), rollUp->Height()), w, 0,
                     true);
    HRGN region = nullptr;
    CreateMaskRegion(region, &mask);
    OffsetRgn(region, X, Y);
    SelectClipRgn(C->Handle(), region);
    C->Draw(X, Y, &frame);
    SelectClipRgn(C->Handle(), nullptr);
    DeleteObject(region);

    const TspDataSkinPopupWindow& p = *D->PopupWindow;
    const TspDataSkinHintWindow& h = *D->HintWindow;
    struct {
      TBitmap* Picture;
      TPoint LT, RT, LB, RB;
      TRect CL;
      TSize Size;
      const wchar_t* Text;
      TColor Color;
    } windows[] = {{Active(D, p.WindowPictureIndex), p.LTPoint, p.RTPoint, p.LBPoint, p.RBPoint, p.ItemsRect,
                    TSize(100, 52), L"\x6253\x5F00 Open\n\x4FDD\x5B58 Save", D->SkinColors->cWindowText},
                   {Active(D, h.WindowPictureIndex), h.LTPoint, h.RTPoint, h.LBPoint, h.RBPoint, h.ClRect,
                    TSize(110, 24), L"\x63D0\x793A Hint", h.FontColor}};
    int x = X + w + 10;
    for (const auto& win : windows) {
      if (!win.Picture) continue;
      const TRect source = Rect(0, 0, win.Picture->Width(), win.Picture->Height());
      const TMoved m = Move(win.LT, win.RT, win.LB, win.RB, win.CL, win.Size.cx - source.Right,
                            win.Size.cy - source.Bottom);
      TBitmap image;
      CreateSkinImage2(win.LT, win.RT, win.LB, win.RB, win.CL, m.LT, m.RT, m.LB, m.RB, m.CL, &image, win.Picture,
                       source, win.Size.cx, win.Size.cy, true, true, true, true, true, true, 0);
      UseFont(image.Canvas(), h.FontName, h.FontHeight, {}, win.Color);
      TRect text = m.CL;
      text.Left += 4;
      CanvasDrawText(image.Canvas(), win.Text, text, DT_LEFT | DT_VCENTER | (win.Size.cy > 30 ? 0 : DT_SINGLELINE));
      C->Draw(x, Y, &image);
      x += win.Size.cx + 10;
    }
  }

  void DrawFrame(TCanvas* C, TspSkinData* D, int X, int Y, int W, int H, bool ActiveLook) {
    TBitmap* picture = ActiveLook ? D->Picture.get() : D->InactivePicture.get();
    const TspSkinSections& s = *D;
    const int dw = W - picture->Width(), dh = H - picture->Height();
    const TMoved n = Move(s.LTPoint, s.RTPoint, s.LBPoint, s.RBPoint, s.ClRect, dw, dh);
    TBitmap frame;
    CreateSkinImage(s.LTPoint, s.RTPoint, s.LBPoint, s.RBPoint, s.ClRect, n.LT, n.RT, n.LB, n.RB, n.CL, &frame,
                    picture, Rect(0, 0, picture->Width(), picture->Height()), W, H, true, s.LeftStretch,
                    s.TopStretch, s.RightStretch, s.BottomStretch, s.StretchEffect, s.StretchType);
    // Buttons right of the right-top point move with the width; the active
    // frame shows the close button hot and the maximize button pressed.
    for (int i = 0; ActiveLook && i < D->ObjectList.Count(); ++i) {
      auto* b = dynamic_cast<TspDataSkinStdButton*>(D->ObjectList.Items(i));
      TBitmap* looks = b ? Active(D, b->ActivePictureIndex) : nullptr;
      if (!looks || (b->Command != cmClose && b->Command != cmMaximize)) continue;
      const TRect from = b->Command == cmClose ? b->ActiveSkinRect : b->DownRect;
      frame.Canvas()->CopyRect(Bounds(b->SkinRect.Left + dw, b->SkinRect.Top, from.Width(), from.Height()),
                               looks->Canvas(), from);
    }
    const int ci = D->GetObjectIndex(L"caption");
    if (auto* cap = ci < 0 ? nullptr : dynamic_cast<TspDataSkinCaption*>(D->ObjectList.Items(ci))) {
      UseFont(frame.Canvas(), cap->FontName, cap->FontHeight, cap->FontStyle,
              ActiveLook ? cap->ActiveFontColor : cap->FontColor);
      DrawTextCenteredV(frame.Canvas(), L"\x753B\x5ECA Gallery",
                        Rect(cap->TextRect.Left, cap->TextRect.Top, cap->TextRect.Right + dw, cap->TextRect.Bottom));
    }
    HRGN region = nullptr;
    CreateSkinRegion(region, s.LTPoint, s.RTPoint, s.LBPoint, s.RBPoint, s.ClRect, n.LT, n.RT, n.LB, n.RB, n.CL,
                     D->MaskPicture.get(), W, H);
    if (region) {
      OffsetRgn(region, X, Y);
      SelectClipRgn(C->Handle(), region);
    }
    C->Draw(X, Y, &frame);
    if (region) {
      SelectClipRgn(C->Handle(), nullptr);
      DeleteObject(region);
    }
  }

  // A panel-type record at each size; the first with a checked caption box,
  // the second unchecked, or with the roll-up mark when Check is off.
  void DrawPanels(TCanvas* C, TspSkinData* D, const wchar_t* Name, const String& Caption, int X, int Y,
                  std::initializer_list<TSize> Sizes, bool Check) {
    auto* rec = D->ControlRecord<TspDataSkinPanelControl>(Name);
    TBitmap* picture = rec ? Active(D, rec->PictureIndex) : nullptr;
    if (!picture) return;
    int x = X, n = 0;
    for (const TSize& size : Sizes) {
      const TRect& r = rec->SkinRect;
      const int dw = size.cx - r.Width(), dh = size.cy - r.Height();
      const TMoved m = Move(rec->LTPoint, rec->RTPoint, rec->LBPoint, rec->RBPoint, rec->ClRect, dw, dh);
      TBitmap image;
      CreateSkinImage(rec->LTPoint, rec->RTPoint, rec->LBPoint, rec->RBPoint, rec->ClRect, m.LT, m.RT, m.LB, m.RB,
                      m.CL, &image, picture, r, size.cx, size.cy, true, rec->LeftStretch, rec->TopStretch,
                      rec->RightStretch, rec->BottomStretch, rec->StretchEffect, rec->StretchType);
      C->Draw(x, Y, &image);
      if (!Caption.empty() && !rec->CaptionRect.IsEmpty()) {
        TRect cap = rec->CaptionRect;
        cap.Right += dw;
        OffsetRect(cap, x, Y);
        const TRect mark = Check ? (n == 0 ? rec->CheckImageRect : rec->UnCheckImageRect) : TRect();
        if (!mark.IsEmpty()) {
          DrawTransparent(C, picture, mark, cap.Left, (cap.Top + cap.Bottom - mark.Height()) / 2);
          cap.Left += mark.Width() + 4;
        }
        if (!Check && !rec->MarkFrameRect.IsEmpty()) {
          const TRect& f = rec->MarkFrameRect;
          const int fx = cap.Right - f.Width(), fy = (cap.Top + cap.Bottom - f.Height()) / 2;
          DrawTransparent(C, picture, f, fx, fy);
          DrawArrowInRect(C, Bounds(fx, fy, f.Width(), f.Height()), rec->FontColor, n == 0 ? 3 : 4);
          cap.Right = fx;
        }
        UseFont(C, rec->FontName, rec->FontHeight, rec->FontStyle, rec->FontColor);
        DrawTextCenteredV(C, Caption, cap);
      }
      x += size.cx + 10;
      ++n;
    }
  }

  void DrawStatusBars(TCanvas* C, TspSkinData* D, int X, int Y) {
    DrawPanels(C, D, L"statusbar", L"", X, Y, {TSize(150, 22), TSize(280, 26)}, false);
    auto* rec = D->ControlRecord<TspDataSkinPanelControl>(L"statusbar");
    auto* label = D->ControlRecord<TspDataSkinStdLabelControl>(L"stdlabel");
    TBitmap* picture = rec ? Active(D, rec->PictureIndex) : nullptr;
    if (!picture || !label) return;
    int x = X;
    for (const TSize& size : {TSize(150, 22), TSize(280, 26)}) {
      const int dh = size.cy - rec->SkinRect.Height();
      const TRect client = Rect(x + rec->ClRect.Left, Y + rec->ClRect.Top,
                                x + size.cx - (rec->SkinRect.Width() - rec->ClRect.Right) - rec->GripperRect.Width(),
                                Y + rec->ClRect.Bottom + dh);
      DrawTransparent(C, picture, rec->GripperRect, client.Right, client.Bottom - rec->GripperRect.Height(),
                      rec->GripperTransparentColor);
      UseFont(C, label->FontName, label->FontHeight, label->FontStyle, label->FontColor);
      DrawTextCenteredV(C, L" \x5C31\x7EEA Ready", client);
      x += size.cx + 10;
    }
  }

  void DrawLabels(TCanvas* C, TspSkinData* D, int X, int Y) {
    auto* header = D->ControlRecord<TspDataSkinLabelControl>(L"label");
    TBitmap* picture = header ? Active(D, header->PictureIndex) : nullptr;
    int x = X;
    for (int w : {120, 170}) {
      if (!picture) break;
      const int dw = w - header->SkinRect.Width();
      const TMoved m =
          Move(header->LTPoint, header->RTPoint, header->LBPoint, header->RBPoint, header->ClRect, dw, 0);
      TBitmap image;
      CreateSkinImage(header->LTPoint, header->RTPoint, header->LBPoint, header->RBPoint, header->ClRect, m.LT,
                      m.RT, m.LB, m.RB, m.CL, &image, picture, header->SkinRect, w, header->SkinRect.Height(), true,
                      header->LeftStretch, header->TopStretch, header->RightStretch, header->BottomStretch,
                      header->StretchEffect, header->StretchType);
      UseFont(image.Canvas(), header->FontName, header->FontHeight, header->FontStyle, header->FontColor);
      DrawTextCenteredV(image.Canvas(), L"\x83DC\x5355 Menu", m.CL);
      C->Draw(x, Y, &image);
      x += w + 10;
    }
    if (auto* label = D->ControlRecord<TspDataSkinStdLabelControl>(L"stdlabel")) {
      UseFont(C, label->FontName, label->FontHeight, label->FontStyle, label->FontColor);
      C->TextOut(X, Y + 30, L"\x6807\x7B7E Label text");
      C->Font()->SetColor(label->ActiveFontColor);
      C->TextOut(X + 130, Y + 30, L"\x70ED\x70B9 Hot label");
    }
    if (auto* bevel = D->ControlRecord<TspDataSkinBevel>(L"bevel")) {
      const TRect b = Rect(X + 250, Y + 30, X + kColumn, Y + 50);
      C->Pen()->SetColor(bevel->DarkColor);
      C->MoveTo(b.Left, b.Bottom - 1);
      C->LineTo(b.Left, b.Top);
      C->LineTo(b.Right - 1, b.Top);
      C->Pen()->SetColor(bevel->LightColor);
      C->LineTo(b.Right - 1, b.Bottom - 1);
      C->LineTo(b.Left, b.Bottom - 1);
    }
  }

  TSkin FSkins[2];
};

}  // namespace

TGalleryPage* NewThemesPage(TComponent* AOwner) { return new TThemesPage(AOwner); }

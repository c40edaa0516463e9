// How the combo box draws itself: the default look, the skin at its own
// size or stretched, and the tool-button looks, each with the chosen item.
#include <vector>

#include "skin/SPUtils.h"
#include "skin/SPUtils_compose.h"
#include "skin/SkinCtrlRecords.h"
#include "skin/SkinData.h"
#include "skinctrls/PartLook.h"
#include "skinctrls/SkinMenus.h"
#include "skininputs/ListBoxLayout.h"
#include "skininputs/SkinComboBox.h"
#include "classlib/RaiseFor.h"

namespace {

constexpr TColor kHotFrame = 0x800000, kDownFill = 0xB59385, kHotFill = 0xD2BDB6;

void FrameAndFill(TCanvas* C, TRect R, TColor Frame, TColor Fill) {
  Frame3D(C, R, Frame, Frame, 1);
  C->Brush()->SetStyle(bsSolid);
  C->Brush()->SetColor(Fill);
  C->FillRect(R);
}

// A piece of the picture drawn centred in Area, transparent in one colour.
void DrawGlyphPiece(TCanvas* C, TBitmap* Picture, const TRect& Piece, const TRect& Area, TColor Transparent,
                    int Shift) {
  TBitmap g;
  g.SetSize(Piece.Width(), Piece.Height());
  g.Canvas()->CopyRect(TRect(0, 0, Piece.Width(), Piece.Height()), Picture->Canvas(), Piece);
  g.SetTransparentMode(tmFixed);
  g.SetTransparentColor(Transparent);
  g.SetTransparent(true);
  C->Draw(Area.Left + (Area.Width() - Piece.Width()) / 2, Area.Top + (Area.Height() - Piece.Height()) / 2 + Shift, &g);
}

}  // namespace

int TspSkinCustomComboBox::PaintIndex() const {
  return DroppedDown() ? FSaveItemIndex : FListBox->ItemIndex();
}

uint64_t TspSkinCustomComboBox::LookState() const { return static_cast<uint32_t>(PaintIndex() + 1); }

TspLookKey TspSkinCustomComboBox::LookKey() const {
  TspLookKey key = TspSkinCustomControl::LookKey();
  const int index = PaintIndex();
  if (index >= 0 && index < Items()->Count()) key.Shown = Items()->Strings(index);
  return key;
}

TspDataSkinButtonControl* TspSkinCustomComboBox::ButtonRecord(std::initializer_list<const wchar_t*> Names) const {
  if (!FSkinData || FSkinData->Empty()) return nullptr;
  for (const wchar_t* name : Names)
    if (auto* r = FSkinData->ControlRecord<TspDataSkinButtonControl>(name)) return r;
  return nullptr;
}

// ---------------------------------------------------------------------------
// The item content every painter shares

void TspSkinCustomComboBox::DrawItemContent(TCanvas* C, TRect T, int Width, int Height) {
  const int index = PaintIndex();
  if (index < 0 || index >= Items()->Count()) return;
  if (OnComboBoxDrawItem) {
    RaiseFor(this, OnComboBoxDrawItem, C, index, Width, Height, T, FOwnerDrawState);
    return;
  }
  if (Skinned() && Focused() && FShowFocus) {
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(SkinColor(&TspSkinColors::cBtnFace, clBtnFace));
    DrawDottedFocusRect(C, TRect(0, 0, Width, Height));
    C->Brush()->SetStyle(bsClear);
  }
  if (TCustomImageList* images = Images()) {
    const int image = ImageIndex() >= 0 ? ImageIndex() : index;
    if (image < images->Count()) images->Draw(C, T.Left, T.Top + T.Height() / 2 - images->Height() / 2, image);
    // The text keeps the indent also without an image, so items line up.
    T.Left += images->Width() + 2;
  }
  const String text = Items()->Strings(index);
  C->Brush()->SetStyle(bsClear);
  if (TabWidths()->Count() > 0) {
    std::vector<String> entries;
    for (int i = 0; i < TabWidths()->Count(); ++i) entries.push_back(TabWidths()->Strings(i));
    std::vector<int> stops = ListBoxTabStops(entries);
    const int y = T.Top + T.Height() / 2 - C->TextHeight(text) / 2;
    // The system call takes the DC as it is: clear background, font colour.
    SetBkMode(C->Handle(), TRANSPARENT);
    SetTextColor(C->Handle(), ColorToRGB(C->Font()->Color()));
    TabbedTextOutW(C->Handle(), T.Left + 2, y, text.c_str(), static_cast<int>(text.size()),
                   static_cast<int>(stops.size()), stops.data(), 0);
    return;
  }
  DrawLabelText(C, text, T);
}

// ---------------------------------------------------------------------------
// Without a skin

void TspSkinCustomComboBox::CreateControlDefaultImage(TBitmap* B) {
  CalcRects();
  TCanvas* c = B->Canvas();
  if (FToolButtonStyle) {
    DrawDefaultToolButton(c);
    return;
  }
  TRect r(0, 0, Width(), Height());
  c->Brush()->SetColor(clBtnFace);
  c->FillRect(r);
  FrameAndFill(c, r, clBtnShadow, FDefaultColor);
  DrawDefaultButton(c);
  if (!FEdit) DrawDefaultItem(c);
}

void TspSkinCustomComboBox::DrawDefaultButton(TCanvas* C) {
  if (FButtonDown && FButtonHot) FrameAndFill(C, FButtonRect, kHotFrame, kDownFill);
  else if (FButtonHot) FrameAndFill(C, FButtonRect, kHotFrame, kHotFill);
  else FrameAndFill(C, FButtonRect, clBtnShadow, clBtnFace);
  DrawArrowInRect(C, FButtonRect, Enabled() ? clBlack : clBtnShadow, 4);
}

void TspSkinCustomComboBox::DrawDefaultItem(TCanvas* C) {
  if (FItemRect.Width() <= 0) return;
  TBitmap b;
  b.SetSize(FItemRect.Width(), FItemRect.Height());
  TCanvas* bc = b.Canvas();
  TFont* f = bc->Font();
  f->SetName(Font()->Name());
  f->SetStyle(Font()->Style());
  f->SetHeight(Font()->Height());
  f->SetCharset(SkinCharset());
  const bool focused = Focused();
  bc->Brush()->SetColor(focused ? clHighlight : FDefaultColor);
  f->SetColor(focused ? clHighlightText : DefaultFont()->Color());
  bc->FillRect(TRect(0, 0, b.Width(), b.Height()));
  FOwnerDrawState = focused ? TOwnerDrawState{odFocused} : TOwnerDrawState();
  DrawItemContent(bc, TRect(2, 0, b.Width() - 2, b.Height()), b.Width(), b.Height());
  if (focused) DrawDottedFocusRect(bc, TRect(0, 0, b.Width(), b.Height()));
  C->Draw(FItemRect.Left, FItemRect.Top, &b);
}

void TspSkinCustomComboBox::DrawDefaultToolButton(TCanvas* C) {
  const TRect r(0, 0, Width(), Height());
  if (FDroppedDown) FrameAndFill(C, r, kHotFrame, kDownFill);
  else if (FMouseIn || Focused()) FrameAndFill(C, r, kHotFrame, kHotFill);
  else FrameAndFill(C, r, clBtnShadow, clBtnFace);
  const TComboRects tool = ComboToolButtonRects(Width(), Height(), FDroppedDown);
  const TRect t = tool.Item, a = tool.Button;
  C->Font()->Assign(DefaultFont());
  C->Brush()->SetStyle(bsClear);
  FOwnerDrawState = Focused() ? TOwnerDrawState{odFocused} : TOwnerDrawState();
  DrawItemContent(C, t, Width(), Height());
  DrawDropDownArrow(C, a, C->Font()->Color());
}

// ---------------------------------------------------------------------------
// With a skin

void TspSkinCustomComboBox::CreateControlSkinImage(TBitmap* B) {
  CalcRects();
  TCanvas* c = B->Canvas();
  if (FToolButtonStyle) {
    DrawSkinToolButton(c);
    return;
  }
  const bool highlighted =
      !FActiveSkinRect.IsEmpty() && (FMouseIn || (FEdit && FEdit->Focused()) || Focused());
  if (FUseSkinSize) {
    if (highlighted) {
      CreateHSkinImage(LTPoint.X, FActiveSkinRect.Width() - RTPoint.X, B, Picture, FActiveSkinRect, Width(),
                       FActiveSkinRect.Height(), StretchEffect);
    } else {
      TspSkinCustomControl::CreateControlSkinImage(B);
    }
    DrawSkinStateButton(c);
  } else {
    CreateSkinImageByOffsets(B, Picture, highlighted ? FActiveSkinRect : SkinRect, ClRect, true);
    DrawStretchedSkinButton(c);
  }
  if (FEdit) return;
  if (FUseSkinSize) DrawSizedSkinItem(c);
  else DrawStretchedSkinItem(c);
}

void TspSkinCustomComboBox::DrawSkinStateButton(TCanvas* C) {
  TRect piece;
  if (!Enabled() && !FUnEnabledButtonRect.IsEmpty()) piece = FUnEnabledButtonRect;
  else if (FButtonDown && FButtonHot) piece = FDownButtonRect;
  else if (FButtonHot) piece = FActiveButtonRect;
  if (piece.IsEmpty()) return;
  C->CopyRect(FButtonRect, Picture->Canvas(), piece);
}

void TspSkinCustomComboBox::DrawMenuMarker(TCanvas* C, const TRect& Area, const TspDataSkinButtonControl* R,
                                           bool Down, bool Hot) {
  TRect piece = R->MenuMarkerRect;
  if (Down && !R->MenuMarkerDownRect.IsEmpty()) piece = R->MenuMarkerDownRect;
  else if ((Hot || Down) && !R->MenuMarkerActiveRect.IsEmpty()) piece = R->MenuMarkerActiveRect;
  // The marker lies in the button record's picture, which need not be the combo box's.
  TBitmap* picture = ActivePicture(R->PictureIndex);
  if (!picture) return;
  DrawGlyphPiece(C, picture, piece, Area, R->MenuMarkerTransparentColor, Down ? 1 : 0);
}

void TspSkinCustomComboBox::DrawStretchedSkinButton(TCanvas* C) {
  TspDataSkinButtonControl* r = ButtonRecord({L"combobutton", L"editbutton", L"resizebutton"});
  if (!r || FButtonRect.IsEmpty()) return;
  const bool down = FButtonDown && FButtonHot;
  const TspPartState state = down ? psPressed : FButtonHot ? psHot : psIdle;
  const TRect local(0, 0, FButtonRect.Width(), FButtonRect.Height());
  TBitmap b;
  b.SetSize(local.Width(), local.Height());
  TColor color = clNone;
  if (!DrawSkinButtonPart(b.Canvas(), FSkinData, r->IDName, local, state, color)) return;
  if (!r->MenuMarkerRect.IsEmpty()) {
    DrawMenuMarker(b.Canvas(), local, r, down, FButtonHot);
  } else if (Enabled()) {
    DrawChevronInRect(b.Canvas(), down ? TRect(0, 2, local.Width(), local.Height()) : local, color, 4);
  }
  C->Draw(FButtonRect.Left, FButtonRect.Top, &b);
}

void TspSkinCustomComboBox::SetSkinItemFont(TCanvas* C) {
  TFont* f = C->Font();
  if (FUseSkinFont) {
    f->SetName(FFontName);
    f->SetStyle(FFontStyle);
    f->SetHeight(FFontHeight);
  } else {
    f->Assign(DefaultFont());
  }
  f->SetCharset(SkinCharset());
  if (Focused()) f->SetColor(FFocusFontColor);
  else if (FMouseIn && !FActiveSkinRect.IsEmpty()) f->SetColor(FActiveFontColor);
  else f->SetColor(FFontColor);
  C->Brush()->SetStyle(bsClear);
}

void TspSkinCustomComboBox::CopyControlImage(TBitmap* Item, TCanvas* Control) {
  Item->Canvas()->CopyRect(TRect(0, 0, Item->Width(), Item->Height()), Control, FItemRect);
}

void TspSkinCustomComboBox::DrawSizedSkinItem(TCanvas* C) {
  if (FItemRect.Width() <= 0) return;
  const int w = FItemRect.Width();
  const int h = !FSItemRect.IsEmpty()       ? FSItemRect.Height()
                : !FFocusItemRect.IsEmpty() ? FFocusItemRect.Height()
                                            : FItemRect.Height();
  const bool focused = Focused();
  TRect piece;
  bool stretch = FItemStretchEffect;
  if (focused) {
    piece = FFocusItemRect;
    stretch = FFocusItemStretchEffect;
  } else if (!FActiveItemRect.IsEmpty() && !FActiveSkinRect.IsEmpty() && FMouseIn) {
    piece = FActiveItemRect;
  } else {
    piece = FSItemRect;
  }
  TBitmap b;
  b.SetSize(w, h);
  if (piece.IsEmpty()) {
    // The control picture under the item stands in for a missing piece.
    CopyControlImage(&b, C);
  } else {
    // The three-piece image keeps its piece's height; a piece of another
    // height than the item is fitted to it.
    TBitmap strip;
    CreateHSkinImage(FItemLeftOffset, FItemRightOffset, &strip, Picture, piece, w, h, stretch);
    if (strip.Height() == h) b.Canvas()->Draw(0, 0, &strip);
    else b.Canvas()->StretchDraw(TRect(0, 0, w, h), &strip);
  }
  const int base = !FSItemRect.IsEmpty() ? FSItemRect.Width() : ClRect.Width();
  TRect t = FItemTextRect;
  t.Right += w - base;
  TCanvas* bc = b.Canvas();
  SetSkinItemFont(bc);
  if (!Enabled()) bc->Font()->SetColor(GetDisabledFontColor());
  FOwnerDrawState = focused ? TOwnerDrawState{odFocused} : TOwnerDrawState();
  DrawItemContent(bc, t, w, h);
  C->Draw(FItemRect.Left, FItemRect.Top, &b);
}

void TspSkinCustomComboBox::DrawStretchedSkinItem(TCanvas* C) {
  if (FItemRect.Width() <= 0) return;
  const int w = FItemRect.Width(), h = FItemRect.Height();
  const bool focused = Focused();
  TBitmap b;
  b.SetSize(w, h);
  if (focused && !FFocusItemRect.IsEmpty()) {
    TRect border = FItemTextRect;
    border.Left += 1;
    border.Top += 1;
    border.Right -= 1;
    border.Bottom -= 1;
    const int dw = FSItemRect.Width() - FFocusItemRect.Width(), dh = FSItemRect.Height() - FFocusItemRect.Height();
    if (dw > 0) border.Right -= dw;
    if (dh > 0) border.Top -= dh;
    CreateSkinImageByOffsets(&b, Picture, FFocusItemRect, border, true);
  } else if (!focused && !FActiveItemRect.IsEmpty() && !FActiveSkinRect.IsEmpty() && FMouseIn) {
    CreateSkinImageByOffsets(&b, Picture, FActiveItemRect, FItemTextRect, true);
  } else if (!FSItemRect.IsEmpty()) {
    CreateSkinImageByOffsets(&b, Picture, FSItemRect, FItemTextRect, true);
  } else {
    CopyControlImage(&b, C);
  }
  // A local copy: the skin's text rectangle stays as read, so repeated
  // paints put the text in the same place.
  const int base = !FSItemRect.IsEmpty() ? FSItemRect.Width() : ClRect.Width();
  TRect t = FItemTextRect;
  t.Right += w - base;
  t.Bottom += Height() - SkinRect.Height();
  TCanvas* bc = b.Canvas();
  SetSkinItemFont(bc);
  FOwnerDrawState = focused ? TOwnerDrawState{odFocused} : TOwnerDrawState();
  DrawItemContent(bc, t, w, h);
  C->Draw(FItemRect.Left, FItemRect.Top, &b);
}

void TspSkinCustomComboBox::DrawSkinToolButton(TCanvas* C) {
  GetSkinData();
  TspDataSkinButtonControl* r = ButtonRecord({L"resizetoolbutton", L"resizebutton"});
  if (!r) return;
  const bool hot = FMouseIn || Focused();
  const TspPartState state = FDroppedDown ? psPressed : hot ? psHot : psIdle;
  const TRect all(0, 0, Width(), Height());
  TColor unused = clNone;
  DrawSkinButtonPart(C, FSkinData, r->IDName, all, state, unused);
  const TComboRects tool = ComboToolButtonRects(Width(), Height(), FDroppedDown);
  const TRect t = tool.Item, a = tool.Button;
  TFont* f = C->Font();
  if (FUseSkinFont) {
    f->SetName(r->FontName);
    f->SetStyle(r->FontStyle);
    f->SetHeight(r->FontHeight);
  } else {
    f->Assign(DefaultFont());
  }
  f->SetCharset(SkinCharset());
  if (FDroppedDown) f->SetColor(r->DownFontColor);
  else if (hot) f->SetColor(r->ActiveFontColor);
  else if (!Enabled()) f->SetColor(r->DisabledFontColor);
  else f->SetColor(r->FontColor);
  C->Brush()->SetStyle(bsClear);
  FOwnerDrawState = Focused() ? TOwnerDrawState{odFocused} : TOwnerDrawState();
  DrawItemContent(C, t, Width(), Height());
  if (!r->MenuMarkerRect.IsEmpty() && ActivePicture(r->PictureIndex)) DrawMenuMarker(C, a, r, FDroppedDown, FMouseIn);
  else DrawDropDownArrow(C, a, FDroppedDown ? r->DownFontColor : f->Color());
}

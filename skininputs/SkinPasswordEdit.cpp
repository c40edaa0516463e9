// The skinned password field: text, caret, keys, mouse, focus and its looks.
#include "skininputs/SkinPasswordEdit.h"

#include <imm.h>

#include "classlib/Clipbrd.h"
#include "classlib/SysUtils.h"
#include "skin/SPUtils_compose.h"
#include "skin/SkinCtrlRecords2.h"

TspSkinPasswordEdit::TspSkinPasswordEdit(TComponent* AOwner) : TspSkinCustomControl(AOwner) {
  FSkinDataName = L"edit";
  FControlStyle.Include(csCaptureMouse).Include(csDoubleClicks).Exclude(csSetCaption);
  SetBounds(Left(), Top(), 121, 21);
  SetTabStop(true);
  SetColor(clWindow);
  SetCursor(crDefault);
}

// ---------------------------------------------------------------------------
// Text and properties

void TspSkinPasswordEdit::SetText(const String& Value) {
  const String old = FState.Text;
  StoreText(Value);
  FState.ClampToText();
  Invalidate();
  if (FState.Text != old) Change();
}

void TspSkinPasswordEdit::StoreText(const String& Value) {
  if (Value.empty() || FCharCase == ecNormal) FState.Text = Value;
  else FState.Text = FCharCase == ecUpperCase ? AnsiUpperCase(Value) : AnsiLowerCase(Value);
}

void TspSkinPasswordEdit::SetCharCase(TEditCharCase Value) {
  if (Value == FCharCase) return;
  FCharCase = Value;
  if (!FState.Text.empty()) SetText(FState.Text);
}

void TspSkinPasswordEdit::SetDefaultColor(TColor Value) {
  FDefaultColor = Value;
  if (!Skinned()) Invalidate();
}

void TspSkinPasswordEdit::SetHideSelection(bool Value) {
  FHideSelection = Value;
  Invalidate();
}

void TspSkinPasswordEdit::SetPasswordKind(TspPasswordKind Value) {
  FPasswordKind = Value;
  Invalidate();
}

void TspSkinPasswordEdit::SetTextAlignment(TAlignment Value) {
  FTextAlignment = Value;
  Invalidate();
}

void TspSkinPasswordEdit::SelectAll() {
  FState.SelectAll();
  PlaceCaret(FState.Caret);
}

void TspSkinPasswordEdit::Change() {
  if (Enabled() && HandleAllocated()) PlaceCaret(FState.Caret);
  if (OnChange) OnChange(this);
}

// ---------------------------------------------------------------------------
// Geometry

TRect TspSkinPasswordEdit::GetTextRect() const {
  if (!Skinned()) return TRect(2, 2, Width() - 2, Height() - 2);
  TRect r = NewClRect;
  r.Left += 2;
  if (!FUseSkinFont) r.Bottom += Height() - SkinRect.Height();
  return r;
}

TPasswordRow TspSkinPasswordEdit::Row() const {
  const TRect r = GetTextRect();
  TPasswordRow row;
  row.TextLeft = r.Left;
  row.TextWidth = r.Width();
  row.SymbolWidth = PasswordSymbolWidth(r.Height());
  row.Alignment = static_cast<int>(FTextAlignment);
  return row;
}

TRect TspSkinPasswordEdit::GetSelectionRect() const {
  const TRect t = GetTextRect();
  const int start = FState.SelStart();
  TRect r(CaretX(start), t.Top, CaretX(start + FState.SelCount()), t.Bottom);
  TRect out;
  if (!IntersectRect(out, r, t)) return TRect(0, 0, 0, 0);
  return out;
}

void TspSkinPasswordEdit::PlaceCaret(int I) {
  FState.PlaceCaret(I);
  FState.FirstVisible = Row().Scroll(FState.Caret, FState.Length(), FState.FirstVisible);
  if (Focused()) SetCaretPos(CaretX(FState.Caret), GetTextRect().Top);
  Invalidate();
}

// ---------------------------------------------------------------------------
// Skin

void TspSkinPasswordEdit::GetSkinData() {
  TspSkinCustomControl::GetSkinData();
  auto* r = SkinRecordAs<TspDataSkinEditControl>();
  if (!r) return;
  FActiveSkinRect = r->ActiveSkinRect.IsEmpty() ? r->SkinRect : r->ActiveSkinRect;
  FLeftPiece = r->LTPoint.X;
  FRightPiece = r->SkinRect.Width() - r->RTPoint.X;
  FFontColor = r->FontColor;
  FActiveFontColor = r->ActiveFontColor;
  FDisabledFontColor = r->DisabledFontColor;
}

void TspSkinPasswordEdit::ChangeSkinData() {
  TspSkinCustomControl::ChangeSkinData();
  // The skin gives no cursor of its own: back to the I-beam.
  if (Cursor() == crDefault) SetCursor(crDefault);
  if (Focused()) MakeCaret();
}

void TspSkinPasswordEdit::CalcSize(int& W, int& H) {
  // The skin geometry is taken at the skin's height, which the field keeps
  // with the skin font; with its own font the field keeps its own height.
  const int h = H;
  if (FIndex != -1) H = SkinRect.Height();
  TspSkinCustomControl::CalcSize(W, H);
  if (!FUseSkinFont) H = h;
}

// ---------------------------------------------------------------------------
// Caret and focus

int TspSkinPasswordEdit::CaretHeight() const {
  if (!Skinned()) return Height() - 4;
  const int h = NewClRect.Height();
  return FUseSkinFont ? h : h + Height() - SkinRect.Height();
}

void TspSkinPasswordEdit::MakeCaret() {
  CreateCaret(FHandle, nullptr, 0, CaretHeight());
  SetCaretPos(CaretX(FState.Caret), GetTextRect().Top);
  ShowCaret(FHandle);
}

void TspSkinPasswordEdit::CreateHandleDone() {
  TspSkinCustomControl::CreateHandleDone();
  // No input method composes here: its window would show the password.
  ImmAssociateContext(FHandle, nullptr);
}

void TspSkinPasswordEdit::TakeWindowText() {
  // Text written through the window (the class library's SetText) comes in
  // here and leaves the window text empty again.
  String value;
  value.swap(FText);
  if (HandleAllocated()) SetWindowTextW(FHandle, L"");
  FState.SelLength = 0;
  SetText(value);
}

void TspSkinPasswordEdit::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETDLGCODE:
      Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
      return;
    case WM_LBUTTONDBLCLK:
      TspSkinCustomControl::Dispatch(Message);
      SelectWord();
      return;
    case WM_SETFOCUS:
      TspSkinCustomControl::Dispatch(Message);
      MakeCaret();
      PlaceCaret(0);
      if (FAutoSelect) SelectAll();
      return;
    case WM_KILLFOCUS:
      TspSkinCustomControl::Dispatch(Message);
      DestroyCaret();
      Invalidate();
      return;
    case WM_IME_STARTCOMPOSITION:
    case WM_IME_COMPOSITION:
    case WM_IME_ENDCOMPOSITION:
      // Belt and braces with the detached context: nothing reaches the default
      // handler, which would open a composition window.
      Message.Result = 0;
      return;
    case CM_ENABLEDCHANGED:
      TspSkinCustomControl::Dispatch(Message);
      if (HandleAllocated()) Invalidate();
      return;
    case CM_FONTCHANGED:
      TspSkinCustomControl::Dispatch(Message);
      if (Focused()) MakeCaret();
      return;
    case CM_TEXTCHANGED:
      TspSkinCustomControl::Dispatch(Message);
      TakeWindowText();
      return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      TspSkinCustomControl::Dispatch(Message);
      FMouseIn = Message.Msg == CM_MOUSEENTER;
      if (!Focused()) Invalidate();
      return;
  }
  TspSkinCustomControl::Dispatch(Message);
}

// ---------------------------------------------------------------------------
// Keys and mouse

void TspSkinPasswordEdit::KeyDown(WORD& Key, TShiftState Shift) {
  TspSkinCustomControl::KeyDown(Key, Shift);
  if (Key == 0) return;
  const bool ctrl = Shift.Contains(ssCtrl), shift = Shift.Contains(ssShift), alt = Shift.Contains(ssAlt);
  const int old = FState.Caret;
  switch (Key) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_HOME:
    case VK_END: {
      int to = FState.Length();
      if (Key == VK_LEFT) to = ctrl ? PrevWordStart(FState.Text, old) : old - 1;
      else if (Key == VK_RIGHT) to = ctrl ? NextWordStart(FState.Text, old) : old + 1;
      else if (Key == VK_HOME) to = 0;
      FState.Caret = to < 0 ? 0 : (to > FState.Length() ? FState.Length() : to);
      FState.ExtendSelection(old, shift);
      Invalidate();
      break;
    }
    case VK_BACK:
    case VK_DELETE: {
      if (FReadOnly) break;
      const String before = FState.Text;
      if (FState.SelCount() > 0) FState.DeleteSelection();
      else if (Key == VK_BACK) FState.DeleteBefore();
      else FState.DeleteAfter();
      Invalidate();
      if (FState.Text != before) Change();
      break;
    }
    case VK_INSERT:
      if (shift && !ctrl && !alt) Paste();
      break;
    case 'V':
      if (ctrl && !shift && !alt) Paste();
      break;
  }
  PlaceCaret(FState.Caret);
}

void TspSkinPasswordEdit::KeyPress(wchar_t& Key) {
  TspSkinCustomControl::KeyPress(Key);
  if (Key >= 32 && !FReadOnly) InsertText(String(1, Key));
}

void TspSkinPasswordEdit::InsertText(const String& S) {
  if (FReadOnly) return;
  const String old = FState.Text;
  if (!FState.Insert(S, FMaxLength)) {
    PlaceCaret(FState.Caret);
    return;
  }
  const String typed = FState.Text;
  const int caret = FState.Caret;
  StoreText(typed);  // in CharCase
  FState.Caret = caret;
  Invalidate();
  if (FState.Text != old) Change();
  PlaceCaret(FState.Caret);
}

void TspSkinPasswordEdit::Paste() {
  TClipboard* clip = Clipboard();
  if (!clip->HasFormat(CF_UNICODETEXT) && !clip->HasFormat(CF_TEXT)) return;
  // One line, as every one-line edit takes a paste.
  InsertText(FirstLine(clip->AsText()));
}

void TspSkinPasswordEdit::SelectWord() {
  FSelecting = false;
  const int start = PrevWordStart(FState.Text, FState.Caret);
  FState.Select(start, NextWordStart(FState.Text, start) - start);
  PlaceCaret(FState.Caret);
}

void TspSkinPasswordEdit::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TspSkinCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  FSelecting = true;
  if (!Focused() && CanFocus()) SetFocus();
  FState.SelLength = 0;
  FState.Anchor = FState.Caret;
  PlaceCaret(Row().PosFromX(X, FState.Length(), FState.FirstVisible));
}

void TspSkinPasswordEdit::MouseMove(TShiftState Shift, int X, int Y) {
  TspSkinCustomControl::MouseMove(Shift, X, Y);
  if (!FSelecting) return;
  const int old = FState.Caret;
  int to = Row().PosFromX(X, FState.Length(), FState.FirstVisible);
  // Past the right edge the caret runs on, so that the row scrolls.
  if (X > GetTextRect().Right) ++to;
  FState.Caret = to < 0 ? 0 : (to > FState.Length() ? FState.Length() : to);
  FState.ExtendSelection(old, true);
  PlaceCaret(FState.Caret);
}

void TspSkinPasswordEdit::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  FSelecting = false;
  TspSkinCustomControl::MouseUp(Button, Shift, X, Y);
}

// ---------------------------------------------------------------------------
// Painting

TColor TspSkinPasswordEdit::SymbolColor(bool Selected) const {
  if (!Enabled()) return Skinned() ? FDisabledFontColor : clGrayText;
  if (Selected) return clHighlightText;
  if (!Skinned()) return DrawingDefaultFont()->Color();
  return FMouseIn || Focused() ? FActiveFontColor : FFontColor;
}

void TspSkinPasswordEdit::DrawSymbol(TCanvas* C, const TRect& Cell, bool Selected) {
  const TColor color = SymbolColor(Selected);
  C->Pen()->SetColor(color);
  C->Brush()->SetColor(color);
  const TRect r = PasswordSymbolRect(Cell);
  switch (FPasswordKind) {
    case pkRoundRect:
      C->RoundRect(r.Left, r.Top, r.Right, r.Bottom, r.Width() / 2, r.Width() / 2);
      break;
    case pkRect:
      C->FillRect(r);
      break;
    case pkTriangle: {
      TPoint p[3];
      PasswordTriangle(r, p);
      C->Polygon({p[0], p[1], p[2]});
      break;
    }
  }
}

void TspSkinPasswordEdit::DrawSymbols(TCanvas* C) {
  const TRect t = GetTextRect();
  const int sw = SymbolWidth();
  const bool showSel = (Focused() || !FHideSelection) && FState.SelCount() > 0;
  TRect sel;
  if (showSel) {
    sel = GetSelectionRect();
    C->Brush()->SetColor(clHighlight);
    C->FillRect(sel);
  }
  const int x0 = CaretX(0);
  for (int k = 0; FState.FirstVisible + k <= FState.Length(); ++k) {
    const TRect cell(x0 + k * sw, t.Top, x0 + (k + 1) * sw, t.Bottom);
    if (cell.Right > t.Right) break;
    DrawSymbol(C, cell, false);
  }
  if (!showSel) return;
  // The selected characters again, in the highlight text colour.
  const int first = FState.SelStart() + 1 > FState.FirstVisible ? FState.SelStart() + 1 : FState.FirstVisible;
  const int last = FState.SelStart() + FState.SelCount();
  for (int i = first, k = 0; i <= last; ++i, ++k) {
    const TRect cell(sel.Left + k * sw, t.Top, sel.Left + (k + 1) * sw, t.Bottom);
    if (cell.Right > sel.Right) break;
    DrawSymbol(C, cell, true);
  }
}

void TspSkinPasswordEdit::CreateControlDefaultImage(TBitmap* B) {
  TCanvas* c = B->Canvas();
  TRect r(0, 0, Width(), Height());
  c->Brush()->SetColor(FDefaultColor);
  c->FillRect(r);
  Frame3D(c, r, clBtnShadow, clBtnShadow, 1);
  Frame3D(c, r, clBtnFace, clBtnFace, 1);
  DrawSymbols(c);
}

void TspSkinPasswordEdit::CreateControlSkinImage(TBitmap* B) {
  const TRect& src = FMouseIn || Focused() ? FActiveSkinRect : SkinRect;
  if (FUseSkinFont) {
    CreateHSkinImage(FLeftPiece, FRightPiece, B, Picture, src, Width(), src.Height(), StretchEffect);
  } else {
    TBitmap piece;
    CreateHSkinImage(FLeftPiece, FRightPiece, &piece, Picture, src, Width(), src.Height(), StretchEffect);
    B->SetSize(Width(), Height());
    B->Canvas()->StretchDraw(TRect(0, 0, Width(), Height()), &piece);
  }
  DrawSymbols(B->Canvas());
}

// TspSkinRichEdit: skin font and colours on request, and the skinned bars driven from the window's scroll state.
#include "skinctrls/SkinRichEdit.h"

#include <richedit.h>

#include "skin/SPUtils_platform.h"
#include "skin/SkinResStr.h"

TspSkinRichEdit::TspSkinRichEdit(TComponent* AOwner) : TCustomRichEdit(AOwner), FDefaultFont(std::make_unique<TFont>()) {
  FDefaultFont->SetName(L"Arial");
  FDefaultFont->SetHeight(14);
  Font()->Assign(FDefaultFont.get());
  // The window keeps its scroll state in both directions for the skinned bars to read.
  SetScrollBars(ssBoth);
}

TspSkinRichEdit::~TspSkinRichEdit() {
  if (!FTornDownControl) TspSkinRichEdit::BeforeDestruction();
}

void TspSkinRichEdit::BeforeDestruction() {
  if (FTornDownControl) return;
  FBars.Detach();
  if (FSkinData) FSkinData->RemoveFreeNotification(this);
  TCustomRichEdit::BeforeDestruction();
}

void TspSkinRichEdit::CreateParams(TCreateParams& Params) {
  TCustomRichEdit::CreateParams(Params);
  Params.Style &= ~WS_BORDER;
  Params.ExStyle &= ~WS_EX_CLIENTEDGE;
}

void TspSkinRichEdit::Loaded() { ChangeSkinData(); }

void TspSkinRichEdit::SetSkinData(TspSkinData* Value) {
  if (FSkinData) FSkinData->RemoveFreeNotification(this);
  FSkinData = Value;
  if (Value) Value->FreeNotification(this);
  if (Value && !Value->Empty() && !ComponentState().Contains(csDesigning)) ChangeSkinData();
}

void TspSkinRichEdit::SetDefaultFont(TFont* Value) {
  FDefaultFont->Assign(Value);
  if (FIndex == -1 && FSkinSupport) Font()->Assign(Value);
}

void TspSkinRichEdit::SetDefaultColor(TColor Value) {
  FDefaultColor = Value;
  if (FIndex == -1 && FSkinSupport) SetColor(Value);
}

void TspSkinRichEdit::SetVScrollBar(TspSkinScrollBar* Value) {
  FBars.SetVertical(Value);
  if (Value) {
    Value->OnChange = [this](TObject*) { ScrollTo(SB_VERT, FBars.Vertical()->Position()); };
    Value->OnUpButtonClick = [this](TObject*) {
      TspSkinScrollBar* bar = FBars.Vertical();
      if (bar->Max() - bar->PageSize() + 1 > bar->Position()) SendMessageW(Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
      UpdateScrollBars();
    };
    Value->OnDownButtonClick = [this](TObject*) {
      if (FBars.Vertical()->Position() != 0) SendMessageW(Handle(), WM_VSCROLL, SB_LINEUP, 0);
      UpdateScrollBars();
    };
  }
  UpdateScrollBars();
}

void TspSkinRichEdit::SetHScrollBar(TspSkinScrollBar* Value) {
  FBars.SetHorizontal(Value);
  if (Value) Value->OnChange = [this](TObject*) { ScrollTo(SB_HORZ, FBars.Horizontal()->Position()); };
  UpdateScrollBars();
}

void TspSkinRichEdit::ScrollTo(int Bar, int Position) {
  if (Position <= 0xFFFF) {
    SendMessageW(Handle(), Bar == SB_VERT ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, Position), 0);
    return;
  }
  // The scroll message carries 16 bits; a longer text is placed directly.
  POINT p;
  SendMessageW(Handle(), EM_GETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&p));
  (Bar == SB_VERT ? p.y : p.x) = Position;
  SendMessageW(Handle(), EM_SETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&p));
}

void TspSkinRichEdit::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomRichEdit::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FSkinData) {
    FSkinData = nullptr;
    FIndex = -1;
  }
  FBars.Notification(AComponent);
}

void TspSkinRichEdit::ChangeSkinData() {
  FIndex = FSkinData && !FSkinData->Empty()
               ? FSkinData->GetControlIndex(FSkinDataName, RecordKindOf<TspDataSkinRichEdit>)
               : -1;
  auto* record = FIndex == -1 ? nullptr : static_cast<TspDataSkinRichEdit*>(FSkinData->CtrlList[FIndex]);
  if (FSkinSupport) {
    ApplyViewSkin(this, FSkinData, record, true, FDefaultFont.get(), FDefaultColor);
  } else {
    const TspResourceStrData* store = FSkinData ? FSkinData->ResourceStrData() : nullptr;
    Font()->SetCharset(store ? store->CharSet() : FDefaultFont->Charset());
  }
  UpdateScrollBars();
  FBars.Realign();
}

void TspSkinRichEdit::Change() {
  TCustomRichEdit::Change();
  UpdateScrollBars();
}

void TspSkinRichEdit::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    // No room for the window's own bars: the skinned ones stand beside it.
    case WM_NCCALCSIZE: Message.Result = 0; return;
    case WM_SIZE:
    case WM_KEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
      TCustomRichEdit::Dispatch(Message);
      UpdateScrollBars();
      return;
  }
  TCustomRichEdit::Dispatch(Message);
}

void TspSkinRichEdit::UpdateScrollBars() {
  if (!HandleAllocated()) return;
  const struct {
    TspSkinScrollBar* Bar;
    int Kind;
    LONG Object;
  } bars[] = {{FBars.Vertical(), SB_VERT, OBJID_VSCROLL}, {FBars.Horizontal(), SB_HORZ, OBJID_HSCROLL}};
  for (const auto& b : bars) {
    if (!b.Bar) continue;
    const SCROLLINFO si = ReadScrollInfo(Handle(), b.Kind);
    SCROLLBARINFO info = {};
    info.cbSize = sizeof(info);
    GetScrollBarInfoSafe(Handle(), b.Object, info);
    if (info.rgstate[0] & STATE_SYSTEM_INVISIBLE) {
      // The text fits: the bar stays in place, disabled.
      b.Bar->SetEnabled(false);
      SetScrollRange(Handle(), b.Kind, 0, 0, FALSE);
    } else {
      if (!b.Bar->Enabled()) b.Bar->SetEnabled(true);
      b.Bar->SetRange(si.nMin, si.nMax, static_cast<int>(si.nPage), si.nPos);
    }
  }
}

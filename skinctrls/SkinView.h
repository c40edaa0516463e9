// What the skinned tree view and list view add alike to their class library
// view: default font and colour, the skin-aware answer, no border or bars of
// their own, and the external skinned bars that show and hide with the view.
#pragma once

#include <memory>

#include "skin/SkinForm.h"
#include "skinctrls/SkinLinked.h"
#include "skinctrls/SkinViewParts.h"

template <class TBase>
class TspSkinView : public TspSkinLinked<TBase> {
 public:
  explicit TspSkinView(TComponent* AOwner) : TspSkinLinked<TBase>(AOwner), FDefaultFont(std::make_unique<TFont>()) {
    FDefaultFont->SetName(L"Arial");
    FDefaultFont->SetHeight(14);
    // The view's font follows the default font whenever that is the one shown.
    FDefaultFont->OnChange = [this](TObject*) {
      if (this->FIndex == -1 || !FUseSkinFont) this->ChangeSkinData();
    };
  }
  ~TspSkinView() override {
    if (!this->FTornDownControl) TspSkinView::BeforeDestruction();
  }
  void BeforeDestruction() override {
    if (this->FTornDownControl) return;
    FBars.Detach();
    TspSkinLinked<TBase>::BeforeDestruction();
  }
  void Dispatch(TMessage& Message) override {
    switch (Message.Msg) {
      case MSG_SKIN_AWARE_QUERY: Message.Result = SKIN_AWARE_REPLY; return;
      // No border and no room for the window's own bars: the skinned ones stand beside it.
      case WM_NCCALCSIZE: Message.Result = 0; return;
      case WM_NCPAINT: return;
      case CM_VISIBLECHANGED:
        TBase::Dispatch(Message);
        FBars.SetVisible(this->Visible());
        return;
    }
    TBase::Dispatch(Message);
  }
  // Shows, hides and sets the bars from the window's scroll state.
  virtual void UpdateScrollBars() = 0;

  TFont* DefaultFont() const { return FDefaultFont.get(); }
  // Without a skin the view's font and colour follow the defaults at once.
  void SetDefaultFont(TFont* Value) { FDefaultFont->Assign(Value); }
  TColor DefaultColor() const { return FDefaultColor; }
  void SetDefaultColor(TColor Value) {
    FDefaultColor = Value;
    if (this->FIndex == -1) this->SetColor(Value);
  }
  bool UseSkinFont() const { return FUseSkinFont; }
  // The view takes the new choice at once.
  void SetUseSkinFont(bool Value) {
    if (FUseSkinFont == Value) return;
    FUseSkinFont = Value;
    this->ChangeSkinData();
  }
  TspSkinScrollBar* VScrollBar() const { return FBars.Vertical(); }
  void SetVScrollBar(TspSkinScrollBar* Value) {
    FBars.SetVertical(Value);
    if (Value) Value->OnChange = [this](TObject*) { VScrollBarChange(); };
    UpdateScrollBars();
  }
  TspSkinScrollBar* HScrollBar() const { return FBars.Horizontal(); }
  void SetHScrollBar(TspSkinScrollBar* Value) {
    FBars.SetHorizontal(Value);
    if (Value) Value->OnChange = [this](TObject*) { HScrollBarChange(); };
    UpdateScrollBars();
  }

 protected:
  void CreateParams(TCreateParams& Params) override {
    TBase::CreateParams(Params);
    Params.Style &= ~(WS_HSCROLL | WS_VSCROLL);
  }
  void Notification(TComponent* AComponent, TOperation Operation) override {
    TspSkinLinked<TBase>::Notification(AComponent, Operation);
    if (Operation == opRemove) FBars.Notification(AComponent);
  }
  // What a move of the bar does to the view.
  virtual void VScrollBarChange() = 0;
  virtual void HScrollBarChange() = 0;

  TspViewScrollBars FBars{this};
  std::unique_ptr<TFont> FDefaultFont;
  TColor FDefaultColor = clWindow;
  bool FUseSkinFont = true;
  // Set while the view shows, hides or realigns its bars itself.
  bool FUpdating = false;
};

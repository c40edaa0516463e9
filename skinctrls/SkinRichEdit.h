// The skinned rich edit: the system rich edit without its border, with the
// skin's font and colours when SkinSupport is on, and external skinned bars.
// It takes a new skin only when its SkinData is set again: the skinned form
// does not relay skin changes to it.
#pragma once

#include <memory>

#include "classlib/ComCtrls.h"
#include "skinctrls/SkinViewParts.h"

class TspSkinRichEdit : public TCustomRichEdit {
 public:
  explicit TspSkinRichEdit(TComponent* AOwner);
  ~TspSkinRichEdit() override;
  void BeforeDestruction() override;
  String ClassName() const override { return L"TspSkinRichEdit"; }
  void Dispatch(TMessage& Message) override;
  void ChangeSkinData();
  void UpdateScrollBars();

  TspSkinData* SkinData() const { return FSkinData; }
  void SetSkinData(TspSkinData* Value);
  const String& SkinDataName() const { return FSkinDataName; }
  void SetSkinDataName(const String& Value) { FSkinDataName = Value; }
  // Index of the record in the skin's control list; -1 for none.
  int SkinIndex() const { return FIndex; }
  TFont* DefaultFont() const { return FDefaultFont.get(); }
  void SetDefaultFont(TFont* Value);
  TColor DefaultColor() const { return FDefaultColor; }
  void SetDefaultColor(TColor Value);
  // Without it a skin changes nothing but the font's character set.
  bool SkinSupport() const { return FSkinSupport; }
  void SetSkinSupport(bool Value) { FSkinSupport = Value; }
  TspSkinScrollBar* VScrollBar() const { return FBars.Vertical(); }
  void SetVScrollBar(TspSkinScrollBar* Value);
  TspSkinScrollBar* HScrollBar() const { return FBars.Horizontal(); }
  void SetHScrollBar(TspSkinScrollBar* Value);

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Loaded() override;
  void Change() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void ScrollTo(int Bar, int Position);
  TspViewScrollBars FBars{this, false};
  TspSkinData* FSkinData = nullptr;
  String FSkinDataName = L"richedit";
  int FIndex = -1;
  std::unique_ptr<TFont> FDefaultFont;
  TColor FDefaultColor = clWindow;
  bool FSkinSupport = false;
};

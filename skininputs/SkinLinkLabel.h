// The link label: an underlined caption in the skin's label font that
// changes colour (or glows) under the mouse and opens its URL when clicked.
#pragma once

#include <memory>

#include "classlib/StdCtrls.h"
#include "skinctrls/SkinLabels.h"

class TspSkinLinkLabel : public TspSkinLinked<TCustomLabel> {
 public:
  explicit TspSkinLinkLabel(TComponent* AOwner);
  String ClassName() const override { return L"TspSkinLinkLabel"; }
  void Dispatch(TMessage& Message) override;
  void Click() override;

  // Reads the "stdlabel" record again and repaints.
  void ChangeSkinData() override;

  bool GlowEffect() const { return FGlowEffect; }
  void SetGlowEffect(bool Value);
  int GlowSize() const { return FGlowSize; }
  void SetGlowSize(int Value);
  bool UseUnderLine() const { return FUseUnderLine; }
  void SetUseUnderLine(bool Value);
  bool UseSkinFont() const { return FUseSkinFont; }
  void SetUseSkinFont(bool Value);
  TColor DefaultActiveFontColor() const { return FDefaultActiveFontColor; }
  void SetDefaultActiveFontColor(TColor Value);
  const String& URL() const { return FURL; }
  void SetURL(const String& Value) { FURL = Value; }
  TFont* DefaultFont() const { return FDefaultFont.get(); }
  void SetDefaultFont(TFont* Value) { FDefaultFont->Assign(Value); }
  bool Hot() const { return FHot; }

 protected:
  void DoDrawText(TRect& Rect, UINT Flags) override;

 private:
  TspRecordKind RecordKind() const override { return RecordKindOf<TspDataSkinStdLabelControl>; }
  void GetSkinData() override;

  bool FGlowEffect = false;
  int FGlowSize = 7;
  bool FUseUnderLine = true;
  bool FUseSkinFont = true;
  TColor FDefaultActiveFontColor = clBlue;
  String FURL;
  std::unique_ptr<TFont> FDefaultFont;
  bool FHot = false;
  TspLabelSkinFont FSkinFont;
};

// TLEDFontNum: a short text of digits shown as seven-segment LED cells, lit
// segments in a light colour and unlit ones in a dark colour.
#pragma once

#include "classlib/Controls.h"
#include "components/LEDFontGeometry.h"

class TLEDFontNum : public TGraphicControl {
 public:
  explicit TLEDFontNum(TComponent* AOwner);
  String ClassName() const override { return L"TLEDFontNum"; }
  // A new Text draws at once rather than waiting for the next paint.
  void Dispatch(TMessage& Message) override;

  int OffSetX() const { return FOffSetX; }
  void SetOffSetX(int Value);
  int OffSetY() const { return FOffSetY; }
  void SetOffSetY(int Value);
  int WordWidth() const { return FWordWidth; }
  // Taken only when wider than two segments.
  void SetWordWidth(int Value);
  int WordHeight() const { return FWordHeight; }
  // Taken only when at least four segments high; an even value is raised by one.
  void SetWordHeight(int Value);
  int Thick() const { return FThick; }
  // Taken only when it fits the cell and keeps the cell's halves even.
  void SetThick(int Value);
  int Space() const { return FSpace; }
  void SetSpace(int Value);
  TColor LightColor() const { return FLightColor; }
  void SetLightColor(TColor Value);
  TColor BGColor() const { return FBGColor; }
  void SetBGColor(TColor Value);
  TColor DarkColor() const { return FDarkColor; }
  void SetDarkColor(TColor Value);
  bool AutoSize() const { return FAutoSizeLED; }
  void SetAutoSize(bool Value) override;

 protected:
  void Paint() override;
  void DrawDigits();

 private:
  // Stores a changed value (TColor is an int too) and repaints.
  void SetAndInvalidate(int& Field, int Value);
  TSize ComputedSize() const;
  // Takes the computed size where the alignment leaves the size to the display.
  void SizeTo(const TSize& Size);
  int FOffSetX = 4, FOffSetY = 4, FWordWidth = 17, FWordHeight = 29, FThick = 3, FSpace = 4;
  TColor FLightColor = 0x00FFF7, FBGColor = 0x4A424A, FDarkColor = 0x636363;
  bool FAutoSizeLED = true;
};

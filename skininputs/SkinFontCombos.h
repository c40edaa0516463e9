// Font name and font size combo boxes: the installed families, each shown
// in its own face, and the point sizes one family offers.
#pragma once

#include "classlib/ControlTypes.h"
#include "skininputs/SkinComboBox.h"

enum TspFontDevice { fdScreen, fdPrinter, fdBoth };
enum TspFontListOption {
  foAnsiOnly,
  foTrueTypeOnly,
  foFixedPitchOnly,
  foNoOEMFonts,
  foOEMFontsOnly,
  foScalableOnly,
  foNoSymbolFonts
};
using TspFontListOptions = TSet<TspFontListOption>;

// Whether a family passes the options (filters applied in a fixed order).
bool FontPassesOptions(const TspFontListOptions& Options, int CharSet, int PitchAndFamily, int FontType);

class TspSkinFontComboBox : public TspSkinCustomComboBox {
 public:
  explicit TspSkinFontComboBox(TComponent* AOwner);
  String ClassName() const override { return L"TspSkinFontComboBox"; }

  TspFontDevice Device() const { return FDevice; }
  void SetDevice(TspFontDevice Value);
  TspFontListOptions Options() const { return FOptions; }
  void SetOptions(const TspFontListOptions& Value);
  bool TrueTypeOnly() const { return FOptions.Contains(foTrueTypeOnly); }
  void SetTrueTypeOnly(bool Value);
  bool UseFonts() const { return FUseFonts; }
  void SetUseFonts(bool Value);
  String FontName() const { return Text(); }
  void SetFontName(const String& Value);
  // Lists the families again, keeping the chosen one.
  void Reset();
  // The enumeration's type bits of item Index, 0x100 added for a
  // family that is not a symbol font.
  int ItemFontType(int Index) const;
  // One family from the system's enumeration.
  void AddFamilyFromEnum(const LOGFONTW& Font, int FontType) { AddFamily(Font, FontType); }

 protected:
  void CreateWnd() override;
  void Dispatch(TMessage& Message) override;

 private:
  void BuildList();
  void AddFamily(const LOGFONTW& Font, int FontType);
  void DrawListItem(TCanvas* Cnvs, int Index, const TRect& TxtRect);

  TspFontDevice FDevice = fdScreen;
  bool FUpdating = false, FUseFonts = false;
  TspFontListOptions FOptions;
};

class TspSkinFontSizeComboBox : public TspSkinCustomComboBox {
 public:
  explicit TspSkinFontSizeComboBox(TComponent* AOwner);
  String ClassName() const override { return L"TspSkinFontSizeComboBox"; }

  // Lists the sizes of family Name (none for an empty name).
  void SetFontName(const String& Name);
  const String& FontName() const { return FFontName; }
  // The chosen or typed size; 0 for none or for text that is no number.
  int GetSizeValue() const;
  int PixelsPerInch() const { return FPixelsPerInch; }

 private:
  void BuildSizes();

  int FPixelsPerInch = 96;
  String FFontName;
};

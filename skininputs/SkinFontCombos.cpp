// The font name box (families of the screen or the printer, filtered, with a
// TrueType mark) and the font size box (a ladder or the raster sizes).
#include "skininputs/SkinFontCombos.h"

#include <vector>

#include "classlib/SysUtils.h"
#include "classlib/SystemCallback.h"
#include "skin/SPUtils.h"
#include "skininputs/FontSizeRules.h"

namespace {

constexpr int kNotSymbol = 0x100;

int CALLBACK FamilyCallback(const LOGFONTW* Font, const TEXTMETRICW*, DWORD FontType, LPARAM Data) {
  auto* combo = reinterpret_cast<TspSkinFontComboBox*>(Data);
  return FromSystem(combo, 0, [&] {
    combo->AddFamilyFromEnum(*Font, static_cast<int>(FontType));
    return 1;
  });
}

struct TSizeCollect {
  int PixelsPerInch = 0;
  bool TrueType = false;
  std::vector<int> Sizes;
};

// A TrueType face ends the enumeration (the ladder serves); raster faces
// each add their size once.
int CALLBACK SizeCallback(const LOGFONTW* Font, const TEXTMETRICW* Metric, DWORD FontType, LPARAM Data) {
  auto* c = reinterpret_cast<TSizeCollect*>(Data);
  if (FontType & TRUETYPE_FONTTYPE) {
    c->TrueType = true;
    return 0;
  }
  InsertSize(c->Sizes, RasterPointSize(Font->lfHeight, Metric->tmInternalLeading, c->PixelsPerInch));
  return 1;
}

TObject* TypeTag(int Type) { return reinterpret_cast<TObject*>(static_cast<intptr_t>(Type)); }

// The default printer's DC, or nullptr without a printer.
HDC DefaultPrinterDC() {
  wchar_t device[512] = {};
  GetProfileStringW(L"windows", L"device", L"", device, 512);
  const String entry(device);
  const size_t comma = entry.find(L',');
  if (entry.empty() || comma == String::npos) return nullptr;
  const String name = entry.substr(0, comma);
  const size_t second = entry.find(L',', comma + 1);
  const String driver = entry.substr(comma + 1, second == String::npos ? String::npos : second - comma - 1);
  return CreateDCW(driver.c_str(), name.c_str(), nullptr, nullptr);
}

// The "T" of the TrueType mark, 8 x 9 pixels from (X, Y).
void DrawTGlyph(TCanvas* C, int X, int Y, TColor Color) {
  C->Pen()->SetColor(Color);
  auto line = [C](int X1, int Y1, int X2, int Y2) {
    C->MoveTo(X1, Y1);
    C->LineTo(X2, Y2);
  };
  line(X, Y, X + 7, Y);
  line(X + 7, Y, X + 7, Y + 3);
  line(X, Y, X, Y + 3);
  SetPixel(C->Handle(), X + 1, Y, ColorToRGB(Color));
  SetPixel(C->Handle(), X + 6, Y, ColorToRGB(Color));
  line(X + 3, Y, X + 3, Y + 8);
  line(X + 4, Y, X + 4, Y + 8);
  line(X + 2, Y + 8, X + 6, Y + 8);
}

}  // namespace

bool FontPassesOptions(const TspFontListOptions& Options, int CharSet, int PitchAndFamily, int FontType) {
  bool ok = true;
  if (Options.Contains(foAnsiOnly)) ok = ok && CharSet == ANSI_CHARSET;
  if (Options.Contains(foTrueTypeOnly)) ok = ok && (FontType & TRUETYPE_FONTTYPE);
  if (Options.Contains(foFixedPitchOnly)) ok = ok && (PitchAndFamily & FIXED_PITCH);
  if (Options.Contains(foOEMFontsOnly)) ok = ok && CharSet == OEM_CHARSET;
  if (Options.Contains(foNoOEMFonts)) ok = ok && CharSet != OEM_CHARSET;
  if (Options.Contains(foNoSymbolFonts)) ok = ok && CharSet != SYMBOL_CHARSET;
  if (Options.Contains(foScalableOnly)) ok = ok && !(FontType & RASTER_FONTTYPE);
  return ok;
}

// ---------------------------------------------------------------------------
// Font name box

TspSkinFontComboBox::TspSkinFontComboBox(TComponent* AOwner) : TspSkinCustomComboBox(AOwner) {
  SetOnListBoxDrawItem([this](TCanvas* C, int Index, int, int, const TRect& T, TOwnerDrawState) {
    DrawListItem(C, Index, T);
  });
  // The face is drawn in the control's own font, not the family's.
  OnComboBoxDrawItem = [this](TCanvas* C, int Index, int, int, const TRect& T, TOwnerDrawState) {
    TRect r = T;
    r.Left += 2;
    DrawTextCenteredV(C, Items()->Strings(Index), r);
  };
  SetSorted(true);
}

int TspSkinFontComboBox::ItemFontType(int Index) const {
  return static_cast<int>(reinterpret_cast<intptr_t>(Items()->Objects(Index)));
}

void TspSkinFontComboBox::DrawListItem(TCanvas* C, int Index, const TRect& TxtRect) {
  TRect r = TxtRect;
  if (ItemFontType(Index) & TRUETYPE_FONTTYPE) {
    const int x = r.Left, y = r.Top + r.Height() / 2 - 7;
    DrawTGlyph(C, x, y, 0x808080);
    DrawTGlyph(C, x + 4, y + 4, clBlack);
  }
  r.Left += 15;
  C->Font()->SetName(Items()->Strings(Index));
  C->Font()->SetStyle(TFontStyles());
  DrawTextCenteredV(C, Items()->Strings(Index), r);
}

void TspSkinFontComboBox::AddFamily(const LOGFONTW& Font, int FontType) {
  const String name = Font.lfFaceName;
  if (Items()->IndexOf(name) >= 0) return;
  if (!FontPassesOptions(FOptions, Font.lfCharSet, Font.lfPitchAndFamily, FontType)) return;
  Items()->AddObject(name, TypeTag(FontType | (Font.lfCharSet != SYMBOL_CHARSET ? kNotSymbol : 0)));
}

void TspSkinFontComboBox::BuildList() {
  if (!HandleAllocated()) return;
  const int index = ItemIndex();
  Items()->BeginUpdate();
  Items()->Clear();
  HDC screen = GetDC(nullptr);
  if (FDevice == fdScreen || FDevice == fdBoth)
    EnumFontFamiliesW(screen, nullptr, FamilyCallback, reinterpret_cast<LPARAM>(this));
  if (FDevice == fdPrinter || FDevice == fdBoth) {
    // Without a printer the list simply has no printer fonts.
    if (HDC printer = DefaultPrinterDC()) {
      EnumFontFamiliesW(printer, nullptr, FamilyCallback, reinterpret_cast<LPARAM>(this));
      DeleteDC(printer);
    }
  }
  ReleaseDC(nullptr, screen);
  Items()->EndUpdate();
  ListBox()->SetItemIndex(index);
}

void TspSkinFontComboBox::SetFontName(const String& Value) {
  if (Value == Text()) return;
  // Loading, or no window to list the families in yet: the name waits as
  // the text, and the window's creation selects it.
  const bool canCreate = HandleAllocated() || (Parent() && Parent()->HandleAllocated());
  if (ComponentState().Contains(csLoading) || !canCreate) {
    SetText(Value);
    return;
  }
  HandleNeeded();
  int found = -1;
  for (int i = 0; i < Items()->Count() && found < 0; ++i)
    if (AnsiCompareText(Items()->Strings(i), Value) == 0) found = i;
  if (found >= 0) SetItemIndex(found);
  else if (Style() == spcbEditStyle) SetText(Value);
  else SetItemIndex(-1);
  if (!ComponentState().Contains(csReading) && !FUpdating && OnChange) OnChange(this);
}

void TspSkinFontComboBox::Reset() {
  if (!HandleAllocated()) return;
  FUpdating = true;
  const String old = FontName();
  BuildList();
  SetFontName(old);
  FUpdating = false;
  if (FontName() != old && !ComponentState().Contains(csReading) && OnChange) OnChange(this);
}

void TspSkinFontComboBox::SetDevice(TspFontDevice Value) {
  if (Value == FDevice) return;
  FDevice = Value;
  Reset();
}

void TspSkinFontComboBox::SetOptions(const TspFontListOptions& Value) {
  if (Value == FOptions) return;
  FOptions = Value;
  Reset();
}

void TspSkinFontComboBox::SetTrueTypeOnly(bool Value) {
  if (Value == TrueTypeOnly()) return;
  if (Value) FOptions.Include(foTrueTypeOnly);
  else FOptions.Exclude(foTrueTypeOnly);
  Reset();
}

void TspSkinFontComboBox::SetUseFonts(bool Value) {
  if (Value == FUseFonts) return;
  FUseFonts = Value;
  Invalidate();
}

void TspSkinFontComboBox::CreateWnd() {
  const String name = FontName();
  TspSkinCustomComboBox::CreateWnd();
  FUpdating = true;
  BuildList();
  SetText(L"");
  SetFontName(name);
  FUpdating = false;
}

void TspSkinFontComboBox::Dispatch(TMessage& Message) {
  if (Message.Msg == WM_FONTCHANGE) {
    TspSkinCustomComboBox::Dispatch(Message);
    Reset();
    return;
  }
  TspSkinCustomComboBox::Dispatch(Message);
}

// ---------------------------------------------------------------------------
// Font size box

TspSkinFontSizeComboBox::TspSkinFontSizeComboBox(TComponent* AOwner) : TspSkinCustomComboBox(AOwner) {
  FNumbersOnly = true;
}

void TspSkinFontSizeComboBox::SetFontName(const String& Name) {
  FFontName = Name;
  BuildSizes();
}

void TspSkinFontSizeComboBox::BuildSizes() {
  HDC dc = GetDC(nullptr);
  Items()->BeginUpdate();
  Items()->Clear();
  if (!FFontName.empty()) {
    FPixelsPerInch = GetDeviceCaps(dc, LOGPIXELSY);
    TSizeCollect collect;
    collect.PixelsPerInch = FPixelsPerInch;
    EnumFontFamiliesW(dc, FFontName.c_str(), SizeCallback, reinterpret_cast<LPARAM>(&collect));
    for (int size : collect.TrueType ? TrueTypeSizes() : collect.Sizes) Items()->Add(IntToStr(size));
    // The size shown stays chosen when the new family offers it.
    TNotifyEvent click = OnClick;
    OnClick = nullptr;
    SetItemIndex(Items()->IndexOf(Text()));
    OnClick = click;
    if (OnClick) OnClick(this);
  }
  Items()->EndUpdate();
  ReleaseDC(nullptr, dc);
}

int TspSkinFontSizeComboBox::GetSizeValue() const {
  if (Style() != spcbFixedStyle) return SizeFromText(Text());
  const int i = ItemIndex();
  if (i < 0 || i >= Items()->Count()) return 0;
  return SizeFromText(Items()->Strings(i));
}

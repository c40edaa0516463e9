// Whether a read skin's records hold only drawable values: shared by the
// host test of values at their range ends and the fuzz target that changes
// one value of a skin.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "classlib/SysUtils.h"
#include "skin/SkinSections.h"

namespace skinvalues {

inline TRect Bounds(const TBmpView& Picture) { return TRect(0, 0, Picture.Width, std::abs(Picture.Height)); }

inline int Fields(const String& Value) { return 1 + static_cast<int>(std::count(Value.begin(), Value.end(), L',')); }

// An integer, a point or a rectangle as the skin text writes them.
inline bool IsNumber(const String& Value) {
  return !Value.empty() && Value.find_first_not_of(L"-0123456789,") == String::npos && Fields(Value) != 3;
}

// The first value of Section in Ini that is not drawable ("" when all are):
// a rectangle neither absent nor within Bounds, a point outside Bounds, an
// integer beyond what its kind allows.
inline String FirstUndrawable(const TspSkinIni& Ini, const String& Section, const TRect& Bounds) {
  bool in = false;
  for (const String& line : Ini.GetLines()) {
    if (!line.empty() && line[0] == L'[') {
      in = line == L"[" + Section + L"]";
      continue;
    }
    const size_t eq = line.find(L'=');
    if (!in || eq == String::npos) continue;
    const String key = AnsiLowerCase(line.substr(0, eq)), value = line.substr(eq + 1);
    if (!IsNumber(value)) continue;
    bool drawable = true;
    if (Fields(value) == 4) {
      const TRect r = ParseRect(value);
      drawable = r == TRect() || (r.Left >= Bounds.Left && r.Top >= Bounds.Top && r.Right <= Bounds.Right &&
                                  r.Bottom <= Bounds.Bottom && r.Left <= r.Right && r.Top <= r.Bottom);
    } else if (Fields(value) == 2) {
      const TPoint p = ParsePoint(value);
      drawable = p.X >= Bounds.Left && p.X <= Bounds.Right && p.Y >= Bounds.Top && p.Y <= Bounds.Bottom;
    } else if (key.find(L"color") == String::npos) {
      const int64_t limit = key == L"minvalue" || key == L"maxvalue" ? TspRecordIO::MaxAmount
                            : key.find(L"interval") != String::npos ? TspRecordIO::MaxInterval
                            : key.find(L"index") != String::npos    ? TspRecordIO::MaxIndex
                                                                    : TspRecordIO::MaxCoord;
      drawable = std::llabs(std::stoll(value)) <= limit;
    }
    if (!drawable) return L"[" + Section + L"] " + line;
  }
  return String();
}

// The first fault of a read skin's frame, masks, popup window and the record
// of Section ("" when there is none).
inline String FirstUndrawable(const TspParsedSkin& Parsed, const String& Section) {
  TspSkinSections& s = const_cast<TspSkinSections&>(Parsed.Sections);
  const TRect frame = Bounds(Parsed.Pictures.Slots[spsPicture]);
  const std::vector<TBmpView>& pictures = Parsed.Pictures.ActivePictures;
  auto picture = [&](int Index) {
    return Index >= 0 && Index < static_cast<int>(pictures.size()) ? Bounds(pictures[size_t(Index)]) : TRect();
  };
  TspSkinIni out;
  TspRecordWriter formInfo(out, L"FORMINFO");
  s.ExchangeFormInfo(formInfo);
  String fault = FirstUndrawable(out, L"FORMINFO", frame);
  // A frame kept has its client and corners within its picture; a mask kept
  // is the frame picture's size.
  if (fault.empty() && frame.Right > 0 && !s.FrameFits(frame)) fault = L"a frame that does not fit its picture";
  const TRect mask = Bounds(Parsed.Pictures.Slots[spsMaskPicture]);
  if (fault.empty() && mask != TRect() && mask != frame) fault = L"a mask of another size than the frame";
  for (int i = 0; fault.empty() && i < s.ObjectList.Count(); ++i) {
    TspDataSkinObject* r = s.ObjectList[i];
    if (r->IDName != Section) continue;
    out = TspSkinIni();
    r->SaveToFile(out);
    const TRect active = picture(r->ActivePictureIndex);
    fault = FirstUndrawable(out, Section, TRect(0, 0, std::max(frame.Right, active.Right), std::max(frame.Bottom, active.Bottom)));
  }
  for (int i = 0; fault.empty() && i < s.CtrlList.Count(); ++i) {
    TspDataSkinControl* r = s.CtrlList[i];
    if (r->IDName != Section) continue;
    out = TspSkinIni();
    r->SaveToFile(out);
    const TRect own = picture(r->PictureIndex);
    const int m = TspRecordIO::MaxCoord;
    fault = FirstUndrawable(out, Section, own.Right > 0 ? own : TRect(-m, -m, m, m));
  }
  const TRect popup = picture(s.PopupWindow->WindowPictureIndex);
  const TRect& items = s.PopupWindow->ItemsRect;
  // A popup frame without a picture draws the plain look: its items rect is unused.
  if (fault.empty() && s.PopupWindow->WindowPictureIndex >= 0 && items != TRect() &&
      (items.Left < 0 || items.Top < 0 || items.Right > popup.Right || items.Bottom > popup.Bottom))
    fault = L"a popup window's items outside its picture";
  return fault;
}

}  // namespace skinvalues

// The looks table's rows: every skinned control class of the driver lists
// crossed with the public setters that change what it shows, each row a
// control shown, then changed, to be put against a fresh control given the
// same properties before it ever painted. The rows of the setters every
// skinned control has (enabled, text, fonts, record name) are made for each
// class by LooksOf<T>; a class adds its own (values, ranges, orientation,
// records, images, items) in LooksRows.cpp. A skinned class of a driver list
// with no entry there fails the table until it gets one, or a reason.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <type_traits>
#include <vector>

#include "classlib/Controls.h"
#include "classlib/ImgList.h"
#include "tests/driver/MakeControl.h"

class TspSkinData;

struct TLooksRow {
  std::string Class;   // as the driver lists name it
  std::string Setter;  // what the row changes
  TRect Bounds;        // where the control stands on the table's form
  // A new control owned by Owner with the driver's items in it, not yet placed.
  std::function<TControl*(TComponent* Owner)> New;
  // The skin data given to the control, as the driver gives it.
  std::function<void(TControl*, TspSkinData*)> Dress;
  // What the control is given before it shows; the change under test.
  std::function<void(TControl*)> Prepare, Change;
};

const std::vector<TLooksRow>& LooksRows();
// Skinned classes of the driver lists that have no rows, and why.
const std::map<std::string, std::string>& LooksLeftOut();

// Two images of 16 x 16 (red, blue) in a list owned by Owner: a setter of
// images has something to show.
TCustomImageList* LooksImages(TComponent* Owner);

namespace looks_rows {

template <class T>
struct TSetter {
  std::string Name;
  std::function<void(T*)> Change;
};

template <class T>
auto UseSkinFontOff(int) -> decltype(std::declval<T*>()->SetUseSkinFont(false), std::vector<TSetter<T>>()) {
  return {{"UseSkinFont off", [](T* C) { C->SetUseSkinFont(false); }}};
}
template <class T>
std::vector<TSetter<T>> UseSkinFontOff(long) {
  return {};
}

template <class T>
auto DefaultFontSet(int) -> decltype(std::declval<T*>()->SetUseSkinFont(false), std::declval<T*>()->DefaultFont()->SetHeight(1),
                                     std::vector<TSetter<T>>()) {
  return {{"DefaultFont", [](T* C) {
             C->SetUseSkinFont(false);
             C->DefaultFont()->SetStyle(TFontStyles{fsBold});
             C->DefaultFont()->SetHeight(19);
             C->DefaultFont()->SetColor(clRed);
           }}};
}
template <class T>
std::vector<TSetter<T>> DefaultFontSet(long) {
  return {};
}

// The setters every skinned control has, then the class's own.
template <class T>
std::vector<TSetter<T>> CommonSetters() {
  std::vector<TSetter<T>> all = {
      {"Enabled off", [](T* C) { C->SetEnabled(false); }},
      {"Text", [](T* C) { C->SetText(L"Changed text Wg \x4e2d"); }},
      {"Font", [](T* C) {
         C->Font()->SetStyle(TFontStyles{fsItalic});
         C->Font()->SetHeight(18);
         C->Font()->SetColor(clBlue);
       }},
      {"Color", [](T* C) { C->SetColor(clYellow); }},
      {"SkinDataName of no record", [](T* C) { C->SetSkinDataName(L"no such record"); }},
  };
  for (const auto& more : {UseSkinFontOff<T>(0), DefaultFontSet<T>(0)}) all.insert(all.end(), more.begin(), more.end());
  return all;
}

}  // namespace looks_rows

// The rows of class T: the common setters and Own, each on a T at Bounds
// given Prepare first.
template <class T>
void LooksOf(std::vector<TLooksRow>& Rows, const char* Class, const TRect& Bounds,
             const std::function<void(T*)>& Prepare, const std::vector<looks_rows::TSetter<T>>& Own) {
  std::vector<looks_rows::TSetter<T>> setters = looks_rows::CommonSetters<T>();
  setters.insert(setters.end(), Own.begin(), Own.end());
  for (const auto& s : setters) {
    TLooksRow row;
    row.Class = Class;
    row.Setter = s.Name;
    row.Bounds = Bounds;
    row.New = [](TComponent* Owner) -> TControl* {
      T* c = new T(Owner);
      driver_makers::Fill(c, 0);
      return c;
    };
    row.Dress = [](TControl* C, TspSkinData* Skin) { driver_makers::Dress(static_cast<T*>(C), Skin, 0); };
    row.Prepare = [Prepare](TControl* C) {
      if (Prepare) Prepare(static_cast<T*>(C));
    };
    row.Change = [change = s.Change](TControl* C) { change(static_cast<T*>(C)); };
    Rows.push_back(std::move(row));
  }
}

// Shared set-up of the skinned control tests: a shown form, the test skin
// loaded into a skin data component, records reshaped for a test, and pixels
// read back from a control painted into a bitmap.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "../classlib/ControlTestUtils.h"
#include "../skin/SkinTestData.h"
#include "skin/SkinData.h"
#include "skin/SkinStoredSkin.h"
#include "skinctrls/SkinPanels.h"

// The test skin, read once per program.
inline TspCompressedStoredSkin* TestStoredSkin() {
  static TspCompressedStoredSkin* stored = [] {
    auto* s = new TspCompressedStoredSkin(nullptr);
    s->LoadFromSkinFile(ProjectPath("skins/Test/skin.ini"));
    return s;
  }();
  return stored;
}

// A skin data component holding a fresh copy of the test skin.
inline TspSkinData* NewTestSkin(TComponent* Owner) {
  auto* data = new TspSkinData(Owner);
  data->LoadCompressedStoredSkin(TestStoredSkin());
  return data;
}

template <class TRecord = TspDataSkinPanelControl>
TRecord* RecordOf(TspSkinData* Data, const wchar_t* Name) {
  const int index = Data->GetControlIndex(Name);
  return index < 0 ? nullptr : dynamic_cast<TRecord*>(Data->CtrlList[index]);
}

// The record's picture reshaped to stretch both ways: a 10-pixel caption
// strip (2, 0, 46, 10) over a client of (2, 10, 46, 20) in the 48 x 22 skin.
inline void MakeStretchy(TspDataSkinPanelControl* R) {
  R->LTPoint = TPoint(2, 10);
  R->RTPoint = TPoint(46, 10);
  R->LBPoint = TPoint(2, 20);
  R->RBPoint = TPoint(46, 20);
  R->ClRect = TRect(2, 10, 46, 20);
  R->CaptionRect = TRect(2, 0, 46, 10);
}

// The control as it paints itself (children included) into a bitmap.
inline std::unique_ptr<TBitmap> Snapshot(TWinControl* C) {
  auto b = std::make_unique<TBitmap>();
  b->SetSize(C->Width(), C->Height());
  C->PaintTo(b->Canvas()->Handle(), 0, 0);
  return b;
}

// The control's pixels as its window shows them.
inline std::unique_ptr<TBitmap> WindowPixels(TWinControl* C) {
  auto b = std::make_unique<TBitmap>();
  b->SetSize(C->Width(), C->Height());
  HDC dc = GetDC(C->Handle());
  BitBlt(b->Canvas()->Handle(), 0, 0, C->Width(), C->Height(), dc, 0, 0, SRCCOPY);
  ReleaseDC(C->Handle(), dc);
  return b;
}

// The control's pixels as the screen shows them (windowless ones and a
// window's frame included): its bounds on its parent.
inline std::unique_ptr<TBitmap> ScreenPixels(TControl* C) {
  auto b = std::make_unique<TBitmap>();
  b->SetSize(C->Width(), C->Height());
  const TPoint at = C->Parent() ? C->Parent()->ClientToScreen(TPoint(C->Left(), C->Top())) : C->ClientToScreen(TPoint(0, 0));
  HDC dc = GetDC(nullptr);
  BitBlt(b->Canvas()->Handle(), 0, 0, C->Width(), C->Height(), dc, at.X, at.Y, SRCCOPY);
  ReleaseDC(nullptr, dc);
  return b;
}

// How many pixels of A and B differ; -1 when their sizes do.
inline int DifferentPixels(TBitmap* A, TBitmap* B) {
  if (A->Width() != B->Width() || A->Height() != B->Height()) return -1;
  int n = 0;
  for (int y = 0; y < A->Height(); ++y)
    for (int x = 0; x < A->Width(); ++x) n += A->Canvas()->Pixels(x, y) != B->Canvas()->Pixels(x, y);
  return n;
}

inline bool SamePixels(TBitmap* A, TBitmap* B) { return DifferentPixels(A, B) == 0; }

inline TColor Rgb(TColor C) { return ColorToRGB(C); }

// A borderless form shown at (100, 100), freed after each test.
class FormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = new TForm(nullptr);
    form->SetBorderStyle(bsNone);
    form->SetBounds(100, 100, 420, 320);
  }
  void TearDown() override {
    MouseUp();
    Settle();
    Free(form);
  }
  template <class T>
  T* Add(TWinControl* Parent, int Left, int Top, int Width, int Height) {
    T* c = new T(form);
    c->SetParent(Parent);
    c->SetBounds(Left, Top, Width, Height);
    return c;
  }
  // A left click at P in C's client coordinates, through the real mouse.
  void ClickAt(TControl* C, const TPoint& P) {
    MoveMouse(C->ClientToScreen(P));
    ::MouseDown();
    Settle();
    ::MouseUp();
    Settle();
  }
  TForm* form = nullptr;
};

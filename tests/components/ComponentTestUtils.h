// Helpers for the component tests: a borderless test form and pixel readback
// of what a control paints.
#pragma once

#include "classlib/Forms.h"
#include "tests/classlib/ControlTestUtils.h"

// A windowless control painted into a fresh bitmap of its size, filled
// first with Background.
inline void PaintInto(TControl* Control, TBitmap& Bitmap, TColor Background = clWhite) {
  Bitmap.SetSize(Control->Width(), Control->Height());
  Bitmap.Canvas()->Brush()->SetColor(Background);
  Bitmap.Canvas()->FillRect(Rect(0, 0, Control->Width(), Control->Height()));
  Control->Perform(WM_PAINT, reinterpret_cast<uintptr_t>(Bitmap.Canvas()->Handle()), 0);
}

// A windowed control with its children painted into a bitmap.
inline void PaintWindowInto(TWinControl* Control, TBitmap& Bitmap) {
  Bitmap.SetSize(Control->Width(), Control->Height());
  Control->PaintTo(Bitmap.Canvas()->Handle(), 0, 0);
}

inline TColor PixelAt(TBitmap& Bitmap, int X, int Y) { return Bitmap.Canvas()->Pixels(X, Y); }

// A shown, active borderless form at (100, 100), freed at the end of the test.
class FormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = new TForm(nullptr);
    form->SetBorderStyle(bsNone);
    form->SetBounds(100, 100, 400, 300);
    form->SetColor(MakeColor(200, 220, 240));
  }
  void TearDown() override {
    MouseUp();
    Settle();
    Free(form);
  }
  template <typename T>
  T* Add(int Left, int Top, int Width = -1, int Height = -1) {
    T* c = new T(form);
    c->SetParent(form);
    c->SetBounds(Left, Top, Width < 0 ? c->Width() : Width, Height < 0 ? c->Height() : Height);
    return c;
  }
  TForm* form = nullptr;
};

// Shared set-up of the skinned form tests: the test skins loaded into skin
// data, a shown form wearing a frame, and window geometry read back.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../classlib/ControlTestUtils.h"
#include "SkinTestData.h"
#include "classlib/GuiCounts.h"
#include "skin/SkinForm.h"

// Loads the skin sources at Path (from the project's folder) into Data.
inline void LoadSkinSources(TspSkinData* Data, const std::string& Path) {
  TspCompressedStoredSkin stored(nullptr);
  stored.LoadFromSkinFile(ProjectPath(Path.c_str()));
  Data->LoadCompressedStoredSkin(&stored);
}

// Loads skins/Test/<Ini> into Data.
inline void LoadTestSkin(TspSkinData* Data, const char* Ini) { LoadSkinSources(Data, std::string("skins/Test/") + Ini); }

inline TRect WindowRectOf(HWND Wnd) {
  RECT r = {};
  GetWindowRect(Wnd, &r);
  return TRect(r.left, r.top, r.right, r.bottom);
}

// The client area in window coordinates.
inline TRect ClientInWindow(HWND Wnd) {
  RECT c = {};
  GetClientRect(Wnd, &c);
  POINT p = {0, 0};
  ClientToScreen(Wnd, &p);
  const TRect w = WindowRectOf(Wnd);
  return TRect(p.x - w.Left, p.y - w.Top, p.x - w.Left + c.right, p.y - w.Top + c.bottom);
}

// The pixel on the screen at P of the window (window coordinates).
inline COLORREF ScreenPixel(HWND Wnd, const TPoint& P) {
  const TRect w = WindowRectOf(Wnd);
  HDC screen = GetDC(nullptr);
  const COLORREF c = GetPixel(screen, w.Left + P.X, w.Top + P.Y);
  ReleaseDC(nullptr, screen);
  return c;
}

// WM_NCHITTEST at P (window coordinates).
inline LRESULT HitAt(HWND Wnd, const TPoint& P) {
  const TRect w = WindowRectOf(Wnd);
  return SendMessageW(Wnd, WM_NCHITTEST, 0, MAKELPARAM(w.Left + P.X, w.Top + P.Y));
}

// Tests on the built-in skin's sources, loaded once for the test program.
class DefaultSkinTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    Skin = new TspSkinData(nullptr);
    LoadSkinSources(Skin, "skins/Default/skin.ini");
  }
  static void TearDownTestSuite() {
    Free(Skin);
    Skin = nullptr;
  }
  inline static TspSkinData* Skin = nullptr;
};

// Tests on the frame test skin, loaded once for the test program.
class FrameSkinTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    Skin = new TspSkinData(nullptr);
    LoadTestSkin(Skin, "frame.ini");
  }
  static void TearDownTestSuite() {
    Free(Skin);
    Skin = nullptr;
  }
  inline static TspSkinData* Skin = nullptr;
};

// A form with a skinned frame on Data.
struct TSkinnedForm {
  explicit TSkinnedForm(TspSkinData* Data, int W = 300, int H = 200) {
    Form = new TForm(nullptr);
    Form->SetBounds(60, 60, W, H);
    Form->SetCaption(L"Frame test");
    Frame = new TspSkinForm(Form);
    Frame->SetSkinData(Data);
  }
  ~TSkinnedForm() { Free(Form); }
  HWND Handle() const { return Form->Handle(); }
  TForm* Form;
  TspSkinForm* Frame;
};

inline BOOL CALLBACK CountThreadWindow(HWND, LPARAM Data) {
  ++*reinterpret_cast<int*>(Data);
  return TRUE;
}

// Top-level windows of this thread.
inline int ThreadWindows() {
  int count = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountThreadWindow, reinterpret_cast<LPARAM>(&count));
  return count;
}


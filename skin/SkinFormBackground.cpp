// The client backgrounds of the skinned form: the skin's background picture
// over the form's client and over its MDI client window, tiled or stretched.
#include "classlib/SystemCallback.h"
#include "skin/SPUtils_compose.h"
#include "skin/SkinForm.h"

#include <commctrl.h>

bool TspSkinForm::EraseWithPicture(HDC DC, const TRect& R, bool MDIClient) {
  if (!FFrameOn || FSkinChanging || !FSkinData || FSkinData->Empty()) return false;
  const int index = MDIClient ? FSkinData->MDIBGPictureIndex : FSkinData->BGPictureIndex;
  if (index < 0 || index >= FSkinData->ActivePictures.Count()) return false;
  TBitmap* picture = FSkinData->ActivePictures[index];
  if (!picture || picture->Empty() || R.Width() <= 0 || R.Height() <= 0) return false;
  TCanvas canvas;
  canvas.SetHandle(DC);
  const bool stretch = MDIClient ? FSkinData->MDIBGStretchEffect : FSkinData->StretchEffect;
  const TspStretchType type = MDIClient ? FSkinData->MDIBGStretchType : FSkinData->StretchType;
  DrawPieceFill(&canvas, picture, TRect(0, 0, picture->Width(), picture->Height()), R, stretch,
                static_cast<uint8_t>(type));
  canvas.SetHandle(nullptr);
  return true;
}

bool TspSkinForm::WMEraseBkgnd(TMessage& Message) {
  if (!FForm->HandleAllocated()) return false;
  RECT r = {};
  GetClientRect(FForm->Handle(), &r);
  if (!EraseWithPicture(reinterpret_cast<HDC>(Message.WParam), TRect(0, 0, r.right, r.bottom), false)) return false;
  Message.Result = 1;
  return true;
}

void TspSkinForm::HookMDIClient() {
  UnhookMDIClient();
  HWND client = FForm ? FForm->ClientHandle() : nullptr;
  if (!client || !IsWindow(client)) return;
  if (!SetWindowSubclass(client, MDIClientProc, reinterpret_cast<UINT_PTR>(this), reinterpret_cast<DWORD_PTR>(this)))
    return;
  FMDIClient = client;
  InvalidateRect(client, nullptr, TRUE);
}

void TspSkinForm::UnhookMDIClient() {
  // Only this form's subclass goes: others added after it stay in place.
  if (FMDIClient && IsWindow(FMDIClient))
    RemoveWindowSubclass(FMDIClient, MDIClientProc, reinterpret_cast<UINT_PTR>(this));
  FMDIClient = nullptr;
}

LRESULT CALLBACK TspSkinForm::MDIClientProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam, UINT_PTR Id,
                                            DWORD_PTR Data) {
  auto* self = reinterpret_cast<TspSkinForm*>(Data);
  return FromSystem(self, LRESULT(0), [&] { return self->MDIClientMessage(Wnd, Msg, WParam, LParam, Id); });
}

LRESULT TspSkinForm::MDIClientMessage(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam, UINT_PTR Id) {
  switch (Msg) {
    case WM_ERASEBKGND: {
      RECT r = {};
      GetClientRect(Wnd, &r);
      if (EraseWithPicture(reinterpret_cast<HDC>(WParam), TRect(0, 0, r.right, r.bottom), true)) return 1;
      break;
    }
    case WM_SIZE:
      // A stretched picture changes everywhere with the size.
      if (FSkinData && FSkinData->MDIBGStretchEffect && FSkinData->MDIBGPictureIndex >= 0)
        InvalidateRect(Wnd, nullptr, TRUE);
      break;
    case WM_SYSCOMMAND: {
      // Focused after Ctrl+F6 or a click on its empty area, the client
      // window gets Alt+letter: the skinned bar is not the system's, which
      // the system would track instead.
      LRESULT result = 0;
      if (PassKeyMenuToRoot(Wnd, WParam, LParam, result)) return result;
      break;
    }
    case WM_NCDESTROY:
      RemoveWindowSubclass(Wnd, MDIClientProc, Id);
      FMDIClient = nullptr;
      break;
    default: break;
  }
  return DefSubclassProc(Wnd, Msg, WParam, LParam);
}

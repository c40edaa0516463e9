// The frame under the mouse: hit testing, hot tracking with morph, glow and
// hints, and pressing frame objects (a click counts only when the button is
// released over the object it went down on).
#include "skin/SPUtils_geometry.h"
#include "skin/SPUtils_layer.h"
#include "skin/SkinForm.h"

TPoint TspSkinForm::ScreenToWindow(const TPoint& P) const {
  RECT r = {};
  GetWindowRect(FForm->Handle(), &r);
  return TPoint(P.X - r.left, P.Y - r.top);
}

bool TspSkinForm::ObjectShown(const TspSkinFrameObject* Object) const {
  if (!Object->Visible) return false;
  if (dynamic_cast<const TspSkinCaptionObject*>(Object)) return true;
  TBitmap* rollUp = FSkinData ? FSkinData->RollUpPicture.get() : nullptr;
  return Object->RollUp() == (FRollUp && rollUp && !rollUp->Empty());
}

TspSkinFrameObject* TspSkinForm::ObjectAt(const TPoint& P) const {
  // The last object listed lies on top.
  for (auto it = FObjects.rbegin(); it != FObjects.rend(); ++it) {
    TspSkinFrameObject* object = it->get();
    if (object->Interactive() && ObjectShown(object) && object->Contains(P)) return object;
  }
  return nullptr;
}

void TspSkinForm::WMNCHitTest(TMessage& Message) {
  const TPoint p = ScreenToWindow(TPoint(Message.XPos(), Message.YPos()));
  const TSize size = WindowSize();
  if (ObjectAt(p) || IconRect().Contains(p) || MenuBarItemAt(p) >= 0 || MDIChildButtonAt(p) >= 0) {
    Message.Result = fhObject;
    return;
  }
  const bool sizing = FSizeable && WindowState() == 0 && !FRollUp;
  Message.Result = FrameHitTest(FMetrics, size.cx, size.cy, p, sizing);
  // Rolled up, the form still sizes sideways.
  if (FRollUp && FSizeable && FMetrics.BorderW > 0) {
    if (p.X < FMetrics.BorderW) Message.Result = fhLeft;
    else if (p.X >= size.cx - FMetrics.BorderW) Message.Result = fhRight;
  }
}

void TspSkinForm::RepaintObject(TspSkinFrameObject* Object) {
  if (Object) PaintFrame(&Object->ObjectRect);
}

void TspSkinForm::SetHotObject(TspSkinFrameObject* Object) {
  if (Object == FHot) return;
  TspSkinFrameObject* old = FHot;
  FHot = Object;
  HideObjectHint();
  HideGlow();
  const bool effects = FSkinData && FSkinData->EnableSkinEffects();
  bool morphing = false;
  for (TspSkinFrameObject* o : {old, Object}) {
    if (!o) continue;
    o->Active = o == Object;
    morphing = o->MorphStep(effects) || morphing;
    RepaintObject(o);
  }
  if (morphing) FMorphTimer->SetEnabled(true);
  StartObjectAnimations();
  if (!Object) return;
  ShowGlow(Object);
  FHintTimer->SetInterval(Application ? static_cast<uint32_t>(Application->HintPause()) : 500);
  FHintTimer->SetEnabled(true);
  if (!FTrackingLeave && FForm->HandleAllocated()) {
    TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE | TME_NONCLIENT, FForm->Handle(), 0};
    FTrackingLeave = TrackMouseEvent(&track) != FALSE;
  }
}

void TspSkinForm::MorphTick() {
  const bool effects = FSkinData && FSkinData->EnableSkinEffects();
  bool running = false;
  for (auto& object : FObjects) {
    const double before = object->MorphKf;
    running = object->MorphStep(effects) || running;
    if (object->MorphKf != before) RepaintObject(object.get());
  }
  if (!running) FMorphTimer->SetEnabled(false);
}

void TspSkinForm::PressObject(TspSkinFrameObject* Object, const TPoint& WindowPoint) {
  HideObjectHint();
  FDown = Object;
  Object->Active = true;
  Object->Down = true;
  Object->MorphKf = 1;
  SetCapture(FForm->Handle());
  const TRect& r = Object->ObjectRect;
  if (Object->TakesDrag() && Object->MouseDown(TPoint(WindowPoint.X - r.Left, WindowPoint.Y - r.Top)))
    ObjectValueChanged(Object);
  RepaintObject(Object);
}

void TspSkinForm::TrackPress(const TPoint& WindowPoint) {
  if (FDown->TakesDrag()) {
    DragObject(WindowPoint);
    return;
  }
  // Pressed only while the mouse is over it; released outside it is no click.
  const bool inside = FDown->Contains(WindowPoint);
  if (FDown->Active == inside) return;
  FDown->Active = inside;
  FDown->MorphKf = inside ? 1 : 0;
  RepaintObject(FDown);
}

void TspSkinForm::ReleasePress(const TPoint& WindowPoint) {
  TspSkinFrameObject* object = FDown;
  const bool inside = object->Contains(WindowPoint);
  FDown = nullptr;
  object->Down = false;
  ReleaseCapture();
  object->Active = inside;
  FHot = inside ? object : nullptr;
  object->MorphKf = inside ? 1 : 0;
  RepaintObject(object);
  // A drag changes the value on its way: its release is no click.
  if (inside && !object->TakesDrag()) ObjectClicked(object);
}

void TspSkinForm::CancelPress() {
  if (!FDown) return;
  TspSkinFrameObject* object = FDown;
  FDown = nullptr;
  object->Down = false;
  object->Active = false;
  object->MorphKf = 0;
  if (FForm && FForm->HandleAllocated() && GetCapture() == FForm->Handle()) ReleaseCapture();
  RepaintObject(object);
}

void TspSkinForm::ShowObjectHint() {
  FHintTimer->SetEnabled(false);
  if (!FHot || FDown || !FForm->HandleAllocated()) return;
  const String text = FHot->Hint(FrameState());
  if (text.empty()) return;
  if (!FHintWindow) FHintWindow = new THintWindow(this);
  POINT cursor = {};
  GetCursorPos(&cursor);
  TRect r = FHintWindow->CalcHintRect(300, text, nullptr);
  const int w = r.Width(), h = r.Height();
  r = TRect(cursor.x, cursor.y + 20, cursor.x + w, cursor.y + 20 + h);
  FHintWindow->ActivateHint(r, text);
}

void TspSkinForm::HideObjectHint() {
  if (FHintTimer) FHintTimer->SetEnabled(false);
  if (FHintWindow && FHintWindow->HandleAllocated()) ShowWindow(FHintWindow->Handle(), SW_HIDE);
}

void TspSkinForm::ShowGlow(TspSkinFrameObject* Object) {
  if (!FSkinData || !FSkinData->ShowCaptionButtonGlowFrames()) return;
  const int index = Object->GlowPictureIndex(), mask = Object->GlowMaskIndex();
  const int count = FSkinData->ActivePictures.Count();
  if (index < 0 || index >= count) return;
  RECT w = {};
  GetWindowRect(FForm->Handle(), &w);
  // The glow reaches out from the object by its offsets.
  const TPoint at(w.left + Object->ObjectRect.Left - Object->GlowOffset().X,
                  w.top + Object->ObjectRect.Top - Object->GlowOffset().Y);
  FGlow->SetTopMost(FForm->FormStyle() == fsStayOnTop);
  FGlow->Show(at.X, at.Y, FSkinData->ActivePictures[index],
              mask >= 0 && mask < count ? FSkinData->ActivePictures[mask] : nullptr,
              static_cast<uint8_t>(IntMax(0, IntMin(255, Object->GlowAlpha()))));
}

void TspSkinForm::HideGlow() {
  if (FGlow && FGlow->Showing()) FGlow->Hide();
}

void TspSkinForm::StopFrameTimers() {
  if (FMorphTimer) FMorphTimer->SetEnabled(false);
  if (FObjectTimer) FObjectTimer->SetEnabled(false);
  if (FAlphaTimer) FAlphaTimer->SetEnabled(false);
  HideObjectHint();
  HideGlow();
  for (auto& object : FObjects) object->MorphKf = object->Active ? 1 : 0;
}

// Frame objects at work: values and texts by object name, dragging track
// bars and regulators, switches and animation buttons clicked, the frame
// animations' timer, and the skin's cursors over the frame and its objects.
#include "skin/SPUtils_geometry.h"
#include "skin/SkinForm.h"
#include "skin/SkinFormObjectKinds.h"

int TspSkinForm::ObjectValue(const String& IDName) const {
  TspSkinFrameObject* object = FindObject(IDName);
  return object && object->HasValue() ? object->Value() : 0;
}

void TspSkinForm::SetObjectValue(const String& IDName, int Value) {
  TspSkinFrameObject* object = FindObject(IDName);
  if (!object || !object->HasValue()) return;
  if (object->SetValue(Value)) RepaintObject(object);
  FObjectValues[IDName] = object->Value();
}

String TspSkinForm::ObjectText(const String& IDName) const {
  TspSkinFrameObject* object = FindObject(IDName);
  return object && object->HasText() ? object->Text() : String();
}

void TspSkinForm::SetObjectText(const String& IDName, const String& Value) {
  TspSkinFrameObject* object = FindObject(IDName);
  if (!object || !object->HasText()) return;
  FObjectTexts[IDName] = Value;
  if (object->Text() == Value) return;
  object->SetText(Value);
  RepaintObject(object);
}

void TspSkinForm::RestoreObjectValues() {
  for (auto& object : FObjects) {
    auto value = FObjectValues.find(object->IDName());
    if (value != FObjectValues.end() && object->HasValue()) object->SetValue(value->second);
    auto text = FObjectTexts.find(object->IDName());
    if (text != FObjectTexts.end() && object->HasText()) object->SetText(text->second);
  }
}

void TspSkinForm::ObjectValueChanged(TspSkinFrameObject* Object) {
  FObjectValues[Object->IDName()] = Object->Value();
  RepaintObject(Object);
  if (OnObjectChange) OnObjectChange(this, Object->IDName());
}

void TspSkinForm::DragObject(const TPoint& WindowPoint) {
  const TRect& r = FDown->ObjectRect;
  if (FDown->MouseDrag(TPoint(WindowPoint.X - r.Left, WindowPoint.Y - r.Top))) ObjectValueChanged(FDown);
}

void TspSkinForm::ObjectClicked(TspSkinFrameObject* Object) {
  if (dynamic_cast<TspSkinSwitchObject*>(Object)) {
    Object->SetValue(Object->Value() ? 0 : 1);
    ObjectValueChanged(Object);
    return;
  }
  auto* animate = dynamic_cast<TspSkinAnimateObject*>(Object);
  if (!animate || animate->Command() == cmDefault) {
    ObjectClick(Object);
    return;
  }
  RECT w = {};
  GetWindowRect(FForm->Handle(), &w);
  const TRect& r = Object->ObjectRect;
  ExecuteCommand(animate->Command(), TRect(w.left + r.Left, w.top + r.Top, w.left + r.Right, w.top + r.Bottom));
}

void TspSkinForm::StartObjectAnimations() {
  // One timer at the shortest interval of the running animations; each
  // object steps when its own interval has passed.
  int interval = 0;
  for (auto& object : FObjects) {
    if (!ObjectShown(object.get()) || !object->Animating()) continue;
    const int own = object->AnimationInterval();
    interval = interval ? IntMin(interval, own) : own;
  }
  if (!interval) {
    if (FObjectTimer) FObjectTimer->SetEnabled(false);
    return;
  }
  if (!FObjectTimer) {
    FObjectTimer = new TTimer(this);
    FObjectTimer->OnTimer = [this](TObject*) { ObjectAnimationTick(); };
  }
  if (FObjectTimer->Enabled() && static_cast<int>(FObjectTimer->Interval()) == interval) return;
  FObjectTimer->SetInterval(static_cast<uint32_t>(interval));
  FObjectTimer->SetEnabled(true);
}

void TspSkinForm::ObjectAnimationTick() {
  const int elapsed = static_cast<int>(FObjectTimer->Interval());
  for (auto& object : FObjects) {
    TspSkinFrameObject* o = object.get();
    if (!ObjectShown(o) || !o->Animating()) continue;
    o->AnimationWait -= elapsed;
    if (o->AnimationWait > 0) continue;
    o->AnimationWait = o->AnimationInterval();
    if (o->AnimationTick()) RepaintObject(o);
  }
  StartObjectAnimations();
}

bool TspSkinForm::WMSetCursor(TMessage& Message) {
  if (!FSkinData || reinterpret_cast<HWND>(Message.WParam) != FForm->Handle()) return false;
  const int hit = static_cast<short>(LOWORD(Message.LParam));
  // The client keeps its controls' cursors, the sizing zones their arrows.
  if (hit == HTCLIENT || (hit >= HTLEFT && hit <= HTBOTTOMRIGHT)) return false;
  POINT cursor = {};
  GetCursorPos(&cursor);
  const TPoint p = ScreenToWindow(TPoint(cursor.x, cursor.y));
  int index = FSkinData->CursorIndex;
  for (auto it = FObjects.rbegin(); it != FObjects.rend(); ++it) {
    TspSkinFrameObject* object = it->get();
    if (object->CursorIndex() != -1 && ObjectShown(object) && object->Contains(p)) {
      index = object->CursorIndex();
      break;
    }
  }
  if (index == -1) return false;
  ::SetCursor(Screen->Cursors(static_cast<TCursor>(FSkinData->StartCursorIndex + index)));
  Message.Result = TRUE;
  return true;
}

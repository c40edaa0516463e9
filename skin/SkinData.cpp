// The skin data component: loading a stored skin and telling the forms.
#include "skin/SkinData.h"

#include <algorithm>
#include <unordered_set>
#include <utility>

#include "classlib/Forms.h"
#include "classlib/ListWalk.h"
#include "skin/SkinCtrlRecords.h"
#include "skin/SkinForm.h"

namespace {

std::unique_ptr<TBitmap> MakeBitmap(const TBmpView& Image) {
  std::unique_ptr<TBitmap> bitmap(new TBitmap);
  if (Image.Width > 0 && Image.Height > 0) bitmap->LoadFromBmpView(Image);
  return bitmap;
}

// Whether Old, a picture of the current skin, can take Image's pixels in its
// own section: same size, a 24- or 32-bit section, no transparency set on it.
// A skin loaded again, or one drawn on the same pictures, then needs no new
// sections, which cost more than the rest of the pictures' load.
bool TakesInPlace(TBitmap* Old, const TBmpView& Image) {
  if (!Old || Old->Empty() || Image.Width <= 0 || Image.Height <= 0 || Image.BitCount < 24) return false;
  return Old->Width() == Image.Width && Old->Height() == Image.Height &&
         Old->PixelFormat() == (Image.BitCount == 32 ? pf32bit : pf24bit) && !Old->Transparent() &&
         Old->TransparentMode() == tmAuto;
}

// A picture of the next skin: a section of its own, or (Reused) the current
// bitmap that takes the pixels once the forms have been told.
struct TPictureLoad {
  std::unique_ptr<TBitmap> Fresh;
  TBitmap* Reused = nullptr;
  const TBmpView* Image = nullptr;
};

TPictureLoad PlanPicture(TBitmap* Old, const TBmpView& Image) {
  TPictureLoad load;
  load.Image = &Image;
  if (TakesInPlace(Old, Image))
    load.Reused = Old;
  else
    load.Fresh = MakeBitmap(Image);
  return load;
}

// Checked data cannot fail to decode, so this runs after the first message.
void DecodeInPlace(const TPictureLoad& Load) {
  if (!Load.Reused) return;
  const TBmpView& image = *Load.Image;
  DecodeBmp(image, static_cast<uint8_t*>(Load.Reused->ScanLine(0)), -static_cast<ptrdiff_t>(image.RowBytes()));
}

}  // namespace

TspSkinData::TspSkinData(TComponent* AOwner)
    : TComponent(AOwner),
      Picture(new TBitmap),
      InactivePicture(new TBitmap),
      MaskPicture(new TBitmap),
      RollUpPicture(new TBitmap),
      RollUpMaskPicture(new TBitmap) {}

TspSkinData::~TspSkinData() {
  FEmpty = true;
  // The controls hear of the component's end by the free notification.
  FreeObjects();
}

std::vector<TspSkinLink*> TspSkinData::BoundLinks() const {
  std::vector<TspSkinLink*> links;
  // The forms' controls first, parents before their children ...
  if (Screen)
    for (int i = 0; i < Screen->FormCount(); ++i) CollectSkinLinks(Screen->Forms(i), links);
  // ... then those no form holds: without a parent, or on a form the screen
  // does not list. Every bound control asked to hear of the component's end.
  // (Looked up in a set: a form of thousands of controls lists them all twice.)
  std::unordered_set<const TspSkinLink*> onForms(links.begin(), links.end());
  for (TComponent* component : FreeNotifies())
    if (auto* link = dynamic_cast<TspSkinLink*>(component))
      if (onForms.insert(link).second) links.push_back(link);
  links.erase(std::remove_if(links.begin(), links.end(),
                             [this](const TspSkinLink* link) { return link->LinkedSkinData() != this; }),
              links.end());
  return links;
}

void TspSkinData::TellLinks(const std::function<void(TspSkinLink*)>& Tell) {
  // A control told may free others, or bind them to another skin.
  TListWalk<TspSkinLink>(BoundLinks()).ForEachListed(
      [this](const TspSkinLink* link) { return link->LinkedSkinData() == this; }, Tell);
}

void TspSkinData::DropLinks() {
  const bool empty = std::exchange(FEmpty, true);
  TellLinks([](TspSkinLink* link) { link->DropSkin(); });
  FEmpty = empty;
}

TBitmap* TspSkinData::ActivePicture(int Index) const {
  if (Index < 0 || Index >= ActivePictures.Count()) return nullptr;
  TBitmap* picture = ActivePictures[Index];
  return picture && !picture->Empty() ? picture : nullptr;
}

int TspSkinData::GetControlIndex(const String& Name) const {
  const int index = TspSkinSections::GetControlIndex(Name);
  if (index < 0) return index;
  const TspDataSkinControl* r = CtrlList[index];
  return r->LeavesNothingToDraw(ActivePicture(r->PictureIndex) != nullptr) ? -1 : index;
}

int TspSkinData::GetControlIndex(const String& Name, TspRecordKind Kind) const {
  const int index = GetControlIndex(Name);
  return index < 0 || !Kind(CtrlList[index]) ? -1 : index;
}

void TspSkinData::BroadcastMessage(unsigned Msg) {
  // A receiver may free the component: the forms have let go of it then.
  const TLibraryScope hold(this);
  if (BeingFreed()) return;
  const WPARAM self = reinterpret_cast<WPARAM>(this);
  // A program that empties the component between the first two messages (no
  // skin) changes skin as a load does: nothing draws until the forms redraw
  // once at the end.
  if (Msg == MSG_BEFORE_SKIN_CHANGE) FSkinChanging = true;
  if (Msg == MSG_SKIN_CHANGE_DONE) FSkinChanging = false;
  // A control on a form without a skinned form, or whose skinned form takes
  // another skin, hears of the change from nobody else.
  if (Msg == MSG_SKIN_CHANGE_DONE)
    TellLinks([](TspSkinLink* link) {
      if (link->SkinDropped()) link->TakeSkin();
    });
  // The owner form first, then the screen's forms, then the forms of skinned
  // forms of this skin that the screen does not list; each once, while it is
  // still on its list and this component is not being freed. A receiver may
  // open, close, bind or free forms.
  std::vector<TCustomForm*> forms;
  if (auto* ownerForm = dynamic_cast<TCustomForm*>(Owner())) forms.push_back(ownerForm);
  for (int i = 0; Screen && i < Screen->FormCount(); ++i) forms.push_back(Screen->Forms(i));
  std::vector<TComponent*> skinForms;
  for (TComponent* component : FreeNotifies())
    if (dynamic_cast<TspSkinForm*>(component)) skinForms.push_back(component);
  std::vector<const TCustomForm*> told;
  auto tell = [&](TCustomForm* form, bool MakeWindow) {
    if (BeingFreed() || form->BeingFreed() || std::find(told.begin(), told.end(), form) != told.end()) return;
    told.push_back(form);
    if (MakeWindow || form->HandleAllocated()) SendMessageW(form->Handle(), Msg, self, 1000);
  };
  TListWalk<TCustomForm>(forms).ForEach([&](TCustomForm* form) { tell(form, true); });
  TListWalk<TComponent>(skinForms).ForEachListed(
      [this](TComponent* c) {
        const std::vector<TComponent*>& now = FreeNotifies();
        return std::find(now.begin(), now.end(), c) != now.end();
      },
      [&](TComponent* c) {
        if (TCustomForm* form = static_cast<TspSkinForm*>(c)->Form()) tell(form, false);
      });
}

void TspSkinData::FreeObjects() {
  ClearSections();
  ActivePictures.Clear();
}

void TspSkinData::ClearObjects() { Clear(false); }

void TspSkinData::ClearAll() { Clear(true); }

void TspSkinData::Clear(bool Pictures) {
  // A bound control's handler may free the component: it stays whole until this call ends.
  const TLibraryScope hold(this);
  // Told as a load is, so that shown forms and bound controls let go of the
  // records before they go, then draw as with no skin: what is left is none.
  // A program that sent the before-change message itself sends the others.
  if (FSkinChanging && !FSwitching) {
    FEmpty = true;
    ++FLoadCount;
    ClearSkin(Pictures);
    return;
  }
  Switch([this, Pictures] {
    FEmpty = true;
    ++FLoadCount;
    BroadcastMessage(MSG_BEFORE_SKIN_CHANGE);
    ClearSkin(Pictures);
    BroadcastMessage(MSG_AFTER_SKIN_CHANGE);
    BroadcastMessage(MSG_SKIN_CHANGE_DONE);
  });
}

void TspSkinData::ClearSkin(bool Pictures) {
  DropLinks();
  FreeObjects();
  if (!Pictures) return;
  for (TBitmap* bitmap :
       {Picture.get(), InactivePicture.get(), MaskPicture.get(), RollUpPicture.get(), RollUpMaskPicture.get()})
    bitmap->Assign(nullptr);
  PictureName.clear();
  InactivePictureName.clear();
  MaskPictureName.clear();
  RollUpPictureName.clear();
  RollUpMaskPictureName.clear();
}

void TspSkinData::Switch(std::function<void()> Change) {
  // A handler the switch raises may free the component (a form's OnResize,
  // or a modal form's timer it shows): what is left of the switch then tells
  // nobody, and the memory waits for this call's end.
  const TLibraryScope hold(this);
  if (FSwitching) {
    FWaitingSwitches.push_back(std::move(Change));
    return;
  }
  FSwitching = true;
  struct TEnd {
    TspSkinData* Data;
    ~TEnd() {
      Data->FSwitching = false;
      Data->FWaitingSwitches.clear();
    }
  } end{this};
  Change();
  // In the order they were made; none once a handler freed this component.
  for (size_t i = 0; i < FWaitingSwitches.size() && !BeingFreed(); ++i) {
    const std::function<void()> next = std::move(FWaitingSwitches[i]);
    next();
  }
}

void TspSkinData::LoadCompressedStoredSkin(TspCompressedStoredSkin* Stored) {
  if (!Stored || Stored->IsEmpty()) return;
  const std::vector<uint8_t>& data = Stored->CompressedStream()->Bytes();
  auto parsed = std::make_shared<TspParsedSkin>();
  try {
    ParseCompressedSkin(data.data(), data.size(), *parsed);
  } catch (const EConvertError& e) {
    // A refused value names the file it was written in, then where in it.
    const String source = !Stored->Source().empty() ? Stored->Source() : Stored->Name();
    throw EConvertError((source.empty() ? String(L"Skin") : source) + L": " + e.Message());
  }
  Switch([this, parsed]() mutable { PutParsedSkin(std::move(parsed)); });
}

void TspSkinData::PutParsedSkin(std::shared_ptr<TspParsedSkin> Parsed) {
  // Every section the new skin needs is made before anything changes; the
  // pixels of pictures taken in place follow the first message.
  TBitmap* const pictures[SkinPictureSlotCount] = {Picture.get(), InactivePicture.get(), MaskPicture.get(),
                                                   RollUpPicture.get(), RollUpMaskPicture.get()};
  TPictureLoad slots[SkinPictureSlotCount];
  for (int i = 0; i < SkinPictureSlotCount; ++i) slots[i] = PlanPicture(pictures[i], Parsed->Pictures.Slots[i]);
  const std::vector<TBmpView>& images = Parsed->Pictures.ActivePictures;
  std::vector<TPictureLoad> actives(images.size());
  for (size_t i = 0; i < images.size(); ++i)
    actives[i] = PlanPicture(int(i) < ActivePictures.Count() ? ActivePictures[int(i)] : nullptr, images[i]);

  FEmpty = true;
  FSkinChanging = true;
  ++FLoadCount;
  BroadcastMessage(MSG_BEFORE_SKIN_CHANGE);
  if (BeingFreed()) return;
  DropLinks();

  // Colours, window records and the names list live as long as the component:
  // they take the new values and are handed to the fresh sections, which then
  // replace the current ones whole.
  TspSkinSections& fresh = Parsed->Sections;
  *SkinColors = *fresh.SkinColors;
  *PopupWindow = *fresh.PopupWindow;
  *HintWindow = *fresh.HintWindow;
  ActivePicturesNames->Assign(fresh.ActivePicturesNames.get());
  std::swap(SkinColors, fresh.SkinColors);
  std::swap(PopupWindow, fresh.PopupWindow);
  std::swap(HintWindow, fresh.HintWindow);
  std::swap(ActivePicturesNames, fresh.ActivePicturesNames);
  static_cast<TspSkinSections&>(*this) = std::move(fresh);

  // The five frame pictures, too, stay the same objects: they take the new
  // pixels in place or the new images' handles.
  for (int i = 0; i < SkinPictureSlotCount; ++i) {
    if (slots[i].Reused)
      DecodeInPlace(slots[i]);
    else
      pictures[i]->SetHandle(slots[i].Fresh->ReleaseHandle());
  }
  // An active picture taken in place keeps its object at its index.
  TspOwnedList<TBitmap> next;
  for (TPictureLoad& load : actives) {
    DecodeInPlace(load);
    next.Add(load.Reused ? ActivePictures.Release(int(next.Count())).release() : load.Fresh.release());
  }
  ActivePictures = std::move(next);
  Parsed.reset();

  FEmpty = false;
  BroadcastMessage(MSG_AFTER_SKIN_CHANGE);
  FSkinChanging = false;
  BroadcastMessage(MSG_SKIN_CHANGE_DONE);
}

void TspSkinData::LoadFromCompressedFile(const String& FileName) {
  std::unique_ptr<TspCompressedStoredSkin, void (*)(TObject*)> stored(new TspCompressedStoredSkin(this), Free);
  stored->LoadFromCompressedFile(FileName);
  LoadCompressedStoredSkin(stored.get());
}

void TspSkinData::SetSkinnableForm(bool Value) {
  if (FSkinnableForm == Value) return;
  FSkinnableForm = Value;
  TComponentState state = ComponentState();
  if (!state.Contains(csDesigning) && !state.Contains(csLoading)) BroadcastMessage(MSG_SKINNABLE_FORM_CHANGED);
}

void TspSkinData::SetCompressedStoredSkin(TspCompressedStoredSkin* Value) {
  if (FCompressedStoredSkin) FCompressedStoredSkin->RemoveFreeNotification(this);
  FCompressedStoredSkin = Value;
  if (Value) Value->FreeNotification(this);
  if (!Designing() && Value) LoadCompressedStoredSkin(Value);
}

void TspSkinData::SetResourceStrData(TspResourceStrData* Value) {
  if (FResourceStrData) FResourceStrData->RemoveFreeNotification(this);
  FResourceStrData = Value;
  if (Value) Value->FreeNotification(this);
  if (!Designing()) BroadcastMessage(MSG_RESOURCE_STRINGS_CHANGED);
}

void TspSkinData::SetSkinList(TspCompressedSkinList* Value) {
  if (FSkinList) FSkinList->RemoveFreeNotification(this);
  FSkinList = Value;
  if (Value) Value->FreeNotification(this);
  if (!Designing() && Value) LoadSkinListItem();
}

void TspSkinData::SetSkinIndex(int Value) {
  if (Value == FSkinIndex) return;
  if (!FSkinList) {
    FSkinIndex = Value;
    return;
  }
  if (Value < 0 || Value >= FSkinList->Skins()->Count()) return;
  FSkinIndex = Value;
  if (!Designing()) LoadSkinListItem();
}

void TspSkinData::LoadSkinListItem() {
  if (FSkinIndex >= 0 && FSkinIndex < FSkinList->Skins()->Count())
    LoadCompressedStoredSkin(FSkinList->Skins()->Items(FSkinIndex)->StoredSkin());
}

void TspSkinData::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FCompressedStoredSkin) FCompressedStoredSkin = nullptr;
  if (AComponent == FResourceStrData) FResourceStrData = nullptr;
  if (AComponent == FSkinList) FSkinList = nullptr;
}

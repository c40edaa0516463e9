// The image-grid menu component and its items; the popup window is in
// SkinImageGridMenu_window.cpp.
#include "skinctrls/SkinImageGridMenu.h"

#include "skinctrls/SkinHint.h"

void TspImagesMenuItem::Assign(TPersistent* Source) {
  auto* item = dynamic_cast<TspImagesMenuItem*>(Source);
  if (!item) {
    TCollectionItem::Assign(Source);
    return;
  }
  FImageIndex = item->FImageIndex;
  FCaption = item->FCaption;
  FButton = item->FButton;
  FHeader = item->FHeader;
  FHint = item->FHint;
  OnClick = item->OnClick;
}

TspImagesMenuItems::TspImagesMenuItems(TspSkinImagesMenu* AOwner)
    : TCollection(AOwner, TCollection::ItemClass<TspImagesMenuItem>()) {}

TspSkinImagesMenu::TspSkinImagesMenu(TComponent* AOwner)
    : TComponent(AOwner),
      FImagesItems(std::make_unique<TspImagesMenuItems>(this)),
      FDefaultFont(std::make_unique<TFont>()) {
  FDefaultFont->SetName(L"Arial");
  FDefaultFont->SetHeight(14);
}

TspSkinImagesMenu::~TspSkinImagesMenu() { TspSkinImagesMenu::BeforeDestruction(); }

void TspSkinImagesMenu::BeforeDestruction() {
  // The window gives the application's messages back before it goes.
  if (TspSkinImagesMenuPopupWindow* w = FPopupWindow) {
    FPopupWindow = nullptr;
    Free(w);
  }
  TComponent::BeforeDestruction();
}

void TspSkinImagesMenu::Watch(TComponent* Old, TComponent* New) {
  if (Old) Old->RemoveFreeNotification(this);
  if (New) New->FreeNotification(this);
}

void TspSkinImagesMenu::SetImages(TCustomImageList* Value) {
  Watch(FImages, Value);
  FImages = Value;
}

void TspSkinImagesMenu::SetSkinHint(TspSkinHint* Value) {
  Watch(FSkinHint, Value);
  FSkinHint = Value;
}

void TspSkinImagesMenu::SetSkinData(TspSkinData* Value) {
  Watch(FSkinData, Value);
  FSkinData = Value;
}

void TspSkinImagesMenu::ChangeSkinData() {
  if (FPopupWindow) FPopupWindow->SkinChanged();
}

void TspSkinImagesMenu::SetColumnsCount(int Value) {
  if (Value >= 1 && Value <= 50) FColumnsCount = Value;
}

void TspSkinImagesMenu::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FImages) FImages = nullptr;
  if (AComponent == FSkinData) FSkinData = nullptr;
  if (AComponent == FSkinHint) FSkinHint = nullptr;
}

TspImagesMenuItem* TspSkinImagesMenu::GetSelectedItem() const {
  if (FItemIndex < 0 || FItemIndex >= FImagesItems->Count()) return nullptr;
  return FImagesItems->Items(FItemIndex);
}

void TspSkinImagesMenu::Popup(const TRect& R) {
  if (FPopupWindow) FPopupWindow->Hide(false);
  if (OnMenuPopup) OnMenuPopup(this);
  if (!FImages || FImages->Count() == 0) return;
  FOldItemIndex = FItemIndex;
  FPopupWindow = new TspSkinImagesMenuPopupWindow(this);
  FPopupWindow->Show(R);
}

void TspSkinImagesMenu::CloseUp(bool Selected) {
  if (TspSkinImagesMenuPopupWindow* w = FPopupWindow) {
    FPopupWindow = nullptr;
    Free(w);
  }
  if (OnInternalMenuClose) OnInternalMenuClose(this);
  if (OnMenuClose) OnMenuClose(this);
  if (!Selected || FItemIndex == -1) return;
  if (TspImagesMenuItem* item = GetSelectedItem(); item && item->OnClick) item->OnClick(this);
  if (OnItemClick) OnItemClick(this);
  if (FItemIndex == FOldItemIndex) return;
  if (OnInternalChange) OnInternalChange(this);
  if (OnChange) OnChange(this);
}

// The skin data component: one skin in memory, loaded from a .skn file or a
// stored skin, and the messages that tell every form before and after a change.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "classlib/Graphics.h"
#include "skin/SkinLink.h"
#include "skin/SkinResStr.h"
#include "skin/SkinSections.h"

// Messages sent to forms, wParam the skin data, lParam 1000.
constexpr unsigned MSG_BEFORE_SKIN_CHANGE = 1225;        // WM_USER + 201
constexpr unsigned MSG_AFTER_SKIN_CHANGE = 1226;         // WM_USER + 202
constexpr unsigned MSG_SKIN_CHANGE_DONE = 1227;          // WM_USER + 203
constexpr unsigned MSG_RESOURCE_STRINGS_CHANGED = 1274;  // WM_USER + 250
constexpr unsigned MSG_SKINNABLE_FORM_CHANGED = 1294;    // WM_USER + 270

class TspSkinData : public TComponent, public TspSkinSections {
 public:
  explicit TspSkinData(TComponent* AOwner);
  ~TspSkinData() override;
  String ClassName() const override { return L"TspSkinData"; }

  bool SkinnableForm() const { return FSkinnableForm; }
  void SetSkinnableForm(bool Value);
  bool EnableSkinEffects() const { return FEnableSkinEffects; }
  void SetEnableSkinEffects(bool Value) { FEnableSkinEffects = Value; }
  bool ShowButtonGlowFrames() const { return FShowButtonGlowFrames; }
  void SetShowButtonGlowFrames(bool Value) { FShowButtonGlowFrames = Value; }
  bool ShowCaptionButtonGlowFrames() const { return FShowCaptionButtonGlowFrames; }
  void SetShowCaptionButtonGlowFrames(bool Value) { FShowCaptionButtonGlowFrames = Value; }
  TspCompressedStoredSkin* CompressedStoredSkin() const { return FCompressedStoredSkin; }
  void SetCompressedStoredSkin(TspCompressedStoredSkin* Value);
  TspResourceStrData* ResourceStrData() const { return FResourceStrData; }
  void SetResourceStrData(TspResourceStrData* Value);
  TspCompressedSkinList* SkinList() const { return FSkinList; }
  void SetSkinList(TspCompressedSkinList* Value);
  int SkinIndex() const { return FSkinIndex; }
  void SetSkinIndex(int Value);

  // True while no skin is loaded; skinned controls then draw their default look.
  bool Empty() const { return FEmpty; }
  // True between the first and the last message of a load.
  bool SkinChanging() const { return FSkinChanging; }
  // Counts the loads: pictures composed from the skin are stale when it moved.
  unsigned LoadCount() const { return FLoadCount; }

  // Loads a stored skin. The skin is read completely first; only then are the
  // forms told (1225), the new skin put in place and the forms told again
  // (1226, 1227). A fault raises before anything changes: the current skin
  // stays and no message is sent. An empty stored skin does nothing.
  void LoadCompressedStoredSkin(TspCompressedStoredSkin* Stored);
  // The same from a .skn file; a missing file raises EFOpenError.
  void LoadFromCompressedFile(const String& FileName);

  // ClearObjects frees the records and active pictures, ClearAll the frame
  // pictures too. Either leaves no skin (Empty), and is told to the forms and
  // the bound controls as a load is (1225, 1226, 1227): they let go of what
  // goes first, and draw their default look after.
  void ClearObjects();
  void ClearAll();
  // The active picture at Index; nullptr when the skin has none there.
  TBitmap* ActivePicture(int Index) const;
  // The index of the control record Name as a control draws from it: -1 when
  // the skin has no such record, or when the record leaves nothing to draw
  // (TspDataSkinControl::LeavesNothingToDraw: a picture the skin lacks, none
  // named by a record drawn from pieces, empty main pieces). Such a control
  // draws as without a skin rather than as an undrawn box. Hides the
  // sections' lookup, which finds the record whatever it names. With a Kind,
  // a record of another kind counts as none too: the one rule every control
  // and every look-up by name follows.
  int GetControlIndex(const String& Name) const;
  int GetControlIndex(const String& Name, TspRecordKind Kind) const;
  // The record Name as GetControlIndex finds it, of kind T; nullptr for none.
  template <class T>
  T* ControlRecord(const String& Name) const {
    const int index = GetControlIndex(Name, RecordKindOf<T>);
    return index < 0 ? nullptr : static_cast<T*>(CtrlList[index]);
  }

  // Sends Msg to the owner form (when the owner is one), then to every other
  // form of the screen, each send finished before the next begins. Before the
  // forms hear that a change is done, the controls bound to the component
  // that no form told of the new skin are told.
  void BroadcastMessage(unsigned Msg);

  // The five frame pictures live as long as the component; a load changes
  // their images. An active picture is new with a load unless the one at its
  // index has the new image's size and 24- or 32-bit format: that object
  // then takes the new pixels.
  std::unique_ptr<TBitmap> Picture, InactivePicture, MaskPicture, RollUpPicture, RollUpMaskPicture;
  TspOwnedList<TBitmap> ActivePictures;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  bool Designing() const { return ComponentState().Contains(csDesigning); }
  void LoadSkinListItem();
  // Every skinned control bound to this component, wherever it sits, and
  // the bound components that are links too.
  std::vector<TspSkinLink*> BoundLinks() const;
  // Clears the skin (and the frame pictures) and tells everyone.
  void Clear(bool Pictures);
  // The records, active pictures and (Pictures) frame pictures freed, the
  // bound controls first made to let go; no form told.
  void ClearSkin(bool Pictures);
  // Runs a switch, or, while one runs here (a handler it raised switches
  // again), queues it to run after: the forms hear one switch at a time, and
  // the last one made is in force when all are done.
  void Switch(std::function<void()> Change);
  // Puts a read skin in place and tells everyone.
  void PutParsedSkin(std::shared_ptr<TspParsedSkin> Parsed);
  // Each bound control reads the skin as empty and so keeps nothing of it.
  void DropLinks();
  // Tells each bound link still there when its turn comes.
  void TellLinks(const std::function<void(TspSkinLink*)>& Tell);
  // The records and active pictures freed, no control told.
  void FreeObjects();

  bool FSkinnableForm = true;
  bool FEnableSkinEffects = true;
  bool FShowButtonGlowFrames = true;
  bool FShowCaptionButtonGlowFrames = true;
  TspCompressedStoredSkin* FCompressedStoredSkin = nullptr;
  TspResourceStrData* FResourceStrData = nullptr;
  TspCompressedSkinList* FSkinList = nullptr;
  int FSkinIndex = 0;
  bool FEmpty = true;
  bool FSkinChanging = false;
  bool FSwitching = false;
  std::vector<std::function<void()>> FWaitingSwitches;
  unsigned FLoadCount = 0;
};

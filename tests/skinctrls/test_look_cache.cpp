// The kept looks of the skinned controls: what a window shows from its kept
// look is what a fresh composition draws, through state changes, skin
// switches and resizes; the looks' memory has a cap and goes with the control.
#include "SkinCtrlTestUtils.h"
#include "skin/SkinForm.h"
#include "skinctrls/SkinLookCache.h"

namespace {

class LookCache : public FormTest {};

// C painted again with nothing changed (drawn from its kept look), then what
// its window shows put against a composition made anew.
void ExpectKeptLookIsFresh(TspSkinPanel* C, const char* Step) {
  Settle();
  RedrawWindow(C->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  ASSERT_TRUE(C->HoldsLook()) << Step;
  const std::unique_ptr<TBitmap> shown = WindowPixels(C);
  C->Invalidate();  // the look is composed anew for the snapshot
  const std::unique_ptr<TBitmap> fresh = Snapshot(C);
  EXPECT_TRUE(SamePixels(shown.get(), fresh.get())) << Step;
}

TEST_F(LookCache, AKeptLookIsAFreshOneThroughStatesSwitchesAndResizes) {
  // The default skin: its panel has a caption rectangle.
  TspCompressedStoredSkin other(nullptr);
  other.LoadFromSkinFile(ProjectPath("skins/Default/skin.ini"));
  auto* skin = new TspSkinData(form);
  skin->LoadCompressedStoredSkin(&other);
  (new TspSkinForm(form))->SetSkinData(skin);
  auto* panel = Add<TspSkinPanel>(form, 4, 4, 200, 120);
  panel->SetCaptionMode(true);
  panel->SetCheckedMode(true);
  panel->SetCaption(L"Panel");
  auto* bar = Add<TspSkinStatusBar>(form, 0, 0, 100, 21);
  bar->SetSizeGrip(true);
  panel->SetSkinData(skin);
  bar->SetSkinData(skin);
  ShowAndActivate(form);

  ExpectKeptLookIsFresh(panel, "shown");
  const std::unique_ptr<TBitmap> first = WindowPixels(panel);
  panel->SetCaption(L"Another caption \x6807\x9898");
  ExpectKeptLookIsFresh(panel, "caption");
  EXPECT_FALSE(SamePixels(first.get(), WindowPixels(panel).get()));  // the new caption shows
  panel->SetChecked(true);
  ExpectKeptLookIsFresh(panel, "checked");
  panel->SetEnabled(false);
  ExpectKeptLookIsFresh(panel, "disabled");
  panel->SetEnabled(true);
  ExpectKeptLookIsFresh(panel, "enabled");
  // Drawn first with the font all untouched controls share, then with the
  // panel's own once it is changed.
  panel->SetUseSkinFont(false);
  ExpectKeptLookIsFresh(panel, "default font");
  const std::unique_ptr<TBitmap> sharedFont = WindowPixels(panel);
  panel->DefaultFont()->SetHeight(24);
  ExpectKeptLookIsFresh(panel, "default font changed");
  EXPECT_FALSE(SamePixels(sharedFont.get(), WindowPixels(panel).get()));
  panel->SetUseSkinFont(true);
  const std::unique_ptr<TBitmap> defaultSkin = WindowPixels(panel);
  skin->LoadCompressedStoredSkin(TestStoredSkin());
  ExpectKeptLookIsFresh(panel, "switch");
  EXPECT_FALSE(SamePixels(defaultSkin.get(), WindowPixels(panel).get()));  // drawn from the other skin
  skin->LoadCompressedStoredSkin(&other);
  ExpectKeptLookIsFresh(panel, "switch back");
  panel->SetBounds(4, 4, 260, 150);
  ExpectKeptLookIsFresh(panel, "resize");
  panel->SetBounds(4, 4, 120, 90);
  ExpectKeptLookIsFresh(panel, "smaller");

  ExpectKeptLookIsFresh(bar, "bar");
  bar->SetShowGrip(false);
  ExpectKeptLookIsFresh(bar, "grip hidden");
}

TEST_F(LookCache, TheLooksHaveACapAndGoWithTheirControl) {
  auto* skin = NewTestSkin(form);
  const size_t before = TspLookCache::BytesHeld();
  auto* panel = Add<TspSkinPanel>(form, 4, 4, 200, 120);
  panel->SetSkinData(skin);
  ShowAndActivate(form);
  Settle();
  ASSERT_TRUE(panel->HoldsLook());
  EXPECT_GT(TspLookCache::BytesHeld(), before);
  const std::unique_ptr<TBitmap> kept = WindowPixels(panel);

  // Over the cap the look is drawn all the same, and not kept.
  const size_t budget = TspLookCache::Budget();
  TspLookCache::SetBudget(before);
  panel->Invalidate();
  Settle();
  EXPECT_FALSE(panel->HoldsLook());
  EXPECT_EQ(TspLookCache::BytesHeld(), before);
  EXPECT_TRUE(SamePixels(kept.get(), WindowPixels(panel).get()));
  TspLookCache::SetBudget(budget);

  panel->Invalidate();
  Settle();
  ASSERT_TRUE(panel->HoldsLook());
  Free(panel);
  EXPECT_EQ(TspLookCache::BytesHeld(), before);
}

}  // namespace

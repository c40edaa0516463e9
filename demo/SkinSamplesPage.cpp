// A page of skinned samples in three columns: built-in skin, dark skin, none.
#include "demo/SkinSamples.h"

#include "skinctrls/SkinPanels.h"

namespace {

constexpr int kColumnTop = 34;
constexpr int kColumnGap = 8;

int ColumnLeft(int Column) { return 8 + Column * (kSampleColumnWidth + kColumnGap); }

}  // namespace

TSkinSamplesPage::TSkinSamplesPage(TComponent* AOwner, const TSampleSkins& Skins,
                                   const std::vector<TSampleBuilder>& Builders)
    : TGalleryPage(AOwner), FSkins(Skins) {
  FFollowsSkin = true;
  TspSkinData* skins[] = {Skins.BuiltIn, Skins.Dark, nullptr};
  for (int column = 0; column < 3; ++column) {
    // A column whose skin is missing is left empty rather than shown unskinned twice.
    if (column < 2 && !skins[column]) continue;
    // Each column stands on a panel of its own skin, so that its controls
    // are seen on the background they are drawn for.
    auto* back = new TspSkinPanel(this);
    back->SetParent(this);
    back->SetBorderStyle(bvNone);
    back->SetBounds(ColumnLeft(column), kColumnTop, kSampleColumnWidth, 500);
    back->SetAnchors({akLeft, akTop, akBottom});
    back->SetSkinData(skins[column]);
    int y = 8;
    for (TSampleBuilder build : Builders) y = build(back, skins[column], 6, y) + 10;
  }
}

void TSkinSamplesPage::DrawPage(TCanvas* Canvas) {
  const wchar_t* titles[] = {L"Built-in skin \x5185\x7F6E\x76AE\x80A4", L"Dark skin \x6DF1\x8272\x76AE\x80A4",
                             L"No skin \x65E0\x76AE\x80A4"};
  const String* errors[] = {&FSkins.BuiltInError, &FSkins.DarkError, nullptr};
  for (int column = 0; column < 3; ++column) {
    DrawSectionTitle(Canvas, ColumnLeft(column), 10, titles[column]);
    if (errors[column] && !errors[column]->empty()) DrawNote(Canvas, ColumnLeft(column), kColumnTop, *errors[column]);
  }
}

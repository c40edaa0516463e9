// The tree page: the fc tree view with check boxes, radio nodes, images and a
// link node; a second tree with a multi-selection and 3-D buttons; and tree
// combos. Nodes drag within a tree and from one tree to the other. --droptree
// opens the first tree combo once the page shows; --drag drags a node.
#include "components/fcTreeCombo.h"
#include "demo/GalleryFrame.h"
#include "demo/GalleryPages.h"

namespace {

// Four 16 x 16 pictures: a folder, an open folder, a page and a star.
void MakeTreeImages(TImageList& Images) {
  TBitmap strip;
  strip.SetSize(64, 16);
  TCanvas* c = strip.Canvas();
  c->Brush()->SetColor(clFuchsia);
  c->FillRect(Rect(0, 0, 64, 16));
  c->Pen()->SetColor(MakeColor(150, 110, 20));
  c->Brush()->SetColor(MakeColor(240, 200, 80));
  c->Rectangle(Rect(1, 4, 15, 14));
  c->Rectangle(Rect(1, 2, 7, 5));
  c->Brush()->SetColor(MakeColor(250, 225, 130));
  c->Rectangle(Rect(17, 4, 31, 14));
  c->Polygon({Point(19, 8), Point(31, 8), Point(30, 14), Point(17, 14)});
  c->Pen()->SetColor(MakeColor(90, 90, 110));
  c->Brush()->SetColor(clWhite);
  c->Rectangle(Rect(36, 1, 46, 15));
  for (int y = 4; y < 13; y += 3) {
    c->MoveTo(38, y);
    c->LineTo(44, y);
  }
  c->Pen()->SetColor(MakeColor(200, 120, 0));
  c->Brush()->SetColor(MakeColor(255, 200, 0));
  c->Polygon({Point(56, 1), Point(59, 6), Point(63, 6), Point(60, 9), Point(62, 14), Point(56, 11), Point(50, 14),
              Point(52, 9), Point(49, 6), Point(53, 6)});
  Images.AddMasked(&strip, clFuchsia);
}

class TTreePage : public TGalleryPage {
 public:
  explicit TTreePage(TComponent* AOwner) : TGalleryPage(AOwner) {
    FFollowsSkin = true;
    MakeTreeImages(FImages);
  }
  String ClassName() const override { return L"TTreePage"; }

  void LookChanged() override {
    TGalleryPage::LookChanged();
    const TGalleryLook& look = SkinLook();
    for (TWinControl* c : std::initializer_list<TWinControl*>{FCheckTree, FMultiTree, FFramedCombo, FListCombo}) {
      if (!c) continue;
      if (c->Color() != look.Window) c->SetColor(look.Window);
      c->Font()->SetColor(look.WindowText);
    }
  }

 protected:
  // The nodes live in the system control's items: the trees are filled once
  // the page has its window.
  void CreateHandleDone() override {
    TGalleryPage::CreateHandleDone();
    if (FBuilt) return;
    FBuilt = true;
    BuildCheckTree();
    BuildMultiTree();
    BuildCombos();
    LookChanged();
    for (TfcTreeView* tv : {FCheckTree, FMultiTree}) AllowDrags(tv);
    if (HasArgument(L"--drag")) {
      TfcTreeNode* from = FMultiTree->Items()->GetFirstNode()->GetNextSibling()->Item(1);
      TfcTreeNode* to = FCheckTree->Items()->GetFirstNode();
      const TRect a = from->DisplayRect(true), b = to->DisplayRect(true);
      DragOnceShown(this, FMultiTree, TPoint(a.Left + 6, a.Top + a.Height() / 2), FCheckTree,
                    TPoint(b.Left + 20, b.Top + b.Height() / 2));
    }
  }

  void DrawPage(TCanvas* Canvas) override {
    DrawSectionTitle(Canvas, 16, 10, L"Tree view \x6811\x5F62\x89C6\x56FE");
    DrawNote(Canvas, 16, 360, L"check boxes (three-state), radio nodes, images, a link");
    DrawNote(Canvas, 300, 360, L"multi-selection on level 1, 3-D buttons, row select");
    DrawNote(Canvas, 16, 376, L"drag nodes within a tree or from one tree to the other");
    DrawSectionTitle(Canvas, 580, 10, L"Tree combo \x6811\x5F62\x7EC4\x5408\x6846");
    DrawNote(Canvas, 580, 62, L"drop-down, images, end nodes only");
    DrawNote(Canvas, 580, 122, L"drop-down list, typing completes");
  }

 private:
  template <typename T>
  T* Place(int Left, int Top, int Width, int Height) {
    T* c = ::Place<T>(this, Left, Top, Width, Height);
    c->SetParentFont(false);  // the page's font is the grey of its notes
    c->Font()->SetColor(clWindowText);
    return c;
  }

  // A node dropped on a node of its own tree moves under it; one from the
  // other tree is copied there.
  void AllowDrags(TfcTreeView* Tv) {
    Tv->SetDragMode(dmAutomatic);
    Tv->OnDragOver = [Tv](TObject*, TObject* Source, int X, int Y, TDragState, bool& Accept) {
      auto* from = dynamic_cast<TfcTreeView*>(Source);
      TfcTreeNode* node = Tv->GetNodeAt(X, Y);
      TfcTreeNode* dragged = from ? from->DragNode() : nullptr;
      Accept = node && dragged && (from != Tv || (node != dragged && !node->HasAsParent(dragged)));
    };
    Tv->OnDragDrop = [Tv](TObject*, TObject* Source, int, int) {
      auto* from = static_cast<TfcTreeView*>(Source);
      TfcTreeNode* target = Tv->DropTarget();
      if (!target) return;
      if (from == Tv) {
        from->DragNode()->MoveTo(target, fcnaAddChild);
      } else {
        Tv->Items()->AddChild(target, from->DragNode()->Text());
      }
      target->Expand(false);
    };
  }

  void BuildCheckTree() {
    auto* tv = FCheckTree = Place<TfcTreeView>(16, 34, 260, 320);
    tv->SetImages(&FImages);
    tv->SetOptions(tv->Options() + TfcTreeViewOptions{tvo3StateCheckbox, tvoAutoURL});
    TfcTreeNodes* items = tv->Items();
    TfcTreeNode* options = items->Add(nullptr, L"Options \x9009\x9879");
    options->SetImageIndex(0);
    options->SetSelectedIndex(1);
    const wchar_t* checks[] = {L"Start with the system", L"Show in the tray", L"Check for news"};
    for (int i = 0; i < 3; ++i) {
      TfcTreeNode* n = items->AddChild(options, checks[i]);
      n->SetImageIndex(2);
      n->SetSelectedIndex(2);
      n->SetCheckboxType(fcCheckbox);
      n->SetChecked(i != 1);
      n->SetGrayed(i == 2);
    }
    TfcTreeNode* size = items->Add(nullptr, L"Icon size \x56FE\x6807\x5927\x5C0F");
    size->SetImageIndex(0);
    size->SetSelectedIndex(1);
    const wchar_t* sizes[] = {L"Small", L"Medium", L"Large"};
    for (int i = 0; i < 3; ++i) {
      TfcTreeNode* n = items->AddChild(size, sizes[i]);
      n->SetImageIndex(-2);  // text in the image's place
      n->SetCheckboxType(fcRadioButton);
      n->SetChecked(i == 1);
    }
    TfcTreeNode* links = items->Add(nullptr, L"Links \x94FE\x63A5");
    links->SetImageIndex(0);
    TfcTreeNode* home = items->AddChild(links, L"Project home page");
    home->SetImageIndex(3);
    home->SetStringData(L"http://example.invalid/");
    items->AddChild(links, L"A node whose text is much too long for the tree and shows a hint")->SetImageIndex(2);
    // The tree's link blue is meant for a light window: on a dark one the
    // link takes the skin's highlight colour.
    tv->OnCalcNodeAttributes = [](TfcCustomTreeView* T, TfcTreeNode*, TfcItemStates) {
      TCanvas* c = T->Canvas();
      const TColor window = ColorToRGB(SkinLook().Window);
      const int light = (window & 0xFF) + ((window >> 8) & 0xFF) + ((window >> 16) & 0xFF);
      if (c->Font()->Color() == TColor(0x00FF0000) && light < 3 * 128) c->Font()->SetColor(SkinLook().Title);
    };
    tv->FullExpand();
    tv->SetSelected(options->Item(0));
  }

  void BuildMultiTree() {
    auto* tv = FMultiTree = Place<TfcTreeView>(300, 34, 260, 320);
    tv->SetOptions(tv->Options() + TfcTreeViewOptions{tvoExpandButtons3D, tvoRowSelect});
    tv->MultiSelectAttributes()->SetEnabled(true);
    tv->MultiSelectAttributes()->SetMultiSelectLevel(1);
    TfcTreeNodes* items = tv->Items();
    const wchar_t* groups[] = {L"Fruit \x6C34\x679C", L"Vegetables \x852C\x83DC", L"Grain \x8C37\x7269"};
    const wchar_t* kinds[3][3] = {{L"Apple", L"Pear", L"Plum"}, {L"Bean", L"Leek", L"Pea"}, {L"Rice", L"Oat", L"Rye"}};
    for (int g = 0; g < 3; ++g) {
      TfcTreeNode* group = items->Add(nullptr, groups[g]);
      for (const wchar_t* k : kinds[g]) items->AddChild(group, k);
    }
    tv->FullExpand();
    tv->Items()->GetFirstNode()->Collapse(false);
    TfcTreeNode* veg = items->GetFirstNode()->GetNextSibling();
    tv->SetMultiSelected(veg->Item(0), true, true);
    tv->SetMultiSelected(veg->Item(2), true, true);
  }

  void BuildCombos() {
    auto* framed = FFramedCombo = Place<TfcTreeCombo>(580, 36, 220, 21);
    framed->SetImages(&FImages);
    framed->SetOptions(TfcImgComboOptions{icoExpanded, icoEndNodesOnly});
    TfcTreeNodes* items = framed->Items();
    const wchar_t* places[] = {L"Desktop \x684C\x9762", L"Documents \x6587\x6863"};
    for (const wchar_t* p : places) {
      TfcTreeNode* folder = items->Add(nullptr, p);
      folder->SetImageIndex(0);
      for (const wchar_t* f : {L"notes.txt", L"plan.txt", L"list.txt"}) items->AddChild(folder, f)->SetImageIndex(2);
    }
    TfcTreeNode* fav = items->Add(nullptr, L"Favourite");
    fav->SetImageIndex(3);
    framed->SetText(L"plan.txt");

    auto* list = FListCombo = Place<TfcTreeCombo>(580, 96, 220, 21);
    list->SetStyle(csDropDownList);
    for (const wchar_t* s : {L"Beijing \x5317\x4EAC", L"Shanghai \x4E0A\x6D77", L"Shenzhen \x6DF1\x5733"})
      list->Items()->Add(nullptr, s);
    list->SetText(L"Shanghai \x4E0A\x6D77");

    if (HasArgument(L"--droptree")) DropDownOnceShown(this, framed);
  }

  TImageList FImages{nullptr, 16, 16};
  bool FBuilt = false;
  TfcTreeView* FCheckTree = nullptr;
  TfcTreeView* FMultiTree = nullptr;
  TfcTreeCombo* FFramedCombo = nullptr;
  TfcTreeCombo* FListCombo = nullptr;
};

}  // namespace

TGalleryPage* NewTreePage(TComponent* AOwner) { return new TTreePage(AOwner); }

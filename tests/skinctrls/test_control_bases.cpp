// The skinned control bases as a panel uses them: resize modes from a
// record's points and the sizes SetBounds forces, alpha blending over the
// parent, record look-up by name, skin changes relayed by the skinned form, and
// the look drawn on an erase only into another's context.
#include "SkinCtrlTestUtils.h"
#include "skin/SkinForm.h"
#include "skinctrls/SkinButtons.h"
#include "skinctrls/SkinCheckRadio.h"
#include "skinctrls/SkinPanels.h"

namespace {

// Counts the skin re-reads the form engine asks of it.
template <class T>
class Counting : public T {
 public:
  explicit Counting(TComponent* AOwner) : T(AOwner) {}
  void ChangeSkinData() override {
    ++Changes;
    T::ChangeSkinData();
  }
  int Changes = 0;
};

class ControlBases : public FormTest {};

TEST_F(ControlBases, ResizeModeFromRecordPointsForcesSetBounds) {
  TspSkinData* data = NewTestSkin(form);
  TspDataSkinPanelControl* record = RecordOf(data, L"panel");
  ASSERT_NE(record, nullptr);
  auto* panel = Add<TspSkinPanel>(form, 10, 10, 100, 80);
  panel->SetSkinData(data);

  struct Case {
    const char* Name;
    TRect SkinRect;
    TPoint RT, LB, RB;
    int Mode;
    int W, H;  // the size a request of 120 x 90 ends at
  } cases[] = {
      {"fixed", TRect(0, 0, 48, 22), TPoint(), TPoint(), TPoint(), 0, 48, 22},
      {"nine pieces", TRect(0, 0, 48, 22), TPoint(46, 2), TPoint(2, 20), TPoint(46, 20), 1, 120, 90},
      {"across", TRect(0, 0, 48, 22), TPoint(46, 2), TPoint(), TPoint(), 2, 120, 22},
      {"down", TRect(0, 0, 48, 22), TPoint(), TPoint(2, 20), TPoint(), 3, 48, 90},
      // The right-bottom point needs both coordinates to stretch both ways.
      {"half a corner", TRect(0, 0, 48, 22), TPoint(), TPoint(2, 20), TPoint(46, 0), 3, 48, 90},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    record->SkinRect = c.SkinRect;
    record->LTPoint = TPoint(2, 2);
    record->RTPoint = c.RT;
    record->LBPoint = c.LB;
    record->RBPoint = c.RB;
    panel->SetBounds(10, 10, 60, 40);
    panel->ChangeSkinData();
    EXPECT_EQ(panel->ResizeMode, c.Mode);
    panel->SetBounds(10, 10, 120, 90);
    EXPECT_EQ(panel->Width(), c.W);
    EXPECT_EQ(panel->Height(), c.H);
  }
  // Without a skin rectangle the record leaves nothing to draw: the panel
  // draws as without a skin, and nothing is forced.
  record->SkinRect = TRect();
  panel->ChangeSkinData();
  EXPECT_EQ(panel->SkinIndex(), -1);
  panel->SetBounds(10, 10, 120, 90);
  EXPECT_EQ(panel->Width(), 120);
  // Without a record nothing is forced either.
  panel->SetSkinDataName(L"no such record");
  panel->ChangeSkinData();
  panel->SetBounds(10, 10, 77, 55);
  EXPECT_EQ(panel->SkinIndex(), -1);
  EXPECT_EQ(panel->Width(), 77);
  EXPECT_EQ(panel->Height(), 55);
}

TEST_F(ControlBases, RecordLookUpIsByExactName) {
  TspSkinData* data = NewTestSkin(form);
  auto* panel = Add<TspSkinPanel>(form, 10, 10, 48, 22);
  panel->SetSkinDataName(L"Panel");
  panel->SetSkinData(data);
  EXPECT_EQ(panel->SkinIndex(), -1) << "case counts";
  panel->SetSkinDataName(L"panel ");
  panel->ChangeSkinData();
  EXPECT_EQ(panel->SkinIndex(), -1);
  panel->SetSkinDataName(L"statusbar");
  // A new name is read at once: the control shows the record it names.
  EXPECT_EQ(panel->SkinIndex(), data->GetControlIndex(L"statusbar"));
  EXPECT_NE(panel->SkinIndex(), -1);
  // Leaving the skin data gives the default look back.
  panel->SetSkinData(nullptr);
  EXPECT_EQ(panel->SkinIndex(), -1);
}

TEST_F(ControlBases, AlphaBlendMixesWithTheParentBackground) {
  form->SetColor(clRed);
  form->Show();
  Settle();
  auto* blended = Add<TspSkinCustomControl>(form, 20, 20, 60, 40);
  blended->SetAlphaBlend(true);
  // The parent here is the red form itself.
  const TPoint inside(30, 20);
  blended->SetAlphaBlendValue(255);
  EXPECT_EQ(Snapshot(blended)->Canvas()->Pixels(inside.X, inside.Y), Rgb(clBtnFace));
  blended->SetAlphaBlendValue(0);
  EXPECT_EQ(Snapshot(blended)->Canvas()->Pixels(inside.X, inside.Y), Rgb(clRed));
  blended->SetAlphaBlendValue(128);
  const TColor mixed = Snapshot(blended)->Canvas()->Pixels(inside.X, inside.Y);
  EXPECT_NE(mixed, Rgb(clRed));
  EXPECT_NE(mixed, Rgb(clBtnFace));
  // Off again: the control's own look whatever the value.
  blended->SetAlphaBlend(false);
  EXPECT_EQ(Snapshot(blended)->Canvas()->Pixels(inside.X, inside.Y), Rgb(clBtnFace));
}

// Asked to erase into another's context (a parent taking its children's
// picture) a control draws its look there; the system's erase of its own
// window outside a paint draws nothing, as the WM_PAINT that follows does.
TEST_F(ControlBases, EraseDrawsTheLookOnlyIntoAnothersContext) {
  TspSkinData* skin = NewTestSkin(form);
  ShowAndActivate(form);
  const COLORREF mark = RGB(255, 0, 255);
  const auto marked = [mark](HDC DC, int W, int H) {
    int n = 0;
    for (int y = 0; y < H; ++y)
      for (int x = 0; x < W; ++x) n += GetPixel(DC, x, y) == mark;
    return n;
  };
  auto* box = Add<TspSkinCheckRadioBox>(form, 10, 50, 80, 20);
  box->SetFlat(false);  // a flat box shows its parent's background
  TspSkinControl* controls[] = {Add<TspSkinButton>(form, 10, 10, 80, 26), box,
                                Add<TspSkinPaintPanel>(form, 10, 80, 120, 40)};
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    TspSkinControl* c = controls[i];
    c->SetSkinData(skin);
    Settle();
    const int w = c->Width(), h = c->Height();
    HBRUSH brush = CreateSolidBrush(mark);
    const RECT all = {0, 0, w, h};
    HDC own = GetDC(c->Handle());
    FillRect(own, &all, brush);
    SendMessageW(c->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(own), 0);
    EXPECT_EQ(marked(own, w, h), w * h);
    ReleaseDC(c->Handle(), own);
    TBitmap other;
    other.SetSize(w, h);
    FillRect(other.Canvas()->Handle(), &all, brush);
    DeleteObject(brush);
    SendMessageW(c->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(other.Canvas()->Handle()), 0);
    EXPECT_EQ(marked(other.Canvas()->Handle(), w, h), 0);
    RedrawWindow(c->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_TRUE(SamePixels(WindowPixels(c).get(), &other));
  }
}

// The system gives a control at most 32767 x 32767, far more than a paint
// buffer can hold: what shows paints as at an ordinary size.
TEST_F(ControlBases, AHugeControlPaintsWhatShows) {
  // A small piece through a small bitmap: its clip box is all that shows.
  const auto piece = [](TWinControl* C, const TPoint& At) {
    auto b = std::make_unique<TBitmap>();
    b->SetSize(48, 32);
    C->PaintTo(b->Canvas()->Handle(), -At.X, -At.Y);
    return b;
  };
  TspSkinData* skin = NewTestSkin(form);
  auto* button = Add<TspSkinButton>(form, 0, 0, 2000, 1000);
  button->SetSkinData(skin);
  ASSERT_GT(button->LTPoint.X, 0);
  // The corner, and the client's tiles far from it (they repeat from the left).
  const TPoint corner(0, 0), client(1000, 500);
  const auto ordinaryCorner = piece(button, corner), ordinaryClient = piece(button, client);
  button->SetBounds(0, 0, INT_MAX, INT_MAX);
  EXPECT_EQ(button->Width(), 32767);
  const auto hugeCorner = piece(button, corner), hugeClient = piece(button, client);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 48; ++x) {
      if (x < button->LTPoint.X && y < button->LTPoint.Y) {
        ASSERT_EQ(hugeCorner->Canvas()->Pixels(x, y), ordinaryCorner->Canvas()->Pixels(x, y)) << x << "," << y;
      }
      ASSERT_EQ(hugeClient->Canvas()->Pixels(x, y), ordinaryClient->Canvas()->Pixels(x, y)) << x << "," << y;
    }
  Free(button);

  // On the screen, with the visible part far from the control's origin, and
  // through the blend with the parent; sized before its window exists.
  form->SetColor(clRed);
  auto* blended = Add<TspSkinCustomControl>(form, -5000, -5000, INT_MAX, INT_MAX);
  blended->SetAlphaBlend(true);
  form->Show();
  EXPECT_EQ(blended->Width(), 32767);
  for (uint8_t value : {255, 0}) {
    blended->SetAlphaBlendValue(value);
    Settle();
    HDC dc = GetDC(form->Handle());
    for (const TPoint& p : {TPoint(5, 5), TPoint(400, 300)})
      EXPECT_EQ(static_cast<TColor>(GetPixel(dc, p.X, p.Y)), Rgb(value ? clBtnFace : clRed)) << int(value);
    ReleaseDC(form->Handle(), dc);
  }
  EXPECT_EQ(ExceptionsReachingApplication(), 0);
}

TEST_F(ControlBases, SkinFormRelaysAChangeToNestedControlsOfItsSkinOnly) {
  TspSkinData* mine = NewTestSkin(form);
  TspSkinData* other = NewTestSkin(form);
  auto* skinForm = new TspSkinForm(form);
  skinForm->SetSkinData(mine);
  auto* outer = Add<Counting<TspSkinPanel>>(form, 10, 10, 200, 150);
  auto* nested = Add<Counting<TspSkinPanel>>(outer, 10, 30, 100, 60);
  auto* deeper = Add<Counting<TspSkinCustomControl>>(nested, 5, 5, 20, 20);
  auto* foreign = Add<Counting<TspSkinPanel>>(outer, 120, 30, 60, 60);
  auto* unbound = Add<Counting<TspSkinPanel>>(form, 250, 10, 60, 60);
  for (auto* c : {outer, nested, foreign}) c->SetSkinData(c == foreign ? other : mine);
  deeper->SetSkinData(mine);
  form->Show();
  Settle();
  outer->Changes = nested->Changes = deeper->Changes = foreign->Changes = unbound->Changes = 0;

  mine->LoadCompressedStoredSkin(TestStoredSkin());
  Settle();
  EXPECT_EQ(outer->Changes, 1);
  EXPECT_EQ(nested->Changes, 1);
  EXPECT_EQ(deeper->Changes, 1);
  EXPECT_EQ(foreign->Changes, 0) << "bound to another skin data component";
  EXPECT_EQ(unbound->Changes, 0);

  // A relay without a component reaches every skinned control.
  skinForm->RelaySkinChange(nullptr);
  EXPECT_EQ(foreign->Changes, 1);
  EXPECT_EQ(unbound->Changes, 1);
  EXPECT_EQ(deeper->Changes, 2);
}

}  // namespace

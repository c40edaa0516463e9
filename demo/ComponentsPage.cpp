// Page 5: the component sets: flat progress bars, panels, speed buttons and
// edits; hover-trigger buttons with their marks and badges; LED digits; and
// effect labels (rotation, shadow, extrusion, outline, embossing); notice
// windows, one of which shows at start with --notice.
#include "components/HyMsgForm.h"
#include "components/HyStdCtrls.h"
#include "components/LEDFont.h"
#include "components/TFlatEditUnit.h"
#include "components/TFlatPanelUnit.h"
#include "components/TFlatProgressBarUnit.h"
#include "components/TFlatSpeedButtonUnit.h"
#include "components/fcLabel.h"
#include "classlib/StdCtrls.h"
#include "demo/GalleryFrame.h"
#include "demo/GalleryPages.h"
#include "skin/SkinBuiltIn.h"

namespace {

// A 16 x 16 arrow glyph on an olive key colour, in two cells: up and disabled.
void MakeArrowGlyph(TBitmap& Glyph) {
  Glyph.SetSize(32, 16);
  TCanvas* c = Glyph.Canvas();
  c->Brush()->SetColor(clOlive);
  c->FillRect(Rect(0, 0, 32, 16));
  for (int cell = 0; cell < 2; ++cell) {
    const TColor fill = cell == 0 ? MakeColor(40, 140, 60) : clGray;
    c->Pen()->SetColor(clBlack);
    c->Brush()->SetColor(fill);
    const int x = cell * 16;
    c->Polygon({Point(x + 2, 6), Point(x + 9, 6), Point(x + 9, 2), Point(x + 14, 8), Point(x + 9, 14),
                Point(x + 9, 10), Point(x + 2, 10)});
  }
}

TfcLabel* EffectLabel(TWinControl* Parent, int Left, int Top, const String& Caption, int FontHeight) {
  auto* l = Place<TfcLabel>(Parent, Left, Top);
  l->SetParentFont(false);
  l->Font()->SetName(L"Arial");
  l->Font()->SetHeight(FontHeight);
  l->Font()->SetStyle({fsBold});
  l->Font()->SetColor(MakeColor(30, 60, 140));
  l->SetTransparent(true);
  l->SetCaption(Caption);
  return l;
}

// Notice windows as the timer tool opens them: the first hidden one of a
// few, each further slot 50 px lower right, wearing the packed skin beside
// the program or, without it, the built-in one.
// The notice windows, the note and the gauge timer are owned here, the
// buttons by the page.
class TNoticeDemo : public TComponent {
 public:
  TNoticeDemo(TWinControl* Page, int Left, int Top) : TComponent(Page) {
    auto* cancelable = Place<TFlatSpeedButton>(Page, Left, Top, 164, 25);
    cancelable->SetCaption(L"Notice with cancel, 30 s");
    cancelable->OnClick = [this](TObject*) { Show(true); };
    auto* plain = Place<TFlatSpeedButton>(Page, Left + 170, Top, 124, 25);
    plain->SetCaption(L"Plain notice, 90 s");
    plain->OnClick = [this](TObject*) { Show(false); };
    FNote = new TLabel(this);
    FNote->SetParent(Page);
    FNote->SetBounds(Left, Top + 30, 300, 16);
    FNote->SetTransparent(true);
    FNote->SetCaption(L"The cancel button or the countdown ends a notice.");
    FTicker = new TTimer(this);
    FTicker->SetEnabled(false);
    FTicker->OnTimer = [this](TObject*) { Tick(); };
  }

  void Show(bool Cancelable) {
    THyMsgForm* notice = FreeWindow();
    if (!notice) {
      FNote->SetCaption(L"All notice windows are in use.");
      return;
    }
    const int slot = FSlot;
    const TPoint at = NoticePlacement(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                      notice->GetFormWidth(), notice->GetFormHeight());
    notice->SetFormBounds(at.X + slot * 50, at.Y + slot * 50, notice->GetFormWidth(), notice->GetFormHeight());
    notice->SetFormVisible(true);
    TMsgFormInfo info{};
    info.Kind = kNoticeKind;
    info.Value = kNoticeDefaultTick;
    if (Cancelable) {
      SetNoticeText(info, String(L"\x5B9A\x65F6\x4EFB\x52A1\xFF1A" L"30 \x79D2\x540E\x5173\x95ED\x8BA1\x7B97\x673A\x3002"
                                 L" The computer shuts down in 30 seconds."));
      info.Countdown = 30;
      info.Flags = kNoticeCancelable;
    } else {
      SetNoticeText(info, String(L"\x8BE5\x559D\x6C34\x4E86\xFF01 Time for a cup of tea."));
      info.Countdown = 90;
      info.Flags = kNoticePlain;
    }
    SendMessageW(notice->GetFormHandle(), MSG_NOTICE_TEXT, 0, reinterpret_cast<LPARAM>(&info));
    if (Cancelable) {
      // The gauge counts the elapsed seconds.
      info.Flags = kGaugeVisible | kGaugeSetMax;
      info.Value = info.Countdown;
      SendMessageW(notice->GetFormHandle(), MSG_NOTICE_PROGRESS_INFO, 0, reinterpret_cast<LPARAM>(&info));
      FGauged = notice;
      FElapsed = 0;
      FTicker->SetEnabled(true);
    }
  }

  // Once the gallery stands on the screen, as a notice comes while a
  // program is running.
  void ShowSoon() {
    auto* once = new TTimer(this);
    once->SetInterval(500);
    once->OnTimer = [this, once](TObject*) {
      once->SetEnabled(false);
      Show(true);
    };
  }

 private:
  static constexpr int kSlots = 4;

  THyMsgForm* FreeWindow() {
    for (int i = 0; i < kSlots; ++i) {
      if (!FNotices[i]) FNotices[i] = NewWindow();
      if (!FNotices[i]->FormVisible()) {
        FSlot = i;
        return FNotices[i];
      }
    }
    return nullptr;
  }

  THyMsgForm* NewWindow() {
    auto* notice = new THyMsgForm(this);
    try {
      notice->LoadSkin(ProgramFolder() + L"skins\\Default.skn", nullptr);
    } catch (const Exception&) {
      if (!FBuiltIn) {
        auto* stored = new TspCompressedStoredSkin(this);
        LoadBuiltInSkin(stored);
        FBuiltIn = new TspSkinData(this);
        FBuiltIn->SetCompressedStoredSkin(stored);
      }
      notice->LoadSkin(L"Default", FBuiltIn);
    }
    TMsgForm* form = notice->Form();
    form->OnClosed = [this, form, ended = form->OnClosed](TObject* Sender) {
      const bool ranOut = form->Remaining == 0;
      ended(Sender);
      if (ComponentState().Contains(csDestroying)) return;
      if (FGauged && FGauged->Form() == form) FTicker->SetEnabled(false);
      FNote->SetCaption(ranOut ? L"A notice's countdown ran out." : L"A notice was cancelled or closed.");
    };
    return notice;
  }

  void Tick() {
    if (!FGauged || !FGauged->FormVisible()) return;
    TMsgFormInfo info{};
    info.Value = ++FElapsed;
    SendMessageW(FGauged->GetFormHandle(), MSG_NOTICE_PROGRESS, 0, reinterpret_cast<LPARAM>(&info));
  }

  TLabel* FNote;
  TTimer* FTicker;
  THyMsgForm* FNotices[kSlots] = {};
  int FSlot = 0;
  TspSkinData* FBuiltIn = nullptr;
  THyMsgForm* FGauged = nullptr;
  int FElapsed = 0;
};

}  // namespace

TComponentsPage::TComponentsPage(TComponent* AOwner) : TGalleryPage(AOwner) {
  BuildFlatControls();
  BuildHoverButtons();
  BuildLEDs();
  BuildEffectLabels();
  auto* notices = new TNoticeDemo(this, 620, 204);
  if (HasArgument(L"--notice")) notices->ShowSoon();
}

void TComponentsPage::BuildFlatControls() {
  auto* blocks = Place<TFlatProgressBar>(this, 16, 34);
  blocks->SetPosition(50);
  auto* smooth = Place<TFlatProgressBar>(this, 16, 58, 200, 16);
  smooth->SetSmooth(true);
  smooth->SetPosition(70);
  auto* vertical = Place<TFlatProgressBar>(this, 240, 30, 16, 100);
  vertical->SetOrientation(pbVertical);
  vertical->SetBounds(240, 30, 16, 100);
  vertical->SetSmooth(true);
  vertical->SetPosition(60);
  auto* verticalBlocks = Place<TFlatProgressBar>(this, 264, 30, 16, 100);
  verticalBlocks->SetOrientation(pbVertical);
  verticalBlocks->SetBounds(264, 30, 16, 100);
  verticalBlocks->SetColors(0, MakeColor(60, 160, 80));
  verticalBlocks->SetPosition(35);
  auto* grow = Place<TFlatSpeedButton>(this, 16, 82, 96, 25);
  grow->SetCaption(L"Step +10");
  grow->SetLayout(blGlyphLeft);
  grow->OnClick = [blocks, smooth, vertical, verticalBlocks](TObject*) {
    for (TFlatProgressBar* bar : {blocks, smooth, vertical, verticalBlocks})
      bar->SetPosition(bar->Position() >= bar->Max() ? 0 : bar->Position() + 10);
  };

  auto* panel = Place<TFlatPanel>(this, 300, 30, 150, 36);
  panel->SetCaption(L"Flat panel \x9762\x677F");
  panel->SetColor(MakeColor(236, 240, 246));
  auto* seeThrough = Place<TFlatPanel>(this, 300, 72, 150, 36);
  seeThrough->SetTransparent(true);
  seeThrough->SetCaption(L"Transparent");
  auto* disabled = Place<TFlatPanel>(this, 460, 30, 120, 36);
  disabled->SetCaption(L"Disabled");
  disabled->SetEnabled(false);

  MakeArrowGlyph(FArrowGlyph);
  const wchar_t* captions[] = {L"One", L"Two", L"Three"};
  for (int i = 0; i < 3; ++i) {
    auto* b = Place<TFlatSpeedButton>(this, 16 + i * 64, 122, 60, 44);
    b->SetGlyph(&FArrowGlyph);
    b->SetCaption(captions[i]);
    b->SetGroupIndex(1);
    if (i == 0) b->SetDown(true);
  }
  auto* off = Place<TFlatSpeedButton>(this, 212, 122, 60, 44);
  off->SetGlyph(&FArrowGlyph);
  off->SetCaption(L"Off");
  off->SetEnabled(false);
  auto* always = Place<TFlatSpeedButton>(this, 276, 122, 80, 44);
  always->SetCaption(L"tmAlways");
  always->SetTransparentMode(tmAlways);

  auto* edit = Place<TFlatEdit>(this, 460, 80, 140, 19);
  edit->SetText(L"Flat edit");
  auto* edit2 = Place<TFlatEdit>(this, 460, 106, 140, 19);
  edit2->SetText(L"\x641C\x7D22 search");
}

void TComponentsPage::BuildHoverButtons() {
  FTriggerNote = Place<TLabel>(this, 16, 250, 400, 16);
  FTriggerNote->SetTransparent(true);
  FTriggerNote->SetCaption(L"Rest the mouse on a button: its trigger fires three times.");
  for (int i = psUp; i <= psRightEnd; ++i) {
    auto* b = Place<THySpeedButton>(this, 16 + (i - 1) * 26, 200, 22, 22);
    b->SetFlat(true);
    b->SetTransparent(true);
    b->SetPatternStyle(static_cast<THySpeedButtonPatternStyle>(i));
    b->SetPatternColor(MakeColor(30, 60, 140));
    b->SetColor(MakeColor(220, 230, 245));
    b->SetTriggerCount(3);
    b->SetTimerInterval(300);
    b->OnTimerTrigger = [this, i](TObject* Sender) {
      ++FTriggers;
      FTriggerNote->SetCaption(L"Trigger " + std::to_wstring(FTriggers) + L" from mark " + std::to_wstring(i));
    };
    auto* d = Place<THySpeedButton>(this, 16 + (i - 1) * 26, 224, 22, 22);
    d->SetFlat(true);
    d->SetTransparent(true);
    d->SetPatternStyle(static_cast<THySpeedButtonPatternStyle>(i));
    d->SetEnabled(false);
  }
  auto* badge = Place<THySpeedButton>(this, 360, 196, 60, 26);
  badge->SetFlat(true);
  badge->SetTransparent(true);
  badge->SetCaption(L"Clip");
  badge->SetSign1Text(L"3");
  // A deeper red than the badge's own, to read on the cream face.
  badge->Sign1Font()->SetColor(MakeColor(170, 0, 0));
  badge->SetColor(MakeColor(255, 240, 200));
  auto* toggle = Place<THySpeedButton>(this, 424, 196, 70, 26);
  toggle->SetFlat(true);
  toggle->SetTransparent(true);
  toggle->SetCaption(L"Hover me");
  toggle->SetGroupIndex(7);
  toggle->SetAllowAllUp(true);
  toggle->SetSimulateClick(true);
  toggle->SetSign1Text(L"\x25CF");
  toggle->Sign1Font()->SetColor(MakeColor(170, 0, 0));
  toggle->SetSign1Layout(tlBottom);
}

void TComponentsPage::BuildLEDs() {
  auto* time = Place<TLEDFontNum>(this, 620, 30);
  time->SetText(L"12.5");
  auto* stopwatch = Place<TLEDFontNum>(this, 620, 80);
  stopwatch->SetSpace(5);
  stopwatch->SetText(L"00");
  stopwatch->SetDarkColor(stopwatch->BGColor());
  auto* thin = Place<TLEDFontNum>(this, 620, 130);
  thin->SetWordWidth(13);
  thin->SetThick(1);
  thin->SetWordHeight(21);
  thin->SetLightColor(MakeColor(255, 80, 60));
  thin->SetText(L"-8.8 7");
}

void TComponentsPage::BuildEffectLabels() {
  auto* plain = EffectLabel(this, 16, 300, L"Default", -20);
  plain->TextOptions()->Shadow()->SetEnabled(false);
  auto* shadow = EffectLabel(this, 130, 300, L"Shadow", -20);
  shadow->TextOptions()->Shadow()->SetXOffset(3);
  shadow->TextOptions()->Shadow()->SetYOffset(3);
  shadow->TextOptions()->Shadow()->SetColor(MakeColor(170, 170, 190));
  shadow->TextOptions()->Shadow()->SetEnabled(true);
  auto* extruded = EffectLabel(this, 260, 296, L"Extrude", -22);
  extruded->TextOptions()->ExtrudeEffects()->SetDepth(8);
  extruded->TextOptions()->ExtrudeEffects()->SetNearColor(MakeColor(120, 160, 255));
  extruded->TextOptions()->ExtrudeEffects()->SetFarColor(MakeColor(20, 20, 60));
  extruded->TextOptions()->ExtrudeEffects()->SetEnabled(true);
  auto* outline = EffectLabel(this, 400, 300, L"Outline", -22);
  outline->Font()->SetColor(clWhite);
  outline->TextOptions()->SetOutlineColor(MakeColor(200, 40, 40));
  outline->TextOptions()->SetStyle(fclsOutline);
  auto* raised = EffectLabel(this, 520, 300, L"Raised", -22);
  // Dark slate text between a white edge and a grey one reads on the light
  // page and still shows the relief.
  raised->Font()->SetColor(MakeColor(60, 70, 90));
  raised->TextOptions()->SetHighlightColor(clWhite);
  raised->TextOptions()->SetShadeColor(clGray);
  raised->TextOptions()->SetStyle(fclsRaised);
  auto* lowered = EffectLabel(this, 630, 300, L"Lowered", -22);
  lowered->Font()->SetColor(MakeColor(60, 70, 90));
  lowered->TextOptions()->SetShadeColor(clGray);
  lowered->TextOptions()->SetStyle(fclsLowered);
  auto* off = EffectLabel(this, 760, 300, L"Disabled", -20);
  off->SetEnabled(false);

  auto* turned = EffectLabel(this, 16, 350, L"Rotated 30\x00B0", -18);
  turned->TextOptions()->SetRotation(30);
  auto* up = EffectLabel(this, 170, 346, L"Up 90", -16);
  up->TextOptions()->SetRotation(90);
  auto* striated = EffectLabel(this, 230, 356, L"Striated", -26);
  striated->TextOptions()->ExtrudeEffects()->SetOrientation(fcTopLeft);
  striated->TextOptions()->ExtrudeEffects()->SetNearColor(MakeColor(255, 200, 0));
  striated->TextOptions()->ExtrudeEffects()->SetFarColor(MakeColor(120, 40, 0));
  striated->TextOptions()->ExtrudeEffects()->SetStriated(true);
  striated->TextOptions()->ExtrudeEffects()->SetEnabled(true);
  auto* chinese = EffectLabel(this, 400, 360, L"\x58A8\x6865\x574A \x6548\x679C", -22);
  chinese->Font()->SetName(kChineseFont);
  chinese->Font()->SetCharset(GB2312_CHARSET);
  chinese->TextOptions()->Shadow()->SetXOffset(2);
  chinese->TextOptions()->Shadow()->SetYOffset(2);
  chinese->TextOptions()->Shadow()->SetEnabled(true);

  auto* wrapped = EffectLabel(this, 600, 350, L"", -13);
  wrapped->Font()->SetStyle({});
  wrapped->Font()->SetColor(clBlack);
  wrapped->SetAutoSize(false);
  wrapped->SetBounds(600, 350, 300, 90);
  wrapped->TextOptions()->SetWordWrap(true);
  wrapped->TextOptions()->SetOptions({toShowAccel, toFullJustify});
  wrapped->TextOptions()->SetLineSpacing(2);
  wrapped->SetCaption(L"Fully justified text spreads the blanks of every line but the last, so that "
                      L"both edges of the paragraph stay straight.");
}

void TComponentsPage::DrawPage(TCanvas* Canvas) {
  DrawSectionTitle(Canvas, 16, 10, L"Flat controls \x6241\x5E73\x63A7\x4EF6");
  DrawSectionTitle(Canvas, 620, 10, L"LED digits");
  DrawSectionTitle(Canvas, 16, 178, L"Hover-trigger buttons: marks, disabled marks, badges");
  DrawSectionTitle(Canvas, 16, 278, L"Effect labels");
  DrawSectionTitle(Canvas, 620, 184, L"Notice window \x6D88\x606F\x7A97");
  // A striped patch under the transparent flat panel shows that it is see-through.
  for (int i = 0; i < 8; ++i) {
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(i % 2 ? MakeColor(255, 220, 160) : MakeColor(200, 230, 255));
    Canvas->FillRect(Rect(300 + i * 19, 72, 319 + i * 19, 108));
  }
}

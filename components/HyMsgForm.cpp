// TMsgForm: the notice window, its layout and its message handlers.
#include "components/HyMsgForm.h"

#include <initializer_list>

namespace {

const wchar_t* const kSongTi = L"\x5B8B\x4F53";
const wchar_t* const kCancelCaption = L"\x53D6\x6D88";                   // cancel
const wchar_t* const kCancelActionCaption = L"\x53D6\x6D88\x8BE5\x64CD\x4F5C";  // cancel this action

template <typename T>
T* Place(TMsgForm* Form, int Left, int Top, int Width, int Height) {
  T* c = new T(Form);
  c->SetParent(Form);
  c->SetBounds(Left, Top, Width, Height);
  return c;
}

}  // namespace

TMsgForm::TMsgForm(TComponent* AOwner) : TForm(AOwner) {
  SetBorderStyle(bsSingle);
  SetBorderIcons({});
  SetColor(clBtnFace);
  Font()->SetName(kSongTi);
  Font()->SetHeight(-12);
  Font()->SetCharset(GB2312_CHARSET);
  SetAlphaBlendValue(220);
  SetCaption(L"Zolvane\x6D88\x606F");
  SetClientSize(272, 135);

  Gauge1 = Place<TGauge>(this, 5, 4, 53, 15);
  Gauge1->SetBorderStyle(bsNone);
  Gauge1->SetBackColor(clAqua);
  Gauge1->SetForeColor(clBlue);
  Gauge1->SetColor(0x00B0FFFF);
  Gauge1->SetVisible(false);

  lblMessage = Place<TLabel>(this, 23, 6, 223, 80);
  lblMessage->SetAutoSize(false);
  lblMessage->SetAlignment(taCenter);
  lblMessage->SetLayout(tlCenter);
  lblMessage->SetWordWrap(true);
  lblMessage->SetTransparent(true);

  lblTimelapse = Place<TLabel>(this, 15, 101, 36, 12);
  lblTimelapse->SetTransparent(true);
  lblTimelapse->Font()->SetColor(clMaroon);

  spSkinData1 = new TspSkinData(this);
  spSkinData1->SetSkinnableForm(true);
  spSkinData1->SetEnableSkinEffects(true);
  spSkinData1->SetShowButtonGlowFrames(true);
  spSkinData1->SetShowCaptionButtonGlowFrames(true);

  sbCancel = Place<TspSkinSpeedButton>(this, 94, 95, 88, 23);
  sbCancel->SetVisible(false);
  sbCancel->SetSkinDataName(L"toolbutton");
  sbCancel->SetCaption(kCancelCaption);
  sbCancel->SetSkinData(spSkinData1);
  sbCancel->OnClick = [this](TObject* Sender) { sbCancelClick(Sender); };

  // A click on the text, the countdown or the gauge is a click on the notice.
  for (TControl* c : std::initializer_list<TControl*>{Gauge1, lblMessage, lblTimelapse})
    c->OnClick = [this](TObject*) { Click(); };

  Timer1 = new TTimer(this);
  Timer1->SetEnabled(false);
  Timer1->OnTimer = [this](TObject* Sender) { Timer1Timer(Sender); };

  spSkinForm1 = new TspSkinForm(this);
  spSkinForm1->SetSizeable(false);
  spSkinForm1->SetBorderIcons({sbiSystemMenu});
  spSkinForm1->SetSkinData(spSkinData1);
}

void TMsgForm::CreateParams(TCreateParams& Params) {
  TForm::CreateParams(Params);
  // Exactly this style: the notice gets a taskbar button of its own.
  Params.ExStyle = WS_EX_APPWINDOW;
}

void TMsgForm::VisibleChanged() {
  if (!FVisible) {
    TForm::VisibleChanged();
    return;
  }
  HandleNeeded();
  ShowWindow(FHandle, SW_SHOWNOACTIVATE);
  DoShow();
}

void TMsgForm::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case MSG_NOTICE_TEXT:
    case MSG_NOTICE_PROGRESS:
    case MSG_NOTICE_PROGRESS_INFO: {
      // A message without a record is ignored rather than read through null.
      const auto* info = reinterpret_cast<const TMsgFormInfo*>(Message.LParam);
      if (!info) return;
      if (Message.Msg == MSG_NOTICE_TEXT) CMMsgTextChanged(*info);
      else if (Message.Msg == MSG_NOTICE_PROGRESS) CMMsgProgressChanged(*info);
      else CMMsgProgressInfo(*info);
      return;
    }
    default: TForm::Dispatch(Message);
  }
}

void TMsgForm::CMMsgTextChanged(const TMsgFormInfo& Info) {
  MsgInfo = Info;
  lblMessage->SetCaption(NoticeText(MsgInfo));
  const TNoticeStart start = NoticeStart(MsgInfo);
  if (start.SetsCountdown) {
    if (start.StartTimer) {
      Timer1->SetInterval(static_cast<uint32_t>(start.Interval));
      Timer1->SetEnabled(true);
    }
    Remaining = start.Remaining;
    lblTimelapse->SetCaption(start.CountdownText);
  }
  if (start.Button == nbHide) {
    sbCancel->SetVisible(false);
  } else if (start.Button == nbShow) {
    sbCancel->SetCaption(kCancelActionCaption);
    sbCancel->SetVisible(true);
  }
}

void TMsgForm::CMMsgProgressChanged(const TMsgFormInfo& Info) { Gauge1->SetProgress(Info.Value); }

void TMsgForm::CMMsgProgressInfo(const TMsgFormInfo& Info) {
  const TGaugeInfo gauge = NoticeGaugeInfo(Info);
  Gauge1->SetVisible(gauge.Visible);
  if (gauge.SetsMax) Gauge1->SetMaxValue(gauge.Max);
  // The sender runs a long job between messages: the gauge shows now.
  Application->ProcessMessages();
}

void TMsgForm::Timer1Timer(TObject*) {
  const TNoticeTick tick = NoticeTick(Remaining);
  Remaining = tick.Remaining;
  if (tick.Ended) {
    Timer1->SetEnabled(false);
    Ended();
  } else if (tick.SetsText) {
    lblTimelapse->SetCaption(tick.CountdownText);
  }
}

void TMsgForm::Ended() {
  if (OnClosed) OnClosed(this);
}

void TMsgForm::CloseMessage() {
  Timer1->SetEnabled(false);
  // A cancelled or closed notice never notifies.
  if (MsgInfo.Kind == kNoticeKind) MsgInfo.Notify = 0;
  Ended();
  sbCancel->SetVisible(false);
}

void TMsgForm::sbCancelClick(TObject*) { CloseMessage(); }

bool TMsgForm::CloseQuery() {
  return TForm::CloseQuery() && NoticeMayClose(MsgInfo.Flags, sbCancel->Visible(), Timer1->Enabled());
}

void TMsgForm::DoClose(TCloseAction& Action) {
  TForm::DoClose(Action);
  CloseMessage();
}

void TMsgForm::CloseForRelease() {
  if (!CloseQuery()) return;
  TCloseAction action = caHide;
  DoClose(action);
}

void TMsgForm::ApplySkin(const String& SkinName, TspSkinData* DefaultSkinData) {
  if (SkinName == L"Default") {
    // The notice copies the stored skin the program's skin data holds. A skin
    // loaded into that skin data by LoadCompressedStoredSkin leaves it unset:
    // say so, rather than leave the notice in whatever skin it wore.
    if (!DefaultSkinData)
      throw EInvalidOperation(L"Notice skin \"Default\": no skin data was given to take the skin from");
    if (!DefaultSkinData->CompressedStoredSkin() || DefaultSkinData->CompressedStoredSkin()->IsEmpty())
      throw EInvalidOperation(
          L"Notice skin \"Default\": the skin data holds no stored skin; give it one with "
          L"SetCompressedStoredSkin (LoadCompressedStoredSkin loads a skin but keeps none)");
    spSkinData1->LoadCompressedStoredSkin(DefaultSkinData->CompressedStoredSkin());
  } else {
    spSkinData1->LoadFromCompressedFile(SkinName);
  }
  // The skin's frame differs from the last one: the controls keep their room.
  SetClientSize(272, 135);
}

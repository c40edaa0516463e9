// TFlatPanel: painting through an off-screen bitmap.
#include "components/TFlatPanelUnit.h"

TFlatPanel::TFlatPanel(TComponent* AOwner) : TCustomPanel(AOwner) {
  FBevelOuter = bvNone;
  FParentFont = true;
  FParentColor = true;
  FControlStyle.Include(csAcceptsControls).Include(csOpaque);
  FWidth = 185;
  FHeight = 41;
}

void TFlatPanel::SetTransparent(bool Value) {
  FTransparent = Value;
  Invalidate();
}

void TFlatPanel::SetColors(int Index, TColor Value) {
  if (Index == 0) FHighlightColor = Value;
  else if (Index == 1) FShadowColor = Value;
  Invalidate();
}

void TFlatPanel::Paint() {
  UINT format = DT_SINGLELINE | DT_VCENTER;
  format |= FAlignment == taLeftJustify ? DT_LEFT : FAlignment == taRightJustify ? DT_RIGHT : DT_CENTER;
  const TRect client = ClientRect();
  TBitmap buffer;
  buffer.SetSize(client.Width(), client.Height());
  TCanvas* canvas = buffer.Canvas();
  if (!FTransparent) {
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(client);
  } else {
    DrawParentImage(this, canvas);
  }
  Frame3DBorder(canvas, client, FHighlightColor, FShadowColor, 1);
  const String caption = Caption();
  if (!caption.empty()) {
    canvas->SetFont(Font());
    canvas->Brush()->SetStyle(bsClear);
    HDC dc = canvas->Handle();
    HGDIOBJ old = SelectObject(dc, canvas->Font()->Handle());
    if (Enabled()) {
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, ColorToRGB(Font()->Color()));
      RECT r = {client.Left, client.Top, client.Right, client.Bottom};
      DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &r, format);
    } else {
      DrawEngravedText(dc, caption, client, format);
    }
    SelectObject(dc, old);
  }
  BitBlt(Canvas()->Handle(), 0, 0, client.Width(), client.Height(), canvas->Handle(), 0, 0, SRCCOPY);
}

void TFlatPanel::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
      TCustomPanel::Dispatch(Message);
      Invalidate();
      return;
  }
  TCustomPanel::Dispatch(Message);
}

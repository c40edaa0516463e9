// Edits: the plain and button edit frames, the edit button and the spin
// edit with its up and down buttons, each with a hot look.
#include "skin/SkinCtrlRecords.h"
#include "tools/SkinArt/ArtPieces.h"
#include "tools/SkinArt/ArtSkin.h"

namespace {

constexpr int kEditWidth = 60, kEditHeight = 22, kButtonWidth = 18;

// An edit box: the window colour inside a one-pixel outline.
void EditBox(TArtImage& I, const TRect& R, TRgb Outline, TRgb Fill) {
  I.Fill(R, Fill);
  I.Frame(R, Outline);
}

// The shared chevron in button face R, pointing up or down; a pressed face
// shows it one pixel down and right.
void Arrow(TArtImage& I, TRect R, bool Up, TRgb C, bool Pressed = false) {
  if (Pressed) R = TRect(R.Left + 1, R.Top + 1, R.Right + 1, R.Bottom + 1);
  Chevron(I, R, Up ? dUp : dDown, C);
}

// A button face at R: a face of the panel colour, hot in the accent's tint.
void ButtonFace(TArtImage& I, const TRect& R, TRgb Face, TRgb Outline) {
  I.Fill(R, Face);
  I.Frame(R, Outline);
}

// The box geometry of a record: 3-pixel borders, the text area ending at
// Right, the middle stretched.
void SetBoxGeometry(TspDataSkinCustomControl& Rec, int Right) {
  Rec.ClRect = Rect(3, 3, Right, kEditHeight - 3);
  Rec.LTPoint = Point(3, 0);
  Rec.RTPoint = Point(Right, 0);
  Rec.LBPoint = Point(3, kEditHeight);
  Rec.RBPoint = Point(Right, kEditHeight);
  Rec.StretchEffect = true;
}

void SetEditFonts(TspDataSkinEditControl& Rec, const TSkinPalette& P) {
  Rec.FontName = P.FontName;
  Rec.FontHeight = P.FontHeight;
  Rec.FontColor = ToColor(P.WindowText);
  Rec.ActiveFontColor = ToColor(P.WindowText);
  Rec.DisabledFontColor = ToColor(P.TextDim);
}

}  // namespace

void DrawEdits(TSkinArt& Art) {
  const TSkinPalette& p = Art.Palette;
  TArtImage& I = Art.Controls();
  const TRgb hotOutline = p.Accent;
  const TRgb face = Mix(p.PanelFace, p.Window, 0.4);
  const TRgb hotFace = Mix(face, p.Accent, 0.22), downFace = Mix(face, p.Accent, 0.4);

  // "edit": normal and hot frames one above the other.
  const TRect e = Art.PlaceControl(kEditWidth, 2 * kEditHeight);
  const TRect normal(e.Left, e.Top, e.Right, e.Top + kEditHeight);
  const TRect hot(e.Left, e.Top + kEditHeight, e.Right, e.Bottom);
  EditBox(I, normal, p.Border, p.Window);
  EditBox(I, hot, hotOutline, p.Window);
  TspDataSkinEditControl edit(L"edit");
  edit.PictureIndex = Art.ControlsPicture();
  edit.SkinRect = normal;
  edit.ActiveSkinRect = hot;
  SetBoxGeometry(edit, kEditWidth - 3);
  SetEditFonts(edit, p);
  Art.AddControl(edit, L"edit");

  // "buttonedit": the same box with a button in its right piece, and the
  // button's hot and pressed looks beside it.
  const int w = kEditWidth + kButtonWidth;
  const TRect b = Art.PlaceControl(w + 2 * kButtonWidth, 2 * kEditHeight);
  const TRect bNormal(b.Left, b.Top, b.Left + w, b.Top + kEditHeight);
  const TRect bHot(b.Left, b.Top + kEditHeight, b.Left + w, b.Bottom);
  const TRect button = Rect(w - kButtonWidth - 1, 1, w - 1, kEditHeight - 1);  // in the skin rectangle
  for (const TRect& r : {bNormal, bHot}) {
    EditBox(I, r, r == bHot ? hotOutline : p.Border, p.Window);
    const TRect f(r.Left + button.Left, r.Top + button.Top, r.Left + button.Right, r.Top + button.Bottom);
    ButtonFace(I, f, face, Mix(p.Border, p.Window, 0.3));
    Arrow(I, f, false, p.Text);
  }
  const TRect activeButton(b.Left + w, b.Top + 1, b.Left + w + kButtonWidth, b.Top + kEditHeight - 1);
  const TRect downButton(activeButton.Right, activeButton.Top, activeButton.Right + kButtonWidth, activeButton.Bottom);
  ButtonFace(I, activeButton, hotFace, hotOutline);
  Arrow(I, activeButton, false, p.Text);
  ButtonFace(I, downButton, downFace, hotOutline);
  Arrow(I, downButton, false, p.Text, true);
  TspDataSkinEditControl buttonEdit(L"buttonedit");
  buttonEdit.PictureIndex = Art.ControlsPicture();
  buttonEdit.SkinRect = bNormal;
  buttonEdit.ActiveSkinRect = bHot;
  SetBoxGeometry(buttonEdit, button.Left - 2);
  buttonEdit.ButtonRect = button;
  buttonEdit.ActiveButtonRect = activeButton;
  buttonEdit.DownButtonRect = downButton;
  SetEditFonts(buttonEdit, p);
  Art.AddControl(buttonEdit, L"edit");

  // "editbutton": a free-sized button for edits whose height follows their font.
  const TRect eb = Art.PlaceControl(3 * kButtonWidth, kButtonWidth);
  TRect states[3];
  const TRgb faces[3] = {face, hotFace, downFace};
  for (int i = 0; i < 3; ++i) {
    states[i] = TRect(eb.Left + i * kButtonWidth, eb.Top, eb.Left + (i + 1) * kButtonWidth, eb.Bottom);
    ButtonFace(I, states[i], faces[i], i ? hotOutline : Mix(p.Border, p.Window, 0.3));
  }
  TspDataSkinButtonControl editButton(L"editbutton");
  editButton.PictureIndex = Art.ControlsPicture();
  editButton.SkinRect = states[0];
  editButton.ActiveSkinRect = states[1];
  editButton.DownSkinRect = states[2];
  editButton.ClRect = Rect(2, 2, kButtonWidth - 2, kButtonWidth - 2);
  editButton.LTPoint = Point(2, 2);
  editButton.RTPoint = Point(kButtonWidth - 2, 2);
  editButton.LBPoint = Point(2, kButtonWidth - 2);
  editButton.RBPoint = Point(kButtonWidth - 2, kButtonWidth - 2);
  editButton.LeftStretch = editButton.TopStretch = editButton.RightStretch = editButton.BottomStretch = true;
  editButton.StretchEffect = true;
  editButton.FontName = p.FontName;
  editButton.FontHeight = p.FontHeight;
  editButton.FontColor = editButton.ActiveFontColor = editButton.DownFontColor = ToColor(p.Text);
  Art.AddControl(editButton, L"button");

  // "spinedit": a box with two half-height buttons, their hot and pressed
  // looks to the right.
  const int half = kEditHeight / 2;
  const TRect s = Art.PlaceControl(w + 2 * kButtonWidth, 2 * kEditHeight);
  const TRect sNormal(s.Left, s.Top, s.Left + w, s.Top + kEditHeight);
  const TRect sHot(s.Left, s.Top + kEditHeight, s.Left + w, s.Bottom);
  const TRect up = Rect(w - kButtonWidth - 1, 1, w - 1, half);
  const TRect down = Rect(w - kButtonWidth - 1, half, w - 1, kEditHeight - 1);
  for (const TRect& r : {sNormal, sHot}) {
    EditBox(I, r, r == sHot ? hotOutline : p.Border, p.Window);
    for (const TRect& k : {up, down}) {
      const TRect f(r.Left + k.Left, r.Top + k.Top, r.Left + k.Right, r.Top + k.Bottom);
      ButtonFace(I, f, face, Mix(p.Border, p.Window, 0.3));
      Arrow(I, f, k == up, p.Text);
    }
  }
  TRect pieces[4];
  for (int i = 0; i < 4; ++i) {
    const int col = i / 2, row = i % 2;  // hot up, hot down, pressed up, pressed down
    pieces[i] = TRect(s.Left + w + col * kButtonWidth, s.Top + (row ? half : 1), s.Left + w + (col + 1) * kButtonWidth,
                      s.Top + (row ? kEditHeight - 1 : half));
    ButtonFace(I, pieces[i], col ? downFace : hotFace, hotOutline);
    Arrow(I, pieces[i], row == 0, p.Text, col == 1);
  }
  TspDataSkinSpinEditControl spin(L"spinedit");
  spin.PictureIndex = Art.ControlsPicture();
  spin.SkinRect = sNormal;
  spin.ActiveSkinRect = sHot;
  SetBoxGeometry(spin, up.Left - 2);
  spin.FontName = p.FontName;
  spin.FontHeight = p.FontHeight;
  spin.FontColor = spin.ActiveFontColor = ToColor(p.WindowText);
  spin.DisabledFontColor = ToColor(p.TextDim);
  spin.UpButtonRect = up;
  spin.DownButtonRect = down;
  spin.ActiveUpButtonRect = pieces[0];
  spin.ActiveDownButtonRect = pieces[1];
  spin.DownUpButtonRect = pieces[2];
  spin.DownDownButtonRect = pieces[3];
  Art.AddControl(spin, L"spinedit");
}

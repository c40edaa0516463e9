// The default captions of the skinned controls, by key.
#include "skininputs/spconst.h"

#include "skin/SkinResStr.h"

namespace {

struct TDefaultCaption {
  const wchar_t* Key;
  const wchar_t* Text;
};

const TDefaultCaption kDefaultCaptions[] = {
    {L"MI_MINCAPTION", L"Mi&nimize"},
    {L"MI_MAXCAPTION", L"Ma&ximize"},
    {L"MI_CLOSECAPTION", L"&Close"},
    {L"MI_RESTORECAPTION", L"&Restore"},
    {L"MI_MINTOTRAYCAPTION", L"Minimize to &Tray"},
    {L"MI_ROLLUPCAPTION", L"Ro&llUp"},
    {L"MINBUTTON_HINT", L"Minimize"},
    {L"MAXBUTTON_HINT", L"Maximize"},
    {L"CLOSEBUTTON_HINT", L"Close"},
    {L"TRAYBUTTON_HINT", L"Minimize to Tray"},
    {L"ROLLUPBUTTON_HINT", L"Roll Up"},
    {L"MENUBUTTON_HINT", L"System menu"},
    {L"RESTORE_HINT", L"Restore"},
    {L"EDIT_UNDO", L"Undo"},
    {L"EDIT_CUT", L"Cut"},
    {L"EDIT_COPY", L"Copy"},
    {L"EDIT_PASTE", L"Paste"},
    {L"EDIT_DELETE", L"Delete"},
    {L"EDIT_SELECTALL", L"Select All"},
    {L"MSG_BTN_OK", L"OK"},
    {L"MSG_BTN_CANCEL", L"Cancel"},
    {L"COLORGRID_CAP", L"Basic colors"},
    {L"CUSTOMCOLORGRID_CAP", L"Custom colors"},
    {L"ADDCUSTOMCOLORBUTTON_CAP", L"Add to Custom Colors"},
    {L"MORECOLORS", L"More colors..."},
    {L"AUTOCOLOR", L"Automatic"},
};

}  // namespace

String DefaultCaption(const String& Key) {
  for (const TDefaultCaption& c : kDefaultCaptions)
    if (Key == c.Key) return c.Text;
  return String();
}

String SkinCaption(const TspResourceStrData* Store, const String& Key) {
  return Store ? Store->GetResStr(Key) : DefaultCaption(Key);
}

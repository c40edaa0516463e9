#include "skin/SkinResStr.h"

namespace {

const wchar_t* const kDefaultResStrings[] = {
    L"MI_MINCAPTION=Mi&nimize",
    L"MI_MAXCAPTION=Ma&ximize",
    L"MI_CLOSECAPTION=&Close",
    L"MI_RESTORECAPTION=&Restore",
    L"MI_MINTOTRAYCAPTION=Minimize to &Tray",
    L"MI_ROLLUPCAPTION=Ro&llUp",
    L"MINBUTTON_HINT=Minimize",
    L"MAXBUTTON_HINT=Maximize",
    L"CLOSEBUTTON_HINT=Close",
    L"TRAYBUTTON_HINT=Minimize to Tray",
    L"ROLLUPBUTTON_HINT=Roll Up",
    L"MENUBUTTON_HINT=System menu",
    L"RESTORE_HINT=Restore",
    L"EDIT_UNDO=Undo",
    L"EDIT_COPY=Copy",
    L"EDIT_CUT=Cut",
    L"EDIT_PASTE=Paste",
    L"EDIT_DELETE=Delete",
    L"EDIT_SELECTALL=Select All",
    L"MSG_BTN_YES=&Yes",
    L"MSG_BTN_NO=&No",
    L"MSG_BTN_OK=OK",
    L"MSG_BTN_CANCEL=Cancel",
    L"MSG_BTN_ABORT=&Abort",
    L"MSG_BTN_RETRY=&Retry",
    L"MSG_BTN_IGNORE=&Ignore",
    L"MSG_BTN_ALL=&All",
    L"MSG_BTN_NOTOALL=N&o to All",
    L"MSG_BTN_YESTOALL=Yes to &All",
    L"MSG_BTN_HELP=&Help",
    L"MSG_BTN_OPEN=&Open",
    L"MSG_BTN_SAVE=&Save",
    L"MSG_BTN_CLOSE=Close",
    L"MSG_BTN_BACK_HINT=Go To Last Folder Visited",
    L"MSG_BTN_UP_HINT=Up One Level",
    L"MSG_BTN_NEWFOLDER_HINT=Create New Folder",
    L"MSG_BTN_VIEWMENU_HINT=View Menu",
    L"MSG_BTN_STRETCH_HINT=Stretch Picture",
    L"MSG_FILENAME=File name:",
    L"MSG_FILETYPE=File type:",
    L"MSG_NEWFOLDER=New Folder",
    L"MSG_LV_DETAILS=Details",
    L"MSG_LV_ICON=Large icons",
    L"MSG_LV_SMALLICON=Small icons",
    L"MSG_LV_LIST=List",
    L"MSG_PREVIEWSKIN=Preview",
    L"MSG_PREVIEWBUTTON=Button",
    L"MSG_OVERWRITE=Do you want to overwrite old file?",
    L"MSG_CAP_WARNING=Warning",
    L"MSG_CAP_ERROR=Error",
    L"MSG_CAP_INFORMATION=Information",
    L"MSG_CAP_CONFIRM=Confirm",
    L"MSG_CAP_SHOWFLAG=Do not display this message again",
    L"CALC_CAP=Calculator",
    L"ERROR=Error",
    L"COLORGRID_CAP=Basic colors",
    L"CUSTOMCOLORGRID_CAP=Custom colors",
    L"ADDCUSTOMCOLORBUTTON_CAP=Add to Custom Colors",
    L"FONTDLG_COLOR=Color:",
    L"FONTDLG_NAME=Name:",
    L"FONTDLG_SIZE=Size:",
    L"FONTDLG_HEIGHT=Height:",
    L"FONTDLG_EXAMPLE=Example:",
    L"FONTDLG_STYLE=Style:",
    L"FONTDLG_SCRIPT=Script:",
    L"DB_DELETE_QUESTION=Delete record?",
    L"DB_MULTIPLEDELETE_QUESTION=Delete all selected records?",
    L"NODISKINDRIVE=There is no disk in Drive or Drive is not ready",
    L"NOVALIDDRIVEID=Not a valid Drive ID",
    L"FLV_NAME=Name",
    L"FLV_SIZE=Size",
    L"FLV_TYPE=Type",
    L"FLV_LOOKIN=Look in:",
    L"FLV_MODIFIED=Modified",
    L"FLV_ATTRIBUTES=Attributes",
    L"FLV_DISKSIZE=Disk Size",
    L"FLV_FREESPACE=Free Space",
    L"PRNDLG_NAME=Name:",
    L"PRNDLG_PRINTER=Printer",
    L"PRNDLG_PROPERTIES=Properties...",
    L"PRNDLG_TYPE=Type:",
    L"PRNDLG_STATUS=Status:",
    L"PRNDLG_WHERE=Where:",
    L"PRNDLG_COMMENT=Comment:",
    L"PRNDLG_PRINTRANGE=Print range",
    L"PRNDLG_COPIES=Copies",
    L"PRNDLG_NUMCOPIES=Number of copies:",
    L"PRNDLG_COLLATE=Collate",
    L"PRNDLG_ALL=All",
    L"PRNDLG_PAGES=Pages",
    L"PRNDLG_SELECTION=Selection",
    L"PRNDLG_PRINTTOFILE=Print to file",
    L"PRNDLG_FROM=from:",
    L"PRNDLG_TO=to:",
    L"PRNDLG_ORIENTATION=Orientation",
    L"PRNDLG_PAPER=Paper",
    L"PRNDLG_PORTRAIT=Portrait",
    L"PRNDLG_LANDSCAPE=Landscape",
    L"PRNDLG_SOURCE=Source:",
    L"PRNDLG_SIZE=Size:",
    L"PRNDLG_MARGINS=Margins (millimeters)",
    L"PRNDLG_MARGINS_INCHES=Margins (inches)",
    L"PRNDLG_LEFT=Left:",
    L"PRNDLG_RIGHT=Right:",
    L"PRNDLG_TOP=Top:",
    L"PRNDLG_BOTTOM=Bottom:",
    L"PRNDLG_WARNING=There are no printers in your system!",
    L"FIND_NEXT=Find Next",
    L"FIND_WHAT=Find what:",
    L"FIND_DIRECTION=Direction",
    L"FIND_DIRECTIONUP=Up",
    L"FIND_DIRECTIONDOWN=Down",
    L"FIND_MATCH_CASE=Match case",
    L"FIND_MATCH_WHOLE_WORD_ONLY=Match whole word only",
    L"FIND_REPLACE_WITH=Replace with:",
    L"FIND_REPLACE=Replace",
    L"FIND_REPLACE_All=Replace All",
    L"FIND_REPLACE_CLOSE=Close",
    L"MORECOLORS=More colors...",
    L"AUTOCOLOR=Automatic",
    L"CUSTOMCOLOR=Custom...",
};

}  // namespace

TspResourceStrData::TspResourceStrData(TComponent* AOwner) : TComponent(AOwner), FResStrings(new TStringList) {
  for (const wchar_t* line : kDefaultResStrings) FResStrings->Add(line);
}

TspResourceStrData::~TspResourceStrData() { Free(FResStrings); }

String TspResourceStrData::GetResStr(const String& Key) const {
  int i = FResStrings->IndexOfName(Key);
  if (i < 0) return String();
  String line = FResStrings->Strings(i);
  return line.substr(line.find(L'=') + 1);
}

// ---------------------------------------------------------------------------
// Skin lists

TspSkinListItem::TspSkinListItem(TCollection* Collection)
    : TCollectionItem(Collection), FStoredSkin(new TspCompressedStoredSkin(nullptr)) {
  FName = L"spSkin" + std::to_wstring(Collection ? Index() : 0);
}

TspSkinListItem::~TspSkinListItem() { Free(FStoredSkin); }

bool TspSkinListItem::Designing() const {
  auto* list = Collection() ? dynamic_cast<TComponent*>(Collection()->Owner()) : nullptr;
  TComponentState state = list ? list->ComponentState() : TComponentState();
  return state.Contains(csDesigning) && !state.Contains(csLoading);
}

void TspSkinListItem::SetFileName(const String& Value) {
  SetStoredSkinFileName(FStoredSkin, &TspCompressedStoredSkin::LoadFromSkinFile, Designing(), Value, FFileName);
}

void TspSkinListItem::SetCompressedFileName(const String& Value) {
  SetStoredSkinFileName(FStoredSkin, &TspCompressedStoredSkin::LoadFromCompressedFile, Designing(), Value,
                        FCompressedFileName);
}

void TspSkinListItem::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TspSkinListItem*>(Source);
  if (!source) {
    TCollectionItem::Assign(Source);
    return;
  }
  FDescription = source->FDescription;
  FFileName = source->FFileName;
  FCompressedFileName = source->FCompressedFileName;
  FName = source->FName;
  TMemoryStream skin;
  source->WriteSkin(&skin);
  ReadSkin(&skin);
}

TspSkinListItems::TspSkinListItems(TspCompressedSkinList* AOwner)
    : TCollection(AOwner, TCollection::ItemClass<TspSkinListItem>()) {}

TspCompressedSkinList::TspCompressedSkinList(TComponent* AOwner)
    : TComponent(AOwner), FSkins(new TspSkinListItems(this)) {}

TspCompressedSkinList::~TspCompressedSkinList() { Free(FSkins); }

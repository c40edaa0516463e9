// The examples of docs/guide.md, compiled and run here so that they cannot rot:
// keep each function word for word as the guide shows it.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "../skinctrls/SkinCtrlTestUtils.h"
#include "classlib/ExtCtrls.h"
#include "classlib/Forms.h"
#include "classlib/MemTable.h"
#include "components/HyMsgForm.h"
#include "components/fcImager.h"
#include "components/fcLabel.h"
#include "components/fcStringCombo.h"
#include "components/fcTreeCombo.h"
#include "skin/SkinForm.h"
#include "skinctrls/SkinButtons.h"
#include "skinctrls/SkinLabels.h"
#include "skinctrls/SkinPanels.h"
#include "skinctrls/SkinTabs.h"
#include "skinctrls/SkinTrackBar.h"
#include "skinctrls/SkinRadioGroup.h"
#include "skinctrls/SkinRichEdit.h"
#include "skinctrls/SkinSpeedButton.h"
#include "skinctrls/SkinToolBar.h"
#include "skinctrls/SkinTreeView.h"
#include "skinctrls/SkinListView.h"
#include "skininputs/SkinColorButton.h"
#include "skininputs/SkinColorDialog.h"
#include "skininputs/SkinComboBox.h"
#include "skininputs/SkinDateEdit.h"
#include "skininputs/SkinEdit.h"
#include "skininputs/SkinListBox.h"
#include "skininputs/SkinSpinEdit.h"
#include "skininputs/SkinTrayIcon.h"
#include "skininputs/SkinCalendar.h"
#include "skininputs/SkinMaskEdits.h"

namespace guide {

// --- guide: a page control with pages
TspSkinPageControl* AddPages(TWinControl* Parent, TspSkinData* Skin) {
  auto* pages = new TspSkinPageControl(Parent);
  pages->SetParent(Parent);
  pages->SetAlign(alClient);
  pages->SetSkinData(Skin);
  for (const wchar_t* caption : {L"General", L"Advanced"}) {
    auto* sheet = new TspSkinTabSheet(pages);
    sheet->SetCaption(caption);
    sheet->SetPageControl(pages);  // the page's tab and its place in the control
  }
  pages->SetActivePageIndex(0);
  // Controls go on a page as on any parent:
  auto* button = new TspSkinButton(pages);
  button->SetParent(pages->Pages(0));
  button->SetBounds(16, 16, 100, 26);
  button->SetCaption(L"On page 1");
  button->SetSkinData(Skin);
  return pages;
}

// --- guide: a list box filled with items
TspSkinListBox* AddList(TWinControl* Parent, TspSkinData* Skin, TspSkinStdLabel* Shows) {
  auto* list = new TspSkinListBox(Parent);
  list->SetParent(Parent);
  list->SetBounds(16, 60, 200, 120);
  list->SetSkinData(Skin);
  for (const wchar_t* fruit : {L"Apple", L"Banana", L"Cherry"}) list->Items()->Add(fruit);
  list->SetItemIndex(0);
  // A click on an item runs OnListBoxClick (the list box's OnClick it does not)
  list->OnListBoxClick = [list, Shows](TObject*) {
    Shows->SetCaption(list->Items()->Strings(list->ItemIndex()));  // the chosen fruit
  };
  return list;
}

// --- guide: a track bar
TspSkinTrackBar* AddVolume(TWinControl* Parent, TspSkinData* Skin, TspSkinStdLabel* Shows) {
  auto* volume = new TspSkinTrackBar(Parent);
  volume->SetParent(Parent);
  volume->SetBounds(16, 190, 200, 30);
  volume->SetSkinData(Skin);
  volume->SetMinValue(0);
  volume->SetMaxValue(100);
  volume->SetValue(40);
  volume->SetCanFocused(true);     // a Tab stop; arrows and Page keys move it
  volume->SetJumpWhenClick(true);  // a click on the track moves the thumb there
  volume->OnChange = [volume, Shows](TObject*) { Shows->SetCaption(IntToStr(volume->Value()) + L" %"); };
  return volume;
}

// --- guide: a status bar whose grip follows maximize
TspSkinStatusBar* AddStatusBar(TCustomForm* Form, TspSkinData* Skin) {
  auto* bar = new TspSkinStatusBar(Form);   // aligned to the bottom
  bar->SetParent(Form);
  bar->SetName(Skin->StatusBarName);        // the name the skin gives: "statusbar" in the library's skins
  bar->SetSizeGrip(true);
  bar->SetSkinData(Skin);
  auto* text = new TspSkinStdLabel(Form);
  text->SetParent(bar);
  text->SetBounds(8, 3, 300, 16);
  text->SetCaption(L"Ready");
  text->SetSkinData(Skin);
  return bar;
}

// --- guide: a message to the user
// A small skinned form of its own: a text and an OK button, shown modally.
void ShowSkinnedMessage(TspSkinData* Skin, const String& Title, const String& Text) {
  TForm box(Application);
  box.SetCaption(Title);
  box.SetBorderStyle(bsDialog);
  box.SetPosition(poScreenCenter);
  box.SetBounds(0, 0, 360, 150);
  auto* frame = new TspSkinForm(&box);
  frame->SetSkinData(Skin);
  frame->SetBorderIcons(TspBorderIcons{sbiSystemMenu});  // a close button only
  frame->SetSizeable(false);
  auto* panel = new TspSkinPanel(&box);  // the skin's background
  panel->SetParent(&box);
  panel->SetAlign(alClient);
  panel->SetBorderStyle(bvNone);
  panel->SetSkinData(Skin);
  auto* text = new TspSkinStdLabel(&box);
  text->SetParent(panel);
  text->SetBounds(16, 16, 320, 40);
  text->SetCaption(Text);
  text->SetSkinData(Skin);
  auto* ok = new TspSkinButton(&box);
  ok->SetParent(panel);
  ok->SetBounds(240, 70, 90, 26);
  ok->SetCaption(L"OK");
  ok->SetDefault(true);   // Enter
  ok->SetCancel(true);    // Esc
  ok->SetModalResult(mrOk);
  ok->SetSkinData(Skin);
  box.ShowModal();        // until the button sets the form's ModalResult
}

// --- guide: a table bound to a combo and a label
TMemTable* AddContacts(TWinControl* Form) {
  auto* table = new TMemTable(Form);       // owned by the form, freed with it
  table->AddField(L"Name", ftString, 20);  // fields while the table is closed
  table->AddField(L"City", ftString, 20);
  table->AddField(L"Notes", ftMemo);
  table->Open();
  table->Append();
  table->FieldByName(L"Name")->SetAsString(L"Wang Fang");
  table->FieldByName(L"Notes")->SetAsString(L"Sister.\nCalls on Sundays.");
  table->Post();
  auto* source = new TDataSource(Form);  // what the controls link to
  source->SetDataSet(table);
  auto* name = new TfcStringCombo(Form);
  name->SetParent(Form);
  name->SetBounds(16, 16, 200, 21);
  name->SetDataSource(source);
  name->SetDataField(L"Name");  // MaxLength becomes the field's size, 20
  auto* notes = new TfcLabel(Form);
  notes->SetParent(Form);
  notes->SetBounds(16, 50, 200, 40);
  notes->SetDataSource(source);
  notes->SetDataField(L"Notes");  // a memo label shows its whole text
  return table;
}

// --- guide: a tree combo storing node data
TfcTreeCombo* AddCity(TWinControl* Form, TDataSource* Source) {
  auto* city = new TfcTreeCombo(Form);
  city->SetParent(Form);
  city->SetBounds(16, 100, 200, 21);
  TfcTreeNode* north = city->Items()->Add(nullptr, L"North");  // no data: a heading
  city->Items()->AddChild(north, L"Beijing")->SetStringData(L"BJ");
  city->Items()->AddChild(north, L"Harbin")->SetStringData(L"HRB");
  city->SetStoreDataUsing(TfcCustomTreeCombo::sdStoreData1);  // the field holds "BJ"
  city->SetDataSource(Source);
  city->SetDataField(L"City");
  return city;
}

// --- guide: a load that may fail
// Empty when the file was taken, else what is wrong with it.
String LoadContacts(TMemTable* Table, const String& FileName) {
  try {
    Table->LoadFromFile(FileName);
  } catch (const EDatabaseError& e) {  // the records are as they were
    return e.Message();
  }
  return String();
}

// --- guide: a save that may fail
// Empty when the file was saved, else why not; the old file is then as it was.
String SaveContacts(TMemTable* Table, const String& FileName) {
  try {
    Table->SaveToFile(FileName);  // posts an edit under way first
  } catch (const Exception& e) {  // a refused post, or a file that cannot be written
    return e.Message();
  }
  return String();
}

// --- guide: a value its field refuses
void ShowRefusals(TspSkinStdLabel* Status) {
  // Every exception no handler caught comes here, a refused value among them.
  Application->OnException = [Status](TObject*, const std::exception* E) {
    const auto* error = dynamic_cast<const Exception*>(E);
    Status->SetCaption(error ? error->Message() : String(L"Unexpected error"));
  };
}

// --- guide: a list-only combo
TfcStringCombo* AddSize(TWinControl* Parent) {
  auto* size = new TfcStringCombo(Parent);
  size->SetParent(Parent);
  size->SetBounds(16, 130, 120, 21);
  for (const wchar_t* name : {L"Small", L"Medium", L"Large"}) size->Items()->Add(name);
  size->SetStyle(csDropDownList);  // no typing: the text is a pick from the list
  size->SetText(L"Medium");
  return size;
}

// --- guide: a notice after a save
void ShowSavedNotice(THyMsgForm* Notice, const String& Text) {
  TMsgFormInfo info{};              // components/HyMsgFormInfo.h
  SetNoticeText(info, Text);        // at most 100 bytes of GBK: a longer text is cut
  info.Flags = kNoticePlain;        // no cancel button; the user may close it
  info.Countdown = 5;               // it hides itself after five ticks
  info.Value = kNoticeDefaultTick;  // of a second each
  Notice->SetFormVisible(true);     // the focused control keeps the keys
  SendMessageW(Notice->GetFormHandle(), MSG_NOTICE_TEXT, 0, reinterpret_cast<LPARAM>(&info));
}

// --- guide: fc labels in the skin's colours
void FollowSkinColours(TfcLabel* Label, TspSkinData* Skin) {
  const TspSkinColors* colours = Skin->SkinColors.get();  // the system's with no skin loaded
  Label->SetTransparent(true);                            // the skinned panel shows through
  Label->Font()->SetColor(colours->cBtnText);             // the skin's text on its panels
  Label->TextOptions()->Shadow()->SetColor(colours->cBtnShadow);
}

// --- guide: a radio group
TspSkinRadioGroup* AddSizes(TWinControl* Parent, TspSkinData* Skin, TspSkinStdLabel* Shows) {
  auto* sizes = new TspSkinRadioGroup(Parent);
  sizes->SetParent(Parent);
  sizes->SetBounds(16, 16, 160, 110);
  sizes->SetCaption(L"Size");
  sizes->SetSkinData(Skin);
  for (const wchar_t* size : {L"Small", L"Medium", L"Large"}) sizes->Items()->Add(size);  // one button each
  sizes->SetItemIndex(1);
  // A click on a button sets ItemIndex, then runs the group's OnClick
  sizes->OnClick = [sizes, Shows](TObject*) { Shows->SetCaption(sizes->Items()->Strings(sizes->ItemIndex())); };
  return sizes;
}

// --- guide: a tool bar with picture buttons
TspSkinSpeedButton* AddToolButton(TspSkinToolBar* Bar, TspSkinData* Skin, TBitmap* Picture, TNotifyEvent OnClick) {
  const int place = Bar->ControlCount();  // before this button joins the bar
  auto* button = new TspSkinSpeedButton(Bar);
  button->SetParent(Bar);
  button->SetBounds(place * 28 + 4, 3, 26, 26);  // one after the other, the first at x 4
  button->SetSkinData(Skin);
  button->SetGlyph(Picture);  // copied; its bottom-left pixel's colour is left out
  button->SetFlat(true);      // no face until the mouse is over it
  button->SetHint(L"Save");
  button->SetShowHint(true);
  button->OnClick = OnClick;
  return button;
}

// --- guide: a spin edit and a combo box
void AddCountAndColour(TWinControl* Parent, TspSkinData* Skin, TspSkinStdLabel* Shows) {
  auto* count = new TspSkinSpinEdit(Parent);
  count->SetParent(Parent);
  count->SetBounds(16, 140, 100, 22);
  count->SetSkinData(Skin);
  count->SetMinValue(1);
  count->SetMaxValue(10);
  count->SetValue(3);  // the arrows, the Up and Down keys and typing change it
  count->OnChange = [count, Shows](TObject*) { Shows->SetCaption(IntToStr(static_cast<int>(count->Value()))); };
  auto* colour = new TspSkinComboBox(Parent);
  colour->SetParent(Parent);
  colour->SetBounds(130, 140, 120, 22);
  colour->SetSkinData(Skin);
  colour->SetStyle(spcbFixedStyle);  // a list to choose from; spcbEditStyle also takes typing
  for (const wchar_t* name : {L"Red", L"Green", L"Blue"}) colour->Items()->Add(name);
  colour->SetItemIndex(0);
  colour->OnChange = [colour, Shows](TObject*) { Shows->SetCaption(colour->Text()); };
}

// --- guide: a menu with shortcuts
TMainMenu* AddFileMenu(TCustomForm* Form, TNotifyEvent OnNew, TNotifyEvent OnSave) {
  auto* menu = new TMainMenu(Form);
  auto* file = new TMenuItem(menu);
  file->SetCaption(L"&File");  // Alt+F opens it
  menu->Items()->Add(file);
  auto* newItem = new TMenuItem(menu);
  newItem->SetCaption(L"&New");
  newItem->SetShortCut(ShortCut('N', TShiftState{ssCtrl}));  // shown as "Ctrl+N"; the key runs OnClick
  newItem->OnClick = OnNew;
  file->Add(newItem);
  auto* save = new TMenuItem(menu);
  save->SetCaption(L"&Save");
  save->SetShortCut(ShortCut('S', TShiftState{ssCtrl}));
  save->OnClick = OnSave;
  file->Add(save);
  Form->SetMenu(menu);  // a skinned form: then call its UpdateMenuBar()
  return menu;
}

// --- guide: a tray icon
TspTrayIcon* AddTrayIcon(TCustomForm* Form, TspSkinPopupMenu* Menu) {
  auto* tray = new TspTrayIcon(Form);  // shows the program's icon from the start
  tray->SetHint(L"My program");
  tray->SetPopupMenu(Menu);  // on a right click
  tray->SetMinimizeToTray(true);  // every minimize hides the form into the tray
  tray->OnDblClick = [tray](TObject*) {
    tray->ShowMainForm();
    tray->SetMinimizeToTray(true);  // the frame's tray button clears it on the way back
  };
  return tray;
}

// --- guide: a rich edit through skin changes
TspSkinRichEdit* AddNotes(TWinControl* Parent, TspSkinData* Skin) {
  auto* notes = new TspSkinRichEdit(Parent);
  notes->SetParent(Parent);
  notes->SetBounds(16, 180, 240, 100);
  notes->SetSkinSupport(true);  // the skin's font and colours
  notes->SetSkinData(Skin);
  return notes;
}

// --- guide: changing the skin
void ChangeSkin(TspSkinData* Skin, TspSkinRichEdit* Notes, const String& File) {
  if (File.empty()) Skin->ClearAll();  // no skin
  else Skin->LoadFromCompressedFile(File);
  Notes->ChangeSkinData();  // the rich edit hears of no skin change by itself
}

// --- guide: an MDI frame
void MakeMDIFrame(TForm* Frame, TspSkinData* Skin) {
  Frame->SetFormStyle(fsMDIForm);  // before the window exists: in the form's constructor
  (new TspSkinForm(Frame))->SetSkinData(Skin);
}

// --- guide: an MDI child
TForm* AddDocument(TForm* Frame, TspSkinData* Skin, const String& Title) {
  auto* child = new TForm(Frame);   // the frame owns it
  child->SetFormStyle(fsMDIChild);  // before Show: its window is made inside the frame
  child->SetCaption(Title);
  child->SetBounds(0, 0, 300, 200);
  (new TspSkinForm(child))->SetSkinData(Skin);
  auto* text = new TspSkinEdit(child);
  text->SetParent(child);
  text->SetBounds(8, 8, 200, 22);
  text->SetSkinData(Skin);
  child->OnClose = [](TObject*, TCloseAction& Action) { Action = caFree; };  // else it minimises
  child->Show();
  return child;
}

// --- guide: a tree combo
TfcTreeCombo* AddPlaces(TWinControl* Parent) {
  auto* places = new TfcTreeCombo(Parent);
  places->SetParent(Parent);
  places->SetBounds(16, 16, 180, 21);
  TfcTreeNodes* nodes = places->Items();  // the nodes of the tree that drops down
  TfcTreeNode* europe = nodes->Add(nullptr, L"Europe");  // a node at the root
  nodes->AddChild(europe, L"Paris");
  nodes->AddChild(europe, L"Rome");
  TfcTreeNode* asia = nodes->Add(nullptr, L"Asia");
  nodes->AddChild(asia, L"Tokyo");
  places->SetText(L"Rome");  // the tree drops down with the node of this text chosen
  return places;
}

// --- guide: an effect label
TfcLabel* AddTitle(TWinControl* Parent) {
  auto* title = new TfcLabel(Parent);
  title->SetParent(Parent);
  title->SetBounds(16, 50, 260, 50);
  title->SetCaption(L"Contacts");
  title->Font()->SetSize(24);
  TfcCaptionText* text = title->TextOptions();  // how the caption is drawn
  text->SetStyle(fclsRaised);  // or fclsLowered, fclsOutline; fclsDefault is plain
  text->Shadow()->SetEnabled(true);
  text->Shadow()->SetXOffset(3);  // down and to the right of the text
  text->Shadow()->SetYOffset(3);
  text->Shadow()->SetColor(clGray);
  text->ExtrudeEffects()->SetEnabled(true);  // a solid body behind the letters
  text->ExtrudeEffects()->SetDepth(6);
  text->ExtrudeEffects()->SetNearColor(clNavy);
  text->ExtrudeEffects()->SetFarColor(clSilver);
  return title;
}

// --- guide: a tree view
TspSkinTreeView* AddFolders(TWinControl* Parent, TspSkinData* Skin, TspSkinStdLabel* Shows) {
  auto* tree = new TspSkinTreeView(Parent);
  tree->SetParent(Parent);
  tree->SetBounds(16, 16, 160, 200);
  tree->SetSkinData(Skin);
  TTreeNodes* nodes = tree->Items();
  TTreeNode* mail = nodes->Add(nullptr, L"Mail");  // a node at the root
  nodes->AddChild(mail, L"Inbox");
  nodes->AddChild(mail, L"Sent");
  mail->Expand(false);
  tree->OnChange = [Shows](TObject*, TTreeNode* Node) { Shows->SetCaption(Node ? Node->Text() : String()); };
  return tree;
}

// --- guide: a list view
TspSkinListView* AddPeople(TWinControl* Parent, TspSkinData* Skin) {
  auto* list = new TspSkinListView(Parent);
  list->SetParent(Parent);
  list->SetBounds(190, 16, 260, 200);
  list->SetSkinData(Skin);
  list->SetViewStyle(vsReport);  // rows under a header of columns
  list->SetRowSelect(true);
  for (const wchar_t* title : {L"Name", L"Phone"}) {
    TListColumn* column = list->Columns()->Add();
    column->SetCaption(title);
    column->SetWidth(120);
  }
  TListItem* ann = list->Items()->Add();
  ann->SetCaption(L"Ann");              // the first column
  ann->SubItems()->Add(L"555-0101");    // the next ones, in order
  return list;
}

// --- guide: a date edit and a colour button
void AddDueAndColour(TWinControl* Parent, TspSkinData* Skin, TspSkinStdLabel* Shows) {
  auto* due = new TspSkinDateEdit(Parent);
  due->SetParent(Parent);
  due->SetBounds(16, 230, 120, 22);
  due->SetSkinData(Skin);
  due->SetDate(EncodeDate(2024, 5, 17));  // the text follows; typing and the calendar change it
  due->OnDateChange = [due, Shows](TObject*) { Shows->SetCaption(DateToStr(due->Date())); };
  auto* dialog = new TspSkinColorDialog(Parent);
  dialog->SetSkinData(Skin);
  dialog->SetCtrlSkinData(Skin);  // the dialog's controls wear it too
  auto* colour = new TspSkinColorButton(Parent);
  colour->SetParent(Parent);
  colour->SetBounds(150, 230, 60, 24);
  colour->SetSkinData(Skin);
  colour->SetColorDialog(dialog);  // its grid's "more colours" opens the dialog
  colour->SetColorValue(clRed);
  colour->OnChangeColor = [colour, Shows](TObject*) { Shows->SetCaption(IntToHex(colour->ColorValue(), 6)); };
}

// --- guide: the colour dialog
TColor PickColour(TspSkinColorDialog* Dialog, TColor Current) {
  Dialog->SetColor(Current);
  if (!Dialog->Execute()) return Current;  // modal; false when cancelled
  return Dialog->Color();
}

// --- guide: a check box per row of a list view
TspSkinListView* AddTasks(TWinControl* Parent, TspSkinData* Skin) {
  auto* boxes = new TImageList(Parent, 16, 16);  // the state images: unchecked, checked
  for (UINT checked : {0u, static_cast<UINT>(DFCS_CHECKED)}) {
    TBitmap box;
    box.SetSize(16, 16);
    RECT r{1, 1, 15, 15};
    DrawFrameControl(box.Canvas()->Handle(), &r, DFC_BUTTON, DFCS_BUTTONCHECK | checked);
    boxes->Add(&box, nullptr);
  }
  auto* tasks = new TspSkinListView(Parent);
  tasks->SetParent(Parent);
  tasks->SetBounds(16, 16, 260, 120);
  tasks->SetSkinData(Skin);
  tasks->SetViewStyle(vsReport);
  tasks->Columns()->Add()->SetWidth(220);
  tasks->SetStateImages(boxes);
  for (const wchar_t* task : {L"Water the plants", L"Call Ann"}) {
    TListItem* row = tasks->Items()->Add();
    row->SetCaption(task);
    row->SetStateIndex(1);  // 1 shows the first state image (unchecked), 2 the second
  }
  // A click on a row's box, left of its text, toggles it
  tasks->OnMouseDown = [tasks](TObject*, TMouseButton, TShiftState, int X, int Y) {
    TListItem* row = tasks->GetItemAt(X, Y);
    if (row && X < row->DisplayRect(LVIR_LABEL).Left) row->SetStateIndex(row->StateIndex() == 1 ? 2 : 1);
  };
  return tasks;
}

// --- guide: the time edit's value
TspSkinTimeEdit* AddAlarm(TWinControl* Parent, TspSkinData* Skin, TspSkinStdLabel* Shows) {
  auto* alarm = new TspSkinTimeEdit(Parent);  // skininputs/SkinMaskEdits.h
  alarm->SetParent(Parent);
  alarm->SetBounds(16, 150, 90, 22);
  alarm->SetSkinData(Skin);
  alarm->SetText(FormatDateTime(L"hh:nn:ss", EncodeTime(7, 30, 0, 0)));  // its value is its text
  alarm->OnChange = [alarm, Shows](TObject*) {
    const String text = alarm->Text();  // "07:30:00", or partly typed: "07:3 :00"
    TDateTime time;
    if (TryEncodeTime(StrToIntDef(text.substr(0, 2), -1), StrToIntDef(text.substr(3, 2), -1),
                      StrToIntDef(text.substr(6, 2), -1), 0, time))
      Shows->SetCaption(FormatDateTime(L"h:nn", time));
  };
  return alarm;
}

// --- guide: a month calendar
TspSkinMonthCalendar* AddCalendar(TWinControl* Parent, TspSkinData* Skin, TspSkinStdLabel* Shows) {
  auto* calendar = new TspSkinMonthCalendar(Parent);  // skininputs/SkinCalendar.h
  calendar->SetParent(Parent);
  calendar->SetBounds(290, 16, 220, 170);
  calendar->SetSkinData(Skin);
  calendar->SetDate(EncodeDate(2024, 5, 17));  // it shows the date's month
  // A click on a day sets Date, then runs OnNumberClick; the step buttons change the month
  calendar->OnNumberClick = [calendar, Shows](TObject*) { Shows->SetCaption(DateToStr(calendar->Date())); };
  return calendar;
}

// --- guide: the tray icon's click
void ShowOrHideOnClick(TspTrayIcon* Tray, TCustomForm* Form) {
  // One click, once the double-click time has passed without a second one;
  // a double click runs OnDblClick alone
  Tray->OnClick = [Tray, Form](TObject*) {
    if (Form->Visible()) Tray->HideMainForm();
    else Tray->ShowMainForm();
  };
}

// --- guide: the notice in the program's skin
void SkinTheNotice(THyMsgForm* Notice, TspSkinData* Skin, TspCompressedStoredSkin* Stored) {
  Skin->SetCompressedStoredSkin(Stored);  // loads it, and keeps it for the notices
  Notice->LoadSkin(L"Default", Skin);     // the notice wears a copy of it
}

// --- guide: the notice's click
void EndNoticeOnClick(THyMsgForm* Notice, TspSkinStdLabel* Shows) {
  // Any click on the notice, on its text too
  Notice->OnMsgFormClick = [Notice, Shows](TObject*) {
    Shows->SetCaption(L"Seen");
    Notice->Form()->CloseMessage();  // ends the notice, without notifying; the window hides
  };
}

// --- guide: drag and drop between tree folders
void DragNotesBetweenFolders(TspSkinTreeView* Tree) {
  Tree->SetDragMode(dmAutomatic);  // a press and a move on a node starts a drag
  auto dragged = std::make_shared<TTreeNode*>(nullptr);
  Tree->OnMouseDown = [Tree, dragged](TObject*, TMouseButton, TShiftState, int X, int Y) {
    *dragged = Tree->GetNodeAt(X, Y);  // the node under the press is the one that moves
  };
  Tree->OnDragOver = [Tree, dragged](TObject*, TObject* Source, int X, int Y, TDragState, bool& Accept) {
    TTreeNode* target = Tree->GetNodeAt(X, Y);
    Accept = Source == Tree && *dragged && target && target != *dragged && !target->HasAsParent(*dragged);
  };
  Tree->OnDragDrop = [Tree, dragged](TObject*, TObject*, int X, int Y) {
    TTreeNode* folder = Tree->GetNodeAt(X, Y);
    if (folder->Level() > 0) folder = folder->Parent();  // dropped on a note: into its folder
    (*dragged)->MoveTo(folder, naAddChild);               // with its children, to the end of the folder
  };
}

// --- guide: a Window menu
TMenuItem* AddWindowMenu(TCustomForm* Frame, TMainMenu* Menu) {
  auto* window = new TMenuItem(Menu);
  window->SetCaption(L"&Window");
  Menu->Items()->Add(window);
  auto add = [Menu, window](const String& Caption, TNotifyEvent OnClick) {
    auto* item = new TMenuItem(Menu);
    item->SetCaption(Caption);
    item->OnClick = OnClick;
    window->Add(item);
    return item;
  };
  add(L"&Tile", [Frame](TObject*) { Frame->Tile(); });
  add(L"&Cascade", [Frame](TObject*) { Frame->Cascade(); });
  add(L"-", nullptr);
  return window;
}

// --- guide: the Window menu's list of documents
// Call after opening a document, and from a closing one's OnClose with it as Leaving.
void ListWindows(TCustomForm* Frame, TMenuItem* Window, TCustomForm* Leaving = nullptr) {
  while (Window->Count() > 3) Window->Delete(3);
  for (int i = 0; i < Frame->MDIChildCount(); ++i) {  // the active child first
    TCustomForm* child = Frame->MDIChildren(i);
    if (child == Leaving) continue;
    auto* item = new TMenuItem(Window->GetParentMenu());
    item->SetCaption(child->Caption());
    item->SetChecked(child == Frame->ActiveMDIChild());
    item->OnClick = [child](TObject*) { child->Show(); };  // the active child, on top
    Window->Add(item);
  }
}

// --- guide: an imager's effects
TfcImager* AddFadedPhoto(TWinControl* Parent, TBitmap* Photo) {
  auto* imager = new TfcImager(Parent);
  imager->SetParent(Parent);
  imager->SetBounds(16, 110, 160, 120);
  imager->SetDrawStyle(fcds::dsProportionalCenter);
  TfcBitmapOptions* effects = imager->BitmapOptions();
  effects->BeginUpdate();             // one rebuild for all three
  effects->SetGrayScale(true);
  effects->SetLightness(60);          // lighter: toward white by 60/256
  effects->Rotation()->SetAngle(90);  // a quarter turn about the middle
  effects->EndUpdate();
  imager->Picture()->Assign(Photo);   // a copy; its working image is sized for the turn
  return imager;
}

// --- guide: saving settings
void SaveSettings(TCustomForm* Form, const String& Path) {
  TStringList settings;
  settings.SetValues(L"Left", IntToStr(Form->Left()));
  settings.SetValues(L"Top", IntToStr(Form->Top()));
  settings.SetValues(L"Skin", L"Dark");
  settings.SaveToFile(Path);  // the old file stays whole if the save fails
}

// --- guide: loading settings
String LoadSettings(TCustomForm* Form, const String& Path) {
  TStringList settings;
  if (FileExists(Path)) settings.LoadFromFile(Path);
  Form->SetLeft(StrToIntDef(settings.Values(L"Left"), Form->Left()));  // a value not there keeps the default
  Form->SetTop(StrToIntDef(settings.Values(L"Top"), Form->Top()));
  return settings.Values(L"Skin");
}

}  // namespace guide

namespace {

std::string ReadText(const char* Relative) {
  std::ifstream in(ProjectPath(Relative).c_str(), std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// Text with each line's leading blanks dropped: the guide indents code in lists.
std::string Unindented(const std::string& Text) {
  std::string out;
  bool lineStart = true;
  for (char c : Text) {
    if (lineStart && c == ' ') continue;
    lineStart = c == '\n';
    if (c != '\r') out += c;
  }
  return out;
}

TEST(GuideExamplesText, EveryExampleHereStandsInTheGuideWordForWord) {
  const std::string source = ReadText("tests/examples/test_guide_examples.cpp");
  const std::string guide = Unindented(ReadText("docs/guide.md"));
  ASSERT_FALSE(guide.empty());
  const std::string marker = std::string("// --- ") + "guide: ";  // split: not a marker itself
  int examples = 0;
  for (size_t at = source.find(marker); at != std::string::npos; at = source.find(marker, at + 1)) {
    const size_t begin = source.find('\n', at) + 1;
    const size_t end = source.find("\n}\n", begin) + 2;
    const std::string example = source.substr(begin, end - begin);
    EXPECT_NE(guide.find(Unindented(example)), std::string::npos)
        << "docs/guide.md lacks, or differs from, the example:\n" << example;
    ++examples;
  }
  EXPECT_EQ(examples, 40);
}

class GuideExamples : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    // The skin a program wears, whose records stretch to any size.
    skin = new TspSkinData(form);
    TspCompressedStoredSkin stored(nullptr);
    stored.LoadFromSkinFile(ProjectPath("skins/Default/skin.ini"));
    skin->LoadCompressedStoredSkin(&stored);
  }
  TspSkinData* skin = nullptr;
};

TEST_F(GuideExamples, PagesListTrackBarAndStatusBarWork) {
  auto* shows = Add<TspSkinStdLabel>(form, 230, 190, 100, 20);
  auto* picked = Add<TspSkinStdLabel>(form, 230, 220, 100, 20);
  TspSkinPageControl* pages = guide::AddPages(form, skin);
  TWinControl* page = pages->Pages(0);
  TspSkinListBox* list = guide::AddList(page, skin, picked);
  TspSkinTrackBar* volume = guide::AddVolume(page, skin, shows);
  auto* frame = new TspSkinForm(form);
  frame->SetSkinData(skin);
  TspSkinStatusBar* bar = guide::AddStatusBar(form, skin);
  ShowAndActivate(form);

  EXPECT_EQ(pages->PageCount(), 2);
  EXPECT_EQ(pages->ActivePageIndex(), 0);
  EXPECT_EQ(list->Items()->Count(), 3);
  EXPECT_EQ(list->ItemIndex(), 0);
  EXPECT_EQ(list->BoundsRect(), TRect(16, 60, 216, 180));
  // A real click on the third item picks it and shows it.
  const TRect cherry = list->ListBox()->ItemRect(2);
  ClickAt(list->ListBox(), TPoint(cherry.Left + 10, (cherry.Top + cherry.Bottom) / 2));
  EXPECT_EQ(list->ItemIndex(), 2);
  EXPECT_EQ(picked->Caption(), L"Cherry");
  MoveMouse(TPoint(2, 2));
  volume->SetValue(75);
  EXPECT_EQ(shows->Caption(), L"75 %");
  EXPECT_EQ(bar->Top() + bar->Height(), form->ClientHeight()) << "at the bottom of the form";
  EXPECT_TRUE(bar->ShowGrip());
  frame->SetWindowState(2);
  Settle();
  EXPECT_FALSE(bar->ShowGrip()) << "the form finds the bar by the skin's name and hides its grip";
  frame->SetWindowState(0);
  Settle();
  EXPECT_TRUE(bar->ShowGrip());
}

// The message box is answered with Key once it shows, with the focus taken
// off its button, so that the form's own rule must find the button that is
// the default (Enter) or the cancel one (Esc). A box still open a few
// seconds later fails the test and is closed, instead of hanging it.
void AnswerTheMessageWith(WORD Key, TspSkinData* Skin, HWND Owner) {
  bool pressed = false;
  int waited = 0;
  TTimer press(nullptr);
  press.SetInterval(100);
  press.OnTimer = [&](TObject*) {
    HWND box = GetActiveWindow();
    if (!box || box == Owner) return;
    if (!pressed) {
      SetFocus(box);
      pressed = true;
      PostMessageW(box, WM_KEYDOWN, Key, 0);
    } else if (++waited == 50) {
      ADD_FAILURE() << "the box stayed open after key " << Key;
      PostMessageW(box, WM_CLOSE, 0, 0);
    }
  };
  guide::ShowSkinnedMessage(Skin, L"Guide", L"Saved.");
  EXPECT_TRUE(pressed);
}

TEST_F(GuideExamples, SkinnedMessageClosesOnEnterAndOnEsc) {
  AnswerTheMessageWith(VK_RETURN, skin, form->Handle());
  AnswerTheMessageWith(VK_ESCAPE, skin, form->Handle());
}

TEST_F(GuideExamples, RadioGroupToolBarSpinEditAndComboBoxWork) {
  auto* shows = Add<TspSkinStdLabel>(form, 260, 16, 100, 20);
  TspSkinRadioGroup* sizes = guide::AddSizes(form, skin, shows);
  guide::AddCountAndColour(form, skin, shows);
  auto* bar = new TspSkinToolBar(form);
  bar->SetParent(form);
  bar->SetAlign(alBottom);
  bar->SetHeight(32);
  bar->SetSkinData(skin);
  TBitmap picture;
  picture.SetSize(16, 16);
  picture.Canvas()->Brush()->SetColor(clFuchsia);  // the colour left out
  picture.Canvas()->FillRect(TRect(0, 0, 16, 16));
  picture.Canvas()->Brush()->SetColor(clBlue);
  picture.Canvas()->FillRect(TRect(4, 4, 12, 12));
  int saves = 0;
  TspSkinSpeedButton* save = guide::AddToolButton(bar, skin, &picture, [&](TObject*) { ++saves; });
  TspSkinSpeedButton* next = guide::AddToolButton(bar, skin, &picture, nullptr);
  EXPECT_EQ(save->Left(), 4);  // the first button at the bar's edge, the next one after it
  EXPECT_EQ(next->Left(), 32);
  ShowAndActivate(form);

  ASSERT_EQ(sizes->ButtonCount(), 3);
  EXPECT_EQ(sizes->ItemIndex(), 1);
  ClickAt(sizes->Buttons(2), TPoint(8, sizes->Buttons(2)->Height() / 2));
  EXPECT_EQ(sizes->ItemIndex(), 2);
  EXPECT_EQ(shows->Caption(), L"Large");

  auto* count = dynamic_cast<TspSkinSpinEdit*>(form->Controls(form->ControlCount() - 3));
  auto* colour = dynamic_cast<TspSkinComboBox*>(form->Controls(form->ControlCount() - 2));
  ASSERT_TRUE(count && colour);
  count->SetFocus();
  Settle();
  KeyChord({}, VK_UP);
  EXPECT_EQ(count->Value(), 4);
  EXPECT_EQ(shows->Caption(), L"4");
  colour->SetFocus();
  Settle();
  KeyChord({}, VK_DOWN);
  EXPECT_EQ(colour->ItemIndex(), 1);
  EXPECT_EQ(shows->Caption(), L"Green");

  ClickAt(save, TPoint(13, 13));
  EXPECT_EQ(saves, 1);
  MoveMouse(TPoint(2, 2));
  // The picture's blue shows; its fuchsia does not.
  HDC dc = GetDC(bar->Handle());
  const TPoint at = save->BoundsRect().TopLeft();
  EXPECT_EQ(GetPixel(dc, at.X + 13, at.Y + 13), RGB(0, 0, 255));
  for (int x = 0; x < save->Width(); ++x) EXPECT_NE(GetPixel(dc, at.X + x, at.Y + 6), RGB(255, 0, 255));
  ReleaseDC(bar->Handle(), dc);
}

TEST_F(GuideExamples, MenuShortCutsTrayTripsAndTheRichEditThroughSkinChanges) {
  auto* frame = new TspSkinForm(form);
  frame->SetSkinData(skin);
  int news = 0, saves = 0;
  guide::AddFileMenu(form, [&](TObject*) { ++news; }, [&](TObject*) { ++saves; });
  frame->UpdateMenuBar();
  auto* trayMenu = new TspSkinPopupMenu(form);
  TspTrayIcon* tray = guide::AddTrayIcon(form, trayMenu);
  TspSkinRichEdit* notes = guide::AddNotes(form, skin);
  ShowAndActivate(form);

  notes->SetFocus();
  KeyChord({VK_CONTROL}, 'N');
  KeyChord({VK_CONTROL}, 'S');
  EXPECT_EQ(news, 1);
  EXPECT_EQ(saves, 1);
  EXPECT_TRUE(tray->IconVisible());
  EXPECT_EQ(tray->PopupMenu(), trayMenu);
  // Every trip ends with a double click on the icon; each minimize goes in again,
  // the frame's tray button's trip too.
  for (int trip = 0; trip < 3; ++trip) {
    SCOPED_TRACE(trip);
    if (trip == 1) tray->MinimizeFormToTray(form, nullptr);
    else frame->SetWindowState(1);
    EXPECT_TRUE(PumpUntil([&] { return !form->Visible(); }));
    SendMessageW(tray->WindowHandle(), MSG_TRAY_CALLBACK, 1, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(PumpUntil([&] { return form->Visible(); }));
    EXPECT_TRUE(tray->MinimizeToTray());
  }

  ASSERT_NE(notes->SkinIndex(), -1);
  guide::ChangeSkin(skin, notes, L"");
  EXPECT_EQ(notes->SkinIndex(), -1);
  EXPECT_EQ(notes->Font()->Name(), notes->DefaultFont()->Name());
  guide::ChangeSkin(skin, notes, ProjectPath("tests/data/skin-corpus/valid.skn"));
  EXPECT_EQ(notes->SkinIndex(), skin->GetControlIndex(L"richedit"));
}

TEST_F(GuideExamples, AnMDIFrameMakesDocumentsThatCloseForGood) {
  auto* frame = new TForm(nullptr);
  frame->SetBounds(60, 60, 640, 420);
  guide::MakeMDIFrame(frame, skin);
  frame->Show();
  Settle();
  TForm* first = guide::AddDocument(frame, skin, L"One");
  TForm* second = guide::AddDocument(frame, skin, L"Two");
  Settle();
  EXPECT_EQ(GetParent(first->Handle()), frame->ClientHandle());
  EXPECT_EQ(frame->MDIChildCount(), 2);
  EXPECT_EQ(frame->ActiveMDIChild(), second);
  second->Close();
  EXPECT_TRUE(PumpUntil([&] { return frame->MDIChildCount() == 1; }));
  EXPECT_EQ(frame->ActiveMDIChild(), first);
  Free(frame);
}

// The Window menu lists the open documents, brings the one picked forward and
// drops one as it closes.
TEST_F(GuideExamples, TheWindowMenuListsAndBringsForwardTheDocuments) {
  auto* frame = new TForm(nullptr);
  frame->SetBounds(60, 60, 640, 420);
  guide::MakeMDIFrame(frame, skin);
  auto* menu = new TMainMenu(frame);
  TMenuItem* window = guide::AddWindowMenu(frame, menu);
  frame->SetMenu(menu);
  frame->Show();
  Settle();
  TForm* one = guide::AddDocument(frame, skin, L"One");
  TForm* two = guide::AddDocument(frame, skin, L"Two");
  guide::ListWindows(frame, window);
  ASSERT_EQ(window->Count(), 5);  // Tile, Cascade, the line, two documents
  EXPECT_EQ(window->Items(3)->Caption(), L"Two");  // the active one first, checked
  EXPECT_TRUE(window->Items(3)->Checked());
  window->Items(4)->Click();
  Settle();
  EXPECT_EQ(frame->ActiveMDIChild(), one);
  guide::ListWindows(frame, window, one);  // as from One's OnClose
  ASSERT_EQ(window->Count(), 4);
  EXPECT_EQ(window->Items(3)->Caption(), L"Two");
  window->Items(3)->Click();
  Settle();
  EXPECT_EQ(frame->ActiveMDIChild(), two);
  window->Items(0)->Click();  // Tile: side by side
  Settle();
  RECT a = {}, b = {}, both = {};
  GetWindowRect(one->Handle(), &a);
  GetWindowRect(two->Handle(), &b);
  EXPECT_FALSE(IntersectRect(&both, &a, &b));
  Free(frame);
}

// The imager draws the picture through its effects, rebuilt once; the
// settings come back from their file and keep the defaults without one.
TEST_F(GuideExamples, TheImagerShowsItsEffectsAndSettingsComeBack) {
  TBitmap photo;
  photo.SetSize(40, 20);
  photo.Canvas()->Brush()->SetColor(clRed);
  photo.Canvas()->FillRect(TRect(0, 0, 40, 20));
  TfcImager* imager = guide::AddFadedPhoto(form, &photo);
  ShowAndActivate(form);
  TfcBitmap* work = imager->WorkingBitmap();
  ASSERT_FALSE(work->Empty());
  const uint8_t* middle = work->Pixels().Pixel(work->Width() / 2, work->Height() / 2);
  EXPECT_EQ(middle[0], middle[1]);  // grey, not red
  EXPECT_EQ(middle[1], middle[2]);
  EXPECT_GT(middle[0], 76);  // lighter than the grey of pure red
  EXPECT_EQ(work->Width(), 40);  // a quarter turn of 40 x 20 needs a square
  EXPECT_EQ(work->Height(), 40);

  const String path = L"guide_settings.txt";
  DeleteFileW(path.c_str());
  form->SetBounds(70, 80, 300, 200);
  EXPECT_EQ(guide::LoadSettings(form, path), L"");  // no file: the form keeps its place
  EXPECT_EQ(form->Left(), 70);
  guide::SaveSettings(form, path);
  form->SetBounds(10, 10, 300, 200);
  EXPECT_EQ(guide::LoadSettings(form, path), L"Dark");
  EXPECT_EQ(form->Left(), 70);
  EXPECT_EQ(form->Top(), 80);
  DeleteFileW(path.c_str());
}

// Finds the one component of class T that Owner owns.
template <class T>
T* Owned(TComponent* Owner) {
  for (int i = 0; i < Owner->ComponentCount(); ++i)
    if (auto* t = dynamic_cast<T*>(Owner->Components(i))) return t;
  return nullptr;
}

TEST_F(GuideExamples, TreeComboEffectLabelTreeAndListShowWhatTheyWereGiven) {
  auto* shows = Add<TspSkinStdLabel>(form, 230, 250, 100, 20);
  TfcTreeCombo* places = guide::AddPlaces(form);
  TfcLabel* title = guide::AddTitle(form);
  TspSkinTreeView* tree = guide::AddFolders(form, skin, shows);
  TspSkinListView* people = guide::AddPeople(form, skin);
  ShowAndActivate(form);
  EXPECT_EQ(places->Text(), L"Rome");
  places->DropDown();
  ASSERT_NE(places->SelectedNode(), nullptr);
  EXPECT_EQ(places->SelectedNode()->Text(), L"Rome");
  places->CloseUp(false);
  EXPECT_EQ(places->Items()->Count(), 5);
  EXPECT_EQ(title->TextOptions()->Style(), fclsRaised);
  EXPECT_TRUE(title->TextOptions()->Shadow()->Enabled());
  tree->SetSelected(tree->Items()->GetFirstNode()->getFirstChild());
  Settle();
  EXPECT_EQ(shows->Caption(), L"Inbox");
  ASSERT_EQ(people->Items()->Count(), 1);
  EXPECT_EQ(people->Columns()->Count(), 2);
  EXPECT_EQ(people->Items()->Item(0)->SubItems()->Strings(0), L"555-0101");
}

TEST_F(GuideExamples, DateEditColourButtonAndDialogReportTheirValues) {
  auto* shows = Add<TspSkinStdLabel>(form, 230, 250, 100, 20);
  guide::AddDueAndColour(form, skin, shows);
  auto* due = Owned<TspSkinDateEdit>(form);
  auto* colour = Owned<TspSkinColorButton>(form);
  auto* dialog = Owned<TspSkinColorDialog>(form);
  ASSERT_TRUE(due && colour && dialog);
  ShowAndActivate(form);
  EXPECT_EQ(due->Date(), EncodeDate(2024, 5, 17));
  due->SetDate(EncodeDate(2024, 6, 1));
  EXPECT_EQ(shows->Caption(), DateToStr(EncodeDate(2024, 6, 1)));
  EXPECT_EQ(colour->ColorDialog(), dialog);
  colour->SetColorValue(clBlue);
  EXPECT_EQ(shows->Caption(), L"FF0000");
  // Closed without OK, the dialog leaves the colour as it was.
  dialog->OnShowDialog = [dialog](TObject*) { PostMessageW(dialog->Form()->Handle(), WM_CLOSE, 0, 0); };
  EXPECT_EQ(guide::PickColour(dialog, clLime), clLime);
}

TEST_F(GuideExamples, ListViewBoxesTheTimeEditAndTheCalendarFollowTheUser) {
  form->SetBounds(60, 60, 540, 330);
  auto* shows = Add<TspSkinStdLabel>(form, 16, 290, 200, 20);
  TspSkinListView* tasks = guide::AddTasks(form, skin);
  TspSkinTimeEdit* alarm = guide::AddAlarm(form, skin, shows);
  TspSkinMonthCalendar* calendar = guide::AddCalendar(form, skin, shows);
  ShowAndActivate(form);
  // A click on a row's box toggles it, one on its text does not; the boxes
  // stay through a skin change.
  TListItem* call = tasks->Items()->Item(1);
  const TRect text = call->DisplayRect(LVIR_LABEL);
  const int middle = (text.Top + text.Bottom) / 2;
  ClickAt(tasks, TPoint(text.Left + 30, middle));
  EXPECT_EQ(call->StateIndex(), 1);
  ClickAt(tasks, TPoint(text.Left - 8, middle));
  EXPECT_EQ(call->StateIndex(), 2);
  skin->ClearAll();
  Settle();
  EXPECT_EQ(call->StateIndex(), 2);
  EXPECT_EQ(tasks->Items()->Item(0)->StateIndex(), 1);

  EXPECT_EQ(alarm->Text(), FormatDateTime(L"hh:nn:ss", EncodeTime(7, 30, 0, 0)));
  alarm->SetFocus();
  Settle();
  TypeInput(L"0915");
  EXPECT_EQ(shows->Caption(), L"9:15");

  TPoint day20(-1, -1);
  for (int y = 0; y < calendar->Height() && day20.X < 0; y += 2)
    for (int x = 0; x < calendar->Width() && day20.X < 0; x += 2)
      if (calendar->DayAtPoint(x, y) == 20) day20 = TPoint(x + 3, y + 3);
  ASSERT_GE(day20.X, 0);
  ClickAt(calendar, day20);
  EXPECT_EQ(calendar->Date(), EncodeDate(2024, 5, 20));
  EXPECT_EQ(shows->Caption(), DateToStr(EncodeDate(2024, 5, 20)));
}

TEST_F(GuideExamples, TheTrayClickTheNoticeClickAndTheTreeDragDoWhatTheGuideSays) {
  auto* shows = Add<TspSkinStdLabel>(form, 230, 250, 100, 20);
  auto* tray = new TspTrayIcon(form);
  guide::ShowOrHideOnClick(tray, form);
  auto* notice = new THyMsgForm(form);
  guide::EndNoticeOnClick(notice, shows);
  auto* tree = Add<TspSkinTreeView>(form, 16, 16, 180, 200);
  tree->SetSkinData(skin);
  TTreeNode* home = tree->Items()->Add(nullptr, L"Home");
  TTreeNode* work = tree->Items()->Add(nullptr, L"Work");
  TTreeNode* shopping = tree->Items()->AddChild(home, L"Shopping");
  TTreeNode* report = tree->Items()->AddChild(work, L"Report");
  home->Expand(false);
  work->Expand(false);
  guide::DragNotesBetweenFolders(tree);
  ShowAndActivate(form);

  // One click hides the form, the next shows it; a double click does neither.
  auto trayMouse = [&](std::initializer_list<UINT> Mouse) {
    for (UINT m : Mouse) SendMessageW(tray->WindowHandle(), MSG_TRAY_CALLBACK, 1, m);
  };
  trayMouse({WM_LBUTTONDOWN, WM_LBUTTONUP});
  EXPECT_TRUE(PumpUntil([&] { return !form->Visible(); }));
  trayMouse({WM_LBUTTONDOWN, WM_LBUTTONUP});
  EXPECT_TRUE(PumpUntil([&] { return form->Visible(); }));
  trayMouse({WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP});
  PumpThroughTimerTicks(3, GetDoubleClickTime());
  EXPECT_TRUE(form->Visible());

  TspCompressedStoredSkin stored(nullptr);
  stored.LoadFromSkinFile(ProjectPath("skins/Dark/skin.ini"));
  guide::SkinTheNotice(notice, skin, &stored);
  EXPECT_EQ(notice->Form()->spSkinData1->SkinName, skin->SkinName);
  guide::ShowSavedNotice(notice, L"Saved notes.txt");
  Settle();
  ClickAt(notice->Form()->lblMessage, TPoint(110, 40));
  EXPECT_EQ(shows->Caption(), L"Seen");
  EXPECT_FALSE(notice->FormVisible());

  // The real mouse drags the note "Shopping" onto the note "Report": it goes
  // into Report's folder.
  ShowAndActivate(form);
  auto middleOf = [&](TTreeNode* Node) {
    const TRect r = Node->DisplayRect(true);
    return tree->ClientToScreen(TPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
  };
  const TPoint from = middleOf(shopping), to = middleOf(report);
  MoveMouse(from);
  // The system tree watches the mouse in a loop of its own from the press
  // until it moves: the press and the first move go in together.
  MouseDown();
  MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, from.X, from.Y + 8);
  Settle();
  for (int step = 1; step <= 4; ++step) MoveMouse(TPoint(from.X, from.Y + (to.Y - from.Y) * step / 4));
  MouseUp();
  Settle();
  EXPECT_EQ(shopping->Parent(), work);
  EXPECT_EQ(work->Count(), 2);
  EXPECT_EQ(home->Count(), 0);
}

}  // namespace

TEST_F(GuideExamples, TheBoundComboAndLabelShowAndEditTheTable) {
  TMemTable* table = guide::AddContacts(form);
  TfcStringCombo* name = nullptr;
  TfcLabel* notes = nullptr;
  for (int i = 0; i < form->ComponentCount(); ++i) {
    if (auto* c = dynamic_cast<TfcStringCombo*>(form->Components(i))) name = c;
    if (auto* l = dynamic_cast<TfcLabel*>(form->Components(i))) notes = l;
  }
  ASSERT_TRUE(name && notes);
  EXPECT_EQ(name->Text(), L"Wang Fang");
  EXPECT_EQ(name->MaxLength(), 20);
  EXPECT_EQ(notes->ShownText(), L"Sister.\r\nCalls on Sundays.");
  table->Edit();
  table->FieldByName(L"Name")->SetAsString(L"Li Wei");
  EXPECT_EQ(name->Text(), L"Li Wei");
  table->Post();

  TDataSource* source = name->DataSource();
  TfcTreeCombo* city = guide::AddCity(form, source);
  EXPECT_EQ(city->Text(), L"");  // an empty field: no node, not "North"
  table->Edit();
  table->FieldByName(L"City")->SetAsString(L"HRB");
  EXPECT_EQ(city->Text(), L"Harbin");
  table->Post();

  const String file = L"guide_contacts.txt";
  table->SaveToFile(file);
  EXPECT_EQ(guide::LoadContacts(table, file), L"");
  std::ofstream(file.c_str(), std::ios::binary) << "Name\tCity\nLi\n";
  EXPECT_EQ(guide::LoadContacts(table, file),
            L"Table file \"guide_contacts.txt\" line 2: 1 values where the first line names 2");
  // A file that is not there is an error of the same kind, which names it.
  const String missing = guide::LoadContacts(table, L"no_such_contacts.txt");
  EXPECT_EQ(missing.rfind(L"Table file \"no_such_contacts.txt\": Cannot open file", 0), 0u) << WideToUtf8(missing);
  EXPECT_EQ(table->RecordCount(), 1);
  EXPECT_EQ(city->Text(), L"Harbin");
  // A save into a folder's place fails and names it; one that can be done posts the edit.
  CreateDirectoryW(L"guide_folder", nullptr);
  table->Edit();
  table->FieldByName(L"Name")->SetAsString(L"Zhao Lei");
  EXPECT_EQ(guide::SaveContacts(table, L"guide_folder").find(L"Table file \"guide_folder\""), 0u);
  RemoveDirectoryW(L"guide_folder");
  EXPECT_EQ(guide::SaveContacts(table, file), L"");
  EXPECT_EQ(table->State(), dsBrowse);
  EXPECT_EQ(guide::LoadContacts(table, file), L"");
  EXPECT_EQ(name->Text(), L"Zhao Lei");
  DeleteFileW(file.c_str());
  Free(source);  // the controls stay, unbound
  EXPECT_EQ(notes->ShownText(), L"");
  EXPECT_EQ(name->Text(), L"");
}

TEST_F(GuideExamples, ARefusedValueGoesToOnExceptionAndTheComboKeepsTheFocus) {
  auto* table = new TMemTable(form);
  table->AddField(L"Age", ftInteger);
  table->Open();
  table->Append();
  table->FieldByName(L"Age")->SetAsInteger(30);
  table->Post();
  auto* source = new TDataSource(form);
  source->SetDataSet(table);
  auto* age = Add<TfcStringCombo>(form, 16, 16, 120, 21);
  age->SetDataSource(source);
  age->SetDataField(L"Age");
  Add<TfcStringCombo>(form, 16, 60, 120, 21);
  auto* status = Add<TspSkinStdLabel>(form, 16, 100, 300, 20);
  const TExceptionEvent before = Application->OnException;
  guide::ShowRefusals(status);
  ShowAndActivate(form);
  age->SetFocus();
  Settle();
  age->SelectAll();
  TypeInput(L"abc");
  KeyChord({}, VK_TAB);
  Application->OnException = before;
  EXPECT_NE(status->Caption().find(L"abc"), String::npos) << status->Caption();
  EXPECT_EQ(GetFocus(), age->Handle());
  EXPECT_EQ(age->Text(), L"abc");
  EXPECT_EQ(table->FieldByName(L"Age")->AsInteger(), 30);
  KeyChord({}, VK_ESCAPE);  // undone, the combo lets the focus go
  EXPECT_EQ(age->Text(), L"30");
  KeyChord({}, VK_TAB);
  EXPECT_NE(GetFocus(), age->Handle());
}

TEST_F(GuideExamples, AListOnlyComboTakesNoTypingAndPicksByMouseAndKeys) {
  TfcStringCombo* size = guide::AddSize(form);
  ShowAndActivate(form);
  size->SetFocus();
  Settle();
  TypeInput(L"x");
  EXPECT_EQ(size->Text(), L"Medium");
  MoveMouse(Center(size));
  MouseDown();
  MouseUp();
  ASSERT_TRUE(PumpUntil([&] { return size->GetDroppedDown(); }));
  KeyChord({}, VK_DOWN);
  KeyChord({}, VK_RETURN);
  EXPECT_EQ(size->Text(), L"Large");
}

TEST_F(GuideExamples, TheNoticeShowsTheTextAndCountdownWhileTheKeysStayPut) {
  auto* edit = Add<TEdit>(form, 16, 16, 120, 21);
  auto* notice = new THyMsgForm(form);
  ShowAndActivate(form);
  edit->SetFocus();
  guide::ShowSavedNotice(notice, L"Saved contacts.txt");
  Settle();
  EXPECT_TRUE(notice->FormVisible());
  EXPECT_EQ(notice->Form()->lblMessage->Caption(), L"Saved contacts.txt");
  EXPECT_EQ(notice->Form()->lblTimelapse->Caption(), L"( 5 )");
  TypeInput(L"kept");
  EXPECT_EQ(edit->Text(), L"kept");
}

TEST_F(GuideExamples, FcLabelsTakeTheDarkSkinsColoursAndTheSystemsWithoutASkin) {
  auto* label = new TfcLabel(form);
  label->SetParent(form);
  TspCompressedStoredSkin dark(nullptr);
  dark.LoadFromSkinFile(ProjectPath("skins/Dark/skin.ini"));
  skin->LoadCompressedStoredSkin(&dark);
  guide::FollowSkinColours(label, skin);
  EXPECT_TRUE(label->Transparent());
  EXPECT_EQ(label->Font()->Color(), skin->SkinColors->cBtnText);
  // Light text on the Dark skin's dark panels.
  const TColor text = ColorToRGB(label->Font()->Color()), panel = ColorToRGB(skin->SkinColors->cBtnFace);
  EXPECT_GT(GetRValue(text) + GetGValue(text) + GetBValue(text), 3 * 160);
  EXPECT_LT(GetRValue(panel) + GetGValue(panel) + GetBValue(panel), 3 * 80);
  skin->ClearAll();
  guide::FollowSkinColours(label, skin);
  EXPECT_EQ(ColorToRGB(label->Font()->Color()), ColorToRGB(clBtnText));
}

// The gallery's skinned frames and the second gallery window with its live
// skin switch.
#include "demo/GalleryFrame.h"

#include <shellapi.h>

#include <cwchar>
#include <vector>

#include "classlib/StdCtrls.h"
#include "skinctrls/SkinButtons.h"
#include "demo/GalleryPages.h"

namespace {


// Skins beside the program: the packed skins\*.skn, then skins\<folder>\*.ini.
std::vector<String> SkinFiles() {
  std::vector<String> files;
  const String root = ProgramFolder() + L"skins\\";
  WIN32_FIND_DATAW packed;
  HANDLE skns = FindFirstFileW((root + L"*.skn").c_str(), &packed);
  if (skns != INVALID_HANDLE_VALUE) {
    do files.push_back(root + packed.cFileName);
    while (FindNextFileW(skns, &packed));
    FindClose(skns);
  }
  WIN32_FIND_DATAW folder;
  HANDLE folders = FindFirstFileW((root + L"*").c_str(), &folder);
  if (folders == INVALID_HANDLE_VALUE) return files;
  do {
    if (!(folder.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || folder.cFileName[0] == L'.') continue;
    const String dir = root + folder.cFileName + L"\\";
    WIN32_FIND_DATAW file;
    HANDLE inis = FindFirstFileW((dir + L"*.ini").c_str(), &file);
    if (inis == INVALID_HANDLE_VALUE) continue;
    do files.push_back(dir + file.cFileName);
    while (FindNextFileW(inis, &file));
    FindClose(inis);
  } while (FindNextFileW(folders, &folder));
  FindClose(folders);
  return files;
}

// Loads skin file Index of the list into SkinData; the error text, or empty.
String SwitchSkin(TspSkinData* SkinData, int Index) {
  const std::vector<String> files = SkinFiles();
  if (files.empty() || !SkinData) return L"No skin files beside the program.";
  const String& file = files[static_cast<size_t>(Index) % files.size()];
  try {
    if (file.size() > 4 && file.compare(file.size() - 4, 4, L".skn") == 0) {
      SkinData->LoadFromCompressedFile(file);
    } else {
      TspCompressedStoredSkin stored(nullptr);
      stored.LoadFromSkinFile(file);
      SkinData->LoadCompressedStoredSkin(&stored);
    }
  } catch (const Exception& e) {
    return e.Message();
  }
  return file.substr(file.find(L"skins\\"));
}

class TSecondGalleryWindow : public TForm {
 public:
  TSecondGalleryWindow(TComponent* AOwner, TspSkinData* SkinData) : TForm(AOwner), FSkinData(SkinData) {
    SetCaption(L"second gallery window \x7B2C\x4E8C\x7A97\x53E3");
    SetBounds(140, 140, 380, 230);
    SetColor(MakeColor(236, 238, 244));
    FFrame = new TspSkinForm(this);
    FFrame->SetSkinData(SkinData);
    Place<TLabel>(this, 12, 12, 340, 20)->SetCaption(L"The gallery's frame: drag, size, try the buttons.");
    FSkinLabel = Place<TLabel>(this, 12, 60, 340, 20);
    FSkinLabel->SetCaption(L"Skin: as loaded by the gallery");
    auto* next = Place<TspSkinButton>(this, 12, 90, 120, 28);
    next->SetCaption(L"Switch skin");
    next->SetSkinData(SkinData);
    next->OnClick = [this](TObject*) { FSkinLabel->SetCaption(L"Skin: " + SwitchSkin(FSkinData, ++FSkinIndex)); };
    auto* close = Place<TspSkinButton>(this, 140, 90, 90, 28);
    close->SetCaption(L"Close");
    close->SetSkinData(SkinData);
    close->OnClick = [this](TObject*) { Close(); };
    if (HasArgument(L"--switch")) OnShow = [next](TObject*) { next->Click(); };
  }
  String ClassName() const override { return L"TSecondGalleryWindow"; }
  TspSkinForm* Frame() const { return FFrame; }
  TspSkinData* FSkinData;
  TspSkinForm* FFrame;
  TLabel* FSkinLabel;
  int FSkinIndex = -1;
};

}  // namespace

bool HasArgument(const wchar_t* Name, int* Value) {
  int count = 0;
  wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
  bool found = false;
  for (int i = 1; args && i < count; ++i)
    if (std::wcscmp(args[i], Name) == 0) {
      found = true;
      if (Value && i + 1 < count) *Value = static_cast<int>(std::wcstol(args[i + 1], nullptr, 10));
    }
  LocalFree(args);
  return found;
}

TspSkinForm* AddGalleryFrame(TCustomForm* Form, TspSkinData* SkinData) {
  int skin = 0;
  if (HasArgument(L"--skin", &skin)) SwitchSkin(SkinData, skin);
  auto* frame = new TspSkinForm(Form);
  frame->SetSkinData(SkinData);
  TSecondGalleryWindow* second = nullptr;
  auto* open = Place<TspSkinButton>(Form, 790, 4, 140, 26);
  open->SetCaption(L"Second window");
  open->SetSkinData(SkinData);
  open->OnClick = [Form, SkinData, second](TObject*) mutable {
    if (!second) second = new TSecondGalleryWindow(Form, SkinData);
    second->Show();
    if (HasArgument(L"--rollup")) second->Frame()->SetRollUpState(true);
  };
  if (HasArgument(L"--maximize")) frame->SetWindowState(2);
  if (HasArgument(L"--second")) Form->OnShow = [open](TObject*) { open->Click(); };
  return frame;
}

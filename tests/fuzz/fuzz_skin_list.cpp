// Fuzz target of the skin list and the library's texts: the bytes as the
// "key=text" lines an application loads for translation, as comma text, and
// as the .skn layout of a skin list item. Text read into a list comes back
// the same through every form the list writes; an item copies its skin
// byte for byte.
#include "classlib/SysUtils.h"
#include "skin/SkinResStr.h"
#include "tests/fuzz/FuzzCheck.h"

namespace {

std::vector<String> Items(const TStrings& List) {
  std::vector<String> items;
  for (int i = 0; i < List.Count(); ++i) items.push_back(List.Strings(i));
  return items;
}

void CheckResStrings(const uint8_t* Data, size_t Size) {
  TMemoryStream bytes;
  bytes.WriteBuffer(Data, static_cast<int64_t>(Size));
  bytes.SetPosition(0);
  TStringList lines;
  lines.LoadFromStream(&bytes);

  TspResourceStrData res(nullptr);
  res.SetResStrings(&lines);
  FUZZ_CHECK(Items(*res.ResStrings()) == Items(lines));
  // Every key finds the text of its first line (the first lines only: each
  // look-up runs through the list).
  for (int i = 0; i < lines.Count() && i < 32; ++i) {
    const String line = lines.Strings(i);
    const size_t eq = line.find(L'=');
    if (eq == String::npos) continue;
    const String key = line.substr(0, eq);
    const int first = lines.IndexOfName(key);
    FUZZ_CHECK(first >= 0 && first <= i);
    const String firstLine = lines.Strings(first);
    const String text = firstLine.substr(firstLine.find(L'=') + 1);
    FUZZ_CHECK(res.GetResStr(key) == text);
  }

  // The lines as text and as comma text read back as the same lines.
  TStringList again;
  again.SetText(lines.Text());
  FUZZ_CHECK(Items(again) == Items(lines));
  again.SetCommaText(lines.CommaText());
  FUZZ_CHECK(Items(again) == Items(lines));
  // And the bytes as comma text: what it reads, it writes so that it reads again.
  TStringList comma;
  comma.SetCommaText(lines.Text());
  again.SetCommaText(comma.CommaText());
  FUZZ_CHECK(Items(again) == Items(comma));
}

void CheckSkinItem(const uint8_t* Data, size_t Size) {
  TspCompressedSkinList list(nullptr);
  TspSkinListItem* item = list.Skins()->Add();
  TMemoryStream bytes;
  bytes.WriteBuffer(Data, static_cast<int64_t>(Size));
  try {
    item->ReadSkin(&bytes);
  } catch (const Exception&) {
    FUZZ_CHECK(item->StoredSkin()->IsEmpty());
    return;
  }
  // A copy, and the item written and read again, hold the same bytes.
  TspSkinListItem* copy = list.Skins()->Add();
  copy->Assign(item);
  FUZZ_CHECK(copy->StoredSkin()->CompressedStream()->Bytes() == item->StoredSkin()->CompressedStream()->Bytes());
  TMemoryStream written;
  item->WriteSkin(&written);
  TspSkinListItem* reread = list.Skins()->Add();
  reread->ReadSkin(&written);
  FUZZ_CHECK(reread->StoredSkin()->CompressedStream()->Bytes() == item->StoredSkin()->CompressedStream()->Bytes());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  CheckResStrings(Data, Size);
  CheckSkinItem(Data, Size);
  return 0;
}

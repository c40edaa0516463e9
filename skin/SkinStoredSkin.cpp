#include "skin/SkinStoredSkin.h"

#include "classlib/ByteOrder.h"
#include "classlib/StringList.h"
#include "classlib/SysUtils.h"
#include "classlib/ZLib.h"
#include "skin/SkinRecordIO.h"
#include "skin/SkinStream.h"

namespace {

String Num(int64_t v) { return std::to_wstring(v); }

int32_t ReadInt32(TStream* Stream, const wchar_t* What) {
  uint8_t b[4];
  if (Stream->Read(b, 4) != 4) throw EReadError(String(L"Skin file ends before its ") + What);
  return LoadLE32Signed(b);
}

const wchar_t* const kSkinSections[] = {L"VERSION", L"PICTURES", L"FORMINFO", L"SKINOBJECTS", L"SKINCONTROLS"};
const wchar_t* const kSlotKeys[] = {L"picture", L"inactivepicture", L"mask", L"rolluppicture", L"rollupmask"};

void LoadBmpFile(const String& Path, TBmpImage& Image) {
  TFileStream file(Path, fmOpenRead);
  try {
    ReadBmp(&file, Image);
  } catch (const EInvalidGraphic& e) {
    throw EInvalidGraphic(L"Picture " + Path + L": " + e.Message());
  }
}

}  // namespace

std::vector<String> MissingSkinSections(const TspSkinIni& Ini) {
  std::vector<String> missing;
  for (const wchar_t* s : kSkinSections)
    if (!Ini.SectionExists(s)) missing.push_back(s);
  return missing;
}

String SkinFileDir(const String& Path) {
  size_t sep = Path.find_last_of(L"\\/:");
  return sep == String::npos ? String() : Path.substr(0, sep + 1);
}

String SkinFileName(const String& Path) { return Path.substr(SkinFileDir(Path).size()); }

TspCompressedStoredSkin::TspCompressedStoredSkin(TComponent* AOwner)
    : TComponent(AOwner), FCompressedStream(new TMemoryStream) {}

TspCompressedStoredSkin::~TspCompressedStoredSkin() { Free(FCompressedStream); }

void TspCompressedStoredSkin::DecompressToStream(TStream* Dest) {
  TByteBlock inflated;
  ZDecompressBuffer(FCompressedStream->Bytes().data(), FCompressedStream->Bytes().size(), MaxInflatedSkinSize,
                    inflated);
  Dest->WriteBuffer(inflated.Data.get(), static_cast<int64_t>(inflated.Size));
}

void TspCompressedStoredSkin::LoadFromCompressedFile(const String& FileName) {
  FCompressedStream->Clear();
  TFileStream file(FileName, fmOpenRead);
  try {
    LoadFromCompressStream(&file);
  } catch (const EReadError& e) {
    throw EReadError(L"Skin file \"" + FileName + L"\": " + e.Message());
  }
  FSource = FileName;
}

void TspCompressedStoredSkin::LoadFromCompressStream(TStream* Stream) {
  FCompressedStream->Clear();
  FSource.clear();
  Stream->SetPosition(0);
  int32_t version = ReadInt32(Stream, L"version");
  if (version > MaxSkinStreamVersion)
    throw EReadError(L"Skin file version " + Num(version) + L" is newer than this program reads (" +
                     Num(MaxSkinStreamVersion) + L")");
  int32_t length = ReadInt32(Stream, L"length");
  int64_t left = Stream->Size() - Stream->Position();
  if (length < 0 || length > left)
    throw EReadError(L"Skin file gives a compressed length of " + Num(length) + L" bytes; " + Num(left) +
                     L" follow");
  if (static_cast<size_t>(length) > MaxCompressedSkinSize)
    throw EReadError(L"Skin file gives a compressed length of " + Num(length) + L" bytes, more than a skin may have (" +
                     Num(static_cast<int64_t>(MaxCompressedSkinSize)) + L")");
  if (length > 0) FCompressedStream->CopyFrom(Stream, length);
  FCompressedStream->SetPosition(0);
}

void TspCompressedStoredSkin::LoadFromMemory(const void* Data, size_t Size) {
  TMemoryStream memory;
  memory.WriteBuffer(Data, static_cast<int64_t>(Size));
  LoadFromCompressStream(&memory);
}

void TspCompressedStoredSkin::SaveToCompressStream(TStream* Stream) {
  WriteSkinInt32(Stream, SkinStreamVersion);
  WriteSkinInt32(Stream, static_cast<int32_t>(FCompressedStream->Size()));
  if (FCompressedStream->Size() > 0)
    Stream->WriteBuffer(FCompressedStream->Bytes().data(), FCompressedStream->Size());
}

void TspCompressedStoredSkin::LoadFromSkinFile(const String& FileName) {
  TStringList text;
  text.LoadFromFile(FileName);
  std::vector<String> lines;
  bool blank = true;
  for (int i = 0; i < text.Count(); ++i) {
    lines.push_back(text.Strings(i));
    blank = blank && Trim(lines.back()).empty();
  }
  // An empty file is no skin at all (a copy cut short, a folder not yet
  // drawn): say so, as for any other skin file that cannot be used.
  if (blank) throw EReadError(L"Skin file \"" + FileName + L"\" is empty");
  TspSkinIni ini(lines);
  if (!IsSkinIni(ini)) return;

  // Everything is read before the compressed data is replaced: a missing or
  // bad picture raises and leaves the data as it was.
  const String folder = SkinFileDir(FileName);
  TBmpImage slots[SkinPictureSlotCount];
  for (int i = 0; i < SkinPictureSlotCount; ++i) {
    String name = ini.ReadString(L"PICTURES", kSlotKeys[i], String());
    if (!name.empty()) LoadBmpFile(folder + name, slots[i]);
  }
  std::vector<String> names;
  ReadIndexedStrings(ini, L"PICTURES", L"activepictures", names);
  std::vector<TBmpImage> actives(names.size());
  for (size_t i = 0; i < names.size(); ++i) LoadBmpFile(folder + names[i], actives[i]);

  TMemoryStream stream;
  WriteSkinStream(&stream, slots, actives, lines);
  std::vector<uint8_t> packed = ZCompressBuffer(stream.Bytes().data(), stream.Bytes().size(), zcMax);
  FCompressedStream->Clear();
  FCompressedStream->WriteBuffer(packed.data(), static_cast<int64_t>(packed.size()));
  FCompressedStream->SetPosition(0);
  FSource = FileName;
}

void SetStoredSkinFileName(TspCompressedStoredSkin* Stored, void (TspCompressedStoredSkin::*Load)(const String&),
                           bool Designing, const String& Value, String& Property) {
  if (Designing) {
    (Stored->*Load)(Value);
    Property = SkinFileName(Value);
  } else {
    Property = Value;
  }
}

bool TspCompressedStoredSkin::Designing() const {
  TComponentState state = ComponentState();
  return state.Contains(csDesigning) && !state.Contains(csLoading);
}

void TspCompressedStoredSkin::SetFileName(const String& Value) {
  SetStoredSkinFileName(this, &TspCompressedStoredSkin::LoadFromSkinFile, Designing(), Value, FFileName);
}

void TspCompressedStoredSkin::SetCompressedFileName(const String& Value) {
  SetStoredSkinFileName(this, &TspCompressedStoredSkin::LoadFromCompressedFile, Designing(), Value,
                        FCompressedFileName);
}

// Every writer of files in the library saves whole or not at all, and every
// reader names the file and keeps what its object held when a file cannot be
// loaded. Writers and readers are tables: each case runs over all of them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "classlib/FileWhole.h"
#include "classlib/MemTable.h"
#include "classlib/TextCodec.h"
#include "skin/SkinStoredSkin.h"
#ifdef _WIN32
#include <windows.h>
#include <sddl.h>

#include "classlib/Graphics.h"
#else
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

std::string Read(const fs::path& File) {
  std::ifstream in(File, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void Write(const fs::path& File, const std::string& Bytes) { std::ofstream(File, std::ios::binary) << Bytes; }

// A String's path: the wide name on Windows, its UTF-8 bytes elsewhere
// (whatever the C library's locale), as the library opens it.
fs::path PathOf(const String& File) {
#ifdef _WIN32
  return fs::path(File);
#else
  return fs::path(WideToUtf8(File));
#endif
}

// A folder of the test's own, emptied when it goes.
struct TFolder {
  explicit TFolder(const char* Name) : path(fs::current_path() / Name) {
    std::error_code ignored;
    fs::remove_all(path, ignored);
    fs::create_directory(path);
  }
  ~TFolder() {
    std::error_code ignored;
    for (const auto& entry : fs::directory_iterator(path, ignored))
      fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(path, ignored);
  }
  String File(const std::string& Name) const { return (path / Name).wstring(); }
  int Temps() const {
    int count = 0;
    for (const auto& entry : fs::directory_iterator(path)) count += entry.path().extension() == ".tmp";
    return count;
  }
  fs::path path;
};

// The message of the library's exception that Action raises ("" for none).
String ErrorOf(const std::function<void()>& Action) {
  try {
    Action();
  } catch (const Exception& e) {
    return e.Message().empty() ? L"(no message)" : e.Message();
  }
  return String();
}

bool Names(const String& Message, const String& File) { return Message.find(File) != String::npos; }

// A writer saves about Size bytes, different for each Seed.
struct TWriter {
  const char* Name;
  std::function<void(const String& File, size_t Size, int Seed)> Save;
};

std::vector<TWriter> Writers() {
  return {
      {"string list",
       [](const String& File, size_t Size, int Seed) {
         TStringList lines;
         for (size_t n = 0; n < Size; n += 30) lines.Add(L"line " + IntToStr(Seed) + L" " + String(20, L'x'));
         lines.SaveToFile(File);
       }},
      {"memory stream",
       [](const String& File, size_t Size, int Seed) {
         TMemoryStream memory;
         const std::string bytes(Size, static_cast<char>('a' + Seed % 26));
         memory.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
         memory.SaveToFile(File);
       }},
      {"table",
       [](const String& File, size_t Size, int Seed) {
         TMemTable table(nullptr);
         table.AddField(L"Name", ftString, 40);
         table.Open();
         for (size_t n = 0; n < Size; n += 10) {
           table.Append();
           table.Fields(0)->SetAsString(L"row " + IntToStr(Seed) + L" " + IntToStr(static_cast<int64_t>(n)));
           table.Post();
         }
         table.SaveToFile(File);
       }},
#ifdef _WIN32
      {"bitmap",
       [](const String& File, size_t Size, int Seed) {
         TBitmap bitmap;
         bitmap.SetPixelFormat(pf24bit);
         bitmap.SetSize(32, static_cast<int>(Size / 96) + 1);
         bitmap.Canvas()->Brush()->SetColor(static_cast<TColor>(Seed * 0x10101));
         bitmap.Canvas()->FillRect(TRect(0, 0, 32, bitmap.Height()));
         bitmap.SaveToFile(File);
       }},
#endif
  };
}

}  // namespace

TEST(FileWholeTest, EveryWriterRefusesAReadOnlyFileAndSavesUnderALongName) {
  TFolder folder("file_whole_writers");
  for (const TWriter& writer : Writers()) {
    SCOPED_TRACE(writer.Name);
    const String file = folder.File("read_only.out");
    writer.Save(file, 1000, 1);
    const std::string old = Read(file);
    fs::permissions(file, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    const String message = ErrorOf([&] { writer.Save(file, 1000, 2); });
    EXPECT_TRUE(Names(message, file)) << WideToUtf8(message);
    EXPECT_EQ(Read(file), old);
    EXPECT_EQ(folder.Temps(), 0);
    fs::permissions(file, fs::perms::owner_write, fs::perm_options::add);
    fs::remove(file);

    // Names the disk takes, near its limit of 255 (UTF-16 units on Windows,
    // UTF-8 bytes elsewhere and under Wine): the temporary name beside each
    // must fit too, when the file is made and when it is saved over.
    const String longNames[] = {String(241, L'n'), String(81, L'\x4E2D'), String(122, L'\x00E9')};
    for (const String& stem : longNames) {
      const String longName = folder.File("") + stem + L".out";
      for (int seed : {3, 4}) {
        EXPECT_EQ(ErrorOf([&] { writer.Save(longName, 1000, seed); }), L"");
        EXPECT_GT(fs::file_size(PathOf(longName)), 0u);
        EXPECT_EQ(folder.Temps(), 0);
      }
      fs::remove(PathOf(longName));
    }
  }
}

// A string list loses no letter: code page 936 where it carries the text
// (the bytes as they always were), UTF-8 after its mark where it does not;
// a file with a mark loads as the mark says.
TEST(FileWholeTest, AStringListKeepsEveryLetter) {
  TFolder folder("file_whole_text");
  const String file = folder.File("text.txt");
  const struct {
    String Text;
    std::string Bytes;
  } cases[] = {
      {L"\x6D4B\x8BD5 \x00E9", "\xB2\xE2\xCA\xD4 \xA8\xA6\r\n"},
      {L"ma\x00F1" L"ana na\x00EFve \x00C6r\x00F8 \x00DF",
       "\xEF\xBB\xBFma\xC3\xB1" "ana na\xC3\xAFve \xC3\x86r\xC3\xB8 \xC3\x9F\r\n"},
  };
  for (const auto& c : cases) {
    TStringList lines;
    lines.Add(c.Text);
    lines.SaveToFile(file);
    EXPECT_EQ(Read(fs::path(file)), c.Bytes);
    TStringList loaded;
    loaded.LoadFromFile(file);
    ASSERT_EQ(loaded.Count(), 1);
    EXPECT_EQ(loaded.Strings(0), c.Text);
    // The same through a stream.
    TMemoryStream stream;
    lines.SaveToStream(&stream);
    EXPECT_EQ(std::string(stream.Bytes().begin(), stream.Bytes().end()), c.Bytes);
  }
  Write(fs::path(file), std::string("\xFF\xFEx\0=\0\xC6\0\r\0\n\0y\0", 14));
  TStringList utf16;
  utf16.LoadFromFile(file);
  EXPECT_EQ(utf16.Text(), L"x=\x00C6\r\ny\r\n");
}

#ifdef _WIN32
namespace {
String AccessList(const String& File) {
  DWORD needed = 0;
  GetFileSecurityW(File.c_str(), DACL_SECURITY_INFORMATION, nullptr, 0, &needed);
  std::string sd(needed, '\0');
  if (!needed || !GetFileSecurityW(File.c_str(), DACL_SECURITY_INFORMATION, &sd[0], needed, &needed)) return L"?";
  wchar_t* text = nullptr;
  ConvertSecurityDescriptorToStringSecurityDescriptorW(&sd[0], SDDL_REVISION_1, DACL_SECURITY_INFORMATION, &text,
                                                       nullptr);
  const String result = text ? text : L"?";
  LocalFree(text);
  return result;
}
}  // namespace
#endif

// What the old file was to the system (who may read it, hidden, system) the
// new one is.
TEST(FileWholeTest, ASavedFileKeepsItsAttributesAndSecurity) {
  TFolder folder("file_whole_look");
  const String file = folder.File("private.txt");
  TStringList lines;
  lines.Add(L"old");
  lines.SaveToFile(file);
#ifdef _WIN32
  // Only the owner and the system may use it; hidden and a system file.
  PSECURITY_DESCRIPTOR only = nullptr;
  ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:(A;;FA;;;SY)(A;;FA;;;OW)", SDDL_REVISION_1,
                                                                   &only, nullptr));
  ASSERT_TRUE(SetFileSecurityW(file.c_str(), DACL_SECURITY_INFORMATION, only));
  LocalFree(only);
  ASSERT_TRUE(SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
  const String access = AccessList(file);
  lines.Add(L"new");
  lines.SaveToFile(file);
  EXPECT_EQ(GetFileAttributesW(file.c_str()) & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM),
            DWORD(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
  EXPECT_EQ(AccessList(file), access);
  EXPECT_EQ(access.find(L";;;WD)"), String::npos) << WideToUtf8(access);  // no access for everyone
#else
  fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
  lines.Add(L"new");
  lines.SaveToFile(file);
  EXPECT_EQ(fs::status(file).permissions(), fs::perms::owner_read | fs::perms::owner_write);
  // A new file gets what any new file gets.
  Write(folder.path / "plain.txt", "");
  lines.SaveToFile(folder.File("fresh.txt"));
  EXPECT_EQ(fs::status(folder.path / "fresh.txt").permissions(), fs::status(folder.path / "plain.txt").permissions());
#endif
  EXPECT_EQ(Read(fs::path(file)), "old\r\nnew\r\n");
  EXPECT_EQ(folder.Temps(), 0);
}

// The link is made by the test's entry, the system's own tool making it
// where the program cannot (Wine makes no links).
TEST(FileWholeLink, ASaveThroughALinkWritesTheFileItNames) {
  const char* link = std::getenv("SKINGUI_TEST_LINK");
  if (!link) GTEST_SKIP() << "runs with a link made by its entry only";
  const fs::path target = fs::path(link).parent_path() / "link_target.txt";
  TStringList lines;
  lines.Add(L"through the link");
  lines.SaveToFile(Utf8ToWide(link));
  // Had the link been replaced by a plain file, the file it named would be as it was.
  EXPECT_EQ(Read(target), "through the link\r\n");
#ifndef _WIN32
  EXPECT_TRUE(fs::is_symlink(link));
#endif
}

// Run with a limit on the size of the files the process writes (set by the
// test's entry, SKINGUI_FILE_SIZE_LIMIT saying it is 4 KB): a write past it
// fails as on a full disk.
TEST(FileWholeFullDisk, EveryWriterKeepsTheOldFileAndSaysWhy) {
  if (!std::getenv("SKINGUI_FILE_SIZE_LIMIT")) GTEST_SKIP() << "runs under a file size limit only";
  TFolder folder("file_whole_full");
  for (const TWriter& writer : Writers()) {
    SCOPED_TRACE(writer.Name);
    const String file = folder.File("full.out");
    writer.Save(file, 500, 1);
    const std::string old = Read(file);
    for (size_t size : {6000, 40000}) {
      const String message = ErrorOf([&] { writer.Save(file, size, 2); });
      EXPECT_TRUE(Names(message, file)) << WideToUtf8(message);
      EXPECT_EQ(Read(file), old);
      EXPECT_EQ(folder.Temps(), 0);
    }
#ifdef _WIN32
    // Held open with sharing by another program, the file is written over;
    // the room is made before an old byte changes.
    HANDLE held = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const String message = ErrorOf([&] { writer.Save(file, 6000, 3); });
    CloseHandle(held);
    EXPECT_TRUE(Names(message, file)) << WideToUtf8(message);
    EXPECT_EQ(Read(file), old);
    EXPECT_EQ(folder.Temps(), 0);
#endif
    fs::remove(file);
  }
}

namespace {

// A reader loads a file into an object that holds something already; State
// tells what it holds ("" for a reader whose failed load empties it, as the
// stored skin's does).
struct TReader {
  const char* Name;
  std::string Head;  // how a file of 2.5 GB begins
  bool Bounded;    // refuses a huge file by its own limit, on every system
  bool EmptyFails; // an empty file is no such file
  std::function<void(const String& File)> Load;
  std::function<std::string()> State;
};

// Makes a file of Size bytes that begins with Head and holds no disk room
// beyond it.
void MakeSparse(const fs::path& File, const std::string& Head, int64_t Size) {
  Write(File, Head);
#ifdef _WIN32
  HANDLE file = CreateFileW(File.wstring().c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  LARGE_INTEGER end;
  end.QuadPart = Size;
  EXPECT_TRUE(SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file));
  CloseHandle(file);
#else
  ASSERT_EQ(truncate(File.c_str(), static_cast<off_t>(Size)), 0);
#endif
}

// A file whose size says more than it gives, as a file cut while it is read.
String CutFile() {
#ifdef _WIN32
  return L"Z:\\sys\\devices\\system\\cpu\\online";
#else
  return L"/sys/devices/system/cpu/online";
#endif
}

}  // namespace

TEST(FileLoadTest, EveryReaderNamesTheFileAndKeepsWhatItHeld) {
  TFolder folder("file_whole_readers");
  TStringList lines;
  lines.Add(L"kept");
  TMemoryStream memory;
  memory.WriteBuffer("kept", 4);
  TMemTable table(nullptr);
  table.AddField(L"Name", ftString, 20);
  table.Open();
  table.Append();
  table.Fields(0)->SetAsString(L"kept");
  table.Post();
  TspCompressedStoredSkin stored(nullptr);
  // A stored skin built from a skin folder's INI file keeps what it held.
  TspCompressedStoredSkin folderSkin(nullptr);
  folderSkin.LoadFromMemory("\x02\0\0\0\x03\0\0\0abc", 11);
  const std::string text = "Name\nkept\n";
  const std::vector<TReader> readers = {
      {"string list", text, false, false, [&](const String& F) { lines.LoadFromFile(F); },
       [&] { return WideToUtf8(lines.Text()); }},
      {"memory stream", text, false, false, [&](const String& F) { memory.LoadFromFile(F); },
       [&] { return std::string(memory.Bytes().begin(), memory.Bytes().end()); }},
      {"table", text, false, true, [&](const String& F) { table.LoadFromFile(F); },
       [&] {
         TMemoryStream bytes;
         table.SaveToStream(&bytes);
         return std::string(bytes.Bytes().begin(), bytes.Bytes().end());
       }},
      // Version 2, 2 000 000 000 compressed bytes.
      {"skin file", std::string("\x02\0\0\0\0\x94\x35\x77", 8), true, true,
       [&](const String& F) { stored.LoadFromCompressedFile(F); }, nullptr},
      {"skin folder", text, false, true, [&](const String& F) { folderSkin.LoadFromSkinFile(F); },
       [&] {
         const auto& bytes = folderSkin.CompressedStream()->Bytes();
         return std::string(bytes.begin(), bytes.end());
       }},
#ifdef _WIN32
      // A file header of 2 500 000 000 bytes.
      {"bitmap", std::string("BM\x00\xF9\x02\x95", 6), true, true,
       [&](const String& F) {
         TBitmap bitmap;
         bitmap.LoadFromFile(F);
       },
       nullptr},
#endif
  };
  const fs::path huge = folder.path / "huge.bin", claims = folder.path / "claims.bin", empty = folder.path / "empty.bin";
  Write(empty, "");
  const fs::path blank = folder.path / "blank.ini";
  Write(blank, " \r\n\r\n");
  const bool wholeHuge = sizeof(void*) == 4;  // a 64-bit program may load them
  for (const TReader& reader : readers) {
    SCOPED_TRACE(reader.Name);
    const std::string before = reader.State ? reader.State() : std::string();
    std::vector<String> files;
    if (wholeHuge || reader.Bounded) {
      MakeSparse(huge, text, (int64_t(4) << 30) + 11);  // 4 GiB and 11 bytes
      MakeSparse(claims, reader.Head, int64_t(2500) << 20);
      files.push_back(huge.wstring());
      files.push_back(claims.wstring());
    }
    if (reader.EmptyFails) files.push_back(empty.wstring());
    if (std::string(reader.Name) == "skin folder") files.push_back(blank.wstring());
    if (std::ifstream(fs::path(CutFile())).good()) files.push_back(CutFile());
    for (const String& file : files) {
      const String message = ErrorOf([&] { reader.Load(file); });
      EXPECT_TRUE(Names(message, file)) << WideToUtf8(file) << ": " << WideToUtf8(message);
      if (reader.State) {
        EXPECT_EQ(reader.State(), before) << WideToUtf8(file);
      }
    }
  }
}

// Loads of nothing and of one byte, a file of exactly the most a load may
// take, and where a memory stream stands after a load.
TEST(FileLoadTest, EmptyOneByteAndLimitLoads) {
  TFolder folder("file_whole_edges");
  const String empty = folder.File("empty.bin"), one = folder.File("one.bin");
  Write(fs::path(empty), "");
  SaveFileWhole(one, "x", 1);
  EXPECT_EQ(Read(fs::path(one)), "x");

  TStringList lines;
  lines.Add(L"old");
  lines.LoadFromFile(empty);
  EXPECT_EQ(lines.Count(), 0);
  lines.LoadFromFile(one);
  EXPECT_EQ(lines.Text(), L"x\r\n");
  TMemoryStream nothing;
  lines.LoadFromStream(&nothing);
  EXPECT_EQ(lines.Count(), 0);

  TMemoryStream memory;
  memory.WriteBuffer("old", 3);
  memory.LoadFromFile(empty);
  EXPECT_EQ(memory.Size(), 0);
  memory.WriteBuffer("old", 3);
  memory.LoadFromStream(&nothing);
  EXPECT_EQ(memory.Size(), 0);
  memory.WriteBuffer("old", 3);
  memory.LoadFromFile(one, 1);  // exactly the limit
  EXPECT_EQ(memory.Size(), 1);
  EXPECT_EQ(memory.Position(), 0);
  EXPECT_EQ(memory.Bytes()[0], 'x');

  const String five = folder.File("five.bin");
  SaveFileWhole(five, "12345", 5);
  memory.SetPosition(1);
  memory.LoadFromFile(five, 5);
  EXPECT_EQ(memory.Position(), 0);
  EXPECT_EQ(memory.Size(), 5);
  const String message = ErrorOf([&] { memory.LoadFromFile(five, 4); });
  EXPECT_TRUE(Names(message, five)) << WideToUtf8(message);
  EXPECT_EQ(memory.Size(), 5);
  std::string bytes = "kept";
  LoadFileWhole(five, bytes, 5);
  EXPECT_EQ(bytes, "12345");
  bytes = "kept";
  EXPECT_THROW(LoadFileWhole(five, bytes, 4), EReadError);
  EXPECT_EQ(bytes, "kept");
  LoadFileWhole(empty, bytes);
  EXPECT_EQ(bytes, "");
}

// A file stream's failed reads and writes name the file, as every other
// reader and writer does.
TEST(FileStreamTest, ReadAndWriteErrorsNameTheFile) {
  TFolder folder("file_stream_errors");
  const String file = folder.File("three.bin");
  SaveFileWhole(file, "abc", 3);
  TFileStream stream(file, fmOpenRead);
  char buffer[8];
  const String read = ErrorOf([&] { stream.ReadBuffer(buffer, 8); });
  EXPECT_TRUE(Names(read, L"Stream read error") && Names(read, file)) << WideToUtf8(read);
  const String write = ErrorOf([&] { stream.WriteBuffer("x", 1); });
  EXPECT_TRUE(Names(write, L"Stream write error") && Names(write, file)) << WideToUtf8(write);
  // A stream in memory has no file to name.
  TMemoryStream memory;
  EXPECT_EQ(ErrorOf([&] { memory.ReadBuffer(buffer, 1); }), L"Stream read error");
}

#ifdef _WIN32
// A picture file of an unknown kind is named, and its kind is taken from
// the file's name alone, never from a folder's.
TEST(FileLoadTest, APictureOfUnknownKindNamesTheFile) {
  TFolder folder("file_picture_kind");
  fs::create_directories(folder.path / "a.Bc" / "ext");
  Write(folder.path / "a.Bc" / "ext" / "input", "BM");
  Write(folder.path / "x.png", "BM");
  const struct {
    String File, Kind;
  } cases[] = {{folder.File("x.png"), L"(.png)"}, {folder.File("a.Bc\\ext\\input"), L"(none)"}};
  for (const auto& c : cases) {
    TPicture picture;
    const String message = ErrorOf([&] { picture.LoadFromFile(c.File); });
    EXPECT_TRUE(Names(message, c.File) && Names(message, c.Kind)) << WideToUtf8(message);
  }
}

namespace {
// How many handles this process holds, from the system's list of every
// handle (GetProcessHandleCount answers 0 under Wine); -1 when unknown.
int HandleCount() {
  struct TEntry {
    USHORT Process, BackTrace;
    UCHAR Type, Attributes;
    USHORT Value;
    PVOID Object;
    ULONG Access;
  };
  using TQuery = LONG(WINAPI*)(ULONG, PVOID, ULONG, PULONG);
  const auto query = reinterpret_cast<TQuery>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation")));
  std::vector<char> buffer(1 << 16);
  LONG status;
  ULONG length = 0;
  const ULONG kHandleList = 16, kTooSmall = 0xC0000004;
  while ((status = query(kHandleList, buffer.data(), static_cast<ULONG>(buffer.size()), &length)) ==
         static_cast<LONG>(kTooSmall))
    buffer.resize(buffer.size() * 2);
  if (status != 0) return -1;
  const ULONG count = *reinterpret_cast<const ULONG*>(buffer.data());
  const auto* entries = reinterpret_cast<const TEntry*>(buffer.data() + sizeof(void*));
  int mine = 0;
  for (ULONG i = 0; i < count; ++i) mine += entries[i].Process == static_cast<USHORT>(GetCurrentProcessId());
  return mine;
}

// The file held open by another program, sharing Share.
struct THeld {
  THeld(const String& File, DWORD Share)
      : H(CreateFileW(File.c_str(), GENERIC_READ, Share, nullptr, OPEN_EXISTING, 0, nullptr)) {}
  ~THeld() {
    if (H != INVALID_HANDLE_VALUE) CloseHandle(H);
  }
  // What the holder reads through its own handle, from the start.
  std::string ReadAll() const {
    SetFilePointer(H, 0, nullptr, FILE_BEGIN);
    std::string bytes(100000, '\0');
    DWORD got = 0;
    ReadFile(H, &bytes[0], static_cast<DWORD>(bytes.size()), &got, nullptr);
    bytes.resize(got);
    return bytes;
  }
  HANDLE H;
};
}  // namespace

// A file another program holds open sharing writing cannot be replaced,
// only written over: the new bytes exactly, whatever the old length, seen
// through the other program's handle, no temporary file left, no handle
// kept. One that is held without sharing writing is kept as it was.
TEST(FileWholeHeld, AHeldFileIsWrittenOverExactly) {
  TFolder folder("file_whole_held");
  const String file = folder.File("held.txt");
  const std::pair<std::string, std::string> cases[] = {
      {"0123456789", "abc"}, {"abc", "0123456789"}, {"abcde", "vwxyz"}, {"", "new"}, {"old", ""}, {"o", "n"},
      {std::string(70000, 'o'), std::string(65537, 'n')}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.first.size());
    Write(fs::path(file), c.first);
    THeld held(file, FILE_SHARE_READ | FILE_SHARE_WRITE);
    ASSERT_NE(held.H, INVALID_HANDLE_VALUE);
    EXPECT_EQ(ErrorOf([&] { SaveFileWhole(file, c.second); }), L"");
    EXPECT_EQ(Read(fs::path(file)), c.second);
    EXPECT_EQ(held.ReadAll(), c.second);
    EXPECT_EQ(folder.Temps(), 0);
  }
  const int handles = HandleCount();
  {
    // The count can rise: one handle more is seen.
    THeld held(file, FILE_SHARE_READ | FILE_SHARE_WRITE);
    if (handles >= 0) {
      EXPECT_EQ(HandleCount(), handles + 1);
    }
    for (int i = 0; i < 50; ++i) SaveFileWhole(file, std::string(100 + i, static_cast<char>('a' + i % 26)));
    if (handles >= 0) {
      EXPECT_EQ(HandleCount(), handles + 1);
    }
  }
  for (int i = 0; i < 50; ++i) SaveFileWhole(file, std::string(100 + i, 'b'));
  EXPECT_EQ(HandleCount(), handles);
  // Every handle the saves opened is closed: the file can be had alone.
  HANDLE alone = CreateFileW(file.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  EXPECT_NE(alone, INVALID_HANDLE_VALUE);
  if (alone != INVALID_HANDLE_VALUE) CloseHandle(alone);

  Write(fs::path(file), "kept");
  {
    THeld held(file, FILE_SHARE_READ);
    const String message = ErrorOf([&] { SaveFileWhole(file, std::string("new")); });
    EXPECT_TRUE(Names(message, file)) << WideToUtf8(message);
    // Nothing was written over, and the message says no such thing.
    EXPECT_FALSE(Names(message, L"written")) << WideToUtf8(message);
  }
  EXPECT_EQ(Read(fs::path(file)), "kept");
  EXPECT_EQ(folder.Temps(), 0);
}
#endif

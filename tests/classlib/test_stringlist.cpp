#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "classlib/Classes.h"

namespace {

std::vector<String> Lines(const TStrings& list) {
  std::vector<String> out;
  for (int i = 0; i < list.Count(); ++i) out.push_back(list.Strings(i));
  return out;
}

TEST(StringListTest, NameValueLookup) {
  TStringList list;
  list.SetText(L"Width=10\r\nCaption=a=b\r\nplain line\r\nEmpty=");
  EXPECT_EQ(list.IndexOfName(L"caption"), 1);
  EXPECT_EQ(list.Values(L"CAPTION"), L"a=b");  // the first '=' separates
  EXPECT_EQ(list.Names(2), L"");
  EXPECT_EQ(list.IndexOfName(L"plain line"), -1);
  EXPECT_EQ(list.Values(L"Empty"), L"");
  EXPECT_EQ(list.IndexOfName(L"Empty"), 3);
  EXPECT_EQ(list.Values(L"Missing"), L"");

  list.SetValues(L"width", L"20");  // replaces in place, keeping the given name
  EXPECT_EQ(list.Strings(0), L"width=20");
  list.SetValues(L"Height", L"5");
  EXPECT_EQ(list.Strings(4), L"Height=5");
  list.SetValues(L"Caption", L"");
  EXPECT_EQ(list.IndexOfName(L"Caption"), -1);
  EXPECT_EQ(list.Count(), 4);

  list.SetCaseSensitive(true);
  EXPECT_EQ(list.IndexOfName(L"height"), -1);
  EXPECT_EQ(list.IndexOfName(L"Height"), 3);
}

TEST(StringListTest, SortedListsAndDuplicates) {
  TStringList list;
  list.SetText(L"pear\r\nApple\r\nfig");
  list.SetSorted(true);
  EXPECT_EQ(Lines(list), (std::vector<String>{L"Apple", L"fig", L"pear"}));
  EXPECT_THROW(list.Insert(0, L"kiwi"), EStringListError);
  EXPECT_THROW(list.SetStrings(0, L"kiwi"), EStringListError);

  // dupIgnore: an equal string (case ignored) is not added; its index is returned.
  EXPECT_EQ(list.Add(L"APPLE"), 0);
  EXPECT_EQ(list.Count(), 3);
  list.SetDuplicates(dupError);
  EXPECT_THROW(list.Add(L"Fig"), EStringListError);
  EXPECT_EQ(list.Count(), 3);
  list.SetDuplicates(dupAccept);
  EXPECT_EQ(list.Add(L"FIG"), 2);
  EXPECT_EQ(Lines(list), (std::vector<String>{L"Apple", L"fig", L"FIG", L"pear"}));

  int index = -1;
  EXPECT_TRUE(list.Find(L"Fig", index));
  EXPECT_EQ(index, 1);  // the first of the equal ones
  EXPECT_FALSE(list.Find(L"banana", index));
  EXPECT_EQ(index, 1);  // where it would go
  EXPECT_EQ(list.IndexOf(L"PEAR"), 3);

  // Case-sensitive order is the user locale's on Windows (a small letter
  // before its capital), by character code elsewhere (capitals first).
  list.SetCaseSensitive(true);
#ifdef _WIN32
  EXPECT_EQ(Lines(list), (std::vector<String>{L"Apple", L"fig", L"FIG", L"pear"}));
#else
  EXPECT_EQ(Lines(list), (std::vector<String>{L"Apple", L"FIG", L"fig", L"pear"}));
#endif
  EXPECT_EQ(list.IndexOf(L"Fig"), -1);
}

TEST(StringListTest, TextSplitsAtEveryKindOfLineBreak) {
  TStringList list;
  list.SetText(L"a\r\nb\nc\rd\r\n\r\n");
  EXPECT_EQ(Lines(list), (std::vector<String>{L"a", L"b", L"c", L"d", L""}));
  EXPECT_EQ(list.Text(), L"a\r\nb\r\nc\r\nd\r\n\r\n");
  list.SetText(L"");
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.Text(), L"");
}

TEST(StringListTest, CommaTextQuotingAndParsing) {
  TStringList list;
  list.SetCommaText(L" one, \"two, three\" ,four five,\"say \"\"hi\"\"\",,last,");
  EXPECT_EQ(Lines(list), (std::vector<String>{L"one", L"two, three", L"four", L"five", L"say \"hi\"", L"",
                                              L"last", L""}));
  EXPECT_EQ(list.CommaText(), L"one,\"two, three\",four,five,\"say \"\"hi\"\"\",,last,");
  list.Clear();
  list.Add(L"");
  EXPECT_EQ(list.CommaText(), L"\"\"");
  list.SetCommaText(L"\"\"");
  EXPECT_EQ(list.Count(), 1);
}

TEST(StringListTest, ChangeEventsAndBatchedUpdates) {
  TStringList list;
  std::vector<std::string> log;
  list.OnChanging = [&](TObject*) { log.push_back("changing " + std::to_string(list.Count())); };
  list.OnChange = [&](TObject*) { log.push_back("change " + std::to_string(list.Count())); };
  list.Add(L"x");
  EXPECT_EQ(log, (std::vector<std::string>{"changing 0", "change 1"}));
  log.clear();
  list.BeginUpdate();
  list.Add(L"y");
  list.BeginUpdate();
  list.Delete(0);
  list.EndUpdate();
  EXPECT_EQ(log, (std::vector<std::string>{"changing 1"}));
  list.EndUpdate();
  EXPECT_EQ(log, (std::vector<std::string>{"changing 1", "change 1"}));
  log.clear();
  list.SetText(L"p\r\nq\r\nr");  // one batch however many lines
  EXPECT_EQ(log, (std::vector<std::string>{"changing 1", "change 3"}));
}

TEST(StringListTest, AssignCopiesStringsAndObjects) {
  TStringList a, b;
  TObject marker;
  a.AddObject(L"first", &marker);
  a.Add(L"second");
  b.Add(L"old");
  b.Assign(&a);
  EXPECT_EQ(Lines(b), Lines(a));
  EXPECT_EQ(b.Objects(0), &marker);
  EXPECT_EQ(b.Objects(1), nullptr);
  TPersistent other;
  EXPECT_THROW(b.Assign(&other), EConvertError);
  EXPECT_THROW(b.Strings(2), EStringListError);
  EXPECT_THROW(b.Delete(-1), EStringListError);
}

TEST(StringListTest, StreamsAndFilesAreCodePage936) {
  const String chinese = L"\x4E2D\x6587";
  TStringList list;
  list.Add(L"[" + chinese + L"]");
  list.Add(L"Name=" + chinese + L"x");
  TMemoryStream stream;
  list.SaveToStream(&stream);
  const std::string expected = "[\xD6\xD0\xCE\xC4]\r\nName=\xD6\xD0\xCE\xC4x\r\n";
  EXPECT_EQ(std::string(stream.Bytes().begin(), stream.Bytes().end()), expected);

  // Loading starts at the stream position.
  TMemoryStream input;
  input.WriteBuffer("skip\xD6\xD0=\xCE\xC4\n", 10);
  input.SetPosition(4);
  TStringList loaded;
  loaded.LoadFromStream(&input);
  EXPECT_EQ(loaded.Values(L"\x4E2D"), L"\x6587");

  const String file = L"strings_\x4E2D.txt";
  list.SaveToFile(file);
  TStringList fromFile;
  fromFile.LoadFromFile(file);
  EXPECT_EQ(Lines(fromFile), Lines(list));
  EXPECT_TRUE(DeleteFile(file));
  EXPECT_THROW(fromFile.LoadFromFile(file), EFOpenError);
}

TEST(ListTest, PointersInOrderWithIndexChecks) {
  int a = 1, b = 2, c = 3;
  TList list;
  list.Add(&a);
  list.Add(&c);
  list.Insert(1, &b);
  EXPECT_EQ(list.Count(), 3);
  EXPECT_EQ(list.Items(1), &b);
  EXPECT_EQ(list.Last(), &c);
  EXPECT_EQ(list.Remove(&a), 0);
  EXPECT_EQ(list.Remove(&a), -1);
  EXPECT_EQ(list.IndexOf(&c), 1);
  try {
    list.Items(2);
    FAIL() << "no exception";
  } catch (const EListError& e) {
    EXPECT_EQ(e.Message(), L"List index out of bounds (2)");
  }
  EXPECT_THROW(list.Insert(3, &a), EListError);
  list.Clear();
  EXPECT_THROW(list.First(), EListError);
}

}  // namespace

// A zero character is an ordinary character of comma text: reading it once
// used to add empty items without end.
TEST(StringListCommaText, ZeroCharacterIsPartOfAnItem) {
  TStringList list;
  list.SetCommaText(String(L"a\0b,c", 5));
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(list.Strings(0), String(L"a\0b", 3));
  EXPECT_EQ(list.Strings(1), L"c");
  TStringList again;
  again.SetCommaText(list.CommaText());
  ASSERT_EQ(again.Count(), 2);
  EXPECT_EQ(again.Strings(0), String(L"a\0b", 3));
}

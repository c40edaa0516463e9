// windows.h first: its DeleteFile and GetObject macros are already defined when
// the class library's headers are read.
#include <windows.h>

#include <gtest/gtest.h>

#include "classlib/Classes.h"

namespace {

// A string list that reports objects of its own, as a list control's items do.
class TaggedStrings : public TStringList {
 protected:
  TObject* GetObjectAt(int Index) const override { return Index == 0 ? &Tag : TStringList::GetObjectAt(Index); }
  mutable TObject Tag;
};

TEST(WindowsNamesTest, WindowsHeaderFirst) {
  const String name = L"winnames_first.tmp";
  TStringList().SaveToFile(name);
  EXPECT_TRUE(FileExists(name));
  EXPECT_TRUE(DeleteFile(name));  // the String form, through the macro
  EXPECT_FALSE(FileExists(name));
  EXPECT_FALSE(DeleteFile(name.c_str()));  // the system's own function

  TaggedStrings list;
  list.Add(L"a");
  list.Add(L"b");
  EXPECT_NE(list.Objects(0), nullptr);
  EXPECT_EQ(list.Objects(1), nullptr);
}

}  // namespace

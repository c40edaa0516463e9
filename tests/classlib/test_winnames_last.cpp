// windows.h after the class library's headers.
#include <gtest/gtest.h>

#include "classlib/Classes.h"

#include <windows.h>

namespace {

TEST(WindowsNamesTest, WindowsHeaderLast) {
  const String name = L"winnames_last.tmp";
  TStringList().SaveToFile(name);
  EXPECT_TRUE(DeleteFile(name));
  EXPECT_FALSE(FileExists(name));
  EXPECT_FALSE(DeleteFile(name.c_str()));
}

}  // namespace

// The shell start-up and folder objects: OLE on the calling thread, the
// desktop object and identifier lists joined along a folder chain.
#include <gtest/gtest.h>

#include <ole2.h>

#include "skininputs/ShellFolder.h"
#include "skininputs/ShellFolderPidl.h"

TEST(ShellFolder, StartUpInitialisesOleAndMakesTheDesktopObject) {
  ASSERT_EQ(DesktopFolder(), nullptr);
  StartShellFolders();
  StartShellFolders();  // nested: one start-up
  TspShellFolder* desktop = DesktopFolder();
  ASSERT_NE(desktop, nullptr);
  EXPECT_EQ(desktop->Parent, nullptr);
  EXPECT_EQ(desktop->Level, 0);
  EXPECT_NE(desktop->ShellFolder, nullptr);
  EXPECT_EQ(GetPIDLSize(desktop->FullPIDL), 2u);  // the desktop's list is empty
  // OLE is already up on this thread.
  EXPECT_EQ(OleInitialize(nullptr), S_FALSE);
  OleUninitialize();
  EndShellFolders();
  EXPECT_EQ(DesktopFolder(), desktop);
  EndShellFolders();
  EXPECT_EQ(DesktopFolder(), nullptr);
  EndShellFolders();  // one too many does nothing
}

TEST(ShellFolder, ChildrenJoinTheirListsAndCountTheirLevel) {
  StartShellFolders();
  // Two made-up items: 4 and 5 bytes with their size fields.
  const uint8_t first[] = {4, 0, 'a', 'b', 0, 0};
  const uint8_t second[] = {5, 0, 'c', 'd', 'e', 0, 0};
  IShellFolder* shell = GetDesktopShellFolder();
  {
    TspShellFolder child(nullptr, shell, reinterpret_cast<LPCITEMIDLIST>(first));
    EXPECT_EQ(child.Parent, DesktopFolder());
    EXPECT_EQ(child.Level, 0);
    EXPECT_EQ(GetPIDLSize(child.PIDL), sizeof first);
    EXPECT_EQ(GetPIDLSize(child.FullPIDL), sizeof first);
    TspShellFolder grandChild(&child, shell, reinterpret_cast<LPCITEMIDLIST>(second));
    TspShellFolder greatGrandChild(&grandChild, shell, reinterpret_cast<LPCITEMIDLIST>(first));
    EXPECT_EQ(grandChild.Level, 1);
    EXPECT_EQ(greatGrandChild.Level, 2);
    ASSERT_EQ(GetPIDLSize(grandChild.FullPIDL), 4u + 5u + 2u);
    const auto* bytes = reinterpret_cast<const uint8_t*>(grandChild.FullPIDL);
    EXPECT_EQ(bytes[2], 'a');
    EXPECT_EQ(bytes[6], 'c');
    EXPECT_EQ(GetPIDLSize(greatGrandChild.FullPIDL), 4u + 5u + 4u + 2u);
  }
  shell->Release();
  EndShellFolders();
}

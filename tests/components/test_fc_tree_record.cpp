// The tree node record: sizes and offsets, text encoding and its 255-byte cut,
// and how streams of either version with larger records are read.
#include <gtest/gtest.h>

#include "components/fcTreeRecord.h"

namespace {

TfcNodeRecord Sample() {
  TfcNodeRecord r;
  r.ImageIndex = -2;
  r.SelectedIndex = 3;
  r.StateIndex = 1;
  r.OverlayIndex = 0;
  r.CheckboxType = 2;
  r.Checked = true;
  r.Grayed = true;
  r.Expanded = true;
  r.Data = 0x12345678;
  r.Text = L"abc";
  r.ChildCount = 4;
  return r;
}

std::vector<uint8_t> Written(const TfcNodeRecord& R, bool WithExtra) {
  TMemoryStream s;
  fcWriteNodeRecord(&s, R, WithExtra);
  return s.Bytes();
}

int32_t Int(const std::vector<uint8_t>& B, size_t At) {
  return static_cast<int32_t>(B[At] | (B[At + 1] << 8) | (B[At + 2] << 16) | (uint32_t(B[At + 3]) << 24));
}

TfcNodeRecord ReadBack(TMemoryStream& S, int Version, int ExtraCount) {
  S.SetPosition(0);
  TfcNodeRecord r;
  fcReadNodeRecord(&S, r, Version, ExtraCount);
  return r;
}

}  // namespace

TEST(fcTreeRecord, ThreeCharacterNodeOccupiesFourPlusFortyTwoBytesAtTheFixedOffsets) {
  const std::vector<uint8_t> b = Written(Sample(), false);
  ASSERT_EQ(b.size(), 4u + 42u);
  EXPECT_EQ(Int(b, 0), 42);  // the size field: 294 - 255 + 3
  EXPECT_EQ(Int(b, 4 + 0), -2);
  EXPECT_EQ(Int(b, 4 + 4), 3);
  EXPECT_EQ(Int(b, 4 + 8), 1);
  EXPECT_EQ(Int(b, 4 + 12), 0);
  EXPECT_EQ(b[4 + 16], 2);
  EXPECT_EQ(b[4 + 17], 3);  // checked and grayed
  EXPECT_EQ(b[4 + 18], 1);
  EXPECT_EQ(b[4 + 19] | b[4 + 20] | b[4 + 21], 0);
  EXPECT_EQ(static_cast<uint32_t>(Int(b, 4 + 22)), 0x12345678u);
  EXPECT_EQ(Int(b, 4 + 26), 0);
  EXPECT_EQ(Int(b, 4 + 34), 4);
  EXPECT_EQ(b[4 + 38], 3);
  EXPECT_EQ(std::string(b.begin() + 4 + 39, b.end()), "abc");
}

TEST(fcTreeRecord, StringDataFollowsTheRecordAndRoundTripsWithChineseText) {
  TfcNodeRecord r = Sample();
  r.Text = L"\x4E2D\x6587 name";  // two double-byte characters and five single ones
  r.StringData = L"http://example.invalid/\x7F51";
  r.StringData2 = L"";
  const std::vector<uint8_t> b = Written(r, false);
  EXPECT_EQ(Int(b, 0), 39 + 9);
  EXPECT_EQ(Int(b, 4 + 26), 25);
  EXPECT_EQ(b.size(), 4u + 48u + 25u);
  TMemoryStream s;
  fcWriteNodeRecord(&s, r, false);
  const TfcNodeRecord back = ReadBack(s, 1, 0);
  EXPECT_EQ(s.Position(), s.Size());
  EXPECT_EQ(back.Text, r.Text);
  EXPECT_EQ(back.StringData, r.StringData);
  EXPECT_EQ(back.StringData2, L"");
  EXPECT_EQ(back.ImageIndex, -2);
  EXPECT_EQ(back.SelectedIndex, 3);
  EXPECT_EQ(back.StateIndex, 1);
  EXPECT_EQ(back.OverlayIndex, 0);
  EXPECT_EQ(back.CheckboxType, 2);
  EXPECT_TRUE(back.Checked && back.Grayed && back.Expanded);
  EXPECT_EQ(back.Data, 0x12345678u);
  EXPECT_EQ(back.ChildCount, 4);
}

TEST(fcTreeRecord, TextIsCutAt255BytesBetweenCharacters) {
  TfcNodeRecord r;
  r.Text = String(300, L'x');
  EXPECT_EQ(fcNodeRecordSize(r, false), 294);
  r.Text = String(200, L'\x4E2D');  // 400 bytes: 127 whole characters fit
  EXPECT_EQ(fcNodeTextBytes(r.Text).size(), 254u);
  TMemoryStream s;
  fcWriteNodeRecord(&s, r, false);
  EXPECT_EQ(ReadBack(s, 1, 0).Text, String(127, L'\x4E2D'));
}

TEST(fcTreeRecord, LargerRecordsAreSkippedOnlyInVersionOneStreams) {
  TfcNodeRecord r = Sample();
  r.StringData = L"after";
  r.Extra = {1, 0, 7};
  TMemoryStream s;
  fcWriteNodeRecord(&s, r, true);
  EXPECT_EQ(Int(s.Bytes(), 0), 42 + 4 + 3);
  // A reader without values of its own steps over them to the string data.
  TfcNodeRecord base = ReadBack(s, 1, 0);
  EXPECT_EQ(base.StringData, L"after");
  EXPECT_TRUE(base.Extra.empty());
  EXPECT_EQ(s.Position(), s.Size());
  // A reader that takes one value keeps it and skips the others.
  TfcNodeRecord one = ReadBack(s, 1, 1);
  EXPECT_EQ(one.Extra, std::vector<uint8_t>{1});
  EXPECT_EQ(one.StringData, L"after");
  // A version-0 stream is read as the base size: the string data is read from the extra bytes.
  TfcNodeRecord old = ReadBack(s, 0, 0);
  EXPECT_NE(old.StringData, L"after");
  EXPECT_EQ(s.Position(), 4 + 42 + 5);
}

TEST(fcTreeRecord, VersionZeroCarriesTheClassValuesFirst) {
  TMemoryStream s;
  const uint8_t values[] = {2, 0, 0, 0, 1, 0};
  s.WriteBuffer(values, sizeof values);
  TfcNodeRecord r = Sample();
  r.StringData2 = L"tail";
  fcWriteNodeRecord(&s, r, false);
  TfcNodeRecord back = ReadBack(s, 0, 2);
  EXPECT_EQ(back.Extra, (std::vector<uint8_t>{1, 0}));
  EXPECT_EQ(back.Text, L"abc");
  EXPECT_EQ(back.StringData2, L"tail");
}

TEST(fcTreeRecord, BrokenRecordsRaise) {
  TMemoryStream s;
  const uint8_t tiny[] = {10, 0, 0, 0};
  s.WriteBuffer(tiny, sizeof tiny);
  TfcNodeRecord r;
  s.SetPosition(0);
  EXPECT_THROW(fcReadNodeRecord(&s, r, 1, 0), EReadError);
  TMemoryStream cut;
  fcWriteNodeRecord(&cut, Sample(), false);
  cut.SetSize(20);
  cut.SetPosition(0);
  EXPECT_THROW(fcReadNodeRecord(&cut, r, 1, 0), EReadError);
}

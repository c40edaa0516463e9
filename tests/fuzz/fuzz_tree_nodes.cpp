// Fuzz target of the tree's node records, as a node stream holds them one
// after another. The first byte gives the stream version (0 or 1), the
// second how many values of its own the reading node class takes. Each
// record read is written and read again: once its text has been through the
// code page, it comes back the same.
#include "components/fcTreeRecord.h"
#include "tests/fuzz/FuzzCheck.h"

namespace {

bool SameRecord(const TfcNodeRecord& A, const TfcNodeRecord& B) {
  return A.ImageIndex == B.ImageIndex && A.SelectedIndex == B.SelectedIndex && A.StateIndex == B.StateIndex &&
         A.OverlayIndex == B.OverlayIndex && A.CheckboxType == B.CheckboxType && A.Checked == B.Checked &&
         A.Grayed == B.Grayed && A.Expanded == B.Expanded && A.Data == B.Data && A.Text == B.Text &&
         A.StringData == B.StringData && A.StringData2 == B.StringData2 && A.ChildCount == B.ChildCount &&
         A.Extra == B.Extra;
}

TfcNodeRecord Rewritten(const TfcNodeRecord& R, int ExtraCount) {
  TMemoryStream stream;
  fcWriteNodeRecord(&stream, R, ExtraCount > 0);
  FUZZ_CHECK(stream.Size() >= fcNodeRecordSize(R, ExtraCount > 0) + 4);
  stream.SetPosition(0);
  TfcNodeRecord again;
  fcReadNodeRecord(&stream, again, 1, ExtraCount);
  FUZZ_CHECK(stream.Position() == stream.Size());
  return again;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  if (Size < 2) return 0;
  const int version = Data[0] & 1;
  const int extraCount = Data[1] & 3;
  TMemoryStream stream;
  stream.WriteBuffer(Data + 2, static_cast<int64_t>(Size - 2));
  stream.SetPosition(0);
  // A node stream of a few records; its end or bad data stops the reading.
  for (int i = 0; i < 16 && stream.Position() < stream.Size(); ++i) {
    TfcNodeRecord r;
    try {
      fcReadNodeRecord(&stream, r, version, extraCount);
    } catch (const EReadError&) {
      break;
    }
    FUZZ_CHECK(r.ChildCount >= 0);
    FUZZ_CHECK(r.Extra.size() <= static_cast<size_t>(extraCount));
    FUZZ_CHECK(fcNodeTextBytes(r.Text).size() <= static_cast<size_t>(fcNodeTextMax));
    const TfcNodeRecord once = Rewritten(r, extraCount);
    FUZZ_CHECK(once.ImageIndex == r.ImageIndex && once.ChildCount == r.ChildCount && once.Data == (r.Data & 0xFFFFFFFFu));
    FUZZ_CHECK(SameRecord(Rewritten(once, extraCount), once));
  }
  return 0;
}

// The tree node record's byte format.
#include "components/fcTreeRecord.h"

#include <algorithm>
#include <cstring>

#include "classlib/ByteOrder.h"
#include "classlib/TextCodec.h"

namespace {

void WriteInt(TStream* S, int32_t V) {
  uint8_t b[4];
  StoreLE32(b, static_cast<uint32_t>(V));
  S->WriteBuffer(b, 4);
}

int32_t ReadInt(TStream* S) {
  uint8_t b[4];
  S->ReadBuffer(b, 4);
  return LoadLE32Signed(b);
}

String ReadText(TStream* S, int32_t Length) {
  if (Length < 1) return String();
  // A length past the end of the stream is a damaged record: refuse it before
  // allocating what it claims.
  if (Length > S->Size() - S->Position()) throw EReadError(L"Tree node text runs past the end of the stream");
  std::string bytes(static_cast<size_t>(Length), '\0');
  S->ReadBuffer(&bytes[0], Length);
  return GbkToWide(bytes);
}

void Skip(TStream* S, int64_t Count) {
  if (Count > 0) S->Seek(Count, soCurrent);
}

}  // namespace

std::string fcNodeTextBytes(const String& Text) {
  std::string bytes = WideToGbk(Text);
  if (bytes.size() <= static_cast<size_t>(fcNodeTextMax)) return bytes;
  // Lead bytes of GBK are 0x81..0xFE; walk pairs so the cut falls between characters.
  size_t i = 0;
  while (i < bytes.size()) {
    const size_t step = static_cast<uint8_t>(bytes[i]) >= 0x81 ? 2 : 1;
    if (i + step > static_cast<size_t>(fcNodeTextMax)) break;
    i += step;
  }
  bytes.resize(i);
  return bytes;
}

int fcNodeRecordSize(const TfcNodeRecord& R, bool WithExtra) {
  const int extra = WithExtra ? 4 + static_cast<int>(R.Extra.size()) : 0;
  return fcNodeInfoFixed + static_cast<int>(fcNodeTextBytes(R.Text).size()) + extra;
}

void fcWriteNodeRecord(TStream* Stream, const TfcNodeRecord& R, bool WithExtra) {
  const std::string text = fcNodeTextBytes(R.Text);
  const std::string data1 = WideToGbk(R.StringData), data2 = WideToGbk(R.StringData2);
  uint8_t info[fcNodeInfoSize] = {};
  StoreLE32(info + 0, static_cast<uint32_t>(R.ImageIndex));
  StoreLE32(info + 4, static_cast<uint32_t>(R.SelectedIndex));
  StoreLE32(info + 8, static_cast<uint32_t>(R.StateIndex));
  StoreLE32(info + 12, static_cast<uint32_t>(R.OverlayIndex));
  info[16] = R.CheckboxType;
  info[17] = static_cast<uint8_t>((R.Checked ? 1 : 0) | (R.Grayed ? 2 : 0));
  info[18] = R.Expanded ? 1 : 0;
  StoreLE32(info + 22, static_cast<uint32_t>(R.Data));
  StoreLE32(info + 26, static_cast<uint32_t>(static_cast<int32_t>(data1.size())));
  StoreLE32(info + 30, static_cast<uint32_t>(static_cast<int32_t>(data2.size())));
  StoreLE32(info + 34, static_cast<uint32_t>(R.ChildCount));
  info[38] = static_cast<uint8_t>(text.size());
  if (!text.empty()) std::memcpy(info + 39, text.data(), text.size());
  WriteInt(Stream, fcNodeRecordSize(R, WithExtra));
  Stream->WriteBuffer(info, fcNodeInfoFixed + static_cast<int64_t>(text.size()));
  if (WithExtra) {
    WriteInt(Stream, static_cast<int32_t>(R.Extra.size()));
    if (!R.Extra.empty()) Stream->WriteBuffer(R.Extra.data(), static_cast<int64_t>(R.Extra.size()));
  }
  if (!data1.empty()) Stream->WriteBuffer(data1.data(), static_cast<int64_t>(data1.size()));
  if (!data2.empty()) Stream->WriteBuffer(data2.data(), static_cast<int64_t>(data2.size()));
}

namespace {

// A count-prefixed run of values; those past what the class takes are skipped.
void ReadExtra(TStream* Stream, TfcNodeRecord& R, int ExtraCount, int64_t Available) {
  if (Available < 4) {
    Skip(Stream, Available);
    return;
  }
  const int32_t count = ReadInt(Stream);
  const int64_t present = std::min<int64_t>(std::max(count, 0), Available - 4);
  const int64_t take = std::min<int64_t>(present, ExtraCount);
  R.Extra.assign(static_cast<size_t>(take), 0);
  if (take > 0) Stream->ReadBuffer(R.Extra.data(), take);
  Skip(Stream, Available - 4 - take);
}

}  // namespace

void fcReadNodeRecord(TStream* Stream, TfcNodeRecord& R, int StreamVersion, int ExtraCount) {
  R.Extra.clear();
  if (StreamVersion == 0 && ExtraCount > 0) ReadExtra(Stream, R, ExtraCount, 4 + ExtraCount);
  const int32_t size = ReadInt(Stream);
  if (size < fcNodeInfoFixed) throw EReadError(L"Invalid tree node record size");
  uint8_t info[fcNodeInfoSize] = {};
  Stream->ReadBuffer(info, fcNodeInfoFixed);
  const int textLength = info[38];
  const int32_t inRecord = std::min<int32_t>(size, fcNodeInfoSize) - fcNodeInfoFixed;
  Stream->ReadBuffer(info + fcNodeInfoFixed, std::min(textLength, inRecord));
  const int64_t rest = static_cast<int64_t>(size) - fcNodeInfoFixed - std::min(textLength, inRecord);
  // Version-0 streams carry records of exactly the base size; later ones may be longer.
  if (StreamVersion >= 1 && rest > 0) {
    if (ExtraCount > 0) ReadExtra(Stream, R, ExtraCount, rest);
    else Skip(Stream, rest);
  }
  R.ImageIndex = LoadLE32Signed(info + 0);
  R.SelectedIndex = LoadLE32Signed(info + 4);
  R.StateIndex = LoadLE32Signed(info + 8);
  R.OverlayIndex = LoadLE32Signed(info + 12);
  R.CheckboxType = info[16];
  R.Checked = (info[17] & 1) != 0;
  R.Grayed = (info[17] & 2) != 0;
  R.Expanded = info[18] != 0;
  R.Data = LoadLE32(info + 22);
  R.ChildCount = std::max(LoadLE32Signed(info + 34), 0);
  R.Text = GbkToWide(std::string(reinterpret_cast<const char*>(info + 39), static_cast<size_t>(std::min(textLength, inRecord))));
  R.StringData = ReadText(Stream, LoadLE32Signed(info + 26));
  R.StringData2 = ReadText(Stream, LoadLE32Signed(info + 30));
}

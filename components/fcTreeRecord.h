// The tree node record and its byte format: what one node writes to a node
// stream, and the record the tree keeps of a node while its window is
// re-created.
#pragma once

#include <cstdint>
#include <vector>

#include "classlib/Classes.h"
#include "classlib/SysUtils.h"
#include "classlib/Types.h"

// The fixed record: 38 bytes of fields, a length byte and at most 255 text bytes.
constexpr int fcNodeInfoSize = 294;
constexpr int fcNodeInfoFixed = 39;
constexpr int fcNodeTextMax = 255;

// Everything a node holds apart from its place in the tree.
struct TfcNodeRecord {
  int ImageIndex = 0, SelectedIndex = 0, StateIndex = -1, OverlayIndex = -1;
  uint8_t CheckboxType = 0;
  bool Checked = false, Grayed = false, Expanded = false;
  uintptr_t Data = 0;  // only its low 32 bits reach a stream
  String Text, StringData, StringData2;
  int ChildCount = 0;
  // The node class's own values, one byte each (the tree combo's nodes).
  std::vector<uint8_t> Extra;
};

// The text as the stream stores it: code page 936, cut to 255 bytes without
// splitting a double-byte character.
std::string fcNodeTextBytes(const String& Text);
// The record size a node writes: 39 + text bytes, plus 4 + the extra count
// when the node class has values of its own.
int fcNodeRecordSize(const TfcNodeRecord& R, bool WithExtra);

// One node without its children: size, record (extra values after the text),
// then the bytes of StringData and StringData2.
void fcWriteNodeRecord(TStream* Stream, const TfcNodeRecord& R, bool WithExtra);
// Reads what fcWriteNodeRecord wrote. In version-1 streams a record longer
// than this class expects is skipped over to its end (a larger node class
// wrote it); ExtraCount is how many values the reading class takes. In
// version-0 streams the extra values, when the class has some, come first.
void fcReadNodeRecord(TStream* Stream, TfcNodeRecord& R, int StreamVersion, int ExtraCount);

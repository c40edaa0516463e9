// zlib (RFC 1950) compression and decompression as streams, and for whole
// buffers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "classlib/Classes.h"

struct z_stream_s;

enum TCompressionLevel { zcNone, zcFastest, zcDefault, zcMax };

// Compresses what is written to it into Dest, from Dest's position. The zlib
// stream is complete once Finish has run; the destructor finishes it too but
// can only swallow a failure, so call Finish when a write error must surface.
class TCompressionStream : public TStream {
 public:
  TCompressionStream(TCompressionLevel CompressionLevel, TStream* Dest);
  ~TCompressionStream() override;
  String ClassName() const override { return L"TCompressionStream"; }

  int64_t Read(void* Buffer, int64_t Count) override;  // raises: write only
  int64_t Write(const void* Buffer, int64_t Count) override;
  // Only asking for the position (bytes taken in so far) is allowed.
  int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;
  void Finish();

 private:
  void WriteOut();
  std::unique_ptr<z_stream_s> FZStream;
  TStream* FDest;
  std::vector<uint8_t> FBuffer;
  bool FFinished = false;
};

// Inflates one zlib stream read from Source, from Source's position, in
// pieces as the reader asks. Reads return fewer bytes than asked only at the
// end of the data; afterwards Source stands just past the zlib stream. Corrupt
// or cut-off data raises EZDecompressionError.
class TDecompressionStream : public TStream {
 public:
  explicit TDecompressionStream(TStream* Source);
  ~TDecompressionStream() override;
  String ClassName() const override { return L"TDecompressionStream"; }

  int64_t Read(void* Buffer, int64_t Count) override;
  int64_t Write(const void* Buffer, int64_t Count) override;  // raises: read only
  // Forward seeks read and drop data; Seek(0, soBeginning) starts over from
  // where Source stood at construction. Nothing else is allowed.
  int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;

 private:
  void Restart();
  std::unique_ptr<z_stream_s> FZStream;
  TStream* FSource;
  int64_t FSourceStart;
  std::vector<uint8_t> FBuffer;
  bool FEnded = false;
};

// Bytes in one block that is not zeroed when allocated.
struct TByteBlock {
  std::unique_ptr<uint8_t[]> Data;
  size_t Size = 0;
};

// Whole-buffer forms of the two streams.
std::vector<uint8_t> ZCompressBuffer(const void* Data, size_t Size, TCompressionLevel Level);
std::vector<uint8_t> ZDecompressBuffer(const void* Data, size_t Size);
// Inflates one whole zlib stream held in memory, reading it in place. Data
// that inflates to more than MaxSize bytes raises EZDecompressionError once
// the limit is passed, so a hostile stream cannot make it allocate more.
void ZDecompressBuffer(const void* Data, size_t Size, size_t MaxSize, TByteBlock& Out);

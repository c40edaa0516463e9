#include "classlib/ZLib.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>

#include "classlib/TextCodec.h"

namespace {

constexpr size_t kBufferSize = 16 * 1024;
// zlib counts in unsigned int; larger requests are handed over in slices.
constexpr int64_t kMaxSlice = 1 << 30;

int ZLevel(TCompressionLevel Level) {
  switch (Level) {
    case clNone: return Z_NO_COMPRESSION;
    case clFastest: return Z_BEST_SPEED;
    case clMax: return Z_BEST_COMPRESSION;
    default: return Z_DEFAULT_COMPRESSION;
  }
}

String ZMessage(const z_stream& z, int code) {
  if (z.msg) return Utf8ToWide(z.msg);
  return L"zlib error " + std::to_wstring(code);
}

}  // namespace

// ---------------------------------------------------------------------------
// TCompressionStream

TCompressionStream::TCompressionStream(TCompressionLevel CompressionLevel, TStream* Dest)
    : FZStream(std::make_unique<z_stream_s>()), FDest(Dest), FBuffer(kBufferSize) {
  std::memset(FZStream.get(), 0, sizeof(z_stream_s));
  int code = deflateInit(FZStream.get(), ZLevel(CompressionLevel));
  if (code != Z_OK) throw EZCompressionError(L"Cannot start compression: " + ZMessage(*FZStream, code));
  FZStream->next_out = FBuffer.data();
  FZStream->avail_out = static_cast<uInt>(FBuffer.size());
}

TCompressionStream::~TCompressionStream() {
  if (!FFinished) {
    try {
      Finish();
    } catch (...) {
      // A destructor cannot report; Finish is there for callers who must know.
    }
  }
  deflateEnd(FZStream.get());
}

void TCompressionStream::WriteOut() {
  int64_t n = static_cast<int64_t>(FBuffer.size() - FZStream->avail_out);
  FZStream->next_out = FBuffer.data();
  FZStream->avail_out = static_cast<uInt>(FBuffer.size());
  FDest->WriteBuffer(FBuffer.data(), n);
}

int64_t TCompressionStream::Read(void*, int64_t) {
  throw EZCompressionError(L"A compression stream cannot be read");
}

int64_t TCompressionStream::Write(const void* Buffer, int64_t Count) {
  if (FFinished) throw EZCompressionError(L"The compression stream is already finished");
  const auto* in = static_cast<const uint8_t*>(Buffer);
  for (int64_t done = 0; done < Count;) {
    int64_t slice = std::min(Count - done, kMaxSlice);
    FZStream->next_in = const_cast<Bytef*>(in + done);
    FZStream->avail_in = static_cast<uInt>(slice);
    while (FZStream->avail_in > 0) {
      int code = deflate(FZStream.get(), Z_NO_FLUSH);
      if (code != Z_OK && code != Z_BUF_ERROR) throw EZCompressionError(L"Compression failed: " + ZMessage(*FZStream, code));
      if (FZStream->avail_out == 0) WriteOut();
    }
    done += slice;
  }
  return std::max<int64_t>(Count, 0);
}

void TCompressionStream::Finish() {
  if (FFinished) return;
  FFinished = true;
  FZStream->next_in = nullptr;
  FZStream->avail_in = 0;
  int code;
  do {
    code = deflate(FZStream.get(), Z_FINISH);
    if (code != Z_OK && code != Z_STREAM_END && code != Z_BUF_ERROR)
      throw EZCompressionError(L"Compression failed: " + ZMessage(*FZStream, code));
    WriteOut();
  } while (code != Z_STREAM_END);
}

int64_t TCompressionStream::Seek(int64_t Offset, TSeekOrigin Origin) {
  if (Offset == 0 && Origin == soCurrent) return static_cast<int64_t>(FZStream->total_in);
  throw EZCompressionError(L"A compression stream cannot seek");
}

// ---------------------------------------------------------------------------
// TDecompressionStream

TDecompressionStream::TDecompressionStream(TStream* Source)
    : FZStream(std::make_unique<z_stream_s>()), FSource(Source), FSourceStart(Source->Position()),
      FBuffer(kBufferSize) {
  std::memset(FZStream.get(), 0, sizeof(z_stream_s));
  int code = inflateInit(FZStream.get());
  if (code != Z_OK) throw EZDecompressionError(L"Cannot start decompression: " + ZMessage(*FZStream, code));
}

TDecompressionStream::~TDecompressionStream() { inflateEnd(FZStream.get()); }

int64_t TDecompressionStream::Read(void* Buffer, int64_t Count) {
  auto* out = static_cast<uint8_t*>(Buffer);
  int64_t done = 0;
  while (done < Count && !FEnded) {
    int64_t slice = std::min(Count - done, kMaxSlice);
    FZStream->next_out = out + done;
    FZStream->avail_out = static_cast<uInt>(slice);
    while (FZStream->avail_out > 0) {
      if (FZStream->avail_in == 0) {
        int64_t n = FSource->Read(FBuffer.data(), static_cast<int64_t>(FBuffer.size()));
        if (n <= 0) throw EZDecompressionError(L"Compressed data ends before its end mark");
        FZStream->next_in = FBuffer.data();
        FZStream->avail_in = static_cast<uInt>(n);
      }
      int code = inflate(FZStream.get(), Z_NO_FLUSH);
      if (code == Z_STREAM_END) {
        FEnded = true;
        // Hand back what was read past the end, so the source stands right after it.
        if (FZStream->avail_in > 0) FSource->Seek(-static_cast<int64_t>(FZStream->avail_in), soCurrent);
        FZStream->avail_in = 0;
        break;
      }
      if (code != Z_OK) throw EZDecompressionError(L"Corrupt compressed data: " + ZMessage(*FZStream, code));
    }
    done += slice - FZStream->avail_out;
  }
  return done;
}

int64_t TDecompressionStream::Write(const void*, int64_t) {
  throw EZDecompressionError(L"A decompression stream cannot be written");
}

void TDecompressionStream::Restart() {
  inflateReset(FZStream.get());
  FZStream->avail_in = 0;
  FEnded = false;
  FSource->SetPosition(FSourceStart);
}

int64_t TDecompressionStream::Seek(int64_t Offset, TSeekOrigin Origin) {
  int64_t position = static_cast<int64_t>(FZStream->total_out);
  if (Origin == soEnd) throw EZDecompressionError(L"A decompression stream cannot seek from its end");
  int64_t target = Origin == soBeginning ? Offset : position + Offset;
  if (target < 0) throw EZDecompressionError(L"Seek before the start of a decompression stream");
  if (target < position) {
    Restart();
    position = 0;
  }
  uint8_t skip[4096];
  while (position < target) {
    int64_t n = Read(skip, std::min<int64_t>(target - position, sizeof skip));
    if (n == 0) throw EZDecompressionError(L"Seek beyond the end of a decompression stream");
    position += n;
  }
  return position;
}

// ---------------------------------------------------------------------------
// Whole buffers

std::vector<uint8_t> ZCompressBuffer(const void* Data, size_t Size, TCompressionLevel Level) {
  TMemoryStream packed;
  {
    TCompressionStream compressor(Level, &packed);
    compressor.WriteBuffer(Data, static_cast<int64_t>(Size));
    compressor.Finish();
  }
  return packed.Bytes();
}

std::vector<uint8_t> ZDecompressBuffer(const void* Data, size_t Size) {
  TMemoryStream packed;
  packed.WriteBuffer(Data, static_cast<int64_t>(Size));
  packed.SetPosition(0);
  TDecompressionStream inflater(&packed);
  std::vector<uint8_t> out;
  uint8_t piece[16 * 1024];
  for (;;) {
    int64_t n = inflater.Read(piece, sizeof piece);
    out.insert(out.end(), piece, piece + n);
    if (n < static_cast<int64_t>(sizeof piece)) return out;
  }
}

#include "classlib/ZLib.h"

#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "classlib/TextCodec.h"

namespace {

constexpr size_t kBufferSize = 16 * 1024;
// zlib counts in unsigned int; larger requests are handed over in slices.
constexpr int64_t kMaxSlice = 1 << 30;

int ZLevel(TCompressionLevel Level) {
  switch (Level) {
    case zcNone: return Z_NO_COMPRESSION;
    case zcFastest: return Z_BEST_SPEED;
    case zcMax: return Z_BEST_COMPRESSION;
    default: return Z_DEFAULT_COMPRESSION;
  }
}

String ZMessage(const z_stream& z, int code) {
  if (z.msg) return Utf8ToWide(z.msg);
  return L"zlib error " + std::to_wstring(code);
}

[[noreturn]] void RaiseCorrupt(const z_stream& z, int code) {
  throw EZDecompressionError(L"Corrupt compressed data: " + ZMessage(z, code));
}
[[noreturn]] void RaiseCutOff() { throw EZDecompressionError(L"Compressed data ends before its end mark"); }
[[noreturn]] void RaiseCannotStart(const z_stream& z, int code) {
  throw EZDecompressionError(L"Cannot start decompression: " + ZMessage(z, code));
}

// Ends an inflate however the function that began it is left.
struct TInflateEnd {
  z_stream& Z;
  ~TInflateEnd() { inflateEnd(&Z); }
};

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
  if (code != Z_OK) RaiseCannotStart(*FZStream, code);
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
        if (n <= 0) RaiseCutOff();
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
      if (code != Z_OK) RaiseCorrupt(*FZStream, code);
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
  TByteBlock block;
  ZDecompressBuffer(Data, Size, SIZE_MAX, block);
  return std::vector<uint8_t>(block.Data.get(), block.Data.get() + block.Size);
}

void ZDecompressBuffer(const void* Data, size_t Size, size_t MaxSize, TByteBlock& Out) {
  z_stream z{};
  int code = inflateInit(&z);
  if (code != Z_OK) RaiseCannotStart(z, code);
  TInflateEnd end{z};
  // Room for one byte beyond MaxSize shows whether the data is too large.
  const size_t limit = MaxSize == SIZE_MAX ? MaxSize : MaxSize + 1;
  // Pictures and text inflate to some twelve times their packed size; the
  // block doubles when that is not enough.
  size_t capacity = std::min(limit, Size < (SIZE_MAX - 65536) / 12 ? Size * 12 + 65536 : limit);
  std::unique_ptr<uint8_t[]> block(new uint8_t[capacity]);
  const auto* in = static_cast<const uint8_t*>(Data);
  size_t inLeft = Size, produced = 0;
  for (;;) {
    if (produced == capacity) {
      size_t grown = capacity > limit / 2 ? limit : capacity * 2;
      std::unique_ptr<uint8_t[]> bigger(new uint8_t[grown]);
      std::memcpy(bigger.get(), block.get(), produced);
      block = std::move(bigger);
      capacity = grown;
    }
    if (z.avail_in == 0 && inLeft > 0) {
      z.next_in = const_cast<Bytef*>(in);
      z.avail_in = static_cast<uInt>(std::min<size_t>(inLeft, kMaxSlice));
      in += z.avail_in;
      inLeft -= z.avail_in;
    }
    z.next_out = block.get() + produced;
    z.avail_out = static_cast<uInt>(std::min<size_t>(capacity - produced, kMaxSlice));
    const uInt room = z.avail_out;
    code = inflate(&z, Z_NO_FLUSH);
    produced += room - z.avail_out;
    if (produced > MaxSize)
      throw EZDecompressionError(L"Compressed data inflates to more than " + std::to_wstring(MaxSize) + L" bytes");
    if (code == Z_STREAM_END) break;
    if (code == Z_BUF_ERROR && z.avail_in == 0 && inLeft == 0) RaiseCutOff();
    if (code != Z_OK && code != Z_BUF_ERROR) RaiseCorrupt(z, code);
  }
  Out.Data = std::move(block);
  Out.Size = produced;
}

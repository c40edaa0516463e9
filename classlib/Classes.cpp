#include "classlib/Classes.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iterator>
#include <limits>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include "classlib/DeferredFree.h"
#include "classlib/FileWhole.h"
#include "classlib/TextCodec.h"

void Free(TObject* obj) {
  if (!obj || obj->FFreeState != TObject::TFreeState::Live) return;
  obj->CheckFreeThread();
  const TTeardown teardown;
  obj->FFreeState = TObject::TFreeState::TearingDown;
  obj->TeardownBegins();
  // A step a handler's exception stopped is behind the teardown's guards: the
  // teardown resumes with the steps after it. The bound ends a class whose
  // teardown would throw from the same place each time.
  constexpr int kResumes = 64;
  for (int attempt = 0; attempt < kResumes; ++attempt) {
    bool finished = false;
    TeardownCall([&] {
      obj->BeforeDestruction();
      finished = true;
    });
    if (finished) break;
  }
  obj->FFreeState = TObject::TFreeState::TornDown;
  DisposeTornDown(obj);
}

// ---------------------------------------------------------------------------
// TPersistent

void TPersistent::Assign(TPersistent* Source) {
  if (!Source) throw EConvertError(L"Cannot assign a nil to a " + ClassName());
  Source->AssignTo(this);
}

void TPersistent::AssignTo(TPersistent* Dest) {
  throw EConvertError(L"Cannot assign a " + ClassName() + L" to a " + (Dest ? Dest->ClassName() : String(L"nil")));
}

// ---------------------------------------------------------------------------
// TComponent

TComponent::TComponent(TComponent* AOwner) {
  if (AOwner) AOwner->InsertComponent(this);
}

TComponent::~TComponent() {
  // Objects freed with plain delete still let go of their links; only the
  // virtual calls then stop at the classes not yet destroyed.
  if (!FTornDown) {
    const TTeardown teardown;
    TComponent::BeforeDestruction();
  }
  // What was made with this component as owner after its teardown.
  DestroyComponents();
}

void TComponent::BeforeDestruction() {
  if (FTornDown) return;
  FTornDown = true;
  Destroying();
  // Each link goes before the other side hears of it, so that a handler's
  // exception there ends that notification only.
  while (!FFreeNotifies.empty()) {
    TComponent* other = FFreeNotifies.back();
    FFreeNotifies.pop_back();
    FFreeNotifyCounts.pop_back();
    other->DropNotification(this);
    TeardownCall([&] { other->Notification(this, opRemove); });
  }
  DestroyComponents();
  if (FOwner) {
    TComponent* owner = FOwner;
    // While the owner is freed, the others it owns, all going with it, hear
    // only of a component one of them watches (those of other owners hear
    // by their links); the owner itself still hears. Telling each of them of
    // every other would cost the square of their number.
    TComponent* const outer = owner->FQuietRemoval;
    if (owner->FComponentState.Contains(csDestroying) && !FWatchedInOwner) owner->FQuietRemoval = this;
    TeardownCall([&] { owner->Notification(this, opRemove); });
    owner->FQuietRemoval = outer;
    owner->Remove(this);
  }
}

TComponent* TComponent::Components(int Index) const {
  if (Index < 0 || Index >= ComponentCount())
    throw EListError(L"List index out of bounds (" + std::to_wstring(Index) + L")");
  return FComponents[Index];
}

int TComponent::ComponentIndex() const {
  if (!FOwner) return -1;
  auto& list = FOwner->FComponents;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

static bool SameTextAscii(const String& a, const String& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    wchar_t x = a[i], y = b[i];
    if (x >= L'a' && x <= L'z') x -= 32;
    if (y >= L'a' && y <= L'z') y -= 32;
    if (x != y) return false;
  }
  return true;
}

void TComponent::SetName(const String& Value) {
  if (Value == FName) return;
  if (!Value.empty() && FOwner) {
    TComponent* same = FOwner->FindComponent(Value);
    if (same && same != this)
      throw EComponentError(L"A component named " + Value + L" already exists");
  }
  FName = Value;
}

TComponent* TComponent::FindComponent(const String& AName) const {
  if (AName.empty()) return nullptr;
  for (TComponent* c : FComponents)
    if (SameTextAscii(c->FName, AName)) return c;
  return nullptr;
}

void TComponent::InsertComponent(TComponent* AComponent) {
  if (!AComponent || AComponent->FOwner == this) return;
  // Its teardown has let go of its owner for good: an entry now would dangle.
  if (AComponent->FTornDown)
    throw EComponentError(L"A component that is being freed cannot be given an owner");
  if (AComponent->FOwner) AComponent->FOwner->RemoveComponent(AComponent);
  Insert(AComponent);
  Notification(AComponent, opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent) {
  if (!AComponent || AComponent->FOwner != this) return;
  Notification(AComponent, opRemove);
  Remove(AComponent);
}

void TComponent::Insert(TComponent* AComponent) {
  FComponents.push_back(AComponent);
  AComponent->FOwner = this;
}

void TComponent::Remove(TComponent* AComponent) {
  // From the end: components mostly go in the reverse order of their making.
  auto it = std::find(FComponents.rbegin(), FComponents.rend(), AComponent);
  if (it != FComponents.rend()) FComponents.erase(std::next(it).base());
  AComponent->FOwner = nullptr;
}

void TComponent::DestroyComponents() {
  // Last created first, as the owner frees what it owns.
  while (!FComponents.empty()) {
    TComponent* instance = FComponents.back();
    if (instance->Watched())
      TeardownCall([&] { Notification(instance, opRemove); });
    Remove(instance);
    Free(instance);
  }
}

void TComponent::Destroying() { FComponentState.Include(csDestroying); }

void TComponent::FreeNotification(TComponent* AComponent) {
  // A component torn down is told of nothing and tells nothing any more: a
  // link made now would outlive it, since its destructor lets go of none.
  if (!AComponent || AComponent == this || FTornDown || AComponent->FTornDown) return;
  if (!FOwner || AComponent->FOwner != FOwner) {
    AddNotification(AComponent);
    AComponent->AddNotification(this);
  } else {
    FWatchedInOwner = true;
  }
  FComponentState.Include(csFreeNotification);
}

// A pair of components may be linked for several references (a bar that is
// a form's tabs bar and has that form as its own): each link is counted, and
// letting go of one reference keeps the others'.
// Links are looked for from the end: components mostly go in the reverse
// order of their making, so that a form of thousands of controls bound to one
// component (a skin) lets go of each link at once.
size_t TComponent::FindNotification(const TComponent* AComponent) const {
  for (size_t i = FFreeNotifies.size(); i > 0; --i)
    if (FFreeNotifies[i - 1] == AComponent) return i - 1;
  return FFreeNotifies.size();
}

void TComponent::AddNotification(TComponent* AComponent) {
  const size_t i = FindNotification(AComponent);
  if (i < FFreeNotifies.size()) {
    ++FFreeNotifyCounts[i];
  } else {
    FFreeNotifies.push_back(AComponent);
    FFreeNotifyCounts.push_back(1);
  }
  FComponentState.Include(csFreeNotification);
}

void TComponent::RemoveFreeNotification(TComponent* AComponent) {
  if (!AComponent) return;
  // Both sides list a link alike, so the shorter list tells whether there is
  // one: a component freed tells those it was linked to after each dropped
  // the link, and one linked to thousands (a skin) need not search them all.
  const bool ownShorter = FFreeNotifies.size() <= AComponent->FFreeNotifies.size();
  const TComponent* shorter = ownShorter ? this : AComponent;
  if (shorter->FindNotification(ownShorter ? AComponent : this) == shorter->FFreeNotifies.size()) return;
  RemoveNotification(AComponent);
  AComponent->RemoveNotification(this);
}

void TComponent::RemoveNotification(TComponent* AComponent) {
  const size_t i = FindNotification(AComponent);
  if (i == FFreeNotifies.size()) return;
  if (--FFreeNotifyCounts[i] > 0) return;
  DropNotification(AComponent);
}

void TComponent::DropNotification(TComponent* AComponent) {
  const size_t i = FindNotification(AComponent);
  if (i < FFreeNotifies.size()) {
    FFreeNotifyCounts.erase(FFreeNotifyCounts.begin() + static_cast<ptrdiff_t>(i));
    FFreeNotifies.erase(FFreeNotifies.begin() + static_cast<ptrdiff_t>(i));
  }
  if (FFreeNotifies.empty()) FComponentState.Exclude(csFreeNotification);
}

void TComponent::Notification(TComponent* AComponent, TOperation Operation) {
  if (Operation == opRemove && AComponent) RemoveFreeNotification(AComponent);
  if (AComponent && AComponent == FQuietRemoval) return;
  // Owned components hear of every insertion and removal in their owner, the
  // last first, each once; one freed or moved away meanwhile hears no more.
  // Every component of a form hears of each one added to it: the few that
  // most components own are copied on the stack, not the heap.
  const size_t count = FComponents.size();
  if (count == 0) return;
  TComponent* few[8];
  std::vector<TComponent*> many;
  TComponent* const* owned = few;
  if (count <= std::size(few)) std::copy(FComponents.begin(), FComponents.end(), few);
  else owned = (many = FComponents).data();
  for (size_t i = count; i > 0;) {
    TComponent* c = owned[--i];
    const bool still = (i < FComponents.size() && FComponents[i] == c) ||
                       std::find(FComponents.begin(), FComponents.end(), c) != FComponents.end();
    if (still) c->Notification(AComponent, Operation);
  }
}

void TComponent::Loaded() { FComponentState.Exclude(csLoading); }

void TComponent::SetDesigning(bool Value) {
  if (Value) FComponentState.Include(csDesigning);
  else FComponentState.Exclude(csDesigning);
  for (TComponent* c : FComponents) c->SetDesigning(Value);
}

void TComponent::BeginLoading() { FComponentState.Include(csLoading); }

void TComponent::EndLoading() { Loaded(); }

// ---------------------------------------------------------------------------
// TStream

int64_t TStream::Size() {
  int64_t pos = Seek(0, soCurrent);
  int64_t size = Seek(0, soEnd);
  Seek(pos, soBeginning);
  return size;
}

void TStream::SetSize(int64_t) { throw EStreamError(L"Stream size cannot be changed"); }

namespace {

// " in <source>" with the system's reason where there is one, or nothing.
String ErrorPlace(const TStream& Stream, int Cause) {
  const String source = Stream.Source();
  if (source.empty()) return String();
  return L" in " + source + (Cause ? L" (" + FileErrorText(Cause) + L")" : String());
}

}  // namespace

void TStream::ReadBuffer(void* Buffer, int64_t Count) {
  errno = 0;
  if (Count > 0 && Read(Buffer, Count) != Count) throw EReadError(L"Stream read error" + ErrorPlace(*this, errno));
}

void TStream::WriteBuffer(const void* Buffer, int64_t Count) {
  errno = 0;
  if (Count > 0 && Write(Buffer, Count) != Count)
    throw EWriteError(L"Stream write error" + ErrorPlace(*this, errno));
}

int64_t TStream::CopyFrom(TStream* Source, int64_t Count) {
  if (Count == 0) {
    Source->SetPosition(0);
    Count = Source->Size();
  }
  const int64_t total = Count;
  std::vector<uint8_t> buffer(static_cast<size_t>(std::min<int64_t>(Count, 64 * 1024)) + 1);
  while (Count > 0) {
    int64_t n = std::min<int64_t>(Count, static_cast<int64_t>(buffer.size()));
    Source->ReadBuffer(buffer.data(), n);
    WriteBuffer(buffer.data(), n);
    Count -= n;
  }
  return total;
}

// ---------------------------------------------------------------------------
// TMemoryStream

int64_t TMemoryStream::Read(void* Buffer, int64_t Count) {
  if (Count <= 0 || FPosition >= Size()) return 0;
  int64_t n = std::min(Count, Size() - FPosition);
  std::memcpy(Buffer, FData.data() + FPosition, static_cast<size_t>(n));
  FPosition += n;
  return n;
}

int64_t TMemoryStream::Write(const void* Buffer, int64_t Count) {
  if (Count <= 0) return 0;
  if (FPosition + Count > Size()) Resize(FPosition + Count);
  std::memcpy(FData.data() + FPosition, Buffer, static_cast<size_t>(Count));
  FPosition += Count;
  return Count;
}

int64_t TMemoryStream::Seek(int64_t Offset, TSeekOrigin Origin) {
  int64_t base = Origin == soBeginning ? 0 : Origin == soCurrent ? FPosition : Size();
  int64_t pos = base + Offset;
  if (pos < 0) throw EStreamError(L"Seek before the start of the stream");
  FPosition = pos;
  return FPosition;
}

void TMemoryStream::SetSize(int64_t NewSize) {
  if (NewSize < 0) throw EStreamError(L"Negative stream size");
  Resize(NewSize);
  if (FPosition > NewSize) FPosition = NewSize;
}

void TMemoryStream::Resize(int64_t NewSize) {
  const String why = L"A memory stream cannot hold " + std::to_wstring(NewSize) + L" bytes";
  if (NewSize > MaxLoadBytes) throw EWriteError(why);
  try {
    FData.resize(static_cast<size_t>(NewSize));
  } catch (const std::exception&) {  // std::bad_alloc, std::length_error
    throw EWriteError(why + L": no memory for them");
  }
}

void TMemoryStream::Clear() {
  FData.clear();
  FData.shrink_to_fit();
  FPosition = 0;
}

void TMemoryStream::LoadFromStream(TStream* Stream) {
  // Read into new storage: a failed read leaves the content as it was.
  Stream->SetPosition(0);
  std::vector<uint8_t> data;
  SizeForLoad(data, LoadableSize(Stream->Size(), L"stream"), L"stream");
  Stream->ReadBuffer(data.data(), static_cast<int64_t>(data.size()));
  FData.swap(data);
  FPosition = 0;
}

void TMemoryStream::SaveToStream(TStream* Stream) { Stream->WriteBuffer(FData.data(), Size()); }

void TMemoryStream::LoadFromFile(const String& FileName) { LoadFromFile(FileName, MaxLoadBytes); }

void TMemoryStream::LoadFromFile(const String& FileName, int64_t Limit) {
  LoadFileWhole(FileName, FData, Limit);
  FPosition = 0;
}

void TMemoryStream::SaveToFile(const String& FileName) { SaveFileWhole(FileName, FData.data(), FData.size()); }

// ---------------------------------------------------------------------------
// TFileStream

std::FILE* OpenFileW(const String& FileName, const char* Mode) {
#ifdef _WIN32
  String mode(Mode, Mode + std::strlen(Mode));
  return _wfopen(FileName.c_str(), mode.c_str());
#else
  return std::fopen(WideToUtf8(FileName).c_str(), Mode);
#endif
}

String FileErrorText(int Errno) { return Errno ? Utf8ToWide(std::strerror(Errno)) : String(L"no reason given"); }

String FileWriteErrorText(int Errno) {
  return L"not every byte could be written, is the disk full? (" + FileErrorText(Errno) + L")";
}

TFileStream::TFileStream(const String& FileName, TFileMode Mode) : FFileName(FileName) {
  const char* mode = Mode == fmCreate ? "w+b" : Mode == fmOpenRead ? "rb" : "r+b";
  errno = 0;
  FFile = OpenFileW(FileName, mode);
  if (!FFile) {
    const String cause = errno ? L": " + FileErrorText(errno) : String();
    if (Mode == fmCreate) throw EFCreateError(L"Cannot create file \"" + FileName + L"\"" + cause);
    throw EFOpenError(L"Cannot open file \"" + FileName + L"\"" + cause);
  }
}

TFileStream::~TFileStream() {
  if (FFile) std::fclose(FFile);
}

void TFileStream::Commit() {
  if (!FFile) return;
  errno = 0;
  bool ok = std::fflush(FFile) == 0;
#ifdef _WIN32
  ok = ok && _commit(_fileno(FFile)) == 0;
#else
  ok = ok && fsync(fileno(FFile)) == 0;
#endif
  const int cause = errno;
  ok = std::fclose(FFile) == 0 && ok;
  FFile = nullptr;
  if (!ok) throw EWriteError(L"Cannot write file \"" + FFileName + L"\": " + FileWriteErrorText(cause ? cause : errno));
}

void TFileStream::SwitchTo(TLastAccess Access) {
  if (FLastAccess != laNone && FLastAccess != Access) std::fseek(FFile, 0, SEEK_CUR);
  FLastAccess = Access;
}

int64_t TFileStream::Read(void* Buffer, int64_t Count) {
  if (Count <= 0 || !FFile) return 0;
  SwitchTo(laRead);
  return static_cast<int64_t>(std::fread(Buffer, 1, static_cast<size_t>(Count), FFile));
}

int64_t TFileStream::Write(const void* Buffer, int64_t Count) {
  if (Count <= 0 || !FFile) return 0;
  SwitchTo(laWrite);
  return static_cast<int64_t>(std::fwrite(Buffer, 1, static_cast<size_t>(Count), FFile));
}

int64_t TFileStream::Seek(int64_t Offset, TSeekOrigin Origin) {
  if (!FFile) throw EStreamError(L"Seek error in " + FFileName + L" (closed)");
  int whence = Origin == soBeginning ? SEEK_SET : Origin == soCurrent ? SEEK_CUR : SEEK_END;
  FLastAccess = laNone;
#ifdef _WIN32
  if (_fseeki64(FFile, Offset, whence) != 0) throw EStreamError(L"Seek error in " + FFileName);
  return _ftelli64(FFile);
#else
  if (fseeko(FFile, static_cast<off_t>(Offset), whence) != 0) throw EStreamError(L"Seek error in " + FFileName);
  return static_cast<int64_t>(ftello(FFile));
#endif
}

void TFileStream::SetSize(int64_t NewSize) {
  if (NewSize < 0) throw EStreamError(L"Negative stream size");
  int64_t position = Position();
  std::fflush(FFile);
#ifdef _WIN32
  bool ok = _chsize_s(_fileno(FFile), NewSize) == 0;
#else
  bool ok = ftruncate(fileno(FFile), static_cast<off_t>(NewSize)) == 0;
#endif
  if (!ok) throw EStreamError(L"Cannot change the size of file " + FFileName);
  Seek(std::min(position, NewSize), soBeginning);
}

// Object model and streams: TObject, TPersistent, TComponent with ownership and
// free notification, and the stream classes.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <vector>

#include "classlib/Event.h"
#include "classlib/Object.h"
#include "classlib/SysUtils.h"
#include "classlib/Types.h"

using TNotifyEvent = TEvent<void(TObject* Sender)>;

class TPersistent : public TObject {
 public:
  // Copies Source into this object; raises EConvertError when neither class
  // knows how to copy the pair.
  virtual void Assign(TPersistent* Source);
  String ClassName() const override { return L"TPersistent"; }
  // Collection items, list items, tree nodes and the like are handed to
  // handlers by the code that goes on with them.
  bool LibraryMayHold() const override { return true; }

 protected:
  virtual void AssignTo(TPersistent* Dest);
};

enum TComponentStateFlag { csLoading, csReading, csWriting, csDestroying, csDesigning, csAncestor, csFreeNotification };
using TComponentState = TSet<TComponentStateFlag>;
enum TOperation { opInsert, opRemove };

class TComponent : public TPersistent {
 public:
  explicit TComponent(TComponent* AOwner);
  ~TComponent() override;
  void BeforeDestruction() override;
  String ClassName() const override { return L"TComponent"; }

  TComponent* Owner() const { return FOwner; }
  int ComponentCount() const { return static_cast<int>(FComponents.size()); }
  TComponent* Components(int Index) const;
  int ComponentIndex() const;

  const String& Name() const { return FName; }
  virtual void SetName(const String& Value);
  intptr_t Tag() const { return FTag; }
  void SetTag(intptr_t Value) { FTag = Value; }
  TComponentState ComponentState() const { return FComponentState; }

  void InsertComponent(TComponent* AComponent);
  void RemoveComponent(TComponent* AComponent);
  TComponent* FindComponent(const String& AName) const;
  void DestroyComponents();
  void Destroying();

  // AComponent will call Notification(AComponent, opRemove) on this component
  // when it is freed, whoever owns either of them.
  void FreeNotification(TComponent* AComponent);
  void RemoveFreeNotification(TComponent* AComponent);

  // Test and loader hooks: mark the component as being loaded or designed.
  void SetDesigning(bool Value);
  void BeginLoading();
  void EndLoading();  // clears csLoading and calls Loaded

 protected:
  virtual void Notification(TComponent* AComponent, TOperation Operation);
  virtual void Loaded();
  // The components that hear of this one's end, in the order they asked.
  const std::vector<TComponent*>& FreeNotifies() const { return FFreeNotifies; }

 private:
  void SendNotification(TComponent* AComponent, TOperation Operation);
  void Insert(TComponent* AComponent);
  void Remove(TComponent* AComponent);
  void AddNotification(TComponent* AComponent);
  void RemoveNotification(TComponent* AComponent);  // one reference's link
  void DropNotification(TComponent* AComponent);    // every link with AComponent
  size_t FindNotification(const TComponent* AComponent) const;  // its index, or the count
  // Whether another component asked to hear of this one's end.
  bool Watched() const { return FComponentState.Contains(csFreeNotification) || FWatchedInOwner; }

  TComponent* FOwner = nullptr;
  std::vector<TComponent*> FComponents;
  std::vector<TComponent*> FFreeNotifies;
  std::vector<int> FFreeNotifyCounts;  // the links each of FFreeNotifies holds
  String FName;
  intptr_t FTag = 0;
  TComponentState FComponentState;
  bool FTornDown = false;
  bool FWatchedInOwner = false;  // by a component of the same owner, which keeps no link
  // The component whose removal this one hears of alone, without what it owns.
  TComponent* FQuietRemoval = nullptr;
};

// ---------------------------------------------------------------------------
// Streams

enum TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream : public TObject {
 public:
  // Read and Write move up to Count bytes and return how many moved.
  virtual int64_t Read(void* Buffer, int64_t Count) = 0;
  virtual int64_t Write(const void* Buffer, int64_t Count) = 0;
  virtual int64_t Seek(int64_t Offset, TSeekOrigin Origin) = 0;

  int64_t Position() { return Seek(0, soCurrent); }
  void SetPosition(int64_t Pos) { Seek(Pos, soBeginning); }
  virtual int64_t Size();
  virtual void SetSize(int64_t NewSize);

  // Raise EReadError / EWriteError when fewer than Count bytes move; the
  // message names what the stream reads and writes (Source).
  void ReadBuffer(void* Buffer, int64_t Count);
  void WriteBuffer(const void* Buffer, int64_t Count);
  // What the stream's errors name: the file of a file stream; nothing for
  // a stream in memory.
  virtual String Source() const { return String(); }
  // Copies Count bytes from Source (all of it from its start when Count is 0).
  int64_t CopyFrom(TStream* Source, int64_t Count);
  String ClassName() const override { return L"TStream"; }
};

class TMemoryStream : public TStream {
 public:
  int64_t Read(void* Buffer, int64_t Count) override;
  int64_t Write(const void* Buffer, int64_t Count) override;
  int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;
  int64_t Size() override { return static_cast<int64_t>(FData.size()); }
  void SetSize(int64_t NewSize) override;
  void Clear();
  // A failed load leaves the content as it was; a stream or file too large
  // to load raises EReadError before anything is allocated.
  void LoadFromStream(TStream* Stream);
  void SaveToStream(TStream* Stream);
  // The file is read whole (LoadFileWhole), at most Limit bytes of it (the
  // most a load can take when none is given), and saved whole
  // (SaveFileWhole); failures name the file.
  void LoadFromFile(const String& FileName);
  void LoadFromFile(const String& FileName, int64_t Limit);
  void SaveToFile(const String& FileName);
  uint8_t* Memory() { return FData.data(); }
  const std::vector<uint8_t>& Bytes() const { return FData; }
  String ClassName() const override { return L"TMemoryStream"; }

 private:
  // Grows or shrinks the content; a size that cannot be had raises EWriteError.
  void Resize(int64_t NewSize);
  std::vector<uint8_t> FData;
  int64_t FPosition = 0;
};

enum TFileMode { fmOpenRead, fmOpenWrite, fmOpenReadWrite, fmCreate };

// fmCreate empties a file that exists at once, as the stream opens: a
// failed or interrupted write leaves it cut short. SaveFileWhole replaces a
// file whole or not at all.
class TFileStream : public TStream {
 public:
  // Raises EFOpenError (or EFCreateError for fmCreate) naming the file.
  TFileStream(const String& FileName, TFileMode Mode);
  ~TFileStream() override;
  int64_t Read(void* Buffer, int64_t Count) override;
  int64_t Write(const void* Buffer, int64_t Count) override;
  int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;
  void SetSize(int64_t NewSize) override;
  const String& FileName() const { return FFileName; }
  String Source() const override { return L"file \"" + FFileName + L"\""; }
  // Writes what is buffered, flushes the file to the disk and closes it;
  // raises EWriteError naming the file and the cause when any of that
  // fails (the destructor closes without a word). Closed, the stream
  // neither reads nor writes.
  void Commit();
  String ClassName() const override { return L"TFileStream"; }

 private:
  // C streams need a seek between reading and writing; the last direction is
  // remembered so that switching adds one.
  enum TLastAccess { laNone, laRead, laWrite };
  void SwitchTo(TLastAccess Access);
  std::FILE* FFile = nullptr;
  String FFileName;
  TLastAccess FLastAccess = laNone;
};

// Opens a file by its String name with fopen-style mode ("rb", "wb", "r+b").
std::FILE* OpenFileW(const String& FileName, const char* Mode);
// The C library's words for an errno value ("no reason given" for 0).
String FileErrorText(int Errno);
// What a failed write says: not every byte written, and the errno's words
// (a full disk sets no clear errno under every system).
String FileWriteErrorText(int Errno);

// The list classes live in their own headers; Classes.h gives all of them.
#include "classlib/List.h"
#include "classlib/StringList.h"
#include "classlib/Collection.h"

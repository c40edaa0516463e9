// The notice record and the rules of the notice window (text, countdown,
// closing, notification, gauge, placement) as plain functions. Portable.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "classlib/Types.h"

// Messages to a notice window (lParam: the address of a TMsgFormInfo that
// stays valid for the call) and the one it sends to the notify window.
constexpr unsigned MSG_NOTICE_TEXT = 0x401;           // WM_USER + 1
constexpr unsigned MSG_NOTICE_PROGRESS = 0x402;       // WM_USER + 2
constexpr unsigned MSG_NOTICE_PROGRESS_INFO = 0x403;  // WM_USER + 3
constexpr unsigned MSG_NOTICE_ENDED = 0x40A;          // WM_USER + 10

// Kind of every notice the timer tool sends; only such a notice notifies.
constexpr int32_t kNoticeKind = 0x401;
constexpr int kNoticeTextMax = 100;          // text bytes after the length byte
constexpr int32_t kNoticeDefaultTick = 1000;  // milliseconds

// Notice flags with MSG_NOTICE_TEXT.
constexpr uint32_t kNoticePlain = 1;       // no cancel button, the user may close it
constexpr uint32_t kNoticeCancelable = 2;  // the cancel button; the user may not close it
// Flags with MSG_NOTICE_PROGRESS_INFO.
constexpr uint32_t kGaugeVisible = 1;
constexpr uint32_t kGaugeSetMax = 2;

#pragma pack(push, 1)
// The 129-byte record the messages point to, little-endian, as senders lay it out.
struct TMsgFormInfo {
  int32_t Kind;
  uint8_t Text[1 + kNoticeTextMax];  // length byte, then GBK text
  int32_t Value;  // the tick (ms), the gauge progress or the gauge maximum, by message
  int32_t Countdown;  // ticks
  int32_t NotifyWnd;  // a window handle; used only when above 0
  int32_t NotifyParam;
  int32_t Notify;  // 1: tell NotifyWnd when the countdown runs out
  uint32_t Flags;
};
#pragma pack(pop)
static_assert(sizeof(TMsgFormInfo) == 129, "the notice record is 129 bytes");

// The record's text bytes: at most the field's 100, whatever the length byte
// claims, and never ending in half a double-byte character.
std::string NoticeTextBytes(const TMsgFormInfo& Info);
String NoticeText(const TMsgFormInfo& Info);
// Stores Text (GBK) cut to the field at a character boundary.
void SetNoticeText(TMsgFormInfo& Info, const std::string& Gbk);
void SetNoticeText(TMsgFormInfo& Info, const String& Text);
// Number of leading bytes of Gbk (at most Max) that end on a character boundary.
size_t GbkCutLength(const std::string& Gbk, size_t Max);

// What a new notice (MSG_NOTICE_TEXT) does to the countdown and the button.
enum TNoticeButton { nbKeep, nbHide, nbShow };
struct TNoticeStart {
  bool SetsCountdown = false;  // the countdown part applies (Flags has bit 0 or 1)
  bool StartTimer = false;
  int Interval = 0;  // ms, when StartTimer
  int Remaining = 1;
  String CountdownText;  // "( n )" or empty, when SetsCountdown
  TNoticeButton Button = nbKeep;
};
TNoticeStart NoticeStart(const TMsgFormInfo& Info);

// One tick of the countdown.
struct TNoticeTick {
  int Remaining = 0;
  bool Ended = false;
  bool SetsText = false;
  String CountdownText;
};
TNoticeTick NoticeTick(int Remaining);
// "( n )".
String CountdownCaption(int Remaining);

// Whether the user may close the notice: a cancelable notice refuses as long
// as its button or its countdown can still end it.
bool NoticeMayClose(uint32_t Flags, bool ButtonShown, bool Counting);
// Whether an ended notice sends MSG_NOTICE_ENDED to its notify window.
bool NoticeNotifies(const TMsgFormInfo& Info);

// MSG_NOTICE_PROGRESS_INFO: gauge visibility and an optional new maximum.
struct TGaugeInfo {
  bool Visible = false;
  bool SetsMax = false;
  int Max = 0;
};
TGaugeInfo NoticeGaugeInfo(const TMsgFormInfo& Info);

// Where a notice window first stands: centred on the screen, 40 px higher.
TPoint NoticePlacement(int ScreenWidth, int ScreenHeight, int FormWidth, int FormHeight);

// SP_SSE2 is 1 where the compiler may use SSE2 instructions: x86-64, and
// 32-bit x86 built with -msse2 (GCC, Clang) or /arch:SSE2 and above (MSVC).
#pragma once

#if defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)
#define SP_SSE2 1
#include <emmintrin.h>
#else
#define SP_SSE2 0
#endif

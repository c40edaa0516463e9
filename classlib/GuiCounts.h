// Counts of the windows and GDI objects a program holds, for leak checks.
#pragma once

#include <windows.h>

// Windows of the calling thread: the top-level ones and all their descendants.
int ThreadWindowsWithChildren();
// GDI objects the process holds: the system's count where it keeps one,
// otherwise the entries in use in the process's GDI handle table; 0 when
// neither can be read.
int GdiObjectsInUse();

// A check of the process's heaps, for the end of a test or a program's run.
#pragma once

// Whether every heap of the process, the C runtime's included, is sound.
// Under the system's heap checks (free blocks filled) this also sees a write
// into a freed block, an overrun or a double free that nothing noticed yet;
// the system reports the faults it finds on its debug output.
bool ProcessHeapsValid();

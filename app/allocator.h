// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdlib> // says whether the C library is glibc
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace Allocator {

// Past its bound, the transcript's document copies its text (megabytes of
// it) into a new buffer every few megabytes of a flood. By default the C
// library gives buffers that large back to the kernel when they are freed,
// and every new one then costs a page fault for each of its pages: on a
// virtual machine, over ten milliseconds, a frame lost each time. Kept for
// reuse instead, the copy costs what copying costs. Call first thing in
// main(). The C library of Debian (glibc) only; elsewhere its defaults stand.
// Returns whether the C library took both settings: where it did not, the
// program works all the same, a little slower under a flood.
[[nodiscard]] inline bool keepLargeBuffersForReuse()
{
#if defined(__GLIBC__)
    const bool mmapTaken = mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024) == 1; // the most it takes
    const bool trimTaken = mallopt(M_TRIM_THRESHOLD, 64 * 1024 * 1024) == 1;
    return mmapTaken && trimTaken;
#else
    return false;
#endif
}

} // namespace Allocator

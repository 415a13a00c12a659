// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdlib> // says whether the C library is glibc
#if defined(__GLIBC__)
#include <malloc.h>
#endif

// How the C library's memory serves the transcript's document, which copies
// its whole text (megabytes of it) into a new buffer every few megabytes of
// a flood past its bound.
namespace Allocator {

inline bool keepsLargeBuffers = false; // keepLargeBuffersForReuse() was taken

// By default the C library gives buffers that large back to the kernel when
// they are freed, and every new one then costs a page fault for each of its
// pages: on a virtual machine, over ten milliseconds, a frame lost each time.
// Kept for reuse instead, the copy costs what copying costs. Call first thing
// in main(). The C library of Debian (glibc) only; elsewhere its defaults
// stand. Returns whether the C library took both settings: where it did not,
// the program works all the same, a little slower under a flood.
[[nodiscard]] inline bool keepLargeBuffersForReuse()
{
#if defined(__GLIBC__)
    const bool mmapTaken = mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024) == 1; // the most it takes
    const bool trimTaken = mallopt(M_TRIM_THRESHOLD, 64 * 1024 * 1024) == 1;
    keepsLargeBuffers = mmapTaken && trimTaken;
#endif
    return keepsLargeBuffers;
}

// The first such copy, and the buffer the text grows into after it, still
// take memory the process never had: one pass of the event loop pays for
// every page of it at once. A warm-up takes that memory from the system ahead
// of need, a step at a time, and leaves it with the C library, kept for those
// buffers. Where large buffers are not kept, there is nothing to do.
class Warmup
{
public:
    // The copy and the buffer after it, below the size the C library maps apart.
    static constexpr std::size_t bytes = 30 * 1024 * 1024;
    static constexpr std::size_t stepBytes = 1024 * 1024;

    Warmup() = default;
    Warmup(const Warmup &) = delete;
    Warmup &operator=(const Warmup &) = delete;
    ~Warmup() { std::free(const_cast<char *>(m_buffer)); }

    // Takes the next step: whether one was taken.
    bool step()
    {
        if (!keepsLargeBuffers || m_done == bytes)
            return false;
        if (!m_buffer && !(m_buffer = static_cast<volatile char *>(std::malloc(bytes)))) {
            m_done = bytes;
            return false;
        }
        for (const std::size_t end = m_done + stepBytes; m_done < end; m_done += 4096)
            m_buffer[m_done] = 0; // a page a write; volatile, so that it is written
        if (m_done == bytes) {
            std::free(const_cast<char *>(m_buffer));
            m_buffer = nullptr;
        }
        return true;
    }

private:
    volatile char *m_buffer = nullptr;
    std::size_t m_done = 0;
};

} // namespace Allocator

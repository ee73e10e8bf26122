// One heap block that passes run again and again borrow in turn: fresh
// memory of about 128 KB and more is slow to touch under Wine (some 15 us a
// page), so a list read at every open keeps its buffer. A borrower that
// finds the block taken or too small gets fresh memory; safe across threads.
#pragma once
#include <windows.h>

class CKeptBlock {
public:
    // Blocks larger than this are freed rather than kept.
    static constexpr SIZE_T kKeepCap = 4 * 1024 * 1024;

    // At least bytes of memory, or null; *capacity gets its real size.
    void* m_Take(SIZE_T bytes, SIZE_T* capacity);
    // Hands a block from m_Take (or any HeapAlloc block of that capacity)
    // back; the larger of it and the one kept stays, the other is freed.
    void m_Give(void* block, SIZE_T capacity);

private:
    bool m_Lock();
    void m_Unlock();

    volatile LONG m_Busy = 0;
    void* m_Block = nullptr;
    SIZE_T m_Capacity = 0;
};

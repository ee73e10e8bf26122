#include "base/KeptBlock.h"

bool CKeptBlock::m_Lock() { return InterlockedExchange(&m_Busy, 1) == 0; }

void CKeptBlock::m_Unlock() { InterlockedExchange(&m_Busy, 0); }

void* CKeptBlock::m_Take(SIZE_T bytes, SIZE_T* capacity)
{
    if (m_Lock()) {
        void* block = m_Capacity >= bytes ? m_Block : nullptr;
        if (block) {
            *capacity = m_Capacity;
            m_Block = nullptr;
            m_Capacity = 0;
        }
        m_Unlock();
        if (block) return block;
    }
    void* fresh = HeapAlloc(GetProcessHeap(), 0, bytes);
    *capacity = fresh ? bytes : 0;
    return fresh;
}

void CKeptBlock::m_Give(void* block, SIZE_T capacity)
{
    if (!block) return;
    if (capacity <= kKeepCap && m_Lock()) {
        if (capacity > m_Capacity) {
            void* old = m_Block;
            m_Block = block;
            m_Capacity = capacity;
            block = old;
        }
        m_Unlock();
    }
    if (block) HeapFree(GetProcessHeap(), 0, block);
}

// A work buffer kept between calls. Fresh memory of about 100 KB and more is
// slow to touch under Wine (some 15 us a page, ~2 ms for 500 KB, where the
// same pass over kept memory takes ~0.05 ms), so passes over a whole data
// file that run at every save keep theirs.
#pragma once
#include <stddef.h>

#include <memory>

template <typename T>
class CScratchBuffer {
public:
    // Room for at least count items; what it held is not kept. It grows
    // with a margin so that a file a few lines longer than last time
    // needs no new memory.
    T* m_Reserve(size_t count)
    {
        if (count > m_Capacity) {
            const size_t capacity = count + count / 4;
            m_Data.reset(new T[capacity]);
            m_Capacity = capacity;
        }
        return m_Data.get();
    }
    T* m_Get() const { return m_Data.get(); }

private:
    std::unique_ptr<T[]> m_Data;
    size_t m_Capacity = 0;
};

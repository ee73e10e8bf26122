// Limits chains of paths that name other paths (a shortcut to a shortcut,
// a bookmark naming a bookmark): a loop would otherwise recurse for good.
#pragma once

// Hand-offs allowed in a row; the one after them fails.
constexpr int kHandOffCap = 8;

// One hand-off for its lifetime; m_Allowed is false past the cap.
class CHandOffScope {
public:
    CHandOffScope();
    ~CHandOffScope();
    CHandOffScope(const CHandOffScope&) = delete;
    CHandOffScope& operator=(const CHandOffScope&) = delete;
    bool m_Allowed() const { return m_Depth <= kHandOffCap; }

private:
    int m_Depth;
};

// What the whole-file rewrite keeps of the old file: every key that none of
// the writers writes (keys of other owners, keys the saver leaves alone,
// sections and keys a user added).
#pragma once
#include <windows.h>

// The keys of a settings file, held in memory while the file is recreated.
class CSettingsCarryOver {
public:
    CSettingsCarryOver() = default;
    ~CSettingsCarryOver();
    CSettingsCarryOver(const CSettingsCarryOver&) = delete;
    CSettingsCarryOver& operator=(const CSettingsCarryOver&) = delete;

    // Takes every section of the file; 0 when it could not be read.
    int m_Take(const wchar_t* path);
    // Writes into the file every kept key it does not hold. Numbered entries
    // of a list whose Count the writers wrote are left out: that list is
    // whole without them.
    void m_PutBack(const wchar_t* path) const;

private:
    struct SSection {
        wchar_t* Name;
        wchar_t* Keys;  // "key=value" texts, each ended by a zero, the last by two
    };
    void m_PutBackSection(const SSection& section, const wchar_t* path) const;

    SSection* m_Sections = nullptr;
    int m_Count = 0;
};

#include <doctest/doctest.h>

#include <string>

#include "base/SoundCue.h"
#include "base/WaveOutPlayer.h"
#include "settings/Settings.h"

namespace {

// Waits up to the timeout for the player to finish; the milliseconds taken,
// or -1 when it still plays.
int WaitDone(const CWaveOutPlayer* player, DWORD timeoutMs = 3000)
{
    const ULONGLONG start = GetTickCount64();
    while (player->m_IsPlaying()) {
        if (GetTickCount64() - start > timeoutMs) return -1;
        Sleep(5);
    }
    return (int)(GetTickCount64() - start);
}

int Peak(const STONEBUFFER* buffer)
{
    int top = 0;
    for (UINT i = 0; i < buffer->byteSize / 2; i++)
        top = abs(buffer->samples[i]) > top ? abs(buffer->samples[i]) : top;
    return top;
}

// Every case starts and ends with an idle player and an empty cache.
struct SCleanCues {
    CWaveOutPlayer* player = m_SoundCue_GetPlayer();
    SCleanCues() { reset(); }
    ~SCleanCues() { reset(); }
    void reset()
    {
        WaitDone(player);
        m_SoundCue_Play(-1, 50);
        player->m_ClearLastError();
    }
};

}  // namespace

TEST_CASE("every cue plays through waveOut to its end")
{
    // In table order the looped cues (1, 4, 7, 9) are each followed by a
    // shorter one: a device left at the read offset of a loop reads past it.
    SCleanCues clean;
    for (int cue = 0; cue < kSoundCueCount; cue++) {
        CAPTURE(cue);
        STONEPARAMS params;
        REQUIRE(m_SoundCue_GetParams(cue, 30, &params) == 1);
        const double length = params.repeats >= 2
                                  ? params.repeats * (params.lengthMs + params.gapMs)
                                  : params.lengthMs;
        LARGE_INTEGER freq, from, to;
        QueryPerformanceFrequency(&freq);
        QueryPerformanceCounter(&from);
        CHECK(m_SoundCue_Play(cue, 30) == 1);
        CHECK(clean.player->m_IsPlaying());
        REQUIRE(WaitDone(clean.player) >= 0);
        QueryPerformanceCounter(&to);
        // Played in real time, loops included; the device reports done by
        // periods of about 10 ms, so a very short cue may end a little early.
        const double elapsedMs =
            1000.0 * (double)(to.QuadPart - from.QuadPart) / (double)freq.QuadPart;
        CHECK(elapsedMs >= length * 0.8 - 10.0);
        CHECK(std::wstring(clean.player->m_GetLastError()) == L"");
    }
    CHECK(clean.player->m_IsOpen());
}

TEST_CASE("a cue asked for while another plays is dropped")
{
    SCleanCues clean;
    REQUIRE(m_SoundCue_Play(1, 30) == 1);
    CHECK(m_SoundCue_Play(0, 30) == 0);
    CHECK(m_SoundCue_Play(1, 30) == 0);
    REQUIRE(WaitDone(clean.player) >= 0);
    CHECK(m_SoundCue_Play(0, 30) == 1);
    CHECK(std::wstring(clean.player->m_GetLastError()) == L"");
}

TEST_CASE("cues are built once per volume and rebuilt when it changes")
{
    SCleanCues clean;
    REQUIRE(m_SoundCue_Play(0, 30) == 1);
    const STONEBUFFER* cached = m_SoundCue_GetCached(0);
    REQUIRE(cached->samples != nullptr);
    CHECK(Peak(cached) <= 1180);
    CHECK(Peak(cached) >= 1178);
    REQUIRE(WaitDone(clean.player) >= 0);

    // Same volume: the buffer is reused.
    const short* first = cached->samples;
    CHECK(m_SoundCue_Play(0, 30) == 1);
    CHECK(cached->samples == first);
    REQUIRE(WaitDone(clean.player) >= 0);

    // Cue numbers past the table play nothing, but a new volume still
    // empties the cache.
    CHECK(m_SoundCue_Play(15, 30) == 0);
    CHECK(m_SoundCue_Play(99, 30) == 0);
    CHECK(m_SoundCue_Play(-2, 30) == 0);
    CHECK_FALSE(clean.player->m_IsPlaying());
    CHECK(cached->samples == first);
    CHECK(m_SoundCue_Play(15, 60) == 0);
    CHECK(cached->samples == nullptr);

    CHECK(m_SoundCue_Play(0, 60) == 1);
    CHECK(Peak(cached) >= 2 * 1178);
    REQUIRE(WaitDone(clean.player) >= 0);
}

TEST_CASE("the Beep setting switches the cues, but not the freeing of the cache")
{
    SCleanCues clean;
    g_Settings.Common_Beep[0] = 0;
    g_Settings.Common_Beep[1] = 30;
    m_PlaySoundCue(2);
    CHECK_FALSE(clean.player->m_IsPlaying());
    CHECK(m_SoundCue_GetCached(2)->samples == nullptr);

    g_Settings.Common_Beep[0] = 1;
    m_PlaySoundCue(2);
    CHECK(clean.player->m_IsPlaying());
    REQUIRE(WaitDone(clean.player) >= 0);
    REQUIRE(m_SoundCue_GetCached(2)->samples != nullptr);

    g_Settings.Common_Beep[0] = 0;
    m_PlaySoundCue(-1);
    CHECK(m_SoundCue_GetCached(2)->samples == nullptr);
}

TEST_CASE("freeing cached cues first takes a playing buffer back from the device")
{
    SCleanCues clean;
    // At shutdown, in the middle of a 300 ms cue.
    REQUIRE(m_SoundCue_Play(1, 30) == 1);
    m_PlaySoundCue(-1);
    CHECK_FALSE(clean.player->m_IsPlaying());
    CHECK(m_SoundCue_GetCached(1)->samples == nullptr);
    CHECK(std::wstring(clean.player->m_GetLastError()) == L"");

    // A volume change while a cue plays: the old cue stops and the new one
    // plays from its own buffer.
    REQUIRE(m_SoundCue_Play(1, 30) == 1);
    CHECK(m_SoundCue_Play(0, 40) == 1);
    CHECK(m_SoundCue_GetCached(1)->samples == nullptr);
    REQUIRE(WaitDone(clean.player) >= 0);
    CHECK(std::wstring(clean.player->m_GetLastError()) == L"");
}

TEST_CASE("a failed start does not block later cues")
{
    CWaveOutPlayer player;
    STONEPARAMS params;
    STONEBUFFER buffer = {};
    REQUIRE(m_SoundCue_GetParams(0, 30, &params) == 1);
    REQUIRE(m_SynthesizeTone(&params, &buffer) == 1);
    CHECK(player.m_Play(nullptr, 1) == 0);
    REQUIRE(player.m_Open() == 1);

    // The device handle goes bad behind the player's back.
    REQUIRE(waveOutClose(player.m_GetDevice()) == MMSYSERR_NOERROR);
    CHECK(player.m_Play(&buffer, 1) == 0);
    CHECK(std::wstring(player.m_GetLastError()).rfind(L"Error : waveOutPrepareHeader() = 0x", 0) ==
          0);
    CHECK_FALSE(player.m_IsPlaying());

    // The next cue is tried again rather than dropped.
    player.m_ClearLastError();
    CHECK(player.m_Play(&buffer, 1) == 0);
    CHECK(std::wstring(player.m_GetLastError()) != L"");

    // Closing clears the way: the next cue reopens the device and plays.
    player.m_Close();
    CHECK_FALSE(player.m_IsOpen());
    player.m_ClearLastError();
    CHECK(player.m_Play(&buffer, 1) == 1);
    REQUIRE(WaitDone(&player) >= 0);
    CHECK(std::wstring(player.m_GetLastError()) == L"");
    player.m_Close();
    m_FreeToneBuffer(&buffer);
}

// The playlist track whose jump list the jump-list view shows.
#pragma once

// Index of that track, -1 none; the playlist keeps it in step when tracks
// are deleted or reordered.
extern int g_JumpListTrack;

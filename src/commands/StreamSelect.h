// Choosing among a file's video, audio and subtitle streams.
#pragma once

int m_Stream_Select(int n);
int m_Stream_IsSubtitleOn();
int m_Stream_SelectInGroup(int index, int flag);

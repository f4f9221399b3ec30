#pragma once

// How many allocator arenas the program's threads share. The C library gives threads arenas of
// their own, up to eight per core; every player brings a dozen short-lived threads (demuxer,
// decoders, renderer, sound), and the memory they free stays in those arenas for reuse, so
// recording after recording the program grows by hundreds of megabytes it no longer uses. A few
// shared arenas keep that growth flat at no cost worth measuring to the players' speed.
class AllocatorArenas
{
public:
    static constexpr int Limit = 4;

    // Caps the arenas at Limit; call first thing in main, before any thread starts. Nothing
    // where the C library has no such setting.
    static void limit();
};

#pragma once

// The player's volume scale against mpv's. The viewer's volume (the slider's 0 to 1, the player's
// 0 to 100) is a share of the sound's amplitude: half way plays at half the amplitude (about
// -6 dB). mpv's own volume property is cubic (its amplitude is the cube of volume/100), so half
// way on its scale is only an eighth of the amplitude (-18 dB): the player converts both ways.
class PlayerVolume
{
public:
    // mpv's volume (0 to 100) for the player's AMPLITUDE percent (0 to 100, clamped).
    static double mpvFromAmplitude(double amplitude);
    // The player's amplitude percent for mpv's VOLUME (0 to 100, clamped).
    static double amplitudeFromMpv(double volume);
};

// The module's sound device: a DirectSound device bound to the host's main
// window and the path of the host's sound folder, held from the gauge's
// install to its kill. Nothing is played.
#pragma once

// Opens the device and works out the sound folder path. Every failure is
// silent and leaves that part off; the gauge works the same without them.
void alert_sound_open();

// Gives back whatever the last open holds.
void alert_sound_close();

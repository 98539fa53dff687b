// Sound effects: triggers, volumes and pans.
#include "engine/shell/sound.h"

void RaiseSound(int, int) {}
void PlaySounds() {}
void ClearSoundTriggers() { SoundTrigger.fill(0); }

#pragma once

class SoundPlayer;

// The module that holds the program's sound player (QtSoundPlayer) and, through it,
// Qt Multimedia: the names the program and the module agree on.
namespace SoundModule {

// The module's file name, suffix included.
inline constexpr char FileName[] = QUORVEL_SOUND_MODULE_FILE;
// Where an installed program keeps it, relative to the installation prefix.
inline constexpr char InstalledFolder[] = QUORVEL_SOUND_MODULE_FOLDER;

// The module's one entry: a new player, owned by the caller.
using CreatePlayer = SoundPlayer *(*)();
inline constexpr char CreatePlayerSymbol[] = "quorvelCreateSoundPlayer";

} // namespace SoundModule

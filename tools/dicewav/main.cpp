// Writes the dice sound the program plays when a roll starts: dicewav <output.wav>
#include "DiceRattle.h"
#include "WaveFile.h"

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output.wav>\n", argv[0]);
        return 2;
    }
    const DiceRattle rattle;
    if (!writeWaveFile(argv[1], rattle.render(), DiceRattle::SampleRate)) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}

#pragma once

#include <QString>

class DocumentOpener;
class Printer;
class Prompter;
class RandomSource;
class SoundPlayer;
class SoundSetting;
class TimerFactory;

// What a window needs from the application: the sound setting, the random source
// and the platform services. main() wires the real ones, tests pass fakes.
struct WindowContext
{
    SoundSetting &soundSetting;
    RandomSource &random;
    SoundPlayer &sound;
    DocumentOpener &documents;
    Prompter &prompter;
    Printer &printer;
    TimerFactory &timers;
    QString programDir; // the executable's folder, without a separator at its end
};

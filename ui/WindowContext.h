#pragma once

#include <QString>

class DocumentOpener;
class Printer;
class Prompter;
class RandomSource;
class SoundPlayer;
class TimerFactory;
struct ModGeneral;

// What a window needs from the application: the shared integers, the random source
// and the platform services. main() wires the real ones, tests pass fakes.
struct WindowContext
{
    ModGeneral &shared;
    RandomSource &random;
    SoundPlayer &sound;
    DocumentOpener &documents;
    Prompter &prompter;
    Printer &printer;
    TimerFactory &timers;
    QString programDir; // the executable's folder, without a separator at its end
};

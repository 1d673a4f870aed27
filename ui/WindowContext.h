#pragma once

#include <QString>
#include <QStringList>

class Clock;
class DocumentOpener;
class FileDialogs;
class Preferences;
class Printer;
class Prompter;
class RandomSource;
class RollHistory;
class SheetStore;
class SoundPlayer;
class SoundSetting;
class TimerFactory;

// The folders a window works with.
struct Places
{
    QStringList dataFolders; // where dice.wav and the rules are looked for, in order
    QString documents;       // where games go when the user has not chosen a folder yet
};

// What a window needs from the application: the sound setting, the random source, the
// clock, the platform services and the places it works in. main() wires the real ones,
// tests pass fakes.
struct WindowContext
{
    SoundSetting &soundSetting;
    RandomSource &random;
    Clock &clock;
    SoundPlayer &sound;
    DocumentOpener &documents;
    Prompter &prompter;
    Printer &printer;
    FileDialogs &dialogs;
    TimerFactory &timers;
    SheetStore &sheets;       // where the scoresheet keeps its sheets safe
    Preferences &preferences; // what the program remembers between runs
    Places places;
    RollHistory *rollerHistory = nullptr; // the roller's rolls while the program runs; none: each roller its own
};

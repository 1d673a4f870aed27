#pragma once

#include <QString>
#include <QStringList>

class AutosaveStore;
class DocumentOpener;
class FileDialogs;
class Printer;
class Prompter;
class RandomSource;
class RollHistory;
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
    FileDialogs &dialogs;
    TimerFactory &timers;
    QStringList dataFolders;              // where dice.wav and the rules are looked for, in order
    AutosaveStore *autosave = nullptr;    // where the scoresheet keeps its sheet; none: it is not kept
    RollHistory *rollerHistory = nullptr; // the roller's rolls while the program runs; none: each roller its own
};

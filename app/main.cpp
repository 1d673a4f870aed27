#include "app/Navigator.h"
#include "roll/ClockRandomSource.h"
#include "roll/SoundSetting.h"
#include "roll/Timer.h"
#include "services/QtDocumentOpener.h"
#include "services/QtPrinter.h"
#include "services/QtPrompter.h"
#include "services/QtSoundPlayer.h"
#include "ui/Appearance.h"
#include "ui/WindowContext.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    applyAppearance(app);
    // The navigation decides when the program ends, not the last window to close.
    QApplication::setQuitOnLastWindowClosed(false);

    SoundSetting soundSetting;
    SystemClock clock;
    ClockRandomSource random(clock);
    QtSoundPlayer sound;
    QtDocumentOpener documents;
    QtPrompter prompter;
    QtPrinter printer;
    QtTimerFactory timers;
    WindowContext context{soundSetting, random, sound, documents, prompter, printer, timers,
                          QCoreApplication::applicationDirPath()};

    Navigator navigator(context, [] { QCoreApplication::quit(); });
    navigator.start();
    return QApplication::exec();
}

#include "services/QtSoundPlayer.h"
#include "services/SoundModule.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT SoundPlayer *quorvelCreateSoundPlayer()
{
    return new QtSoundPlayer;
}

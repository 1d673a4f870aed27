#pragma once

// The same full sheet for every benchmark: nine innings in both halves, names,
// pitchers, every inning line and the hits, RBIs and doubles credited to the
// hitters, typed one keystroke at a time.

#include "scoresheet/Scoresheet.h"

#include <QByteArray>
#include <QString>

inline void typeNumber(Scoresheet &sheet, const char *name, int index, int value)
{
    const QString text = QString::number(value);
    for (int length = 1; length <= text.size(); ++length)
        sheet.write(name, index, text.left(length));
}

inline void fillNineInnings(Scoresheet &sheet)
{
    sheet.write("txtTeamA", "Quorvel Bears");
    sheet.write("txtTeamH", "Quorvel Cubs");
    for (const char *half : {"A", "H"}) {
        const auto name = [&](const char *stem) { return QByteArray(stem) + half; };
        for (int slot = 1; slot <= 12; ++slot)
            sheet.write(name("txtHitter").constData(), slot, QStringLiteral("Hitter number %1").arg(slot));
        int hitsCredited[13] = {};
        int slot = 1;
        for (int inning = 1; inning <= 9; ++inning) {
            const int hits = (inning * 7 + half[0]) % 4;
            const int walks = inning % 3;
            const int runs = (hits + walks) / 2;
            if (inning == 1 || inning == 6 || inning == 9)
                sheet.write(name("txtPitcher").constData(), inning, QStringLiteral("Pitcher %1").arg(inning));
            for (int hit = 0; hit < hits; ++hit) {
                typeNumber(sheet, name("txtHit").constData(), slot, ++hitsCredited[slot]);
                if (hit == 0 && runs > 0)
                    typeNumber(sheet, name("txtRBI").constData(), slot, runs);
                if (hit == 1)
                    typeNumber(sheet, name("txt2b").constData(), slot, 1);
                slot = slot % 9 + 1;
            }
            typeNumber(sheet, name("txtR").constData(), inning, runs);
            typeNumber(sheet, name("txtER").constData(), inning, runs);
            typeNumber(sheet, name("txtHitP").constData(), inning, hits);
            typeNumber(sheet, name("txtK").constData(), inning, (inning * 5) % 4);
            typeNumber(sheet, name("txtBB").constData(), inning, walks);
        }
    }
}

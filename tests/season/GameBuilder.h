#pragma once

// Games for the season's tests, typed into a real sheet field by field (so the sheet's
// own totals and counters are in the file, as a saved game has them) and saved as the
// program saves them.

#include "scoresheet/GameFile.h"
#include "scoresheet/Scoresheet.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTest>

#include <memory>

class GameBuilder
{
public:
    GameBuilder(const QString &away, const QString &home, QDate date = QDate(2024, 4, 1))
        : m_sheet(std::make_unique<Scoresheet>())
        , m_saved(date, QTime(20, 0), Qt::OffsetFromUTC, 0)
    {
        write(ColumnId::Team, Side::Away, 0, away);
        write(ColumnId::Team, Side::Home, 0, home);
    }

    // A hitter's row as the user sees it; the away H column's swapped cells are found through the table.
    GameBuilder &hitter(Side side, int row, const QString &name, int hits, int rbi = 0, int doubles = 0,
                        int triples = 0, int homeRuns = 0, int steals = 0)
    {
        write(ColumnId::Hitter, side, row, name);
        const std::pair<ColumnId, int> numbers[] = {{ColumnId::Hit, hits},          {ColumnId::RBI, rbi},
                                                    {ColumnId::Doubles, doubles},   {ColumnId::Triples, triples},
                                                    {ColumnId::HomeRuns, homeRuns}, {ColumnId::Steals, steals}};
        for (const auto &[column, value] : numbers)
            if (value)
                write(column, side, sheetColumn(column).element(side, row), QString::number(value));
        return *this;
    }

    // One inning row of the half side (the team at bat); an empty pitcher carries on.
    GameBuilder &inning(Side side, int row, const QString &pitcher, int runs, int earned = 0, int hits = 0,
                        int strikeouts = 0, int walks = 0)
    {
        if (!pitcher.isEmpty())
            write(ColumnId::Pitcher, side, row, pitcher);
        write(ColumnId::R, side, row, QString::number(runs));
        write(ColumnId::ER, side, row, QString::number(earned));
        write(ColumnId::HitP, side, row, QString::number(hits));
        write(ColumnId::K, side, row, QString::number(strikeouts));
        write(ColumnId::BB, side, row, QString::number(walks));
        return *this;
    }

    // Rows first..last of side with no run and no hit, the first under pitcher.
    GameBuilder &quietInnings(Side side, int first, int last, const QString &pitcher = {})
    {
        for (int row = first; row <= last; ++row)
            inning(side, row, row == first ? pitcher : QString(), 0);
        return *this;
    }

    GameBuilder &text(ColumnId column, Side side, int index, const QString &text)
    {
        write(column, side, index, text);
        return *this;
    }

    GameDetails &details() { return m_details; }
    GameBuilder &number(int number)
    {
        m_details.number = number;
        return *this;
    }
    GameBuilder & final(bool final)
    {
        m_details.final = final;
        return *this;
    }
    GameBuilder &type(GameType type)
    {
        m_details.type = type;
        return *this;
    }

    QByteArray bytes() const
    {
        return GameFile::serialize(GameSnapshot::capture(*m_sheet), QStringLiteral("test"), m_saved, {}, m_details);
    }

    void save(const QString &folder, const QString &file) const { saveFile(QDir(folder).filePath(file), bytes()); }

    static void saveFile(const QString &path, const QByteArray &bytes)
    {
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        QSaveFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        QVERIFY(out.commit());
    }

private:
    void write(ColumnId column, Side side, int index, const QString &text)
    {
        m_sheet->field(column, side, index).write(text);
    }

    std::unique_ptr<Scoresheet> m_sheet;
    QDateTime m_saved;
    GameDetails m_details;
};

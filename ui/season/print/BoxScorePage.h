#pragma once

#include "season/BoxScore.h"
#include "services/Printer.h"

#include <array>
#include <memory>

class BookLayout;
class BookPage;

// A game's box score on paper, for Print and Export PDF (through the Printer, at the
// printer's resolution, as vectors): the headline and details, the linescore, both teams'
// hitters side by side with their notes, both teams' pitchers side by side, the game's note.
class BoxScorePage final : public PrintPage
{
public:
    explicit BoxScorePage(const BoxScore &box);
    ~BoxScorePage() override;

    QSize size() const override;
    void paint(QPainter &painter) const override;

    // Lays one box score out as a group that stays on one page.
    static void layOut(BookLayout &layout, const BoxScore &box);

private:
    std::unique_ptr<BookPage> m_page;
};

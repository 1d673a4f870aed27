#pragma once

#include "services/Printer.h"

class QWidget;

// The scoresheet as it goes on paper: the client area as designed (the sheet with the
// linescore under it, without the roll panel and "View Rolls"), drawn from the artwork
// and the fields' texts. It draws no caret, focus or selection, and it is the same
// page whatever size the window has or which panel it shows.
class ScoresheetPage final : public PrintPage
{
public:
    // client is the window's client area, linescore its Frame1.
    ScoresheetPage(const QWidget &client, const QWidget &linescore);

    QSize size() const override;
    void paint(QPainter &painter) const override;

private:
    const QWidget &m_client;
    const QWidget &m_linescore;
};

#pragma once

#include "ui/season/SeasonPage.h"

struct WindowContext;

// The season's charts stand on Qt Charts (and Qt OpenGL under it). Where the program's
// libraries are not copied beside it (Linux), the charts are a module that the season book
// loads when its Charts page first shows, so that no start of the program loads them: the
// names the program and the module agree on.
namespace ChartsModule {

#ifdef QUORVEL_CHARTS_MODULE_FILE
// The module's file name, suffix included.
inline constexpr char FileName[] = QUORVEL_CHARTS_MODULE_FILE;
// Where an installed program keeps it, relative to the installation prefix.
inline constexpr char InstalledFolder[] = QUORVEL_CHARTS_MODULE_FOLDER;
#endif

// The module's one entry: the charts page, a child of parent.
using CreatePage = SeasonPage *(*)(WindowContext &context, QWidget *parent);
inline constexpr char CreatePageSymbol[] = "quorvelCreateChartsPage";

// The page, made from the module (or from the program itself where it links the charts);
// null with *error set to a sentence when the module cannot be loaded.
SeasonPage *createPage(WindowContext &context, QWidget *parent, QString *error);
// Where the module was found; empty when it was not, or where the program links the charts.
QString location();

} // namespace ChartsModule

// A page that stands in for the charts page until it first shows, then makes it (loading
// the module) and passes the season on to it. Where the module cannot be loaded it says
// so; the tables show the same figures.
class ChartsSlot final : public SeasonPage
{
    Q_OBJECT

public:
    ChartsSlot(WindowContext &context, QWidget *parent = nullptr);

    // The charts page once made; null before it first shows or when it could not be made.
    SeasonPage *page() const { return m_page; }

protected:
    void refresh() override;

private:
    WindowContext &m_context;
    SeasonPage *m_page = nullptr;
    bool m_tried = false;
};

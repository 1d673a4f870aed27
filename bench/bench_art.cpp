// Cost of drawing the artwork: every picture is drawn from code each time it is shown.
#include "BenchMain.h"
#include "ui/art/Art.h"
#include "ui/art/ArtPicture.h"
#include "ui/art/Fonts.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

void paintPicture(benchmark::State &state, Art::Picture picture)
{
    const int ratio = int(state.range(0));
    QImage target(Art::naturalSize(picture) * ratio, QImage::Format_ARGB32_Premultiplied);
    target.setDevicePixelRatio(ratio);
    for (auto _ : state) {
        QPainter painter(&target);
        Art::paint(painter, picture);
        painter.end();
        benchmark::DoNotOptimize(target.constBits());
    }
}

void BM_PaintSheet(benchmark::State &state)
{
    paintPicture(state, Art::Picture::Sheet);
}
void BM_PaintRollerBoxes(benchmark::State &state)
{
    paintPicture(state, Art::Picture::RollerBoxes);
}
void BM_PaintLinescore(benchmark::State &state)
{
    paintPicture(state, Art::Picture::Linescore);
}
void BM_PaintDie(benchmark::State &state)
{
    paintPicture(state, Art::Picture::HexRed);
}

// A repaint of the sheet widget under one edited cell: what a keystroke in a field costs.
void BM_SheetWidgetCellRepaint(benchmark::State &state)
{
    ArtPicture sheet(Art::Picture::Sheet);
    QImage target(sheet.size(), QImage::Format_ARGB32_Premultiplied);
    const QRegion cell(173, 40, 31, 16);
    for (auto _ : state) {
        sheet.render(&target, QPoint(173, 40), cell, QWidget::DrawChildren);
        benchmark::DoNotOptimize(target.constBits());
    }
}

// The program's icon at every size a window hands to the window system, drawn afresh.
void BM_ProgramIcon(benchmark::State &state)
{
    for (auto _ : state) {
        const QIcon icon = Art::programIcon();
        for (const QSize &size : icon.availableSizes())
            benchmark::DoNotOptimize(icon.pixmap(size));
    }
}

// The icon drawn for one square.
void BM_IconImage(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(Art::iconImage(int(state.range(0))));
}

} // namespace

BENCHMARK(BM_PaintSheet)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintRollerBoxes)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintLinescore)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintDie)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SheetWidgetCellRepaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ProgramIcon)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_IconImage)->Arg(16)->Arg(32)->Arg(64)->Arg(128)->Arg(256)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    return runWindowBenchmarks(argc, argv);
}

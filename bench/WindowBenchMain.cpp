#include "BenchMain.h"

#include "ui/Appearance.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {
QtMessageHandler g_defaultHandler = nullptr;

// The offscreen platform says on every window that it cannot size its frame; that
// says nothing about the program and would drown the figures.
void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.contains(QLatin1String("does not support propagateSizeHints")))
        return;
    g_defaultHandler(type, context, message);
}
} // namespace

int runWindowBenchmarks(int argc, char **argv, const std::function<void()> &setUp)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    g_defaultHandler = qInstallMessageHandler(quietHandler);
    QApplication app(argc, argv);
    applyAppearance(app);
    benchmark::AddCustomContext("qt_platform", QGuiApplication::platformName().toStdString());
    return runBenchmarks(argc, argv, setUp);
}

#include "app/DisplayGuard.h"

#include <QByteArray>
#include <QList>
#include <QMessageLogContext>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace {
struct HeldMessage
{
    QtMsgType type;
    QByteArray category;
    QString text;
};

QtMessageHandler s_previous = nullptr;
QList<HeldMessage> *s_held = nullptr;

// The display the platform was asked for, as the user named it.
QByteArray displayName()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.startsWith("wayland") || (platform.isEmpty() && qEnvironmentVariableIsEmpty("DISPLAY")))
        return "\"" + qgetenv("WAYLAND_DISPLAY") + "\" (WAYLAND_DISPLAY)";
    return "\"" + qgetenv("DISPLAY") + "\" (DISPLAY)";
}

void hold(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "quorvel: cannot open the display %s.\n", displayName().constData());
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (s_held)
        s_held->append({type, context.category ? QByteArray(context.category) : QByteArray(), text});
}
} // namespace

DisplayGuard::DisplayGuard()
{
    s_held = new QList<HeldMessage>;
    s_previous = qInstallMessageHandler(hold);
}

DisplayGuard::~DisplayGuard()
{
    connected();
}

void DisplayGuard::connected()
{
    if (!s_held)
        return;
    qInstallMessageHandler(s_previous);
    const QList<HeldMessage> held = std::move(*s_held);
    delete s_held;
    s_held = nullptr;
    for (const HeldMessage &message : held) {
        const QMessageLogContext context(nullptr, 0, nullptr,
                                         message.category.isEmpty() ? "default" : message.category.constData());
        qt_message_output(message.type, context, message.text);
    }
}

#pragma once

#include <QObject>

#include <cstdio>
#include <set>

// For measuring start-up from outside the program: with QUORVEL_TRACE_PAINTS set, the
// first completed paint of every window is written to the error stream as
//   quorvel: painted <objectName> <steady clock, ns>
// once the frame has been handed to the window system. The steady clock is the system's
// monotonic clock, which the process that started the program can read as well.
class PaintTrace final : public QObject
{
public:
    explicit PaintTrace(std::FILE *stream);

    // Installs a trace on the application when the environment asks for one.
    static void installIfAsked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::FILE *m_stream;
    std::set<const QObject *> m_painted;
};

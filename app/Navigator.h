#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

struct WindowContext;

// Moves the user between the three windows. Exactly one of them is loaded at a time
// (apart from the moment of a switch); each is made afresh when shown and destroyed
// when it closes. Closing the roller or the scoresheet brings the launcher back;
// "Exit" or the close box on the launcher ends the program.
class Navigator final : public QObject
{
    Q_OBJECT

public:
    Navigator(WindowContext &context, std::function<void()> endProgram);
    ~Navigator() override;

    // Start-up: shows the launcher, or the scoresheet with gameFile opened in it.
    void start(const QString &gameFile = {});

    // The window that is loaded now (null once the program has ended).
    QWidget *current() const { return m_current; }

private:
    void showLauncher();
    // Unloads the launcher and shows a window that rolls, made afresh.
    template <typename Window> void show();
    void unloadLauncher();
    void endProgram();

    WindowContext &m_context;
    std::function<void()> m_endProgram;
    QPointer<QWidget> m_current;
};

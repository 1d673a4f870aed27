#pragma once

// A scoresheet window over fresh doubles that prints through a printer of the test's
// choosing (a real one: Qt's PDF output, a private print server).

#include "support/TestContext.h"
#include "ui/scoresheet/ScoresheetWindow.h"

#include <QApplication>
#include <QPointer>
#include <QTest>

#include <memory>

struct PrintingWindow
{
    std::unique_ptr<TestContext> ctx;
    std::unique_ptr<WindowContext> printing;
    QPointer<ScoresheetWindow> window;

    // Opens the window and makes it the active one; false when it never became active.
    bool open(Printer &printer)
    {
        ctx = std::make_unique<TestContext>();
        printing = std::make_unique<WindowContext>(ctx->withPrinter(printer));
        window = new ScoresheetWindow(*printing);
        window->show();
        QApplication::setActiveWindow(window);
        return QTest::qWaitForWindowActive(window);
    }

    void close()
    {
        delete window.data();
        printing.reset();
        ctx.reset();
    }
};

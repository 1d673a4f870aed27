#pragma once

// Watches the program connecting to its display. Where the display cannot be reached (a
// DISPLAY naming no server, a closed Wayland socket) Qt would abort with advice to
// reinstall; instead the program says in one line which display it could not open and
// ends with exit code 1. What Qt says on the way is held back, and said after all when
// the connection is made.
class DisplayGuard
{
public:
    DisplayGuard();
    ~DisplayGuard();

    DisplayGuard(const DisplayGuard &) = delete;
    DisplayGuard &operator=(const DisplayGuard &) = delete;

    // The application is connected: what was held back is said now.
    void connected();
};

#pragma once

// Who may put text into a field.
enum class Entry {
    Typed,  // the user types into it
    Locked, // only the sheet's own bookkeeping writes it
    Hidden, // never shown; holds a column's total behind the scenes
};

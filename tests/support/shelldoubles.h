#pragma once
// Test doubles of the outside world for a whole test: message boxes, file
// and colour dialogs, the word processor and the music control record
// instead of showing, and the screen is pretended when asked. Everything is
// switched back (and the recordings dropped) when the object goes away.
//
//   ShellDoubles doubles;               // in initTestCase() or a test
//   MessageBox::setNextAnswer(MsgAnswer::Yes);

#include <QSize>
#include <optional>

class ShellDoubles {
public:
    ShellDoubles();
    ~ShellDoubles();
    ShellDoubles(const ShellDoubles&) = delete;
    ShellDoubles& operator=(const ShellDoubles&) = delete;

    // Drops every recording and scripted answer, keeping the doubles on.
    static void reset();
};

// Unloads every top-level window and lets the deletions happen, so that
// each test starts with no window of the program.
void closeAllShellWindows();

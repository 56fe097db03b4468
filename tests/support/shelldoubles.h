#pragma once
// The outside world for the shell tests: message boxes, file and colour
// dialogs, the word processor and the music control record instead of
// showing. Switching them on drops every recording and scripted answer.

void useShellDoubles(bool on);

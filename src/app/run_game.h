#pragma once

class Navigator;

// Runs the event loop until the navigator ends the program. An end that came before the loop
// started returns at once. The exit code is always 0.
int RunUntilEnd(Navigator& nav);

#pragma once

#include <QtGlobal>

// The program: refuses a second instance, opens the log, builds the window behind the start-up splash
// and runs the event loop. Returns the process exit code: 0 when another instance already runs, 1 when
// the style sheet cannot be opened, -1 when info.ini is missing beside the executable, otherwise the
// event loop's result.
int tessitraMain(int argc, char* argv[]);

// Delay from the end of initialisation until the window is shown, given the milliseconds elapsed since
// the process started: the window appears 4.1 s after start at the earliest, and never sooner than
// 100 ms after initialisation (elapsed <= 3999 gives 4100 - elapsed, anything later 100).
int splashDelay(qint64 elapsedMs);

// The pictures and the style sheet are compiled into the GUI library; a static library needs them
// registered explicitly before the first use (main does it, and so do the GUI tests).
void initTessitraResources();
// Unregisters them again, so a test process can run the program without its style sheet.
void cleanupTessitraResources();

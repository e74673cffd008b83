// The program's start-up, event loop and end.
#pragma once

namespace corvane {

// Sets the numeric environment, creates the application and the four windows, runs the event
// loop until the main window closes and returns the exit status, 0 on every path.
int RunCorvane(int argc, char** argv);

// The first character of the user's decimal separator, "." when it cannot be read.
char ReadDecimalSeparator();

}  // namespace corvane

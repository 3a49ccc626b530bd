#pragma once

// When the session asks the program to end (SIGTERM at logout or from a process manager,
// SIGINT from a terminal's Ctrl+C, SIGHUP when the terminal goes), every window of the program
// is closed as if the user had closed it: the main window's shut-down then runs, so the preview
// folder is removed and the settings are written. A second SIGINT or SIGTERM before the windows
// have closed, or after they all have, ends the program at once. Call after the application
// object exists; a later call arms the signals again.
void CloseWindowsOnTerminationSignals();

#pragma once

#include <QStringList>

// The command line: `tintavo COMMAND ...` runs one command and exits; `tintavo` alone (or with
// only toolkit options such as -platform) starts the launcher.
namespace commands {

// True when the arguments after the program's name ask for a command, help or the version
// rather than the launcher: the first one is no option, or is --help, -h or --version.
bool wanted(int argc, char **argv);

// Runs the command the arguments name, creating the application it needs; the exit status.
int run(int &argc, char **argv);

} // namespace commands

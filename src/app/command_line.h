#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// What the program says instead of starting, and the status it ends with.
struct CommandLineAnswer {
    int status = 0;
    QString text;
};

// The command line as read before any window system is touched. The program
// takes no arguments; Qt's standard options (-platform, -style, ...) are
// accepted and left for QApplication to read.
struct CommandLine {
    // Set for --help, --version and every mistake: the program ends with it.
    std::optional<CommandLineAnswer> answer;
    // The platform named with -platform, and the X display with -display, if any.
    QString platform;
    QString display;
};

CommandLine readCommandLine(const QStringList& arguments);

// Gives the answer as the system's programs do (printed, or in a message box
// on Windows) and returns its status.
int giveAnswer(int argc, char* argv[], const CommandLineAnswer& answer);

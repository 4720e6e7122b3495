#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <optional>

// What the program does differently on Windows and on the other systems it is
// built for, in one place. Each build compiles one implementation of these:
// host_windows.cpp or host_posix.cpp.
namespace host {

// What follows an executable's name: ".exe" on Windows, nothing elsewhere.
QString executableSuffix();

// The folder the Save dialog starts in: the designed one on Windows, whose
// drive roots a user may write to; elsewhere the user's home folder.
QString saveDialogFolder(const QString& designed);

// The text in the system's 8-bit encoding, the one saved files are written
// in: the ANSI code page on Windows, UTF-8 elsewhere. Nothing when a character
// is not in it: none is replaced by a look-alike or a question mark.
std::optional<QByteArray> toSystemEncoding(QStringView text);

// Starts the program by its path, detached, with no arguments and without a
// shell; on Windows its window comes up minimized, with the focus. Whether it
// starts or not is not reported.
void startDetached(const QString& program);

// Whether the program, before it opens a window, chooses the X display over
// Wayland and explains a missing display itself: on Linux and other X
// desktops, not on Windows, which always has its one desktop.
bool choosesDisplay();

// Makes the fonts that come with the program known to the application, once
// it exists: on Windows the design font, which ships beside the program in
// its "fonts" folder; elsewhere the system's packages provide it.
void addProgramFonts();

// Whether the system reads manual pages, where --help points for more: not
// Windows.
bool hasManualPages();

// Gives the command line's answer (help, version or a mistake) the way
// programs of the system do: printed on standard output or, for a mistake,
// standard error; on Windows, where a program with windows has no console,
// in a message box with the given title. Returns the status the program ends with.
int answerCommandLine(int argc, char* argv[], const QString& title, const QString& text, int status);

} // namespace host

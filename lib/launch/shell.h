// Opening paths and documents with the shell: the "open" verb and the program registered
// for a document's type.
#ifndef ZOR_LAUNCH_SHELL_H
#define ZOR_LAUNCH_SHELL_H

#include <string>

namespace ZOR {

// Asks the shell to open path (a folder, a document or a program) with the verb "open",
// owned by the main window, without parameters or working folder, shown normally; does
// not wait. The shell shows no box of its own on failure (its callers show theirs).
// Returns false with a platform error under "ShellExecuteEx" recorded; the last-error
// value stays readable (1223: the user cancelled the start).
bool shell_open(const std::wstring& path);

// Starts the program registered for document's type (FindExecutableW) with the document
// as its argument; does not wait. Returns false and records, under "FindExecutable", the
// message for the shell's answer when no program is found ("The specified file was not
// found.", "The system is out of memory or resources.", "There is no association for the
// specified file type." or "不明なエラーです。"), or a platform error under "CreateProcess"
// when the program cannot be started.
bool open_with_associated_program(const std::wstring& document);

// The command line for a document's program: the program path followed by a blank and
// the document path in double quotes. A program path holding a blank is quoted too, so
// that the platform cannot take a shorter path ("C:\Program") for the program.
std::wstring associated_program_command_line(const std::wstring& program, const std::wstring& document);

}  // namespace ZOR

#endif

#pragma once
// The terminal the programs write to: a terminal on POSIX, a console on Windows. On one, text is
// shown to a person, so control characters in it are written escaped (app/text_guards.h); into
// a file or a pipe it goes as it is.
#include <memory>
#include <string>
#include <vector>

// Whether the descriptor (1 for standard output, 2 for standard error) is a terminal: isatty
// (POSIX); a console, as GetConsoleMode tells, and not the null device or another character
// device, which isatty would count (Windows).
bool IsTerminal(int fd);

// While it lives, a console shows the UTF-8 the program writes to std::cout and std::cerr
// (Windows: they write to a console in UTF-16, whole characters at a time, and the console's
// code page is UTF-8 for anything else; its own comes back afterwards). Nothing to do on POSIX,
// whose terminals take the locale's UTF-8 as it is.
class Utf8Console {
  public:
    Utf8Console();
    ~Utf8Console();
    Utf8Console(const Utf8Console&) = delete;
    Utf8Console& operator=(const Utf8Console&) = delete;

  private:
    struct Redirection; // the console's streams and code page as they were (Windows)
    std::unique_ptr<Redirection> m_redirection;
};

// Standard input, output and error carry bytes as they are, so that output is the same on every
// platform: no carriage return added before a line feed or taken away (Windows' text mode).
// Nothing to do on POSIX.
void UseStandardStreamsAsBytes();

// The program's arguments as UTF-8, whatever the script of a name or path in them: argv as it
// is (POSIX); the wide command line split as the C runtime splits it (Windows, whose argv holds
// them in the code page of the system, losing what it cannot spell).
std::vector<std::string> Utf8Arguments(int argc, char** argv);

#pragma once
// The command line and the standard streams of a console program, made alike
// on Windows and Linux: arguments arrive as UTF-8, and what the program prints
// reaches its pipe or file byte for byte.

#include <string>
#include <vector>

namespace ec {

// The program's arguments as UTF-8, the program's own name first. On Linux
// these are argv as given; on Windows argv is in the ANSI code page, which
// cannot hold every file name, so the wide command line is read instead.
std::vector<std::string> CommandLineArguments(int argc, char** argv);

// Windows opens standard output and error in text mode, which turns every
// "\n" into "\r\n"; this switches both to binary and lets a console show
// UTF-8. Nothing to do on Linux.
void UseBinaryStandardStreams();

}  // namespace ec

// Runs an engine library the way a command-line program is run: the library is
// loaded by path, a '*'-separated argument text becomes an argument vector, and
// a named entry is called with it like a program's main.
#pragma once

#include <string>

// An engine entry point: called like main, returns 0 on success.
using EngineEntry = int (*)(int argc, char** argv);

// Longest argument text accepted, terminator included, and the most arguments.
inline constexpr int kMaxArgumentText = 4096;
inline constexpr int kMaxArguments = 256;

// Loads libraryPath, finds entryName and calls it with the arguments split
// from argumentText. Returns the library handle when the entry was called and
// freeAfterCall is false (the caller then owns the loaded library); otherwise
// null. entryResult, when given, receives the entry's own result, or -1 when
// the entry was not called (library not loadable, entry missing, text of
// kMaxArgumentText characters or more, more than kMaxArguments arguments).
void* CallLibraryEntry(const std::string& libraryPath, const char* entryName,
                       const std::string& argumentText, bool freeAfterCall,
                       int* entryResult = nullptr);

// Splits text in place at '*' like a reentrant tokenizer: runs of '*' count as
// one separator and leading or trailing '*' yield no argument. Pointers to the
// arguments are stored from vector[count] on; count grows by one per argument
// found, also past capacity, where no more pointers are stored (so a caller
// sees that the vector was too small).
void SplitArgumentString(char* text, int& count, char** vector, int capacity = kMaxArguments);

// Runs an engine library's entry and tells whether it did its work.
#pragma once

#include <string>

struct EngineRun {
    bool called = false;  // the library loaded and the entry ran
    int result = -1;      // the entry's own result, 0 on success
    std::string reason;   // why it failed, when known
    bool Succeeded() const { return called && result == 0; }
};

// Calls entry of the library at libraryPath with the '*'-separated argument
// text. errorEntry, when given, names an exported `const char* f()` that
// returns the reason of the library's last failure.
EngineRun RunEngine(const std::string& libraryPath, const char* entry,
                    const std::string& argumentText, const char* errorEntry = nullptr);

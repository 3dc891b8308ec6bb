#include "engines/CallLibraryEntry.h"

#include <cstring>

#include "platform/DynamicLibrary.h"

void SplitArgumentString(char* text, int& count, char** vector, int capacity) {
    if (!text)
        return;
    char* p = text;
    for (;;) {
        while (*p == '*')
            ++p;
        if (*p == '\0')
            return;
        if (count >= 0 && count < capacity)
            vector[count] = p;
        ++count;
        while (*p != '\0' && *p != '*')
            ++p;
        if (*p == '\0')
            return;
        *p++ = '\0';
    }
}

void* CallLibraryEntry(const std::string& libraryPath, const char* entryName,
                       const std::string& argumentText, bool freeAfterCall, int* entryResult) {
    if (entryResult)
        *entryResult = -1;
    if (!entryName || argumentText.size() >= static_cast<std::size_t>(kMaxArgumentText))
        return nullptr;

    platform::DynamicLibrary library(libraryPath);
    if (!library.IsLoaded())
        return nullptr;
    auto entry = reinterpret_cast<EngineEntry>(library.Symbol(entryName));
    if (!entry)
        return nullptr;

    char workingCopy[kMaxArgumentText];
    std::memcpy(workingCopy, argumentText.c_str(), argumentText.size() + 1);
    char* arguments[kMaxArguments];
    int argc = 0;
    SplitArgumentString(workingCopy, argc, arguments, kMaxArguments);
    if (argc > kMaxArguments)
        return nullptr;

    const int result = entry(argc, arguments);
    if (entryResult)
        *entryResult = result;
    if (freeAfterCall)
        return nullptr;
    return library.Release();
}

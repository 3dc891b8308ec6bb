#include "pipeline/EngineCall.h"

#include "engines/CallLibraryEntry.h"
#include "platform/DynamicLibrary.h"
#include "platform/Files.h"
#include "platform/Translation.h"

using platform::FillIn;
using platform::Translate;

EngineRun RunEngine(const std::string& libraryPath, const char* entry,
                    const std::string& argumentText, const char* errorEntry) {
    EngineRun run;
    if (!platform::PathExists(libraryPath)) {
        run.reason =
            FillIn(Translate("AuthoringJob", "The engine library %1 is missing."), {libraryPath});
        return run;
    }
    int result = -1;
    void* handle = CallLibraryEntry(libraryPath, entry, argumentText, false, &result);
    if (!handle) {
        run.reason = FillIn(
            Translate("AuthoringJob", "The engine library %1 could not be run (entry \"%2\")."),
            {libraryPath, entry});
        return run;
    }
    platform::DynamicLibrary library = platform::DynamicLibrary::Adopt(handle);
    run.called = true;
    run.result = result;
    if (result != 0 && errorEntry) {
        using ErrorText = const char* (*)();
        if (auto lastError = reinterpret_cast<ErrorText>(library.Symbol(errorEntry))) {
            if (const char* text = lastError())
                run.reason = text;
        }
    }
    if (result != 0 && run.reason.empty())
        run.reason = platform::FillIn(platform::Translate("AuthoringJob", "%1 returned %2."),
                                      {entry, std::to_string(result)});
    return run;
}

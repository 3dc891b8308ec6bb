// Where the engine libraries are: the encoding engine and the authoring
// library live in the program folder under this platform's names.
#pragma once

#include <string>

struct EngineLibraries {
    std::string engine;     // "engine.so": conversions, stills, thumbnails, media facts
    std::string authoring;  // "dvdauthor.so": authoring and subpicture multiplexing
};

// programFolder ends with '/'.
inline EngineLibraries LocateEngineLibraries(const std::string& programFolder) {
    return {programFolder + "engine.so", programFolder + "dvdauthor.so"};
}

// The facts of a source file, written into the caller's 56-byte record.
#pragma once

#include "components/engine/EngineArguments.h"

namespace engine {

// Fills the record at request.mediaInfoAddress; fields whose fact is unknown
// are 0, and the whole record is 0 when the file cannot be read.
Status ReadMediaFacts(const EngineRequest& request);

}  // namespace engine

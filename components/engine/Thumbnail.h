// One picture of a video, scaled and saved as a JPEG.
#pragma once

#include "components/engine/EngineArguments.h"

namespace engine {

// Writes the frame at request.seekSeconds (or, for a shorter video, its last
// frame), scaled to request.width x request.height, as a JPEG to
// request.output.
Status MakeThumbnail(const EngineRequest& request);

}  // namespace engine

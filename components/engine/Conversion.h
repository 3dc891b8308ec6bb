// The two encodes that write a DVD program stream: a source video
// (conversion) and a list of still pictures (menu still).
#pragma once

#include "components/engine/EngineArguments.h"
#include "components/engine/ProgressReporter.h"

namespace engine {

// Converts request.source into request.output. The file appears only when
// the whole conversion succeeded; on failure or abort nothing is left behind.
Status ConvertVideo(const EngineRequest& request, ProgressReporter& progress);

// Encodes one frame per listed picture, with silent sound, to request.output.
Status EncodeMenuStill(const EngineRequest& request);

}  // namespace engine

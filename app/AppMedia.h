// Probing a video for the application's list.
#pragma once

#include <string>

#include "media/Probe.h"

// ReadMediaFile and NameMediaItem with the application's program folder and
// working folder, the number taken by CQuorvaApp::TakeRunningNumber. A
// refused file takes no number.
ProbeResult ProbeMediaFile(const std::string& sourcePath);

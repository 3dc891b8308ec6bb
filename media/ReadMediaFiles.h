// Reading several added videos at once, one per core, with the results
// handed on in the order of the files.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "media/Probe.h"

// Reads files with ReadMediaFile, up to threads of them at a time. onRead gets
// each result on the calling thread, in the order of the files, as soon as it
// and every file before it are read. Once stop() (asked on the reading
// threads) is true no new file is started; those started are still handed on.
void ReadMediaFiles(const std::vector<std::string>& files, const std::string& programFolder,
                    std::size_t threads, const std::function<bool()>& stop,
                    const std::function<void(std::size_t, ProbeResult&&)>& onRead);

// A libburn source that hands on the bytes of another, each piece shown to a
// function on its way: the checksum taken while writing, a patched field.
#pragma once

#include <functional>

namespace burn {
struct burn_source;
}

namespace burner {

// Called with each piece read from the inner source, in the stream's order;
// it may change the bytes.
using PassOn = std::function<void(unsigned char* bytes, int count)>;

// A new source reading inner (it holds a reference to it) and calling passOn
// on what it reads; nullptr when out of memory.
burn::burn_source* NewPassingSource(burn::burn_source* inner, PassOn passOn);

}  // namespace burner

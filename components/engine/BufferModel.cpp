#include "components/engine/BufferModel.h"

#include <algorithm>

namespace engine {

bool BufferModel::Take(const std::vector<std::int64_t>& pictureBits) {
    bool fits = true;
    for (const std::int64_t bits : pictureBits) {
        fullness_ -= static_cast<double>(bits);
        if (fullness_ < 0) {
            fits = false;
            fullness_ = 0;
        }
        fullness_ = std::min(size_ - 1, fullness_ + fill_);
    }
    return fits;
}

}  // namespace engine

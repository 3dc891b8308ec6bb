// The player's video buffer as MPEG-2 models it for a stream of variable
// rate: filled at the stream's peak rate until it is full, each picture taken
// out whole when it is decoded, a picture's time apart. The encoder keeps the
// same account of its own pictures.
#pragma once

#include <cstdint>
#include <vector>

namespace engine {

class BufferModel {
  public:
    BufferModel(double size, double fillPerPicture, double fullness)
        : size_(size), fill_(fillPerPicture), fullness_(fullness) {}

    // Bits in the buffer when the next picture is due.
    double fullness() const { return fullness_; }
    // Takes out pictures of these sizes (bits, in decoding order); false
    // when one was not wholly in the buffer by its time (it ran dry).
    bool Take(const std::vector<std::int64_t>& pictureBits);

  private:
    double size_;
    double fill_;
    double fullness_;
};

}  // namespace engine

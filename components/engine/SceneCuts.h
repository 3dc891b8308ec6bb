// Where a new scene starts: a picture far unlike the one before it, judged
// on a coarse grid of its luma against how much the pictures have been
// changing lately (so that noise, grain or fast motion do not count).
#pragma once

#include <cstdint>
#include <vector>

extern "C" {
#include <libavutil/frame.h>
}

namespace engine {

class SceneCuts {
  public:
    // Whether frame starts a new scene; frames come in showing order.
    bool IsCut(const AVFrame& frame);

  private:
    std::vector<std::uint8_t> previous_;
    double usual_ = -1;  // the recent mean change from one picture to the next
};

}  // namespace engine

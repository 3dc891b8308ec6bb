// Interlaced sources: television video whose two fields were taken a field
// apart. Kept as fields wherever the disc has the source's rate, scaled and
// given bars field by field (scaling across two fields would blend them into
// a smear); made whole pictures first (deinterlaced) only where the rate
// changes.
#pragma once

#include <string>

#include "components/engine/EngineArguments.h"
#include "components/engine/InputMedia.h"
#include "components/engine/PictureFit.h"
#include "components/engine/Pulldown.h"

namespace engine {

enum class FieldOrder { Progressive, TopFirst, BottomFirst };

// The video's field order as its stream says; where it does not, for the
// frame heights television video is interlaced in, a look at the pictures of
// its first seconds: their own flags, else FFmpeg's interlace detector.
FieldOrder DetectFieldOrder(const std::string& path, const InputMedia& input, int threads);

struct FieldPlan {
    bool keepFields = false;  // encoded interlaced, in the source's order
    bool topFirst = true;
    // One whole picture per frame (both fields, moving parts from one), before
    // anything else; one per field would cost twice as much for smoother motion.
    bool deinterlace = false;
    // Where one field alone has (about) the lines the disc's picture gets, as
    // high-definition fields do, the picture is made from the first field
    // only: nothing is lost, and half the lines are scaled.
    bool firstFieldOnly = false;
    // Film on an NTSC disc: its own pictures, shown as three fields or two.
    bool pulldown = false;
    // The disc gets fewer pictures a second than the source has: they are
    // dropped before scaling rather than after.
    bool fewerPictures = false;

    // The rate pictures are encoded at on a disc of discRate.
    AVRational EncodedRate(AVRational discRate) const { return pulldown ? kFilmRate : discRate; }
};

// What the conversion does with input's video of the given order (and rate)
// for request.
FieldPlan PlanFields(FieldOrder order, const InputMedia& input, const EngineRequest& request,
                     bool rotated);

// fit moved to whole pairs of lines of each field, for pictures kept as fields.
PictureFit AlignToFields(PictureFit fit, int frameHeight);

// The deinterlacing filter for plan ("" when the plan keeps the fields or
// the source is progressive).
std::string DeinterlaceFilter(const FieldPlan& plan);

}  // namespace engine

// One video encoded by several MPEG-2 encoders side by side, each taking whole
// groups of pictures in turn. The encoder's own threads only share out the
// rows of each picture, and much of its work is not shared, so a single
// encoder leaves part of a second core idle; two encoders on alternate groups
// do not. Each group is closed and begins with its own sequence header, so an
// encoder's pictures refer only to its own; the packets are put back in order
// with the decoding times and group time codes of a single stream.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

#include "components/engine/EncodeQueue.h"
#include "components/engine/FfmpegHandles.h"

namespace engine {

class VideoLanes {
  public:
    // Makes one encoder, opened; every lane's must be set up alike.
    using OpenEncoder = std::function<Status(CodecContextPtr& encoder)>;
    using WritePacket = std::function<Status(AVPacket* packet)>;

    // lanes encoders made by open, groups of groupSize pictures. open gives
    // each encoder an equal share of the player's buffer of bufferBits as its
    // rc_buffer_size: however their groups alternate, the stream then keeps
    // within the whole buffer, which its sequence headers are made to declare.
    Status Open(int lanes, int groupSize, std::int64_t bufferBits, const OpenEncoder& open);

    // Queues a picture for its group's encoder; pts counts pictures and only
    // grows. The frame is referenced, not copied.
    Status Send(const AVFrame* frame);
    // No more pictures: every encoder is drained.
    Status Finish();
    // Passes on the packets of every group complete so far, in stream order.
    Status WriteReady(const WritePacket& write);

    // The first lane's encoder, whose settings describe the stream.
    const AVCodecContext* encoder() const { return lanes_.front()->encoder.get(); }

  private:
    struct Group {
        std::int64_t lastPts = 0;
        int pictures = 0;
        int encoded = 0;
        bool closed = false;  // no more pictures will be sent
        std::vector<PacketPtr> packets;
    };
    struct Lane {
        CodecContextPtr encoder;
        PacketPtr packet = MakePacket();
        std::deque<std::int64_t> groups;  // not yet fully encoded, oldest first
        // The encoder counts its own pictures without gaps (its rate control
        // reads a gap as time passing); their times in the stream, from the
        // picture it numbered firstNumber on.
        std::deque<std::int64_t> streamPts;
        std::int64_t firstNumber = 0;
        std::unique_ptr<EncodeQueue> queue;  // last: stops before the encoder goes
    };
    Status Encode(Lane& lane, const AVFrame* frame);
    // A time the lane's encoder gave, in the stream.
    std::int64_t StreamTime(const Lane& lane, std::int64_t number) const;
    Status FixGroupStart(AVPacket* packet) const;

    int groupSize_ = 1;
    std::int64_t timeCodeRate_ = 25;
    std::int64_t bufferBits_ = 0;
    std::int64_t sent_ = 0;
    std::int64_t nextGroup_ = 0;             // the next to be written
    std::int64_t lastPts_ = AV_NOPTS_VALUE;  // the latest picture written
    std::mutex mutex_;
    std::map<std::int64_t, Group> groups_;      // by number, not yet written
    std::vector<std::unique_ptr<Lane>> lanes_;  // last: their threads use the above
};

}  // namespace engine

// One video encoded by several MPEG-2 encoders side by side, each taking whole
// groups of pictures in turn. The encoder's own threads only share out the
// rows of each picture, and much of its work is not shared, so a single
// encoder leaves part of a second core idle; two encoders on alternate groups
// do not. Each group is closed and begins with its own sequence header, so an
// encoder's pictures refer only to its own; the packets are put back in order
// with the decoding times and group time codes of a single stream.
//
// Every encoder may use the player's whole buffer, as a single one would, so
// that a group's first picture gets its due. An encoder cannot know how full
// the buffer really is where its group follows another encoder's, so the
// groups are checked in stream order against one account of the buffer; the
// rare group that would run it dry is encoded again from the fullness it
// really starts at.
//
// A group ends after the longest the disc allows, or where a new scene starts
// once it has lasted long enough to make a navigation unit of its own.
#pragma once

#include <atomic>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "components/engine/BufferModel.h"
#include "components/engine/EncodeQueue.h"
#include "components/engine/FfmpegHandles.h"
#include "components/engine/SceneCuts.h"

namespace engine {

class VideoLanes {
  public:
    struct EncoderStart {
        // Where the encoder's account of the player's buffer starts (bits),
        // when not at its own default.
        std::optional<int> fullness;
        // The coarser quantiser scale, for pictures (noise above all) that
        // the finer one cannot fit into the buffer however hard it quantises.
        bool coarse = false;
        // The encoder's account is the player's buffer as it is; otherwise
        // it is given room beyond it (see Open).
        bool exact = true;
    };
    // Makes one encoder, opened; every one must be set up alike.
    using OpenEncoder = std::function<Status(CodecContextPtr& encoder, const EncoderStart& start)>;
    using WritePacket = std::function<Status(AVPacket* packet)>;

    // lanes encoders made by open, groups of at most groupSize pictures, for
    // a player's buffer of bufferBits filled at the encoders' rc_max_rate.
    // Where several encoders share the stream, each is given room beyond the
    // buffer: one that knows only its own groups counts the buffer short
    // where the stream's own account shows it is not, and starves its key
    // pictures. The stream's account keeps to the player's buffer.
    Status Open(int lanes, int groupSize, std::int64_t bufferBits, OpenEncoder open);

    // Queues a picture for its group's encoder; pts counts pictures and only
    // grows. The frame is referenced, not copied.
    Status Send(const AVFrame* frame);
    // No more pictures: every encoder is drained.
    Status Finish();
    // Passes on the packets of every group complete so far, in stream order.
    Status WriteReady(const WritePacket& write);

    // The first lane's encoder, whose settings describe the stream.
    const AVCodecContext* encoder() const { return lanes_.front()->encoder.get(); }
    // Groups encoded again so that the buffer would not run dry.
    int groupsEncodedAgain() const { return encodedAgain_; }

  private:
    struct Group {
        std::int64_t lastPts = 0;
        int encoded = 0;
        bool closed = false;                           // no more pictures will be sent
        std::vector<std::shared_ptr<AVFrame>> frames;  // kept to encode it again
        std::vector<std::int64_t> times;               // the frames' stream pts
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
        // The pictures it numbered below this were the stream's first group,
        // encoded only so that its rate control and its account of the buffer
        // start where they would have stood after that group; they are dropped.
        std::int64_t warmUp = 0;
        bool coarse = false;
        std::unique_ptr<EncodeQueue> queue;  // last: stops before the encoder goes
    };
    Status Encode(Lane& lane, const AVFrame* frame);
    // Queues the frame for the lane's encoder as its next picture: true when it
    // starts a group, warming up for a first group of its own.
    Status Queue(Lane& lane, const AVFrame* frame, bool starts, bool warmingUp);
    Status Receive(Lane& lane);
    // Drains the lane's encoder and goes on with one of the coarser scale.
    Status Coarsen(Lane& lane);
    // A time the lane's encoder gave, in the stream.
    std::int64_t StreamTime(const Lane& lane, std::int64_t number) const;
    // Keeps the buffer from running dry over group, encoding it again if need be.
    Status FitBuffer(Group& group);
    Status EncodeAgain(Group& group, bool coarse);
    Status FixGroupStart(AVPacket* packet) const;

    OpenEncoder open_;
    int groupSize_ = 1;
    int shortestCutGroup_ = 1;
    std::int64_t timeCodeRate_ = 25;
    std::int64_t bufferBits_ = 0;
    std::optional<BufferModel> buffer_;  // the player's, as the stream written so far left it
    SceneCuts cuts_;
    std::int64_t sent_ = 0;
    std::int64_t current_ = 0;  // the group being sent
    int inGroup_ = 0;           // pictures sent of it
    int encodedAgain_ = 0;
    // Once a group did not fit even encoded again, every later one is
    // encoded on the coarser scale.
    std::atomic<bool> coarse_{false};
    std::int64_t nextGroup_ = 0;             // the next to be written
    std::int64_t lastPts_ = AV_NOPTS_VALUE;  // the latest picture written
    std::mutex mutex_;
    std::map<std::int64_t, Group> groups_;      // by number, not yet written
    std::vector<std::unique_ptr<Lane>> lanes_;  // last: their threads use the above
};

}  // namespace engine

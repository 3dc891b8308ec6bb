#include "components/engine/VideoLanes.h"

#include <algorithm>

#include "components/engine/Mpeg2Headers.h"

namespace engine {
namespace {

std::shared_ptr<AVFrame> Reference(const AVFrame* frame) {
    return {av_frame_clone(frame), [](AVFrame* f) { av_frame_free(&f); }};
}

// Hands each packet the encoder has ready to take, until it wants more
// pictures or has given its last.
Status ReceivePackets(AVCodecContext* encoder, AVPacket* scratch,
                      const std::function<Status(PacketPtr)>& take) {
    for (;;) {
        const int e = avcodec_receive_packet(encoder, scratch);
        if (e == AVERROR(EAGAIN) || e == AVERROR_EOF)
            return {};
        if (e < 0)
            return Status::Av("encoding mpeg2video", e);
        PacketPtr packet = MakePacket();
        if (!packet)
            return Status::Failure("out of memory");
        av_packet_move_ref(packet.get(), scratch);
        if (Status s = take(std::move(packet)); !s)
            return s;
    }
}

}  // namespace

Status VideoLanes::Open(int lanes, int groupSize, std::int64_t bufferBits, OpenEncoder open) {
    open_ = std::move(open);
    bufferBits_ = bufferBits;
    // Each starts where the player's buffer does.
    const EncoderStart start{static_cast<int>(bufferBits_ * 3 / 4), false, lanes <= 1};
    groupSize_ = std::max(1, groupSize);
    // A group begun at a scene cut leaves the one before it two thirds of
    // the longest at least (0.4 s: a navigation unit's shortest).
    shortestCutGroup_ = std::max(1, (groupSize_ * 2 + 2) / 3);
    for (int i = 0; i < std::max(1, lanes); ++i) {
        auto lane = std::make_unique<Lane>();
        if (!lane->packet)
            return Status::Failure("out of memory");
        if (Status s = open_(lane->encoder, start); !s)
            return s;
        // A whole group can wait while the other lanes are given theirs.
        lane->queue = std::make_unique<EncodeQueue>(groupSize_ + 2);
        lanes_.push_back(std::move(lane));
    }
    const AVCodecContext* c = lanes_.front()->encoder.get();
    const AVRational rate = c->framerate;
    if (rate.num > 0 && rate.den > 0)
        timeCodeRate_ = (rate.num + rate.den / 2) / rate.den;
    if (bufferBits_ > 0 && c->rc_max_rate > 0 && rate.num > 0)
        buffer_.emplace(static_cast<double>(bufferBits_),
                        static_cast<double>(c->rc_max_rate) / av_q2d(rate),
                        static_cast<double>(*start.fullness));
    return {};
}

Status VideoLanes::Send(const AVFrame* frame) {
    const bool cut = cuts_.IsCut(*frame);
    const bool starts =
        sent_ == 0 || inGroup_ >= groupSize_ || (cut && inGroup_ >= shortestCutGroup_);
    if (starts && sent_ > 0) {
        ++current_;
        inGroup_ = 0;
    }
    ++inGroup_;
    const std::int64_t number = current_;
    const auto lanes = static_cast<std::int64_t>(lanes_.size());
    Lane& lane = *lanes_[number % lanes];
    std::shared_ptr<AVFrame> copy = Reference(frame);  // kept to encode the group again
    if (!copy)
        return Status::Failure("out of memory");
    {
        std::lock_guard lock(mutex_);
        if (starts) {
            if (auto previous = groups_.find(number - 1); previous != groups_.end())
                previous->second.closed = true;
            lane.groups.push_back(number);
        }
        Group& group = groups_[number];
        group.lastPts = frame->pts;
        group.frames.push_back(copy);
        group.times.push_back(frame->pts);
    }
    ++sent_;
    // The other lanes begin on the first group as well: a rate control that
    // started cold would starve their own first key pictures.
    if (number == 0)
        for (std::int64_t i = 1; i < lanes; ++i)
            if (Status s = Queue(*lanes_[i], frame, starts, true); !s)
                return s;
    return Queue(lane, copy.get(), starts, false);
}

Status VideoLanes::Queue(Lane& lane, const AVFrame* frame, bool starts, bool warmingUp) {
    std::shared_ptr<AVFrame> copy = Reference(frame);
    if (!copy)
        return Status::Failure("out of memory");
    // Each group opens with a picture that needs no other.
    copy->pict_type = starts ? AV_PICTURE_TYPE_I : AV_PICTURE_TYPE_NONE;
    {
        std::lock_guard lock(mutex_);
        lane.streamPts.push_back(frame->pts);
        copy->pts = lane.firstNumber + static_cast<std::int64_t>(lane.streamPts.size()) - 1;
        if (warmingUp)
            lane.warmUp = copy->pts + 1;
    }
    return lane.queue->Submit([this, &lane, copy] { return Encode(lane, copy.get()); });
}

Status VideoLanes::Finish() {
    {
        std::lock_guard lock(mutex_);
        if (auto last = groups_.find(current_); sent_ > 0 && last != groups_.end())
            last->second.closed = true;
    }
    for (auto& lane : lanes_)
        if (Status s = lane->queue->Submit([this, &lane] { return Encode(*lane, nullptr); }); !s)
            return s;
    for (auto& lane : lanes_)
        if (Status s = lane->queue->Drain(); !s)
            return s;
    return {};
}

Status VideoLanes::Encode(Lane& lane, const AVFrame* frame) {
    if (frame && frame->pict_type == AV_PICTURE_TYPE_I && coarse_ && !lane.coarse)
        if (Status s = Coarsen(lane); !s)
            return s;
    if (int e = avcodec_send_frame(lane.encoder.get(), frame); e < 0)
        return Status::Av("encoding mpeg2video", e);
    return Receive(lane);
}

Status VideoLanes::Coarsen(Lane& lane) {
    if (int e = avcodec_send_frame(lane.encoder.get(), nullptr); e < 0)
        return Status::Av("encoding mpeg2video", e);
    if (Status s = Receive(lane); !s)
        return s;
    lane.coarse = true;
    return open_(lane.encoder, {std::nullopt, true, true});
}

Status VideoLanes::Receive(Lane& lane) {
    return ReceivePackets(lane.encoder.get(), lane.packet.get(), [&](PacketPtr packet) -> Status {
        std::lock_guard lock(mutex_);
        const std::int64_t number = packet->pts;
        if (number < lane.warmUp)
            return {};
        packet->pts = StreamTime(lane, number);
        if (packet->dts != AV_NOPTS_VALUE)
            packet->dts = StreamTime(lane, packet->dts);
        // Times before the picture just out, less a group, are not asked for again.
        while (lane.firstNumber < number - groupSize_ && lane.streamPts.size() > 1) {
            lane.streamPts.pop_front();
            ++lane.firstNumber;
        }
        // A lane's groups come out one after the other, each whole.
        auto group = groups_.end();
        while (!lane.groups.empty()) {
            group = groups_.find(lane.groups.front());
            if (group != groups_.end() && packet->pts <= group->second.lastPts)
                break;
            lane.groups.pop_front();
            group = groups_.end();
        }
        if (group == groups_.end())
            return Status::Failure("the video encoder gave out a picture it was not given");
        group->second.packets.push_back(std::move(packet));
        ++group->second.encoded;
        return {};
    });
}

std::int64_t VideoLanes::StreamTime(const Lane& lane, std::int64_t number) const {
    if (lane.streamPts.empty())
        return number;
    // Before the first picture: the first packet's decoding time.
    if (number < lane.firstNumber)
        return lane.streamPts.front() - (lane.firstNumber - number);
    const auto at = static_cast<std::size_t>(number - lane.firstNumber);
    return at < lane.streamPts.size() ? lane.streamPts[at] : lane.streamPts.back();
}

Status VideoLanes::WriteReady(const WritePacket& write) {
    for (;;) {
        Group group;
        {
            std::lock_guard lock(mutex_);
            const auto ready = groups_.find(nextGroup_);
            if (ready == groups_.end() || !ready->second.closed ||
                ready->second.encoded < static_cast<int>(ready->second.frames.size()))
                return {};
            group = std::move(ready->second);
            groups_.erase(ready);
        }
        ++nextGroup_;
        if (Status s = FitBuffer(group); !s)
            return s;
        for (std::size_t i = 0; i < group.packets.size(); ++i) {
            AVPacket* packet = group.packets[i].get();
            if (i == 0)
                if (Status s = FixGroupStart(packet); !s)
                    return s;
            lastPts_ = lastPts_ == AV_NOPTS_VALUE ? packet->pts : std::max(lastPts_, packet->pts);
            if (Status s = write(packet); !s)
                return s;
        }
    }
}

Status VideoLanes::FitBuffer(Group& group) {
    if (!buffer_)
        return {};
    auto bits = [&group] {
        std::vector<std::int64_t> sizes;
        for (const PacketPtr& packet : group.packets)
            sizes.push_back(static_cast<std::int64_t>(packet->size) * 8);
        return sizes;
    };
    BufferModel after = *buffer_;
    if (after.Take(bits())) {
        buffer_ = after;
        return {};
    }
    if (Status s = EncodeAgain(group, coarse_); !s)
        return s;
    after = *buffer_;
    if (!after.Take(bits()) && !coarse_) {
        coarse_ = true;
        if (Status s = EncodeAgain(group, true); !s)
            return s;
        after = *buffer_;
        // One that does not fit even so is told by the muxer's own check.
        after.Take(bits());
    }
    buffer_ = after;
    return {};
}

Status VideoLanes::EncodeAgain(Group& group, bool coarse) {
    ++encodedAgain_;
    CodecContextPtr encoder;
    const auto fullness = static_cast<int>(std::min<double>(buffer_->fullness(), bufferBits_));
    if (Status s = open_(encoder, {fullness, coarse, true}); !s)
        return s;
    std::vector<PacketPtr> packets;
    PacketPtr packet = MakePacket();
    if (!packet)
        return Status::Failure("out of memory");
    auto receive = [&] {
        return ReceivePackets(encoder.get(), packet.get(), [&](PacketPtr out) -> Status {
            packets.push_back(std::move(out));
            return {};
        });
    };
    for (std::size_t i = 0; i <= group.frames.size(); ++i) {
        std::shared_ptr<AVFrame> frame;
        if (i < group.frames.size()) {
            frame = Reference(group.frames[i].get());
            if (!frame)
                return Status::Failure("out of memory");
            frame->pts = static_cast<std::int64_t>(i);
            frame->pict_type = i == 0 ? AV_PICTURE_TYPE_I : AV_PICTURE_TYPE_NONE;
        }
        if (int e = avcodec_send_frame(encoder.get(), frame.get()); e < 0)
            return Status::Av("encoding mpeg2video", e);
        if (Status s = receive(); !s)
            return s;
    }
    const auto time = [&group](std::int64_t number) {
        if (number < 0)
            return group.times.front() + number;
        return group
            .times[std::min<std::size_t>(static_cast<std::size_t>(number), group.times.size() - 1)];
    };
    for (PacketPtr& p : packets) {
        p->pts = time(p->pts);
        if (p->dts != AV_NOPTS_VALUE)
            p->dts = time(p->dts);
    }
    group.packets = std::move(packets);
    return {};
}

Status VideoLanes::FixGroupStart(AVPacket* packet) const {
    // An encoder times the decoding of its group's first picture after its
    // own previous group; in the stream it follows the group just before.
    if (lastPts_ != AV_NOPTS_VALUE && packet->dts != AV_NOPTS_VALUE)
        packet->dts = lastPts_;
    if (int e = av_packet_make_writable(packet); e < 0)
        return Status::Av("group header", e);
    // Likewise the group's time code, counted by each encoder on its own.
    std::uint8_t* sequence = nullptr;
    std::uint8_t* extension = nullptr;
    ForEachHeader(packet->data, packet->size, [&](std::uint8_t code, std::uint8_t* header) {
        if (code == kGroupOfPictures)
            WriteTimeCode(header, packet->pts, timeCodeRate_);
        else if (code == kSequenceHeader)
            sequence = header;
        else if (code == kExtension && header[0] >> 4 == kSequenceExtension)
            extension = header;
    });
    if (sequence && bufferBits_ > 0)
        WriteBufferSize(sequence, extension, bufferBits_);
    return {};
}

}  // namespace engine

#include "components/engine/VideoLanes.h"

#include <algorithm>

#include "components/engine/Mpeg2Headers.h"

namespace engine {

Status VideoLanes::Open(int lanes, int groupSize, std::int64_t bufferBits,
                        const OpenEncoder& open) {
    groupSize_ = std::max(1, groupSize);
    bufferBits_ = bufferBits;
    for (int i = 0; i < std::max(1, lanes); ++i) {
        auto lane = std::make_unique<Lane>();
        if (!lane->packet)
            return Status::Failure("out of memory");
        if (Status s = open(lane->encoder); !s)
            return s;
        // A whole group can wait while the other lanes are given theirs.
        lane->queue = std::make_unique<EncodeQueue>(groupSize_ + 2);
        lanes_.push_back(std::move(lane));
    }
    const AVRational rate = lanes_.front()->encoder->framerate;
    if (rate.num > 0 && rate.den > 0)
        timeCodeRate_ = (rate.num + rate.den / 2) / rate.den;
    return {};
}

Status VideoLanes::Send(const AVFrame* frame) {
    const std::int64_t number = sent_ / groupSize_;
    const bool starts = sent_ % groupSize_ == 0;
    Lane& lane = *lanes_[number % static_cast<std::int64_t>(lanes_.size())];
    std::shared_ptr<AVFrame> copy(av_frame_clone(frame), [](AVFrame* f) { av_frame_free(&f); });
    if (!copy)
        return Status::Failure("out of memory");
    // Each group opens with a picture that needs no other.
    copy->pict_type = starts ? AV_PICTURE_TYPE_I : AV_PICTURE_TYPE_NONE;
    {
        std::lock_guard lock(mutex_);
        lane.streamPts.push_back(frame->pts);
        copy->pts = lane.firstNumber + static_cast<std::int64_t>(lane.streamPts.size()) - 1;
        if (starts) {
            if (auto previous = groups_.find(number - 1); previous != groups_.end())
                previous->second.closed = true;
            lane.groups.push_back(number);
        }
        Group& group = groups_[number];
        group.lastPts = frame->pts;
        ++group.pictures;
    }
    ++sent_;
    return lane.queue->Submit([this, &lane, copy] { return Encode(lane, copy.get()); });
}

Status VideoLanes::Finish() {
    {
        std::lock_guard lock(mutex_);
        if (auto last = groups_.find((sent_ - 1) / groupSize_); sent_ > 0 && last != groups_.end())
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
    if (int e = avcodec_send_frame(lane.encoder.get(), frame); e < 0)
        return Status::Av("encoding mpeg2video", e);
    for (;;) {
        const int e = avcodec_receive_packet(lane.encoder.get(), lane.packet.get());
        if (e == AVERROR(EAGAIN) || e == AVERROR_EOF)
            return {};
        if (e < 0)
            return Status::Av("encoding mpeg2video", e);
        PacketPtr packet = MakePacket();
        if (!packet)
            return Status::Failure("out of memory");
        av_packet_move_ref(packet.get(), lane.packet.get());
        std::lock_guard lock(mutex_);
        const std::int64_t number = packet->pts;
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
    }
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
        std::vector<PacketPtr> packets;
        {
            std::lock_guard lock(mutex_);
            const auto group = groups_.find(nextGroup_);
            if (group == groups_.end() || !group->second.closed ||
                group->second.encoded < group->second.pictures)
                return {};
            packets = std::move(group->second.packets);
            groups_.erase(group);
        }
        ++nextGroup_;
        for (std::size_t i = 0; i < packets.size(); ++i) {
            AVPacket* packet = packets[i].get();
            if (i == 0)
                if (Status s = FixGroupStart(packet); !s)
                    return s;
            lastPts_ = lastPts_ == AV_NOPTS_VALUE ? packet->pts : std::max(lastPts_, packet->pts);
            if (Status s = write(packet); !s)
                return s;
        }
    }
}

Status VideoLanes::FixGroupStart(AVPacket* packet) const {
    // An encoder times the decoding of its group's first picture after its
    // own previous group; in the stream it follows the group just before.
    if (lastPts_ != AV_NOPTS_VALUE && packet->dts != AV_NOPTS_VALUE)
        packet->dts = lastPts_;
    if (int e = av_packet_make_writable(packet); e < 0)
        return Status::Av("group header", e);
    // Likewise the group's time code, counted by each encoder on its own,
    // and the buffer, which each encoder knows only its share of.
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

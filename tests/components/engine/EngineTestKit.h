// Running the encoding engine the way the program does, and checking what it
// wrote with FFmpeg's own probing and with dvdauthor.
#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <cstdint>
#include <string>
#include <vector>

#include "support/TestMedia.h"

namespace enginetest {

// The engine in the program folder.
std::string EnginePath();
// Calls me_start with the '*'-separated text; the entry's result (-1 when it
// could not be called).
int RunEngine(const std::string& text);

// Argument texts as the program writes them.
struct Target {
    bool pal = false;
    bool wide = true;  // 16:9, else 4:3
    int kbits = 5000;  // video bit rate
    int width() const { return 720; }
    int height() const { return pal ? 576 : 480; }
    std::string rate() const { return pal ? "25/1" : "30000/1001"; }
    double fps() const { return pal ? 25.0 : 30000.0 / 1001.0; }
    int keyint() const { return pal ? 15 : 18; }
    std::string EncodingOptions() const;
};
std::string ConversionText(const Target& target, const std::string& source,
                           const std::string& output, std::intptr_t progressLink);
std::string ThumbnailText(const std::string& source, const std::string& output);
std::string MediaInfoText(const std::string& source, const std::string& scratch,
                          const void* record);

// Runs the ffmpeg program: "-v error -y", then args, then path.
bool MakeClip(const std::string& path, const std::vector<std::string>& args);

struct Probe {
    QJsonObject format;
    std::vector<QJsonObject> video;  // streams by type
    std::vector<QJsonObject> audio;
    bool ok = false;
};
// ffprobe -show_streams -show_format -count_packets.
Probe ProbeFile(const std::string& path);
// Picture types of the video frames in order ('I', 'P', 'B').
std::string PictureTypes(const std::string& path);
double Number(const QJsonObject& object, const char* key);
// Time of the first bright picture (mean luma above 100) and of the first
// loud sound (RMS above -40 dB, in steps of 5 ms) of the main audio stream
// or of audio stream track (from 0); negative when none.
double FirstBrightPicture(const std::string& path);
double FirstLoudSound(const std::string& path, int track = -1);

// Rewrites the picture track's matrix of an MP4 file to a quarter turn, as
// phones store upright video shot sideways.
bool MarkRotated(const std::string& path);
// Mean luma of the first frame's rows top..top+height of a video file.
double MeanLuma(const std::string& path, int top, int height);

// One decoded picture (frame index from 0) as rows of 8-bit samples of the
// given pixel format ("gray", "rgb24"); empty when it cannot be decoded.
struct Picture {
    int width = 0;
    int height = 0;
    int channels = 1;
    std::string bytes;
    int At(int x, int y, int channel = 0) const {
        return static_cast<unsigned char>(
            bytes[(static_cast<std::size_t>(y) * width + x) * channels + channel]);
    }
};
Picture DecodePicture(const std::string& path, int width, int height, int frame = 0,
                      const std::string& pixelFormat = "gray");

// How late the latest pack of a program stream reaches a player's buffer:
// for every pack carrying video or AC-3 sound, its clock reference (SCR)
// against the decode time of the picture or sound frame whose bytes it
// carries. Positive seconds: that many after the frame was due.
struct MuxTiming {
    double worstLateness = -1e9;
    int latePacks = 0;
    int packs = 0;
};
MuxTiming CheckMuxTiming(const std::string& path);

// The luma PSNR of each picture of encoded against reference, in showing
// order (99 for identical pictures).
std::vector<double> PicturePsnr(const std::string& encoded, const std::string& reference);

// The sizes in bytes of the video's key pictures, in stream order.
std::vector<double> KeyPictureSizes(const std::string& path);

// The time code of each group of pictures in a program stream's video, as
// pictures counted at picturesPerSecond, in stream order.
std::vector<long> GroupTimeCodes(const std::string& vob, int picturesPerSecond);

// Authors a title from vob into folder with the dvdauthor program (and its
// table of contents); true when both runs succeed without an "ERR:" line.
bool DvdauthorAccepts(const std::string& vob, const std::string& folder, bool pal,
                      std::string* log = nullptr);

}  // namespace enginetest

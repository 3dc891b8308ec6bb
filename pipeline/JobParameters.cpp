#include <algorithm>

#include "media/Estimate.h"
#include "pipeline/AuthoringJob.h"
#include "pipeline/DiscAudio.h"
#include "settings/Options.h"
#include "settings/xml.h"

JobParameters DeriveJobParameters(const CXMLAccess& options, const MediaList& list, int discType) {
    JobParameters p;
    const TvStandard& tv = TvStandardAt(ReadIntOption(options, keys::TARGET_DVD_TYPE));
    const AspectRatio& aspect = AspectRatioAt(ReadIntOption(options, keys::VIDEO_ASPECT_RATIO));
    p.tvStandard = (&tv == &TvStandardAt(1)) ? 1 : 0;
    p.width = tv.width;
    p.height = tv.height;
    p.fpsNum = tv.fpsNum;
    p.fpsDen = tv.fpsDen;
    p.aspectNum = aspect.num;
    p.aspectDen = aspect.den;
    p.videoBitRate =
        VideoKbpsFor(ReadIntOption(options, keys::VIDEO_QUALITY_MODE), list, DiscTypeAt(discType));
    p.stretchToFill = ReadNewIntOption(options, keys::STRETCH_TO_FILL, 0) != 0;
    p.checkAfterBurn = ReadNewIntOption(options, keys::CHECK_DISC_AFTER_BURN, 1) != 0;
    p.burnSpeed = ReadNewIntOption(options, keys::BURN_SPEED, 0);
    p.conversionJobs = std::max(0, ReadNewIntOption(options, keys::CONVERSION_JOBS, 0));
    p.chapterMinutes = std::max(0, ReadNewIntOption(options, keys::CHAPTER_MINUTES, 5));
    p.audioTracks = DiscAudioTrackCount(list);
    p.audioLanguage = UntaggedAudioLanguage(options.GetValue(keys::AUDIO_LANGUAGE));
    p.returnToMenu = ReadNewIntOption(options, keys::AFTER_EACH_VIDEO, 0) == 1;
    return p;
}

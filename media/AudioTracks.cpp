#include "media/AudioTracks.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <map>

extern "C" {
#include <libavformat/avformat.h>
}

#include "media/LocalMedia.h"

namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// ISO 639-2 codes (bibliographic and terminology) of the languages that
// have a two-letter ISO 639-1 code, which is what a DVD stores.
const std::map<std::string, std::string>& TwoLetterCodes() {
    static const std::map<std::string, std::string> codes = {
        {"aar", "aa"}, {"abk", "ab"}, {"afr", "af"}, {"aka", "ak"}, {"alb", "sq"}, {"amh", "am"},
        {"ara", "ar"}, {"arg", "an"}, {"arm", "hy"}, {"asm", "as"}, {"ava", "av"}, {"ave", "ae"},
        {"aym", "ay"}, {"aze", "az"}, {"bak", "ba"}, {"bam", "bm"}, {"baq", "eu"}, {"bel", "be"},
        {"ben", "bn"}, {"bih", "bh"}, {"bis", "bi"}, {"bod", "bo"}, {"bos", "bs"}, {"bre", "br"},
        {"bul", "bg"}, {"bur", "my"}, {"cat", "ca"}, {"ces", "cs"}, {"cha", "ch"}, {"che", "ce"},
        {"chi", "zh"}, {"chu", "cu"}, {"chv", "cv"}, {"cor", "kw"}, {"cos", "co"}, {"cre", "cr"},
        {"cym", "cy"}, {"cze", "cs"}, {"dan", "da"}, {"deu", "de"}, {"div", "dv"}, {"dut", "nl"},
        {"dzo", "dz"}, {"ell", "el"}, {"eng", "en"}, {"epo", "eo"}, {"est", "et"}, {"eus", "eu"},
        {"ewe", "ee"}, {"fao", "fo"}, {"fas", "fa"}, {"fij", "fj"}, {"fin", "fi"}, {"fra", "fr"},
        {"fre", "fr"}, {"fry", "fy"}, {"ful", "ff"}, {"geo", "ka"}, {"ger", "de"}, {"gla", "gd"},
        {"gle", "ga"}, {"glg", "gl"}, {"glv", "gv"}, {"gre", "el"}, {"grn", "gn"}, {"guj", "gu"},
        {"hat", "ht"}, {"hau", "ha"}, {"heb", "he"}, {"her", "hz"}, {"hin", "hi"}, {"hmo", "ho"},
        {"hrv", "hr"}, {"hun", "hu"}, {"hye", "hy"}, {"ibo", "ig"}, {"ice", "is"}, {"ido", "io"},
        {"iii", "ii"}, {"iku", "iu"}, {"ile", "ie"}, {"ina", "ia"}, {"ind", "id"}, {"ipk", "ik"},
        {"isl", "is"}, {"ita", "it"}, {"jav", "jv"}, {"jpn", "ja"}, {"kal", "kl"}, {"kan", "kn"},
        {"kas", "ks"}, {"kat", "ka"}, {"kau", "kr"}, {"kaz", "kk"}, {"khm", "km"}, {"kik", "ki"},
        {"kin", "rw"}, {"kir", "ky"}, {"kom", "kv"}, {"kon", "kg"}, {"kor", "ko"}, {"kua", "kj"},
        {"kur", "ku"}, {"lao", "lo"}, {"lat", "la"}, {"lav", "lv"}, {"lim", "li"}, {"lin", "ln"},
        {"lit", "lt"}, {"ltz", "lb"}, {"lub", "lu"}, {"lug", "lg"}, {"mac", "mk"}, {"mah", "mh"},
        {"mal", "ml"}, {"mao", "mi"}, {"mar", "mr"}, {"may", "ms"}, {"mkd", "mk"}, {"mlg", "mg"},
        {"mlt", "mt"}, {"mon", "mn"}, {"mri", "mi"}, {"msa", "ms"}, {"mya", "my"}, {"nau", "na"},
        {"nav", "nv"}, {"nbl", "nr"}, {"nde", "nd"}, {"ndo", "ng"}, {"nep", "ne"}, {"nld", "nl"},
        {"nno", "nn"}, {"nob", "nb"}, {"nor", "no"}, {"nya", "ny"}, {"oci", "oc"}, {"oji", "oj"},
        {"ori", "or"}, {"orm", "om"}, {"oss", "os"}, {"pan", "pa"}, {"per", "fa"}, {"pli", "pi"},
        {"pol", "pl"}, {"por", "pt"}, {"pus", "ps"}, {"que", "qu"}, {"roh", "rm"}, {"ron", "ro"},
        {"rum", "ro"}, {"run", "rn"}, {"rus", "ru"}, {"sag", "sg"}, {"san", "sa"}, {"sin", "si"},
        {"slk", "sk"}, {"slo", "sk"}, {"slv", "sl"}, {"sme", "se"}, {"smo", "sm"}, {"sna", "sn"},
        {"snd", "sd"}, {"som", "so"}, {"sot", "st"}, {"spa", "es"}, {"sqi", "sq"}, {"srd", "sc"},
        {"srp", "sr"}, {"ssw", "ss"}, {"sun", "su"}, {"swa", "sw"}, {"swe", "sv"}, {"tah", "ty"},
        {"tam", "ta"}, {"tat", "tt"}, {"tel", "te"}, {"tgk", "tg"}, {"tgl", "tl"}, {"tha", "th"},
        {"tib", "bo"}, {"tir", "ti"}, {"ton", "to"}, {"tsn", "tn"}, {"tso", "ts"}, {"tuk", "tk"},
        {"tur", "tr"}, {"twi", "tw"}, {"uig", "ug"}, {"ukr", "uk"}, {"urd", "ur"}, {"uzb", "uz"},
        {"ven", "ve"}, {"vie", "vi"}, {"vol", "vo"}, {"wel", "cy"}, {"wln", "wa"}, {"wol", "wo"},
        {"xho", "xh"}, {"yid", "yi"}, {"yor", "yo"}, {"zha", "za"}, {"zho", "zh"}, {"zul", "zu"},
    };
    return codes;
}

}  // namespace

std::string DiscLanguageCode(const std::string& tag) {
    const std::string code = Lower(tag);
    if (code.size() == 2 && std::all_of(code.begin(), code.end(),
                                        [](unsigned char c) { return c >= 'a' && c <= 'z'; })) {
        for (const auto& [three, two] : TwoLetterCodes())
            if (two == code)
                return code;
        return {};
    }
    const auto found = TwoLetterCodes().find(code);
    return found == TwoLetterCodes().end() ? std::string() : found->second;
}

std::string LocaleLanguage() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (!value || !*value)
            continue;
        // "fr_FR.UTF-8", "de", "C.UTF-8": the letters before the territory.
        std::string text = value;
        text = text.substr(0, text.find_first_of("_.@"));
        return DiscLanguageCode(text);
    }
    return {};
}

std::vector<AudioTrack> ReadAudioTracks(const std::string& path) {
    std::vector<AudioTrack> tracks;
    LocalMedia media;
    if (OpenLocalMedia(path, media) != 0)
        return tracks;
    // Most containers name their streams in the header; MPEG program and
    // transport streams need a look at the packets.
    if (avformat_find_stream_info(media.get(), nullptr) < 0)
        return tracks;
    int number = 0;
    for (unsigned i = 0; i < media->nb_streams; ++i) {
        const AVStream* stream = media->streams[i];
        if (stream->codecpar->codec_type != AVMEDIA_TYPE_AUDIO)
            continue;
        AudioTrack track;
        track.number = number++;
        if (const AVDictionaryEntry* tag = av_dict_get(stream->metadata, "language", nullptr, 0))
            track.language = DiscLanguageCode(tag->value);
        tracks.push_back(track);
    }
    return tracks;
}

std::vector<AudioTrack> KeptAudioTracks(const MediaItem& item) {
    std::vector<AudioTrack> kept;
    for (const AudioTrack& track : item.audioTracks)
        if (track.kept && static_cast<int>(kept.size()) < kMaxDiscAudioTracks)
            kept.push_back(track);
    return kept;
}

int DiscAudioTrackCount(const MediaList& list) {
    int most = 1;
    for (const MediaItem& item : list)
        most = std::max(most, static_cast<int>(KeptAudioTracks(item).size()));
    return most;
}

std::string DescribeAudioTracks(const std::vector<AudioTrack>& tracks) {
    int count = 0;
    std::string languages;
    bool anyLanguage = false;
    for (const AudioTrack& track : tracks) {
        if (!track.kept)
            continue;
        ++count;
        languages += (languages.empty() ? "" : ", ") +
                     (track.language.empty() ? std::string("?") : track.language);
        anyLanguage = anyLanguage || !track.language.empty();
    }
    std::string text = std::to_string(count) + (count == 1 ? " track" : " tracks");
    return anyLanguage ? text + " (" + languages + ")" : text;
}

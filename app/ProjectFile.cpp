#include "app/ProjectFile.h"

#include <pugixml.hpp>

#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string_view>

#include "media/Pictures.h"
#include "platform/Files.h"
#include "platform/Paths.h"
#include "platform/Translation.h"
#include "settings/Options.h"
#include "settings/xml.h"

namespace {

using platform::FillIn;
using platform::Translate;

constexpr const char* kRoot = "quorva-project";

// path relative to folder (ending with '/') when it lies below it. A rest
// that starts with '/' (the path had "//" there) would read back as a path
// from the root: such a path is stored whole.
std::string Stored(const std::string& path, const std::string& folder) {
    if (!folder.empty() && path.size() > folder.size() &&
        path.compare(0, folder.size(), folder) == 0 && path[folder.size()] != '/')
        return path.substr(folder.size());
    return path;
}

std::string Resolved(const std::string& stored, const std::string& folder) {
    if (stored.empty() || stored.front() == '/')
        return stored;
    return folder + stored;
}

void SetInt(pugi::xml_node node, const char* name, const std::optional<int>& value) {
    if (value)
        node.append_attribute(name).set_value(*value);
}

void SetText(pugi::xml_node node, const char* name, const std::optional<std::string>& value) {
    if (value)
        node.append_attribute(name).set_value(value->c_str());
}

std::optional<int> GetInt(pugi::xml_node node, const char* name) {
    const pugi::xml_attribute attribute = node.attribute(name);
    if (!attribute)
        return std::nullopt;
    const std::string text = attribute.value();
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0')
        return std::nullopt;
    return static_cast<int>(value);
}

std::optional<std::string> GetText(pugi::xml_node node, const char* name) {
    const pugi::xml_attribute attribute = node.attribute(name);
    if (!attribute)
        return std::nullopt;
    return std::string(attribute.value());
}

// "2,3": the track numbers of a video an attribute lists; what is not a
// number from 1 to 999 is skipped.
std::vector<int> NumberList(const std::string& text) {
    std::vector<int> numbers;
    std::istringstream parts(text);
    for (std::string part; std::getline(parts, part, ',');)
        if (const int n = std::atoi(part.c_str()); n >= 1 && n <= 999)
            numbers.push_back(n);
    return numbers;
}

std::string NumberListText(const std::vector<int>& numbers) {
    std::string text;
    for (const int n : numbers)
        text += (text.empty() ? "" : ",") + std::to_string(n);
    return text;
}

}  // namespace

bool IsProjectFile(const std::string& path) {
    const std::string extension = kProjectExtension;
    if (path.size() <= extension.size())
        return false;
    std::string end = path.substr(path.size() - extension.size());
    for (char& c : end)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return end == extension;
}

std::string WithProjectExtension(const std::string& path) {
    return IsProjectFile(path) ? path : path + kProjectExtension;
}

SaveTarget InspectSaveTarget(const std::string& path) {
    if (!platform::PathExists(path))
        return SaveTarget::Free;
    if (platform::IsSymbolicLink(path) || !platform::IsRegularFile(path))
        return SaveTarget::NotAFile;
    // A project is a few kilobytes of XML; a large file is never read whole.
    constexpr std::int64_t kLargestProject = 4 << 20;
    if (platform::FileSize(path) > kLargestProject)
        return SaveTarget::OtherFile;
    pugi::xml_document document;
    if (!document.load_file(path.c_str()) || !document.child(kRoot))
        return SaveTarget::OtherFile;
    return SaveTarget::Project;
}

platform::Result<Project> LoadProject(const std::string& given) {
    const std::string path = platform::AbsolutePath(given);
    const auto cannot = [&path](const char* why, std::initializer_list<std::string> args = {}) {
        return platform::Fail(
            FillIn(Translate("ProjectFile", "The project %1 cannot be opened: %2"),
                   {path, FillIn(Translate("ProjectFile", why), args)}));
    };
    if (!platform::IsRegularFile(path))
        return cannot(platform::PathExists(path)
                          ? QUORVA_TEXT("ProjectFile", "it is not a file.")
                          : QUORVA_TEXT("ProjectFile", "the file does not exist."));
    pugi::xml_document document;
    const pugi::xml_parse_result parsed = document.load_file(path.c_str());
    if (!parsed)
        return cannot(QUORVA_TEXT("ProjectFile", "it is not an XML file (%1 at byte %2)."),
                      {parsed.description(), std::to_string(parsed.offset)});
    const pugi::xml_node root = document.child(kRoot);
    if (!root)
        return cannot(QUORVA_TEXT("ProjectFile", "it is XML, but not a Quorva project."));

    const std::string folder = platform::FolderOf(path);
    Project project;
    project.formatVersion = GetInt(root, "version").value_or(0);
    for (pugi::xml_node video : root.child("videos").children("video")) {
        const std::string stored = video.attribute("path").value();
        if (stored.empty())
            continue;
        project.videos.push_back(Resolved(stored, folder));
        project.droppedAudio.push_back(NumberList(video.attribute("dropped-audio").value()));
        project.droppedSubtitles.push_back(
            NumberList(video.attribute("dropped-subtitles").value()));
        project.videoNames.emplace_back(video.attribute("name").value());
    }
    const pugi::xml_node disc = root.child("disc");
    project.tvStandard = GetInt(disc, "tv-standard");
    project.aspectRatio = GetInt(disc, "aspect-ratio");
    project.quality = GetInt(disc, "quality");
    project.stretch = GetInt(disc, "stretch");
    project.chapterMinutes = GetInt(disc, "chapter-minutes");
    project.afterEach = GetInt(disc, "after-each");
    project.discType = GetInt(disc, "type");
    project.volumeLabel = GetText(disc, "volume-label");
    const pugi::xml_node menus = root.child("menus");
    project.titleMenuBackground = GetText(menus, "title-background");
    project.rootMenuBackground = GetText(menus, "root-background");
    project.discTitle = GetText(menus, "disc-title");
    project.name = platform::FileNameOf(path);
    if (IsProjectFile(project.name))
        project.name.resize(project.name.size() - std::string_view(kProjectExtension).size());
    for (auto* picture : {&project.titleMenuBackground, &project.rootMenuBackground})
        if (*picture)
            **picture = Resolved(**picture, folder);
    return project;
}

std::string LaterVersionNotice(const Project& project, const std::string& path) {
    if (project.formatVersion <= kProjectFormatVersion)
        return {};
    return FillIn(
        Translate("ProjectFile",
                  "The project %1 was saved by a later version of Quorva (project "
                  "format %2, this version reads format %3): what this version does "
                  "not know of it is left out."),
        {path, std::to_string(project.formatVersion), std::to_string(kProjectFormatVersion)});
}

platform::Result<void> SaveProject(const std::string& given, const Project& project) {
    const std::string path = platform::AbsolutePath(given);
    if (InspectSaveTarget(path) == SaveTarget::NotAFile)
        return platform::Fail(
            FillIn(Translate("ProjectFile", "The project cannot be saved as %1: %2"),
                   {path, Translate("ProjectFile", "it is not a regular file.")}));
    const std::string folder = platform::FolderOf(path);
    pugi::xml_document document;
    pugi::xml_node declaration = document.append_child(pugi::node_declaration);
    declaration.append_attribute("version").set_value("1.0");
    declaration.append_attribute("encoding").set_value("UTF-8");
    pugi::xml_node root = document.append_child(kRoot);
    root.append_attribute("version").set_value(kProjectFormatVersion);

    pugi::xml_node disc = root.append_child("disc");
    SetInt(disc, "type", project.discType);
    SetInt(disc, "tv-standard", project.tvStandard);
    SetInt(disc, "aspect-ratio", project.aspectRatio);
    SetInt(disc, "quality", project.quality);
    SetInt(disc, "stretch", project.stretch);
    SetInt(disc, "chapter-minutes", project.chapterMinutes);
    SetInt(disc, "after-each", project.afterEach);
    SetText(disc, "volume-label", project.volumeLabel);
    pugi::xml_node menus = root.append_child("menus");
    const auto stored = [&folder](const std::optional<std::string>& picture) {
        return picture ? std::optional<std::string>(Stored(*picture, folder)) : std::nullopt;
    };
    SetText(menus, "title-background", stored(project.titleMenuBackground));
    SetText(menus, "root-background", stored(project.rootMenuBackground));
    SetText(menus, "disc-title", project.discTitle);
    pugi::xml_node videos = root.append_child("videos");
    for (std::size_t i = 0; i < project.videos.size(); ++i) {
        pugi::xml_node element = videos.append_child("video");
        element.append_attribute("path").set_value(Stored(project.videos[i], folder).c_str());
        if (i < project.videoNames.size() && !project.videoNames[i].empty())
            element.append_attribute("name").set_value(project.videoNames[i].c_str());
        // Only where tracks were dropped: other readers keep every track.
        if (i < project.droppedAudio.size() && !project.droppedAudio[i].empty())
            element.append_attribute("dropped-audio")
                .set_value(NumberListText(project.droppedAudio[i]).c_str());
        if (i < project.droppedSubtitles.size() && !project.droppedSubtitles[i].empty())
            element.append_attribute("dropped-subtitles")
                .set_value(NumberListText(project.droppedSubtitles[i]).c_str());
    }

    std::ostringstream out;
    document.save(out, "  ", pugi::format_default, pugi::encoding_utf8);
    if (const platform::Result<void> written = platform::WriteFileAtomically(path, out.str());
        !written)
        return platform::Fail(
            FillIn(Translate("ProjectFile", "The project cannot be saved as %1: %2"),
                   {path, written.error() + "."}));
    return {};
}

Project ProjectOf(const CXMLAccess& options, const std::vector<std::string>& videos, int discType,
                  const std::vector<std::string>& names) {
    Project project;
    project.videos = videos;
    project.videoNames = names;
    project.discType = discType;
    project.tvStandard = ReadIntOption(options, keys::TARGET_DVD_TYPE);
    project.aspectRatio = ReadIntOption(options, keys::VIDEO_ASPECT_RATIO);
    project.quality = ReadIntOption(options, keys::VIDEO_QUALITY_MODE);
    project.stretch = ReadNewIntOption(options, keys::STRETCH_TO_FILL, 0);
    project.chapterMinutes = ReadNewIntOption(options, keys::CHAPTER_MINUTES, 5);
    project.afterEach = ReadNewIntOption(options, keys::AFTER_EACH_VIDEO, 0);
    project.volumeLabel = options.GetValue(keys::DVD_DISC_VOLUME);
    project.titleMenuBackground = options.GetValue(keys::BACKGROUND_PICTURE_OF_TITLE_MENU);
    project.rootMenuBackground = options.GetValue(keys::BACKGROUND_PICTURE_OF_ROOT_MENU);
    project.discTitle = options.GetValue(keys::DISC_TITLE);
    return project;
}

void ApplyProjectChoices(const Project& project, CXMLAccess& options) {
    // A value outside what the program knows (a later version's) is left out.
    const auto setInt = [&options](const char* key, const std::optional<int>& value, int last) {
        if (value && *value >= 0 && *value <= last)
            options.SetIntValue(key, *value);
    };
    setInt(keys::TARGET_DVD_TYPE, project.tvStandard, 1);
    setInt(keys::VIDEO_ASPECT_RATIO, project.aspectRatio, 1);
    setInt(keys::VIDEO_QUALITY_MODE, project.quality, kFitToDiscQuality);
    setInt(keys::STRETCH_TO_FILL, project.stretch, 1);
    setInt(keys::CHAPTER_MINUTES, project.chapterMinutes, 999);
    setInt(keys::AFTER_EACH_VIDEO, project.afterEach, 1);
    const auto setText = [&options](const char* key, const std::optional<std::string>& value) {
        if (value && !value->empty())
            options.SetValue(key, *value);
    };
    setText(keys::DVD_DISC_VOLUME, project.volumeLabel);
    // A picture that is there but cannot serve as a background (a PNG named
    // .jpg) would stop the job at its start: the user's own picture stays. A
    // picture that is not there is taken; the job's start asks about it.
    const auto setPicture = [&](const char* key, const std::optional<std::string>& value) {
        if (value && platform::PathExists(*value) && !CheckMenuBackground(*value))
            return;
        setText(key, value);
    };
    setPicture(keys::BACKGROUND_PICTURE_OF_TITLE_MENU, project.titleMenuBackground);
    setPicture(keys::BACKGROUND_PICTURE_OF_ROOT_MENU, project.rootMenuBackground);
    // The disc being made is the project's: its title, else its name.
    options.SetValue(keys::DISC_TITLE, project.discTitle.value_or(project.name));
}

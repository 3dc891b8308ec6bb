#include "settings/UserOptions.h"

#include "platform/Files.h"
#include "platform/Paths.h"
#include "settings/Options.h"

namespace {

bool HasKey(const CXMLAccess& node, const std::string& key) {
    for (const auto& [name, value] : node.attributes)
        if (name == key)
            return true;
    return false;
}

std::string WithoutSlash(std::string path) {
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

// The folder exists and is writable, or it can be made inside a writable
// folder (shutdown may have cleared it).
bool UsableWorkingFolder(const std::string& folder) {
    if (folder.empty() || folder.front() != '/')
        return false;
    const std::string path = WithoutSlash(folder);
    if (platform::PathExists(path))
        return platform::IsWritableFolder(path);
    return platform::IsWritableFolder(WithoutSlash(platform::FolderOf(path)));
}

// A picture an older program folder shipped (named as ours), now gone.
bool LostShippedPicture(const std::string& path, const std::string& shipped) {
    return platform::FileNameOf(path) == platform::FileNameOf(shipped) &&
           !platform::IsRegularFile(path);
}

}  // namespace

OptionDefaults DefaultOptions(const std::string& programFolder, const std::string& homeFolder,
                              const std::string& videosFolder) {
    return {videosFolder + "Quorva/", homeFolder, programFolder + kDefaultTitleBackground,
            programFolder + kDefaultRootBackground};
}

void AddMissingOptions(CXMLAccess& options, const CXMLAccess& shipped) {
    for (const auto& [name, value] : shipped.attributes)
        if (!HasKey(options, name))
            options.SetValue(name, value);
}

FilledOptions FillDefaultOptions(CXMLAccess& options, const OptionDefaults& defaults) {
    FilledOptions filled;
    auto fill = [&](const char* key, const std::string& value, auto unusable) {
        if (!HasKey(options, key))
            return;  // a missing key is reported at load
        const std::string current = options.GetValue(key);
        if (current.empty() || unusable(current)) {
            options.SetValue(key, value);
            filled.push_back({key, value, current});
        }
    };
    fill(keys::WORKING_FOLDER, defaults.workingFolder,
         [](const std::string& v) { return !UsableWorkingFolder(v); });
    fill(keys::RECENT_OPEN, defaults.recentOpen,
         [](const std::string& v) { return !platform::IsFolder(v); });
    fill(keys::LAST_PROJECT_FOLDER, defaults.recentOpen,
         [](const std::string& v) { return !platform::IsFolder(v); });
    fill(keys::BACKGROUND_PICTURE_OF_TITLE_MENU, defaults.titleBackground,
         [&](const std::string& v) { return LostShippedPicture(v, defaults.titleBackground); });
    fill(keys::BACKGROUND_PICTURE_OF_ROOT_MENU, defaults.rootBackground,
         [&](const std::string& v) { return LostShippedPicture(v, defaults.rootBackground); });
    return filled;
}

CXMLAccess StoredOptions(const CXMLAccess& options, const FilledOptions& filled) {
    CXMLAccess stored = options;
    for (const FilledOption& option : filled)
        if (stored.GetValue(option.key) == option.value)
            stored.SetValue(option.key, option.stored);
    std::erase_if(stored.attributes,
                  [](const auto& attribute) { return attribute.first == keys::DISC_TITLE; });
    return stored;
}

// libFuzzer target for the project reader. An input is a project file's
// bytes: it is read as the add page and quorva-cli make read a project, its
// choices are applied to options, and what was read is saved and read back,
// which must give the same project. A crash, a sanitizer report, a project
// that changes on its way through a save, or a read that does not end
// (libFuzzer's -timeout) is a finding. "@FOLDER@" in an input stands for the
// folder the project is written to, which differs from run to run.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "app/ProjectFile.h"
#include "settings/xml.h"

namespace {

std::string Folder() {
    static const std::string folder = [] {
        char pattern[] = "/tmp/quorva-project-fuzz-XXXXXX";
        const char* made = mkdtemp(pattern);
        if (!made)
            std::abort();
        return std::string(made) + "/";
    }();
    return folder;
}

bool Same(const Project& a, const Project& b) {
    return a.videos == b.videos && a.tvStandard == b.tvStandard && a.aspectRatio == b.aspectRatio &&
           a.quality == b.quality && a.stretch == b.stretch &&
           a.chapterMinutes == b.chapterMinutes && a.discType == b.discType &&
           a.titleMenuBackground == b.titleMenuBackground &&
           a.rootMenuBackground == b.rootMenuBackground && a.volumeLabel == b.volumeLabel &&
           a.discTitle == b.discTitle;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = Folder() + "input.quorva";
    std::string text(reinterpret_cast<const char*>(data), size);
    const std::string here = Folder().substr(0, Folder().size() - 1);
    for (std::size_t at = text.find("@FOLDER@"); at != std::string::npos;
         at = text.find("@FOLDER@", at + here.size()))
        text.replace(at, 8, here);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
    const platform::Result<Project> project = LoadProject(path);
    if (!project)
        return 0;
    CXMLAccess options("body", "");
    ApplyProjectChoices(*project, options);
    InspectSaveTarget(path);
    const std::string copy = Folder() + "copy.quorva";
    if (!SaveProject(copy, *project))
        return 0;  // a text XML cannot hold (a control character) is refused
    const platform::Result<Project> again = LoadProject(copy);
    if (!again || !Same(*project, *again)) {
        std::fprintf(stderr, "The project changed on its way through a save.\n");
        std::abort();
    }
    return 0;
}

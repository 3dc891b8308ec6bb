// Runs the real spumux over overlay pictures and reads the buttons it found.
#pragma once

#include "support/TestMedia.h"

#include <QRect>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace menupicturetest {

struct SpumuxRun {
    int status = -1;
    std::vector<QRect> buttons;  // in spumux's order
    int subtitlesAdded = -1;
    std::string output;
};

inline SpumuxRun RunSpumux(const testsupport::TempFolder& dir, const std::string& menu,
                           const std::string& image, const std::string& highlight,
                           const std::string& select) {
    const std::string control = dir / "spu.xml";
    std::ofstream(control)
        << "<subpictures><stream><spu force=\"yes\" start=\"00:00:00.00\" image=\"" << image
        << "\" select=\"" << select << "\" highlight=\"" << highlight
        << "\" autooutline=\"infer\" outlinewidth=\"6\" autoorder=\"rows\"/>"
        << "</stream></subpictures>";
    const auto result = testsupport::RunCommand({"spumux", control}, menu, dir / "muxed.mpg");
    SpumuxRun run;
    run.status = result.status;
    run.output = result.output;
    std::istringstream lines(result.output);
    for (std::string line; std::getline(lines, line);) {
        int index, x0, y0, x1, y1, added;
        const auto at = line.find("INFO: Autodetect");
        if (at != std::string::npos &&
            std::sscanf(line.c_str() + at, "INFO: Autodetect %d = %dx%d-%dx%d", &index, &x0, &y0,
                        &x1, &y1) == 5)
            run.buttons.push_back(QRect(QPoint(x0, y0), QPoint(x1 - 1, y1 - 1)));
        const auto info = line.find("subtitles added");
        if (info != std::string::npos &&
            std::sscanf(line.c_str(), "INFO: %d subtitles added", &added) == 1)
            run.subtitlesAdded = added;
    }
    return run;
}

}  // namespace menupicturetest

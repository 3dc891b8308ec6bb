// The options of one user: the file in the user's settings folder, made from
// the program folder's shipped file, and what an empty value stands for.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "settings/xml.h"

// What empty options stand for on this machine, for this user.
struct OptionDefaults {
    std::string workingFolder;    // the user's videos folder + "Quorva/"
    std::string recentOpen;       // the home folder
    std::string titleBackground;  // the program folder's pictures
    std::string rootBackground;
};

// programFolder and videosFolder end with '/'; homeFolder does not.
OptionDefaults DefaultOptions(const std::string& programFolder, const std::string& homeFolder,
                              const std::string& videosFolder);

// A key given a default at load: the value given and the value it had.
struct FilledOption {
    std::string key;
    std::string value;
    std::string stored;
};
using FilledOptions = std::vector<FilledOption>;

// Appends, with the shipped value, every key of shipped that options lacks
// (keys a newer program brings); the values options has are kept.
void AddMissingOptions(CXMLAccess& options, const CXMLAccess& shipped);

// Puts the defaults in place of empty values. Values that an older program
// folder left behind and that this user cannot use take the default too: a
// working folder that is neither writable nor can be made in a writable
// folder, a starting folder that is no folder, a shipped picture that is no
// longer there. Returns what was filled.
FilledOptions FillDefaultOptions(CXMLAccess& options, const OptionDefaults& defaults);

// The options as stored: keys that still hold the value filled in at load
// keep the value they had. An empty one stays empty, so the file keeps
// following the user's folders; a folder that could not serve this run (a
// drive not mounted) is the user's choice for the next. The disc title,
// which belongs to one disc, is left out.
CXMLAccess StoredOptions(const CXMLAccess& options, const FilledOptions& filled);

// One XML element in memory and the store that moves it to and from files.
#pragma once

#include <string>
#include <utility>
#include <vector>

// Load and save statuses.
constexpr int XML_OK = 0;
// The file does not parse, has no "body" root, holds a non-element node
// (text, comment, ...) inside "body", or a node has an unusable name.
constexpr int XML_FALSE = 1;
// The document could not be written.
constexpr int XML_WRITE_FAILED = 2;

class CXMLAccess {
  public:
    CXMLAccess();
    CXMLAccess(std::string name, std::string text);

    std::string name;
    std::string text;  // written on save when not empty; never filled by a load
    std::vector<std::pair<std::string, std::string>> attributes;
    std::vector<CXMLAccess> children;
    // The file the node was last loaded from (empty for a node built in
    // memory); named when a setting is missing.
    std::string loadedFrom;

    // The value of the first attribute named key (exact case). With mustExist
    // a missing key shows a box with the key (and the file it is missing in)
    // and ends the process; otherwise
    // defaultText is returned.
    std::string GetValue(const std::string& key, bool mustExist = true,
                         const std::string& defaultText = {}) const;
    // Replaces the first attribute named key, or appends (key, value) last.
    void SetValue(const std::string& key, const std::string& value);
    void SetIntValue(const std::string& key, int value);
    void AddChild(const CXMLAccess& child);
};

// Reads the "body" element of the file at path into node (name, attributes
// appended to those it holds, child elements). With a key file the file is
// decoded by the settings codec. Unreadable files end the process with a
// message; other failures return a non-zero status.
int LoadXMLNode(const std::string& path, CXMLAccess& node, const std::string& keyFile);

// Writes node as the root element of a new document at path, replacing the
// file in one step. With a key file the document is encoded by the settings
// codec. Returns 0 on success.
// When the file cannot be written, reason (when given) says why.
int SaveXMLNode(const std::string& path, const CXMLAccess& node, const std::string& keyFile,
                std::string* reason = nullptr);

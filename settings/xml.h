// One XML element in memory and the store that moves it to and from files.
#pragma once

#include <span>
#include <string>
#include <utility>
#include <vector>

#include "platform/Result.h"

// The code of a load's failure when the file was read but holds no settings
// document: it does not parse, has no "body" root, or holds a non-element
// node (text, comment, ...) inside "body". A file that cannot be read or
// decoded at all fails with code 0.
inline constexpr int kXmlNotSettings = 1;

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

    // The value of the first attribute named key (exact case); defaultText
    // when there is none. The settings files are checked for the keys the
    // program reads when they are loaded (RequireValues), so a read of those
    // never misses.
    std::string GetValue(const std::string& key, const std::string& defaultText = {}) const;
    bool HasValue(const std::string& key) const;
    // Replaces the first attribute named key, or appends (key, value) last.
    void SetValue(const std::string& key, const std::string& value);
    void SetIntValue(const std::string& key, int value);
    void AddChild(const CXMLAccess& child);
};

// Succeeds when node holds every one of keys. Otherwise the failure's message
// is the first missing key, followed by the file it is missing in when node
// was loaded from one.
platform::Result<void> RequireValues(const CXMLAccess& node, std::span<const char* const> keys);

// Reads the "body" element of the file at path into node (name, attributes
// appended to those it holds, child elements). With a key file the file is
// decoded by the settings codec. A file that cannot be read or decoded fails
// with the message its user is shown ("Can't read config file<...>, please
// re-install!!", ...); one that is read but holds no settings document fails
// with code kXmlNotSettings, its message naming the file and the fault.
platform::Result<void> LoadXMLNode(const std::string& path, CXMLAccess& node,
                                   const std::string& keyFile);

// Writes node as the root element of a new document at path, replacing the
// file in one step. With a key file the document is encoded by the settings
// codec. The failure's message names the file and says why; through the
// codec it starts with "Can't write config file<...> error, please
// re-install!".
platform::Result<void> SaveXMLNode(const std::string& path, const CXMLAccess& node,
                                   const std::string& keyFile);

#include "settings/xml.h"

#include <pugixml.hpp>

#include <algorithm>
#include <sstream>
#include <string>

#include "components/settingscodec/SettingsCodec.h"
#include "platform/Files.h"
#include "platform/TempFiles.h"
#include "platform/Translation.h"

namespace {

std::string LocalName(const char* qualified) {
    std::string name = qualified;
    const auto colon = name.find(':');
    return colon == std::string::npos ? name : name.substr(colon + 1);
}

// False when element holds a node that is no element (text, comment, ...).
bool ReadElement(const pugi::xml_node& element, CXMLAccess& node) {
    node.name = LocalName(element.name());
    for (const pugi::xml_attribute& attribute : element.attributes())
        node.attributes.emplace_back(attribute.name(), attribute.value());
    for (const pugi::xml_node& child : element.children()) {
        if (child.type() != pugi::node_element)
            return false;
        CXMLAccess childNode;
        if (!ReadElement(child, childNode))
            return false;
        node.children.push_back(std::move(childNode));
    }
    return true;
}

// False when a node or attribute has an unusable name.
bool WriteElement(const CXMLAccess& node, pugi::xml_node parent) {
    if (node.name.empty())
        return false;
    pugi::xml_node element = parent.append_child(node.name.c_str());
    if (!element)
        return false;
    for (const auto& [key, value] : node.attributes) {
        if (key.empty())
            return false;
        pugi::xml_attribute attribute = element.append_attribute(key.c_str());
        if (!attribute || !attribute.set_value(value.c_str()))
            return false;
    }
    if (!node.text.empty() && !element.append_child(pugi::node_pcdata).set_value(node.text.c_str()))
        return false;
    for (const CXMLAccess& child : node.children) {
        if (!WriteElement(child, element))
            return false;
    }
    return true;
}

template <typename Attributes>
const std::string* FindValue(const Attributes& attributes, const std::string& key) {
    for (const auto& [name, value] : attributes) {
        if (name == key)
            return &value;
    }
    return nullptr;
}

// "Can't read config file<path>..." as pattern words it, path filled in.
std::string CannotRead(const std::string& path, const char* pattern) {
    return platform::FillIn(platform::Translate("Settings", pattern), {path});
}

std::string CannotWrite(const std::string& path) {
    return platform::FillIn(
        platform::Translate("Settings", "Can't write config file<%1> error, please re-install!"),
        {path});
}

// Why the key file, inspected as key, cannot be read.
std::string KeyFileProblem(const std::string& keyFile, const platform::ReadableFile& key) {
    return platform::FillIn(
        platform::Translate("Settings", "The key file %1 cannot be read: %2."),
        {keyFile, key.kind == platform::FileKind::Missing
                      ? platform::Translate("Settings", "No such file or directory")
                  : key.kind == platform::FileKind::Regular
                      ? platform::Translate("Settings", "Permission denied")
                      : platform::Translate("Settings", "it is not a regular file")});
}

}  // namespace

CXMLAccess::CXMLAccess() = default;

CXMLAccess::CXMLAccess(std::string name, std::string text)
    : name(std::move(name)), text(std::move(text)) {}

std::string CXMLAccess::GetValue(const std::string& key, const std::string& defaultText) const {
    const std::string* value = FindValue(attributes, key);
    return value ? *value : defaultText;
}

bool CXMLAccess::HasValue(const std::string& key) const {
    return FindValue(attributes, key) != nullptr;
}

void CXMLAccess::SetValue(const std::string& key, const std::string& value) {
    for (auto& [attributeName, current] : attributes) {
        if (attributeName == key) {
            current = value;
            return;
        }
    }
    attributes.emplace_back(key, value);
}

void CXMLAccess::SetIntValue(const std::string& key, int value) {
    SetValue(key, std::to_string(value));
}

void CXMLAccess::AddChild(const CXMLAccess& child) {
    children.push_back(child);
}

platform::Result<void> RequireValues(const CXMLAccess& node, std::span<const char* const> keys) {
    const auto missing = std::find_if(keys.begin(), keys.end(),
                                      [&node](const char* key) { return !node.HasValue(key); });
    if (missing == keys.end())
        return {};
    const std::string name = *missing;
    return platform::Fail(node.loadedFrom.empty() ? name
                                                  : name + "\n\nThe setting " + name +
                                                        " is missing in " + node.loadedFrom + ".");
}

platform::Result<void> LoadXMLNode(const std::string& path, CXMLAccess& node,
                                   const std::string& keyFile) {
    const platform::Result<std::string> temp = platform::MakeTempFile("~qor");
    if (!temp)
        return platform::Fail(temp.error() + "\nThe settings file " + path +
                              " cannot be read without a temporary file.");
    const std::string& plainFile = *temp;
    auto cannotRead = [&](std::string message) {
        platform::RemoveFile(plainFile);
        return platform::Failure{std::move(message)};
    };
    if (keyFile.empty()) {
        if (!platform::CopyFile(path, plainFile))
            return cannotRead(CannotRead(
                path, QUORVA_TEXT("Settings", "Can't read config file<%1>, please re-install!!")));
    } else {
        // A key file that cannot be read is named, not the file it decodes.
        if (const platform::ReadableFile key = platform::InspectForReading(keyFile); !key.readable)
            return cannotRead(
                CannotRead(keyFile,
                           QUORVA_TEXT("Settings",
                                       "Can't read config file<%1> error, please re-install!")) +
                "\n" + KeyFileProblem(keyFile, key));
        const int result = CreateSettingsCodec()->Decode(path, plainFile, keyFile);
        if (result == settingscodec::DECODE_STORED_UNREADABLE)
            return cannotRead(CannotRead(
                path,
                QUORVA_TEXT("Settings", "Can't read config file<%1> error, please re-install!!")));
        if (result != settingscodec::CODEC_OK)
            return cannotRead(CannotRead(
                path,
                QUORVA_TEXT("Settings", "Can't read config file<%1> error, please re-install!")));
    }

    pugi::xml_document document;
    // Comments, processing instructions and CDATA are kept, so that any such
    // node inside "body" is seen and refused; whitespace between elements is not.
    const unsigned options = pugi::parse_default | pugi::parse_comments | pugi::parse_pi |
                             pugi::parse_declaration | pugi::parse_doctype;
    const pugi::xml_parse_result parsed = document.load_file(plainFile.c_str(), options);
    if (!parsed) {
        // The copy stays.
        return platform::Fail(
            platform::FillIn(platform::Translate(
                                 "Settings", "The settings file %1 does not parse: %2 at byte %3."),
                             {path, parsed.description(), std::to_string(parsed.offset)}),
            kXmlNotSettings);
    }
    platform::RemoveFile(plainFile);

    const pugi::xml_node body = document.document_element();
    if (!body || std::string(body.name()) != "body")
        return platform::Fail(
            platform::FillIn(
                platform::Translate("Settings", "The settings file %1 has no \"body\" element."),
                {path}),
            kXmlNotSettings);
    node.loadedFrom = path;
    if (!ReadElement(body, node))
        return platform::Fail(
            platform::FillIn(platform::Translate("Settings",
                                                 "The settings file %1 holds text, a comment or "
                                                 "another node that is no element."),
                             {path}),
            kXmlNotSettings);
    return {};
}

platform::Result<void> SaveXMLNode(const std::string& path, const CXMLAccess& node,
                                   const std::string& keyFile) {
    pugi::xml_document document;
    if (!WriteElement(node, document))
        return platform::Fail(
            platform::FillIn(platform::Translate("Settings",
                                                 "Can't write %1: the document could not be made "
                                                 "(an element or attribute without a name)."),
                             {path}));
    std::ostringstream out;
    document.save(out, "  ", pugi::format_indent | pugi::format_no_declaration,
                  pugi::encoding_utf8);

    if (keyFile.empty()) {
        if (const auto written = platform::WriteFileAtomically(path, out.str()); !written)
            return platform::Fail(platform::FillIn(
                platform::Translate("Settings", "Can't write %1: %2"), {path, written.error()}));
        return {};
    }
    const platform::Result<std::string> plainFile = platform::MakeTempFile("~qor");
    if (!plainFile)
        return platform::Fail(CannotWrite(path) + "\n" + plainFile.error());
    if (const auto written = platform::WriteFileAtomically(*plainFile, out.str()); !written)
        return platform::Fail(
            CannotWrite(path) + "\n" +
            platform::FillIn(platform::Translate("Settings", "Can't write %1: %2"),
                             {*plainFile, written.error()}));
    const int result = CreateSettingsCodec()->Encode(*plainFile, path, keyFile);
    platform::RemoveFile(*plainFile);
    if (result == settingscodec::ENCODE_KEY_UNREADABLE)
        return platform::Fail(CannotWrite(path) + "\n" +
                              KeyFileProblem(keyFile, platform::InspectForReading(keyFile)));
    if (result != settingscodec::CODEC_OK && result != settingscodec::ENCODE_DONE)
        return platform::Fail(
            CannotWrite(path) + "\n" +
            platform::Translate("Settings", "The file cannot be written in its folder."));
    return {};
}

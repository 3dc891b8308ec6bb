#include "settings/xml.h"

#include <pugixml.hpp>

#include <sstream>

#include "app/Diagnostics.h"
#include "app/FileSystem.h"
#include "components/settingscodec/SettingsCodec.h"
#include "platform/Files.h"
#include "platform/MessageBox.h"
#include "platform/Process.h"

namespace {

[[noreturn]] void FatalText(const std::string& text) {
    platform::MessageBox(0, text, "Error", platform::MB_ICONERROR);
    platform::EndProcess(1);
}

[[noreturn]] void FatalFileError(const char* format, const std::string& path) {
    std::string text;
    FormatText(text, format, path.c_str());
    FatalText(text);
}

std::string LocalName(const char* qualified) {
    std::string name = qualified;
    const auto colon = name.find(':');
    return colon == std::string::npos ? name : name.substr(colon + 1);
}

int ReadElement(const pugi::xml_node& element, CXMLAccess& node) {
    node.name = LocalName(element.name());
    for (const pugi::xml_attribute& attribute : element.attributes())
        node.attributes.emplace_back(attribute.name(), attribute.value());
    for (const pugi::xml_node& child : element.children()) {
        if (child.type() != pugi::node_element)
            return XML_FALSE;
        CXMLAccess childNode;
        if (int status = ReadElement(child, childNode); status != XML_OK)
            return status;
        node.children.push_back(std::move(childNode));
    }
    return XML_OK;
}

int WriteElement(const CXMLAccess& node, pugi::xml_node parent) {
    if (node.name.empty())
        return XML_FALSE;
    pugi::xml_node element = parent.append_child(node.name.c_str());
    if (!element)
        return XML_FALSE;
    for (const auto& [key, value] : node.attributes) {
        if (key.empty())
            return XML_FALSE;
        pugi::xml_attribute attribute = element.append_attribute(key.c_str());
        if (!attribute || !attribute.set_value(value.c_str()))
            return XML_FALSE;
    }
    if (!node.text.empty() && !element.append_child(pugi::node_pcdata).set_value(node.text.c_str()))
        return XML_FALSE;
    for (const CXMLAccess& child : node.children) {
        if (int status = WriteElement(child, element); status != XML_OK)
            return status;
    }
    return XML_OK;
}

}  // namespace

CXMLAccess::CXMLAccess() = default;

CXMLAccess::CXMLAccess(std::string name, std::string text)
    : name(std::move(name)), text(std::move(text)) {}

std::string CXMLAccess::GetValue(const std::string& key, bool mustExist,
                                 const std::string& defaultText) const {
    for (const auto& [attributeName, value] : attributes) {
        if (attributeName == key)
            return value;
    }
    if (mustExist) {
        const std::string text = loadedFrom.empty() ? key
                                                    : key + "\n\nThe setting " + key +
                                                          " is missing in " + loadedFrom + ".";
        platform::MessageBox(0, text, "Error", platform::MB_ICONERROR);
        platform::EndProcess(1);
    }
    return defaultText;
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
    std::string text;
    SetValue(key, FormatText(text, "%d", value));
}

void CXMLAccess::AddChild(const CXMLAccess& child) {
    children.push_back(child);
}

int LoadXMLNode(const std::string& path, CXMLAccess& node, const std::string& keyFile) {
    const std::string plainFile = CreateTempFile("~qor");
    if (keyFile.empty()) {
        if (!platform::CopyFile(path, plainFile))
            FatalFileError("Can't read config file<%s>, please re-install!!", path);
    } else {
        // A key file that cannot be read is named, not the file it decodes.
        if (const platform::ReadableFile key = platform::InspectForReading(keyFile);
            !key.readable) {
            std::string text;
            FormatText(text, "Can't read config file<%s> error, please re-install!",
                       keyFile.c_str());
            FatalText(text + "\nThe key file " + keyFile + " cannot be read: " +
                      (key.kind == platform::FileKind::Missing   ? "No such file or directory"
                       : key.kind == platform::FileKind::Regular ? "Permission denied"
                                                                 : "it is not a regular file") +
                      ".");
        }
        const int result = CreateSettingsCodec()->Decode(path, plainFile, keyFile);
        if (result == settingscodec::DECODE_STORED_UNREADABLE)
            FatalFileError("Can't read config file<%s> error, please re-install!!", path);
        if (result != settingscodec::CODEC_OK)
            FatalFileError("Can't read config file<%s> error, please re-install!", path);
    }

    pugi::xml_document document;
    // Comments, processing instructions and CDATA are kept, so that any such
    // node inside "body" is seen and refused; whitespace between elements is not.
    const unsigned options = pugi::parse_default | pugi::parse_comments | pugi::parse_pi |
                             pugi::parse_declaration | pugi::parse_doctype;
    if (!document.load_file(plainFile.c_str(), options))
        return XML_FALSE;  // copy stays
    platform::RemoveFile(plainFile);

    const pugi::xml_node body = document.document_element();
    if (!body || std::string(body.name()) != "body")
        return XML_FALSE;
    node.loadedFrom = path;
    return ReadElement(body, node);
}

int SaveXMLNode(const std::string& path, const CXMLAccess& node, const std::string& keyFile,
                std::string* reason) {
    pugi::xml_document document;
    if (int status = WriteElement(node, document); status != XML_OK) {
        if (reason)
            *reason = "the document could not be made";
        return status;
    }
    std::ostringstream out;
    document.save(out, "  ", pugi::format_indent | pugi::format_no_declaration,
                  pugi::encoding_utf8);

    const std::string target = keyFile.empty() ? path : CreateTempFile("~qor");
    if (!platform::WriteFileAtomically(target, out.str(), reason))
        return XML_WRITE_FAILED;
    if (!keyFile.empty()) {
        const int result = CreateSettingsCodec()->Encode(target, path, keyFile);
        platform::RemoveFile(target);
        if (result != settingscodec::CODEC_OK && result != settingscodec::ENCODE_DONE)
            FatalFileError("Can't write config file<%s> error, please re-install!", path);
    }
    return XML_OK;
}

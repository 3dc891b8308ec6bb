// The XML settings store: load statuses, fatal messages, round trips, the
// node operations.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/TestFolder.h"
#include "settings/xml.h"

namespace {

namespace fs = std::filesystem;

class XmlStoreTest : public ::testing::Test {
  protected:
    int Load(const std::string& content, CXMLAccess& node, const std::string& key = {}) {
        return LoadXMLNode(folder.Write("settings.data", content), node, key);
    }
    int TempFileCount() const {
        if (!fs::exists(folder.AppTemp()))
            return 0;
        int count = 0;
        for (const auto& entry : fs::directory_iterator(folder.AppTemp())) {
            (void)entry;
            ++count;
        }
        return count;
    }

    TestFolder folder;
};

TEST_F(XmlStoreTest, LoadsAttributesInDocumentOrderAndChildren) {
    CXMLAccess node;
    ASSERT_EQ(
        Load("<?xml version=\"1.0\"?>\n<!-- installed -->\n"
             "<body B=\"2\" A=\"1\" C=\"\">\n  <item x=\"1\"><sub/></item>\n  <other/>\n</body>\n",
             node),
        XML_OK);
    EXPECT_EQ(node.name, "body");
    ASSERT_EQ(node.attributes.size(), 3u);
    EXPECT_EQ(node.attributes[0], (std::pair<std::string, std::string>("B", "2")));
    EXPECT_EQ(node.attributes[1].first, "A");
    EXPECT_EQ(node.attributes[2].second, "");
    ASSERT_EQ(node.children.size(), 2u);
    EXPECT_EQ(node.children[0].name, "item");
    EXPECT_EQ(node.children[0].GetValue("x"), "1");
    ASSERT_EQ(node.children[0].children.size(), 1u);
    EXPECT_EQ(node.children[0].children[0].name, "sub");
    EXPECT_EQ(node.children[1].name, "other");
    EXPECT_TRUE(node.text.empty());
    // A successful load leaves no copy behind.
    EXPECT_EQ(TempFileCount(), 0);
}

TEST_F(XmlStoreTest, LoadAppendsToAttributesAlreadyHeld) {
    CXMLAccess node;
    node.SetValue("OLD", "x");
    ASSERT_EQ(Load("<body NEW=\"y\"/>", node), XML_OK);
    ASSERT_EQ(node.attributes.size(), 2u);
    EXPECT_EQ(node.attributes[0].first, "OLD");
    EXPECT_EQ(node.attributes[1].first, "NEW");
}

TEST_F(XmlStoreTest, BadDocumentsFailWithStatusOne) {
    const char* bad[] = {
        "",                                    // empty file
        "this is not xml",                     // not XML
        "<body A=\"1\">",                      // unterminated
        "<settings A=\"1\"/>",                 // no body root
        "<body A=\"1\"><!-- note --></body>",  // comment inside body
        "<body A=\"1\">text</body>",           // text inside body
        "<body><item>text</item></body>",      // text in an element under body
        "<body><![CDATA[x]]></body>",          // CDATA inside body
        "<body><?pi data?></body>",            // processing instruction inside body
    };
    for (const char* content : bad) {
        CXMLAccess node;
        EXPECT_EQ(Load(content, node), XML_FALSE) << content;
    }
}

TEST_F(XmlStoreTest, WhitespaceInsideBodyAndEmptyBodyLoad) {
    CXMLAccess node;
    EXPECT_EQ(Load("<body>\n   \t\n</body>", node), XML_OK);
    EXPECT_TRUE(node.attributes.empty());
    CXMLAccess empty;
    EXPECT_EQ(Load("<body/>", empty), XML_OK);
    EXPECT_EQ(empty.GetValue("ANY", false, "fallback"), "fallback");
}

TEST_F(XmlStoreTest, FailedParseLeavesItsCopyInTheTempFolder) {
    CXMLAccess node;
    ASSERT_EQ(Load("<body A=\"1\"><unclosed></body>", node), XML_FALSE);
    ASSERT_EQ(TempFileCount(), 1);
    const auto entry = *fs::directory_iterator(folder.AppTemp());
    EXPECT_EQ(entry.path().filename().string().substr(0, 3), "~qo");
    EXPECT_EQ(entry.path().extension(), ".tmp");
    EXPECT_EQ(TestFolder::Read(entry.path()), "<body A=\"1\"><unclosed></body>");
    // A document that parses but is refused leaves nothing behind.
    CXMLAccess other;
    ASSERT_EQ(Load("<body><!-- c --></body>", other), XML_FALSE);
    EXPECT_EQ(TempFileCount(), 1);
}

TEST_F(XmlStoreTest, MissingFileEndsTheProcessWithItsMessage) {
    CXMLAccess node;
    const std::string missing = folder.Path() + "missing.data";
    EXPECT_EXIT(LoadXMLNode(missing, node, ""), ::testing::ExitedWithCode(1),
                "Error: Can't read config file<" + missing + ">, please re-install!!");
    // Through the codec: the stored file cannot be read.
    const std::string key = folder.Write("p4.data", "key");
    EXPECT_EXIT(LoadXMLNode(missing, node, key), ::testing::ExitedWithCode(1),
                "Error: Can't read config file<" + missing + "> error, please re-install!!");
    // Through the codec: the key file is missing, and it is the file named.
    const std::string present = folder.Write("present.data", "<body/>");
    const std::string noKey = folder.Path() + "nokey.data";
    EXPECT_EXIT(LoadXMLNode(present, node, noKey), ::testing::ExitedWithCode(1),
                "Error: Can't read config file<" + noKey +
                    "> error, please re-install!\nThe key file " + noKey +
                    " cannot be read: No such file or directory");
}

TEST_F(XmlStoreTest, GetValueIsExactCaseAndFirstMatch) {
    CXMLAccess node;
    node.attributes = {{"WORKING_FOLDER", "/a/"}, {"WORKING_FOLDER", "/b/"}};
    EXPECT_EQ(node.GetValue("WORKING_FOLDER"), "/a/");
    EXPECT_EQ(node.GetValue("working_folder", false, "none"), "none");
    EXPECT_EXIT(node.GetValue("working_folder"), ::testing::ExitedWithCode(1),
                "Error: working_folder\n");
}

TEST_F(XmlStoreTest, SetValueKeepsPlaceOrAppends) {
    CXMLAccess node("body", "");
    node.SetValue("A", "1");
    node.SetValue("B", "2");
    node.SetValue("A", "3");
    node.SetIntValue("C", -1);
    node.SetIntValue("B", 2147483647);
    ASSERT_EQ(node.attributes.size(), 3u);
    EXPECT_EQ(node.attributes[0], (std::pair<std::string, std::string>("A", "3")));
    EXPECT_EQ(node.attributes[1], (std::pair<std::string, std::string>("B", "2147483647")));
    EXPECT_EQ(node.attributes[2], (std::pair<std::string, std::string>("C", "-1")));
}

TEST_F(XmlStoreTest, AddChildCopiesTheWholeSubtree) {
    CXMLAccess parent("dvdauthor", "");
    CXMLAccess child("vmgm", "");
    child.AddChild(CXMLAccess("pre", "jump title 1;"));
    parent.AddChild(child);
    child.children.clear();
    child.name = "changed";
    ASSERT_EQ(parent.children.size(), 1u);
    EXPECT_EQ(parent.children[0].name, "vmgm");
    ASSERT_EQ(parent.children[0].children.size(), 1u);
    EXPECT_EQ(parent.children[0].children[0].text, "jump title 1;");
}

TEST_F(XmlStoreTest, SpecialCharactersAndUtf8RoundTripWithAndWithoutKey) {
    CXMLAccess node("body", "");
    node.SetValue("PLAIN", "a<b>&c\"d'e");
    node.SetValue("UTF8", "Vidéos/日本語/Ünïcödé ✓");
    node.SetValue("SPACES", "  two  spaces  ");
    node.SetValue("EMPTY", "");
    node.SetValue("LINES", "one\ntwo\tthree");
    CXMLAccess item("item", "");
    item.SetValue("path", "/x/<y>&z");
    node.AddChild(item);
    const std::string key = folder.Write("p4.data", "key");
    for (const std::string& keyFile : {std::string(), key}) {
        const std::string path = folder.Path() + "round.data";
        ASSERT_EQ(SaveXMLNode(path, node, keyFile), XML_OK);
        CXMLAccess loaded;
        ASSERT_EQ(LoadXMLNode(path, loaded, keyFile), XML_OK);
        EXPECT_EQ(loaded.name, "body");
        EXPECT_EQ(loaded.attributes, node.attributes);
        ASSERT_EQ(loaded.children.size(), 1u);
        EXPECT_EQ(loaded.children[0].attributes, item.attributes);
    }
    // A saved document has no declaration and no leftover temporary files.
    EXPECT_EQ(TestFolder::Read(folder.Path() + "round.data").rfind("<body", 0), 0u);
    EXPECT_EQ(TempFileCount(), 0);
}

TEST_F(XmlStoreTest, SaveWritesTextAsContentAndSuchAFileDoesNotLoad) {
    CXMLAccess root("subpictures", "");
    CXMLAccess stream("stream", "");
    CXMLAccess spu("spu", "");
    spu.SetValue("start", "00:00:00.0");
    stream.AddChild(spu);
    root.AddChild(stream);
    root.AddChild(CXMLAccess("note", "a & b"));
    const std::string path = folder.Path() + "spumux.xml";
    ASSERT_EQ(SaveXMLNode(path, root, ""), XML_OK);
    const std::string text = TestFolder::Read(path);
    EXPECT_NE(text.find("<note>a &amp; b</note>"), std::string::npos) << text;
    EXPECT_NE(text.find("<spu start=\"00:00:00.0\""), std::string::npos) << text;
    EXPECT_EQ(text.find("<?xml"), std::string::npos);

    CXMLAccess withText("body", "hello");
    ASSERT_EQ(SaveXMLNode(path, withText, ""), XML_OK);
    CXMLAccess loaded;
    EXPECT_EQ(LoadXMLNode(path, loaded, ""), XML_FALSE);
}

TEST_F(XmlStoreTest, SaveFailuresReturnStatusAndKeepTheOldFile) {
    const std::string path = folder.Write("keep.data", "<body A=\"old\"/>");
    CXMLAccess unnamed;
    EXPECT_NE(SaveXMLNode(path, unnamed, ""), XML_OK);
    CXMLAccess badKey("body", "");
    badKey.SetValue("", "v");
    EXPECT_NE(SaveXMLNode(path, badKey, ""), XML_OK);
    EXPECT_EQ(TestFolder::Read(path), "<body A=\"old\"/>");
    // A folder that cannot be written: the status says so.
    folder.Write("plainfile", "x");
    CXMLAccess node("body", "");
    EXPECT_EQ(SaveXMLNode(folder.Path() + "plainfile/sub.data", node, ""), XML_WRITE_FAILED);
}

TEST_F(XmlStoreTest, EncodeFailureEndsTheProcessAndKeepsTheStoredFile) {
    const std::string key = folder.Write("p4.data", "key");
    const std::string path = folder.Write("keep.data", "<body A=\"old\"/>");
    CXMLAccess node("body", "");
    node.SetValue("A", "new");
    // The options folder cannot be written to: the target is in a "folder" that is a file.
    folder.Write("notafolder", "x");
    const std::string unwritable = folder.Path() + "notafolder/options.data";
    EXPECT_EXIT(SaveXMLNode(unwritable, node, key), ::testing::ExitedWithCode(1),
                "Error: Can't write config file<" + unwritable + "> error, please re-install!");
    // A missing key file stops the encode before anything is written.
    EXPECT_EXIT(SaveXMLNode(path, node, folder.Path() + "nokey"), ::testing::ExitedWithCode(1),
                "Can't write config file");
    EXPECT_EQ(TestFolder::Read(path), "<body A=\"old\"/>");
}

}  // namespace

// The XML settings store: load statuses, fatal messages, round trips, the
// node operations.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>

#include "app/TestFolder.h"
#include "settings/xml.h"

namespace {

namespace fs = std::filesystem;

class XmlStoreTest : public ::testing::Test {
  protected:
    platform::Result<void> Load(const std::string& content, CXMLAccess& node,
                                const std::string& key = {}) {
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
    ASSERT_TRUE(
        Load("<?xml version=\"1.0\"?>\n<!-- installed -->\n"
             "<body B=\"2\" A=\"1\" C=\"\">\n  <item x=\"1\"><sub/></item>\n  <other/>\n</body>\n",
             node));
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
    ASSERT_TRUE(Load("<body NEW=\"y\"/>", node));
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
        EXPECT_EQ(Load(content, node).code(), kXmlNotSettings) << content;
    }
}

TEST_F(XmlStoreTest, WhitespaceInsideBodyAndEmptyBodyLoad) {
    CXMLAccess node;
    EXPECT_TRUE(Load("<body>\n   \t\n</body>", node));
    EXPECT_TRUE(node.attributes.empty());
    CXMLAccess empty;
    EXPECT_TRUE(Load("<body/>", empty));
    EXPECT_EQ(empty.GetValue("ANY", "fallback"), "fallback");
}

TEST_F(XmlStoreTest, FailedParseLeavesItsCopyInTheTempFolder) {
    CXMLAccess node;
    ASSERT_EQ(Load("<body A=\"1\"><unclosed></body>", node).code(), kXmlNotSettings);
    ASSERT_EQ(TempFileCount(), 1);
    const auto entry = *fs::directory_iterator(folder.AppTemp());
    EXPECT_EQ(entry.path().filename().string().substr(0, 3), "~qo");
    EXPECT_EQ(entry.path().extension(), ".tmp");
    EXPECT_EQ(TestFolder::Read(entry.path()), "<body A=\"1\"><unclosed></body>");
    // A document that parses but is refused leaves nothing behind.
    CXMLAccess other;
    ASSERT_EQ(Load("<body><!-- c --></body>", other).code(), kXmlNotSettings);
    EXPECT_EQ(TempFileCount(), 1);
}

// The failure carries the message the user is shown; the process goes on and
// no temporary copy is left.
TEST_F(XmlStoreTest, UnreadableFilesFailWithTheirMessages) {
    CXMLAccess node;
    const std::string missing = folder.Path() + "missing.data";
    auto failure = [&](const std::string& path, const std::string& key) {
        const platform::Result<void> loaded = LoadXMLNode(path, node, key);
        EXPECT_FALSE(loaded);
        EXPECT_NE(loaded.code(), kXmlNotSettings);
        return loaded.error();
    };
    EXPECT_EQ(failure(missing, ""), "Can't read config file<" + missing + ">, please re-install!!");
    // Through the codec: the stored file cannot be read.
    const std::string key = folder.Write("p4.data", "key");
    EXPECT_EQ(failure(missing, key),
              "Can't read config file<" + missing + "> error, please re-install!!");
    // Through the codec: the key file is missing, and it is the file named.
    const std::string present = folder.Write("present.data", "<body/>");
    const std::string noKey = folder.Path() + "nokey.data";
    EXPECT_EQ(failure(present, noKey), "Can't read config file<" + noKey +
                                           "> error, please re-install!\nThe key file " + noKey +
                                           " cannot be read: No such file or directory.");
    EXPECT_EQ(TempFileCount(), 0);
    // No temp folder can be made: the failure says so and names the file.
    setenv("TMPDIR", (folder.Write("notafolder", "x") + "/").c_str(), 1);
    const std::string noTemp = failure(present, "");
    EXPECT_EQ(noTemp.rfind("Can't create temp directory!\n", 0), 0u) << noTemp;
    EXPECT_NE(noTemp.find(present), std::string::npos) << noTemp;
}

TEST_F(XmlStoreTest, GetValueIsExactCaseAndFirstMatch) {
    CXMLAccess node;
    node.attributes = {{"WORKING_FOLDER", "/a/"}, {"WORKING_FOLDER", "/b/"}};
    EXPECT_EQ(node.GetValue("WORKING_FOLDER"), "/a/");
    EXPECT_EQ(node.GetValue("working_folder", "none"), "none");
    EXPECT_EQ(node.GetValue("working_folder"), "");
    // A file without a key the program reads names the key, then the file.
    EXPECT_TRUE(RequireValues(node, std::array{"WORKING_FOLDER"}));
    const platform::Result<void> missing = RequireValues(node, std::array{"WORKING_FOLDER", "A"});
    EXPECT_EQ(missing.error(), "A");
    node.loadedFrom = "/p/options.data";
    EXPECT_EQ(RequireValues(node, std::array{"A"}).error(),
              "A\n\nThe setting A is missing in /p/options.data.");
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
        ASSERT_TRUE(SaveXMLNode(path, node, keyFile));
        CXMLAccess loaded;
        ASSERT_TRUE(LoadXMLNode(path, loaded, keyFile));
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
    ASSERT_TRUE(SaveXMLNode(path, root, ""));
    const std::string text = TestFolder::Read(path);
    EXPECT_NE(text.find("<note>a &amp; b</note>"), std::string::npos) << text;
    EXPECT_NE(text.find("<spu start=\"00:00:00.0\""), std::string::npos) << text;
    EXPECT_EQ(text.find("<?xml"), std::string::npos);

    CXMLAccess withText("body", "hello");
    ASSERT_TRUE(SaveXMLNode(path, withText, ""));
    CXMLAccess loaded;
    EXPECT_EQ(LoadXMLNode(path, loaded, "").code(), kXmlNotSettings);
}

TEST_F(XmlStoreTest, SaveFailuresReturnStatusAndKeepTheOldFile) {
    const std::string path = folder.Write("keep.data", "<body A=\"old\"/>");
    CXMLAccess unnamed;
    EXPECT_FALSE(SaveXMLNode(path, unnamed, ""));
    CXMLAccess badKey("body", "");
    badKey.SetValue("", "v");
    EXPECT_FALSE(SaveXMLNode(path, badKey, ""));
    EXPECT_EQ(TestFolder::Read(path), "<body A=\"old\"/>");
    // A folder that cannot be written: the failure names the file and says why.
    folder.Write("plainfile", "x");
    CXMLAccess node("body", "");
    const std::string target = folder.Path() + "plainfile/sub.data";
    EXPECT_EQ(SaveXMLNode(target, node, "").error(), "Can't write " + target + ": Not a directory");
}

TEST_F(XmlStoreTest, EncodeFailureIsReportedAndKeepsTheStoredFile) {
    const std::string key = folder.Write("p4.data", "key");
    const std::string path = folder.Write("keep.data", "<body A=\"old\"/>");
    CXMLAccess node("body", "");
    node.SetValue("A", "new");
    // The options folder cannot be written to: the target is in a "folder" that is a file.
    folder.Write("notafolder", "x");
    const std::string unwritable = folder.Path() + "notafolder/options.data";
    EXPECT_EQ(SaveXMLNode(unwritable, node, key).error(),
              "Can't write config file<" + unwritable +
                  "> error, please re-install!\nThe file cannot be written in its folder.");
    // A missing key file stops the encode before anything is written.
    EXPECT_EQ(SaveXMLNode(path, node, folder.Path() + "nokey").error(),
              "Can't write config file<" + path + "> error, please re-install!\nThe key file " +
                  folder.Path() + "nokey cannot be read: No such file or directory.");
    EXPECT_EQ(TestFolder::Read(path), "<body A=\"old\"/>");
    EXPECT_EQ(TempFileCount(), 0);
}

}  // namespace

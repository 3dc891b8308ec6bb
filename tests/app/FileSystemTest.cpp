// The temp folder, temp files and folder tree removal.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <set>

#include "app/TestFolder.h"
#include "platform/FolderTree.h"
#include "platform/TempFiles.h"

namespace {

namespace fs = std::filesystem;

TEST(FileSystemTest, TempFolderIsPerUserUnderTheSystemTempPath) {
    TestFolder folder;
    EXPECT_EQ(platform::GetAppTempFolder(), folder.AppTemp());
    EXPECT_FALSE(fs::exists(folder.AppTemp()));  // only made when a file is needed
}

TEST(FileSystemTest, MakeTempFileMakesDistinctEmptyFilesInAPrivateFolder) {
    TestFolder folder;
    std::set<std::string> made;
    for (int i = 0; i < 50; ++i) {
        const platform::Result<std::string> file = platform::MakeTempFile("~qor");
        ASSERT_TRUE(file) << file.error();
        const std::string& path = *file;
        EXPECT_EQ(path.rfind(folder.AppTemp() + "~qo", 0), 0u) << path;
        EXPECT_EQ(path.substr(path.size() - 4), ".tmp");
        EXPECT_TRUE(fs::is_regular_file(path));
        EXPECT_EQ(fs::file_size(path), 0u);
        made.insert(path);
    }
    EXPECT_EQ(made.size(), 50u);
    struct stat st;
    ASSERT_EQ(lstat(folder.AppTemp().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
}

// The failure says why; the process goes on.
TEST(FileSystemTest, MakeTempFileRefusesUnsafeOrUncreatableFolders) {
    {
        // A symbolic link planted where the temp folder goes.
        TestFolder folder;
        fs::create_directory(folder.Path() + "elsewhere");
        const std::string link = folder.AppTemp().substr(0, folder.AppTemp().size() - 1);
        fs::create_directory_symlink(folder.Path() + "elsewhere", link);
        const platform::Result<std::string> file = platform::MakeTempFile("~qor");
        ASSERT_FALSE(file);
        EXPECT_NE(file.error().find("symbolic link"), std::string::npos) << file.error();
        EXPECT_TRUE(fs::is_empty(folder.Path() + "elsewhere"));
    }
    {
        // Another user's folder.
        TestFolder folder;
        fs::create_directory(folder.AppTemp());
        ASSERT_EQ(chown(folder.AppTemp().c_str(), getuid() + 1, getgid()), 0);
        const platform::Result<std::string> file = platform::MakeTempFile("~qor");
        ASSERT_FALSE(file);
        EXPECT_NE(file.error().find("another user"), std::string::npos) << file.error();
    }
    {
        // A system temp path where no folder can be made.
        TestFolder folder;
        const std::string file = folder.Write("file", "x");
        setenv("TMPDIR", (file + "/").c_str(), 1);
        const platform::Result<std::string> made = platform::MakeTempFile("~qor");
        ASSERT_FALSE(made);
        EXPECT_EQ(
            made.error().rfind(
                "Can't create temp directory!\nCannot create the folder " + file + "/Velmora-", 0),
            0u)
            << made.error();
    }
}

TEST(FileSystemTest, DeleteFolderTreeRemovesEverything) {
    TestFolder folder;
    const std::string root = folder.Path() + "tree/";
    fs::create_directories(root + "a/b/c");
    folder.Write("tree/a/b/c/deep.txt", "1");
    folder.Write("tree/top.txt", "2");
    fs::create_directories(root + "empty");
    EXPECT_TRUE(platform::RemoveFolderTree(root));
    EXPECT_FALSE(fs::exists(root));
    // A missing folder cannot be listed.
    EXPECT_FALSE(platform::RemoveFolderTree(root));
}

TEST(FileSystemTest, DeleteFolderTreeNeverFollowsLinks) {
    TestFolder folder;
    fs::create_directories(folder.Path() + "keep/inner");
    folder.Write("keep/precious.txt", "data");
    folder.Write("keep/inner/file.txt", "data");
    const std::string root = folder.Path() + "tree/";
    fs::create_directories(root + "sub");
    fs::create_directory_symlink(folder.Path() + "keep", root + "sub/dirlink");
    fs::create_symlink(folder.Path() + "keep/precious.txt", root + "filelink");
    fs::create_symlink(folder.Path() + "nowhere", root + "dangling");
    EXPECT_TRUE(platform::RemoveFolderTree(root));
    EXPECT_FALSE(fs::exists(fs::symlink_status(root)));
    EXPECT_EQ(TestFolder::Read(folder.Path() + "keep/precious.txt"), "data");
    EXPECT_EQ(TestFolder::Read(folder.Path() + "keep/inner/file.txt"), "data");

    // The folder handed in is itself a link: only the link goes.
    fs::create_directory_symlink(folder.Path() + "keep", folder.Path() + "toplink");
    EXPECT_TRUE(platform::RemoveFolderTree(folder.Path() + "toplink/"));
    EXPECT_FALSE(fs::exists(fs::symlink_status(folder.Path() + "toplink")));
    EXPECT_TRUE(fs::exists(folder.Path() + "keep/precious.txt"));
}

TEST(FileSystemTest, DotEntriesStayWithTheFoldersAboveThem) {
    TestFolder folder;
    const std::string root = folder.Path() + "tree/";
    fs::create_directories(root + "a/b");
    fs::create_directories(root + "other");
    folder.Write("tree/a/b/.hidden", "h");
    folder.Write("tree/a/b/plain", "p");
    folder.Write("tree/other/plain", "p");
    fs::create_directories(root + ".dotdir/x");
    EXPECT_TRUE(platform::RemoveFolderTree(root));
    EXPECT_TRUE(fs::exists(root + "a/b/.hidden"));
    EXPECT_FALSE(fs::exists(root + "a/b/plain"));
    EXPECT_FALSE(fs::exists(root + "other"));
    EXPECT_TRUE(fs::exists(root + ".dotdir/x"));
}

}  // namespace

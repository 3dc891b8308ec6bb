// Project files on their way through a save and a load.
#include <gtest/gtest.h>

#include "app/ProjectFile.h"
#include "app/TestFolder.h"

// A path below the project's folder written with a doubled slash ("//")
// still names the same file after a save, not one at the root.
TEST(ProjectFile, AVideoBelowTheProjectKeepsItsPathThroughASave) {
    TestFolder folder;
    Project project;
    project.videos = {folder.Path() + "/clip.avi", folder.Path() + "clip.avi"};
    project.titleMenuBackground = folder.Path() + "//menu.jpg";
    ASSERT_TRUE(SaveProject(folder.Path() + "disc.quorva", project));
    const platform::Result<Project> loaded = LoadProject(folder.Path() + "disc.quorva");
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->videos, project.videos);
    EXPECT_EQ(loaded->titleMenuBackground, project.titleMenuBackground);
}

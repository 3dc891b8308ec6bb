// A fresh folder for one test, removed afterwards, and the system temp path
// pointed into it so that the application temp folder is the test's own.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

class TestFolder {
  public:
    TestFolder() {
        char pattern[] = "/tmp/quorva-test-XXXXXX";
        const char* made = mkdtemp(pattern);
        EXPECT_NE(made, nullptr);
        path_ = std::string(made ? made : "/tmp") + "/";
        const char* old = getenv("TMPDIR");
        hadTmp_ = old != nullptr;
        if (old)
            oldTmp_ = old;
        std::filesystem::create_directory(path_ + "sys");
        setenv("TMPDIR", (path_ + "sys").c_str(), 1);
    }
    ~TestFolder() {
        if (hadTmp_)
            setenv("TMPDIR", oldTmp_.c_str(), 1);
        else
            unsetenv("TMPDIR");
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    // Ends with '/'.
    const std::string& Path() const { return path_; }
    // The application temp folder inside this folder.
    std::string AppTemp() const { return path_ + "sys/Velmora-" + std::to_string(getuid()) + "/"; }

    std::string Write(const std::string& name, const std::string& content) const {
        std::ofstream(path_ + name, std::ios::binary) << content;
        return path_ + name;
    }

    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

  private:
    std::string path_;
    std::string oldTmp_;
    bool hadTmp_ = false;
};

// Loads the program folder's authoring library and calls its entries the way
// the pipeline does.
#pragma once

#include <dlfcn.h>

#include <string>
#include <vector>

namespace authoringtest {

class AuthoringLibrary {
  public:
    AuthoringLibrary() : handle_(dlopen(QUORVA_BIN_DIR "dvdauthor.so", RTLD_NOW | RTLD_LOCAL)) {}
    ~AuthoringLibrary() {
        if (handle_)
            dlclose(handle_);
    }
    AuthoringLibrary(const AuthoringLibrary&) = delete;
    AuthoringLibrary& operator=(const AuthoringLibrary&) = delete;

    bool Loaded() const { return handle_ != nullptr; }

    // Calls entry with argv exactly as given (argv[0] is the fixed first word).
    int Call(const char* entry, std::vector<std::string> args) const {
        using Entry = int (*)(int, char**);
        auto fn = reinterpret_cast<Entry>(dlsym(handle_, entry));
        if (fn == nullptr)
            return -1000;
        std::vector<char*> argv;
        for (auto& a : args)
            argv.push_back(a.data());
        return fn(static_cast<int>(argv.size()), argv.data());
    }

    std::string LastError() const {
        using Reader = const char* (*)();
        auto fn = reinterpret_cast<Reader>(dlsym(handle_, "authoring_last_error"));
        return fn ? fn() : "<no authoring_last_error>";
    }

  private:
    void* handle_;
};

// Runs a body with PATH pointing at an empty folder, so no program is found.
class EmptyPath {
  public:
    explicit EmptyPath(const std::string& folder) {
        const char* old = getenv("PATH");
        saved_ = old ? old : "";
        setenv("PATH", folder.c_str(), 1);
    }
    ~EmptyPath() { setenv("PATH", saved_.c_str(), 1); }
    EmptyPath(const EmptyPath&) = delete;
    EmptyPath& operator=(const EmptyPath&) = delete;

  private:
    std::string saved_;
};

}  // namespace authoringtest

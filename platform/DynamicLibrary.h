// A dynamic library loaded by path, freed when the object goes.
#pragma once

#include <string>

namespace platform {

class DynamicLibrary {
  public:
    DynamicLibrary() = default;
    explicit DynamicLibrary(const std::string& path);
    // Takes ownership of a handle that an earlier load left open.
    static DynamicLibrary Adopt(void* handle);
    ~DynamicLibrary();
    DynamicLibrary(DynamicLibrary&& other) noexcept;
    DynamicLibrary& operator=(DynamicLibrary&& other) noexcept;
    DynamicLibrary(const DynamicLibrary&) = delete;
    DynamicLibrary& operator=(const DynamicLibrary&) = delete;

    bool IsLoaded() const { return handle_ != nullptr; }
    // The loader's reason when loading failed.
    const std::string& Error() const { return error_; }
    // Address of an exported symbol, or nullptr.
    void* Symbol(const char* name) const;
    // Gives up ownership: the library stays loaded.
    void* Release();
    void Free();

  private:
    void* handle_ = nullptr;
    std::string error_;
};

}  // namespace platform

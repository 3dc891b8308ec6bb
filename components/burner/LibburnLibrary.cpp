#include "components/burner/LibburnLibrary.h"
#include "platform/Translation.h"

#include <libburn.h>

namespace burner {
namespace {

struct Registry {
    std::mutex mutex;
    int holders = 0;
};

Registry& TheRegistry() {
    static Registry registry;
    return registry;
}

void Release(LibburnLibrary*) {
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    if (--registry.holders == 0) {
        burn::burn_finish();
    }
}

}  // namespace

platform::Result<std::shared_ptr<LibburnLibrary>> LibburnLibrary::Acquire() {
    static LibburnLibrary instance;
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    if (registry.holders == 0) {
        if (burn::burn_initialize() != 1) {
            return platform::Fail(platform::Translate(
                "Burner", "The disc writing library (libburn) could not be started."));
        }
        // Complaints are collected for the user's messages, never printed.
        burn::burn_msgs_set_severities(const_cast<char*>("SORRY"), const_cast<char*>("NEVER"),
                                       const_cast<char*>("libburn: "));
    }
    ++registry.holders;
    return std::shared_ptr<LibburnLibrary>(&instance, Release);
}

std::string LibburnLibrary::TakeMessages() {
    std::string joined;
    char text[BURN_MSGS_MESSAGE_LEN];
    char severity[80];
    int code = 0;
    int osErrno = 0;
    while (burn::burn_msgs_obtain(const_cast<char*>("SORRY"), &code, text, &osErrno, severity) ==
           1) {
        if (!joined.empty()) {
            joined += "; ";
        }
        joined += text;
    }
    return joined;
}

}  // namespace burner

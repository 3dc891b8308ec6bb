#include "platform/User.h"

#include <unistd.h>

namespace platform {

unsigned CurrentUserId() {
    return static_cast<unsigned>(getuid());
}

}  // namespace platform

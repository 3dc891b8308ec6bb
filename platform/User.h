// Who runs the process.
#pragma once

namespace platform {

// The real user id of the process.
unsigned CurrentUserId();

}  // namespace platform

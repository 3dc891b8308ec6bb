// The tests walk discs with the program's own DVD walker.
#pragma once

#include "components/discchecker/DvdWalk.h"

namespace testsupport {
using discchecker::DomainName;
using discchecker::DvdDomain;
using discchecker::DvdPlace;
using discchecker::DvdWalk;
}  // namespace testsupport

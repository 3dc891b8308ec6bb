#include "app/Version.h"

const char* ProductVersion() {
    return QUORVA_VERSION;
}

// Part of every test program: before anything runs, the user's settings and
// state folders point into the build's test home, so that no test (nor a
// program it starts) reads or writes the real ones.
#include <cstdlib>

namespace {

struct TestHome {
    TestHome() {
        setenv("XDG_CONFIG_HOME", QUORVA_TEST_HOME "config", 1);
        setenv("XDG_STATE_HOME", QUORVA_TEST_HOME "state", 1);
    }
};

const TestHome testHome;

}  // namespace

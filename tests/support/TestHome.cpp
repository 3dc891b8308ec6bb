// Part of every test program: before anything runs, the user's settings and
// state folders point into the build's test home, so that no test (nor a
// program it starts) reads or writes the real ones; and no display is seen,
// so that a program a test crashes on purpose never waits on a window.
#include <cstdlib>

namespace {

struct TestHome {
    TestHome() {
        setenv("XDG_CONFIG_HOME", QUORVA_TEST_HOME "config", 1);
        setenv("XDG_STATE_HOME", QUORVA_TEST_HOME "state", 1);
        unsetenv("DISPLAY");
        unsetenv("WAYLAND_DISPLAY");
    }
};

const TestHome testHome;

}  // namespace

// A small engine-style library for the invocation tests: its entry writes the
// arguments it received, one a line, to the file named by ARGUMENT_ECHO_FILE
// and returns argc + 100.
#include <cstdio>
#include <cstdlib>

extern "C" __attribute__((visibility("default"))) int echo_arguments(int argc, char** argv) {
    const char* path = std::getenv("ARGUMENT_ECHO_FILE");
    if (!path)
        return -2;
    FILE* file = std::fopen(path, "w");
    if (!file)
        return -3;
    for (int i = 0; i < argc; ++i)
        std::fprintf(file, "%s\n", argv[i]);
    std::fclose(file);
    return argc + 100;
}

// The authoring library "dvdauthor.so": DVD-Video authoring and subpicture
// multiplexing through Debian's dvdauthor and spumux programs. Loaded with
// dlopen; every entry is called like a program's main.
#pragma once

extern "C" {

// ("x", "-x", project.xml): runs "dvdauthor -x project.xml" (other arguments
// are passed on unchanged). 0 when the file set was written. On failure the
// project's destination folder is removed again if this call created it.
int author(int argc, char** argv);

// ("spumux.exe", control.xml, "-i", in.mpg, "-o", out.mpg): runs
// "spumux control.xml" reading in.mpg and writing out.mpg (other arguments
// are passed on unchanged). The output is written under a temporary name
// beside out.mpg and renamed on success, so a failure leaves no output.
int subgen(int argc, char** argv);

// Why the last call of author or subgen in this process failed, with the
// last lines the tool printed; "" after a success. The text stays valid until
// the next call of author or subgen, so read it before unloading the library.
const char* authoring_last_error();
}

// A failure is also written to the process's error output.

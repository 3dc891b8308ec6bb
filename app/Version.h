// The product's version, one text for the program and quorva-cli.
#pragma once

// For example "0.1.0".
const char* ProductVersion();

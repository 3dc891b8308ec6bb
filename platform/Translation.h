// The program's texts in the user's language. Every layer asks here, so that
// the windows and the command line speak from one catalogue.
#pragma once

#include <initializer_list>
#include <string>

namespace platform {

// Loads quorva_<language>.qm from folder for the first of the user's languages
// (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) that has one, and Qt's own texts for
// that language; a language without a catalogue keeps English. Safe to call
// again: the catalogue is loaded once and installed into the Qt application
// object made since, so that tr() uses it too. Returns the language, or empty.
std::string UseTranslations(const std::string& folder);

// text (English, UTF-8) in the user's language, as context's catalogue has it.
std::string Translate(const char* context, const char* text);
// pattern with %1 ... %9 replaced by args, in one pass (an argument that
// holds "%2" stays as it is): FillIn(Translate(context, "Saved %1"), {file}).
std::string FillIn(const std::string& pattern, std::initializer_list<std::string> args);

}  // namespace platform

// Marks a text kept in a table for the catalogue; Translate(context, text)
// gives it in the user's language where it is shown.
#define QUORVA_TEXT(context, text) text

namespace platform {}  // namespace platform

// The check lines in the user's language. The checker words its findings in
// English: they cross from the walk's child process as text, and the log and
// the tests read them so. Shown to the user, a text is matched against the
// patterns the checker builds it from and said again in the catalogue's
// words, with the figures, names and places filled in after translation. A
// text that no pattern fits stays as it is.
#pragma once

#include <string>

namespace discchecker {

// A check's name ("Title menu", "Root menu page 2 of 3").
std::string WordedWhat(const std::string& what);
// What a check found ("2 buttons, holds as a still").
std::string WordedFound(const std::string& found);
// "ok" or "FAILED", padded to the width of the line's first column.
std::string WordedVerdict(bool passed);

}  // namespace discchecker

// The language of parabel-cli's catalog texts: the worked solutions, the
// program's messages and the texts inside its JSON. Its own help, flags and
// messages about arguments stay English.
#pragma once

#include <string>
#include <vector>

namespace parabel::cli {

// Takes "--language CODE" (or "--language=CODE") out of the arguments, from
// anywhere before a "--", and sets the language: that one (ru, en, or a
// locale name of one, "en_GB.UTF-8"), else the first of the user's interface
// languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) that the catalog has, else
// Russian, also for the C/POSIX locale. False, after a message, when the code
// is missing or names no language the program offers.
bool TakeLanguageOption(std::vector<std::string>& args);

}  // namespace parabel::cli

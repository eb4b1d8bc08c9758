// Reading the builder's text files: lines with comments and blank lines passed over, words, whole
// words as numbers, and the "file:line: " that starts every message about a line.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "platform/status.hpp"

namespace gm::scenario {

// Calls `use(line, number)` for each line of `path`, numbered from 1 and without a trailing
// carriage return, that is neither empty nor starts with '#'. Stops at the first error `use`
// returns; fails too when the file cannot be opened.
Status ForEachLine(const std::string& path,
                   const std::function<Status(const std::string& line, int number)>& use);

// Whether a line holds nothing but blanks, or a comment after them.
bool BlankOrComment(const std::string& line);

// "path:line: ", the start of a message about that line.
std::string Where(const std::string& path, int line);

// `s` without blanks and tabs at either end.
std::string Trim(const std::string& s);

// The words of `s`, split at white space; WordsBeforeComment leaves out a '#' and all after it.
std::vector<std::string> Words(const std::string& s);
std::vector<std::string> WordsBeforeComment(const std::string& s);

// words[from], words[from + 1] ... joined by single blanks: a name of several words.
std::string JoinWords(const std::vector<std::string>& words, std::size_t from);

// A whole word as a number; false for anything more or less, or out of range.
bool ToInt(const std::string& s, int& v);
bool ToLong(const std::string& s, long& v);
// The same for digits alone (no sign), as the authored files write counts.
bool ToCount(const std::string& s, int& v);

}  // namespace gm::scenario

#pragma once
// Small text and file procedures shared by several subsystems.
#include <string>

namespace ohmira {

// The characters before the first NUL; "" when the text holds no NUL at all.
std::string Cut_At_Nul(std::string text);

// 1 when a search for path (wildcards allowed) finds an ordinary file that is neither hidden nor a
// folder, else 0. Never fails.
int File_Exists(const std::string &path);

// Replaces every occurrence of find in text, in place. After each replacement the search resumes
// one character after the start of the inserted text, so "1 2  3" with find " " and repl "" gives
// "12 3". An empty find changes nothing; a repl that contains find resumes after the inserted text
// so the loop always ends.
void Replace_All(std::string &text, const std::string &find, const std::string &repl);

// key when its character (upper-cased) occurs in allowed (upper-cased), backspace (8) added when
// with_backspace is True (-1); otherwise beeps and returns 0.
int Filter_Key(int key, const std::string &allowed, int with_backspace);

} // namespace ohmira

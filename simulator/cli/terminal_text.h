// Texts from outside the program (rows of a results file, file names, arguments)
// quoted in messages: a terminal must show them, never obey them.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// UTF-8 text as a terminal can show it safely: control characters (C0, DEL, C1) and
// bytes that are not UTF-8 escaped as \n, \t, \r, \e or \xHH, a backslash doubled;
// cut after `limit` characters, then "..." and the text's size in bytes.
std::string terminalText(std::string_view text, std::size_t limit = 80);

// Ignaro's texts are wide strings; Linux hands arguments over and shows messages in
// UTF-8.
#pragma once
#include <string>
#include <string_view>

std::string toUtf8(std::wstring_view text);
// A byte that does not belong to a valid sequence becomes U+FFFD.
std::wstring fromUtf8(std::string_view text);

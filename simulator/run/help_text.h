// The Polish help text shown after a rejected command line and by the dialog's
// "Pomoc" button.
#pragma once
#include <string>

const std::wstring& helpText();

// The checks of a run's texts and, when they pass, the run itself.
#pragma once
#include <filesystem>
#include <string_view>

class GeneratorDraws;

// True when the values were accepted and the run, planted from `draws`, has been
// carried out; false after a rejection message, without any run.
bool validateAndRun(GeneratorDraws& draws, std::wstring_view xsizeText, std::wstring_view ysizeText,
                    std::wstring_view densityText, std::wstring_view trialsText, bool silent,
                    const std::filesystem::path& fileName);

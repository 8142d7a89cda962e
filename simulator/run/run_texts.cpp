// Validation of the six run texts.
#include "run_texts.h"

#include "extended_precision.h"
#include "text_readers.h"

double densityFromPercent(double percent)
{
    return static_cast<double>(extendedProduct(percent, 0.01L));
}

CheckedRun checkRunTexts(std::wstring_view xsizeText, std::wstring_view ysizeText, std::wstring_view densityText,
                         std::wstring_view trialsText, bool silent, const std::filesystem::path& fileName)
{
    std::int32_t x = readIntegerText(xsizeText);
    if (x < 1)
        return {rejection::xSizeTooSmall, {}};
    if (x > largestForestSize)
        return {rejection::xSizeTooLarge, {}};

    std::int32_t y = readIntegerText(ysizeText);
    if (y < 1)
        return {rejection::ySizeTooSmall, {}};
    if (y > largestForestSize)
        return {rejection::ySizeTooLarge, {}};

    std::optional<double> percent = readDecimalText(densityText);
    if (!percent || !(*percent >= -100 && *percent <= 100))
        return {rejection::density, {}};

    std::int32_t trials = readIntegerText(trialsText);
    if (trials < 1)
        return {rejection::trials, {}};

    return {{}, RunParameters{x, y, densityFromPercent(*percent), trials, silent, fileName}};
}

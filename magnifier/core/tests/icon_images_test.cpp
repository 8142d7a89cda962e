// Reads the .ico files the build draws for Vistrel and checks them the way Windows
// will use them: the icon directory and bitmap headers LoadImage and the resource
// compiler rely on, the image lists of the program icons, and the indicator images
// pixel for pixel, since the view draws those unscaled at the cursor.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <ostream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

struct Rgb {
    std::uint8_t r, g, b;
};

// One icon image, top row first. Each pixel is opaque (AND bit 0, its colour
// replaces the screen), transparent (AND 1, XOR black), inverting (AND 1, XOR
// white) or odd (AND 1, any other colour, which tints the screen).
struct Image {
    enum Kind : char { opaque = 'o', transparent = '.', inverting = '~', odd = '?' };
    int width = 0, height = 0, bits = 0;
    std::vector<Kind> kind;
    std::vector<Rgb> colour;  // of the XOR image

    Kind kindAt(int x, int y) const { return kind[y * width + x]; }
    Rgb colourAt(int x, int y) const { return colour[y * width + x]; }
};

void require(bool condition, const std::string& what)
{
    if (!condition)
        throw std::runtime_error(what);
}

class Bytes {
public:
    explicit Bytes(const char* path)
    {
        std::ifstream in(path, std::ios::binary);
        require(in.good(), std::string("cannot open ") + path);
        data_.assign(std::istreambuf_iterator<char>(in), {});
    }
    std::size_t size() const { return data_.size(); }
    std::uint8_t u8(std::size_t at) const
    {
        require(at < data_.size(), "read past the end of the file");
        return static_cast<std::uint8_t>(data_[at]);
    }
    std::uint16_t u16(std::size_t at) const { return static_cast<std::uint16_t>(u8(at) | u8(at + 1) << 8); }
    std::uint32_t u32(std::size_t at) const { return u16(at) | static_cast<std::uint32_t>(u16(at + 2)) << 16; }
    std::int32_t i32(std::size_t at) const { return static_cast<std::int32_t>(u32(at)); }

private:
    std::string data_;
};

// Parses ICONDIR, its ICONDIRENTRYs and each image's BITMAPINFOHEADER, palette,
// bottom-up XOR bitmap and AND mask. Throws when the directory and the headers
// disagree, as Windows would then pick or decode the wrong image.
std::vector<Image> readIcon(const char* path)
{
    const Bytes file(path);
    require(file.u16(0) == 0 && file.u16(2) == 1, "not an icon file");
    const int count = file.u16(4);
    std::vector<Image> images;
    for (int i = 0; i < count; ++i) {
        const std::size_t entry = 6 + 16 * i;
        Image image;
        image.width = file.u8(entry) == 0 ? 256 : file.u8(entry);
        image.height = file.u8(entry + 1) == 0 ? 256 : file.u8(entry + 1);
        image.bits = file.u16(entry + 6);
        const int colourCount = file.u8(entry + 2);
        const std::uint32_t bytes = file.u32(entry + 8), offset = file.u32(entry + 12);
        require(image.bits == 4 || image.bits == 8, "only 4 and 8 bits per pixel are used");
        require(colourCount == (image.bits == 4 ? 16 : 0), "directory colour count does not match the depth");
        require(file.u16(entry + 4) == 1, "directory plane count is not 1");
        require(offset + std::uint64_t{bytes} <= file.size(), "image runs past the end of the file");

        require(file.u32(offset) == 40, "image header is not a BITMAPINFOHEADER");
        require(file.i32(offset + 4) == image.width, "header width differs from the directory");
        require(file.i32(offset + 8) == 2 * image.height, "header height is not twice the image height");
        require(file.u16(offset + 12) == 1 && file.u16(offset + 14) == image.bits, "header planes or depth differ");
        require(file.u32(offset + 16) == 0, "image is compressed");
        const std::uint32_t used = file.u32(offset + 32);
        const std::uint32_t paletteSize = used != 0 ? used : 1u << image.bits;
        require(paletteSize <= 1u << image.bits, "palette larger than the depth allows");

        const std::size_t palette = offset + 40;
        const std::size_t xorStride = (image.width * image.bits + 31) / 32 * 4;
        const std::size_t maskStride = (image.width + 31) / 32 * 4;
        const std::size_t xorBits = palette + 4 * paletteSize;
        const std::size_t maskBits = xorBits + xorStride * image.height;
        require(maskBits + maskStride * image.height <= offset + std::uint64_t{bytes},
                "image is longer than the directory says");

        for (int y = 0; y < image.height; ++y) {
            const std::size_t stored = image.height - 1 - y;  // bottom-up
            for (int x = 0; x < image.width; ++x) {
                const std::uint8_t packed = file.u8(xorBits + stored * xorStride + x * image.bits / 8);
                const unsigned index = image.bits == 8 ? packed : (x % 2 == 0 ? packed >> 4 : packed & 15u);
                require(index < paletteSize, "pixel indexes past the palette");
                const std::size_t entryAt = palette + 4 * index;  // RGBQUAD: blue, green, red
                const Rgb rgb{file.u8(entryAt + 2), file.u8(entryAt + 1), file.u8(entryAt)};
                const bool masked = (file.u8(maskBits + stored * maskStride + x / 8) >> (7 - x % 8)) & 1;
                const bool black = rgb.r == 0 && rgb.g == 0 && rgb.b == 0;
                const bool white = rgb.r == 255 && rgb.g == 255 && rgb.b == 255;
                image.colour.push_back(rgb);
                image.kind.push_back(!masked ? Image::opaque
                                     : black ? Image::transparent
                                     : white ? Image::inverting
                                             : Image::odd);
            }
        }
        images.push_back(std::move(image));
    }
    return images;
}

// An indicator image as rows of characters: 'k' opaque black, 'w' opaque white,
// '#' opaque in another colour, and the see-through kinds as in Image::Kind.
using Picture = std::vector<std::string>;

Picture picture(const Image& image)
{
    Picture rows(image.height, std::string(image.width, ' '));
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const Rgb c = image.colourAt(x, y);
            char& pixel = rows[y][x];
            pixel = image.kindAt(x, y);
            if (pixel == Image::opaque)
                pixel = c.r == 0 && c.g == 0 && c.b == 0 ? 'k' : c.r == 255 && c.g == 255 && c.b == 255 ? 'w' : '#';
        }
    return rows;
}

// The single 32x32 16-colour image that each indicator icon must be.
Picture indicator(const char* path)
{
    const std::vector<Image> images = readIcon(path);
    EXPECT_EQ(images.size(), 1u);
    if (images.empty())
        return {};
    EXPECT_EQ(images[0].width, 32);
    EXPECT_EQ(images[0].height, 32);
    EXPECT_EQ(images[0].bits, 4);
    return picture(images[0]);
}

struct Span {
    int from, to;  // inclusive
};

// Expected pictures are built from runs along a row (x varies) or a column (y varies).
struct Expected {
    Picture rows = Picture(32, std::string(32, '.'));
    void row(int y, Span xs, char c)
    {
        for (int x = xs.from; x <= xs.to; ++x)
            rows[y][x] = c;
    }
    void column(int x, Span ys, char c)
    {
        for (int y = ys.from; y <= ys.to; ++y)
            rows[y][x] = c;
    }
};

void expectPicture(const Picture& actual, const Picture& expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t y = 0; y < expected.size(); ++y)
        EXPECT_EQ(actual[y], expected[y]) << "row " << y;
}

TEST(IndicatorIcons, CrosshairIsABlackPlusEdgedInWhite)
{
    Expected e;
    for (int i = 14; i <= 16; ++i) {
        e.row(i, {6, 24}, 'w');
        e.column(i, {6, 24}, 'w');
    }
    e.row(15, {7, 23}, 'k');
    e.column(15, {7, 23}, 'k');
    expectPicture(indicator(CROSSHAIR_ICO), e.rows);
}

TEST(IndicatorIcons, ZeroSightIsARingWithArmsAndAClearCentre)
{
    Expected e;
    for (int i : {14, 16})
        for (Span arm : {Span{6, 12}, Span{18, 24}}) {
            e.row(i, arm, 'w');
            e.column(i, arm, 'w');
        }
    for (int i : {6, 13, 17, 24}) {
        e.row(15, {i, i}, 'w');
        e.column(15, {i, i}, 'w');
    }
    for (Span arm : {Span{7, 12}, Span{18, 23}}) {
        e.row(15, arm, 'k');
        e.column(15, arm, 'k');
    }
    // The ring last: where it crosses the white edges it stays black.
    const std::vector<std::pair<std::vector<int>, std::vector<int>>> ring = {
        {{8, 22}, {13, 14, 15, 16, 17}}, {{9, 21}, {11, 12, 18, 19}},     {{10, 20}, {10, 20}},
        {{11, 12, 18, 19}, {9, 21}},     {{13, 14, 15, 16, 17}, {8, 22}},
    };
    for (const auto& [ys, xs] : ring)
        for (int y : ys)
            for (int x : xs)
                e.row(y, {x, x}, 'k');
    expectPicture(indicator(ZERO_SIGHT_ICO), e.rows);
}

TEST(IndicatorIcons, XoringCrosshairInvertsOnlyItsPlusSign)
{
    Expected e;
    e.row(15, {7, 23}, '~');
    e.column(15, {7, 23}, '~');
    expectPicture(indicator(XOR_CROSSHAIR_ICO), e.rows);
}

struct Format {
    int size, bits;
    bool operator==(const Format&) const = default;
};

void PrintTo(const Format& f, std::ostream* os)
{
    *os << f.size << "x" << f.size << " at " << f.bits << " bpp";
}

std::vector<Format> formats(const std::vector<Image>& images)
{
    std::vector<Format> list;
    for (const Image& image : images) {
        EXPECT_EQ(image.width, image.height);
        list.push_back({image.width, image.bits});
    }
    return list;
}

// A program icon stands on its own shape: a good part of it lets the screen show
// through, a good part is opaque, and nothing inverts or tints the screen.
void expectPlainIcon(const Image& image)
{
    int opaque = 0, transparent = 0;
    for (Image::Kind k : image.kind) {
        EXPECT_TRUE(k == Image::opaque || k == Image::transparent) << "kind " << static_cast<char>(k);
        opaque += k == Image::opaque;
        transparent += k == Image::transparent;
    }
    EXPECT_GT(opaque, image.width * image.height / 8);
    EXPECT_GT(transparent, image.width * image.height / 8);
}

TEST(ProgramIcons, VistrelHoldsFourImagesInOrder)
{
    const std::vector<Image> images = readIcon(VISTREL_ICO);
    EXPECT_EQ(formats(images), (std::vector<Format>{{32, 4}, {16, 4}, {32, 8}, {48, 8}}));
    for (const Image& image : images) {
        SCOPED_TRACE(image.width);
        expectPlainIcon(image);
    }
}

TEST(ProgramIcons, SmallBlackAndWhiteHoldsTwoGreyImages)
{
    const std::vector<Image> images = readIcon(VSMALLBW_ICO);
    EXPECT_EQ(formats(images), (std::vector<Format>{{16, 8}, {16, 4}}));
    for (const Image& image : images) {
        SCOPED_TRACE(image.bits);
        expectPlainIcon(image);
        for (int y = 0; y < image.height; ++y)
            for (int x = 0; x < image.width; ++x) {
                const Rgb c = image.colourAt(x, y);
                if (image.kindAt(x, y) == Image::opaque) {
                    EXPECT_TRUE(c.r == c.g && c.g == c.b) << "colour at " << x << "," << y;
                }
            }
    }
}

}  // namespace

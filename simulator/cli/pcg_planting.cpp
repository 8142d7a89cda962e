// Only the command line draws from PCG64, so only it needs the header: the Windows
// builds never see it. A coordinate is Lemire's multiply of some of an output's bits
// by the forest's size, refused when the product's low part falls among the few that
// would over-represent some coordinates, which leaves every accepted cell equally
// likely. A forest takes 16 bits a coordinate where few are refused (every side up
// to 2048), so that one output makes two draws (its low half first) and the
// engine's step is paid once for both; others take 32 bits, one output a draw.
// Draws are made a block ahead of use and their cells fetched meanwhile; the engine
// is then stepped back over the outputs not used, and the second draw of an output
// half used waits for the next planting, so that the rows do not depend on how far
// ahead it drew.
#include "pcg_planting.h"

#include "cell_state.h"
#include "forest.h"
#include "front_end.h"
#include "pcg64_block.h"

#include <array>
#include <optional>
#include <vector>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

// 16-bit coordinates serve a side when the low parts refused, 2^16 mod side, are
// fewer than one in 32, and the SSE2 multiply-add of a coordinate and a column's
// length stays within its signed 16-bit factors.
bool narrow(std::int32_t side)
{
    return side <= 32765 && 65536 % side < 2048;
}

// A refused draw stands as cell 0, a corner of the border, which holds a tree while
// a planting runs so that the draw plants and counts nothing.
class RefusedCorner {
public:
    explicit RefusedCorner(std::uint8_t* cells) : cells(cells) { cells[0] = Tree; }
    ~RefusedCorner() { cells[0] = Empty; }
    RefusedCorner(const RefusedCorner&) = delete;
    RefusedCorner& operator=(const RefusedCorner&) = delete;

private:
    std::uint8_t* cells;
};

// Coordinates of `Bits` bits: the size, and 2^Bits mod size, the low parts to refuse.
template <int Bits>
struct Bound {
    std::uint32_t size, refused;
    explicit Bound(std::int32_t s)
        : size(static_cast<std::uint32_t>(s)),
          refused(static_cast<std::uint32_t>(((std::uint64_t{1} << Bits) - size) % size))
    {
    }
};

// The forest's bounds and the length of its columns, border included.
template <int Bits>
struct Field {
    Bound<Bits> x, y;
    std::uint32_t column;

    Field(std::int32_t xsize, std::int32_t ysize) : x(xsize), y(ysize), column(static_cast<std::uint32_t>(ysize) + 2) {}

    // Lemire's draw from the low 2 * Bits of `bits`, x from the upper half: its cell,
    // or 0 when refused.
    std::uint32_t draw(std::uint64_t bits) const
    {
        constexpr std::uint64_t mask = (std::uint64_t{1} << Bits) - 1;
        const std::uint64_t px = ((bits >> Bits) & mask) * x.size, py = (bits & mask) * y.size;
        const auto cell = static_cast<std::uint32_t>((px >> Bits) * column + (py >> Bits)) + column + 1;
        const bool accepted = (px & mask) >= x.refused && (py & mask) >= y.refused;
        return accepted ? cell : 0;
    }
};

template <int Bits>
using DrawnCells = std::array<std::uint32_t, Pcg64Blocks::size * 32 / Bits>;

template <int Bits>
void drawBlock(Pcg64Blocks& blocks, Pcg64Blocks::Block& outputs, DrawnCells<Bits>& drawn, const Field<Bits>& field)
{
    blocks.fill(outputs);
    constexpr std::size_t perOutput = 32 / Bits;
#ifdef __SSE2__
    if constexpr (Bits == 16) {
        // Two outputs at a time, four draws: the same arithmetic in 16-bit lanes, y's
        // below x's, and each cell's index by one multiply-add of x and y.
        const __m128i sizes = _mm_set1_epi32(static_cast<int>(field.x.size << 16 | field.y.size));
        const __m128i refused = _mm_set1_epi32(static_cast<int>(field.x.refused << 16 | field.y.refused));
        const __m128i columns = _mm_set1_epi32(static_cast<int>(field.column << 16 | 1));
        const __m128i first = _mm_set1_epi32(static_cast<int>(field.column + 1));
        const __m128i zero = _mm_setzero_si128(), ones = _mm_cmpeq_epi32(zero, zero);
        for (std::size_t k = 0; k < outputs.size(); k += 2) {
            const __m128i bits = _mm_loadu_si128(reinterpret_cast<const __m128i*>(&outputs[k]));
            const __m128i coordinates = _mm_mulhi_epu16(bits, sizes);
            const __m128i accepted = _mm_cmpeq_epi16(_mm_subs_epu16(refused, _mm_mullo_epi16(bits, sizes)), zero);
            const __m128i cells = _mm_add_epi32(_mm_madd_epi16(coordinates, columns), first);
            _mm_storeu_si128(reinterpret_cast<__m128i*>(&drawn[perOutput * k]),
                             _mm_and_si128(cells, _mm_cmpeq_epi32(accepted, ones)));
        }
        return;
    }
#endif
    for (std::size_t k = 0; k < outputs.size(); ++k)
        for (std::size_t half = 0; half < perOutput; ++half)
            drawn[perOutput * k + half] = field.draw(outputs[k] >> (2 * Bits * half));
}

// The cell at `at` gets a tree; says whether `missing` trees are now planted.
template <bool Reported>
bool plantAt(std::uint8_t* cells, std::uint32_t at, std::uint32_t column, std::uint32_t& missing, FrontEnd* view)
{
    if constexpr (Reported) {
        if (cells[at] != Empty)
            return false;
        cells[at] = Tree;
        --missing;
        const auto cx = static_cast<std::int32_t>(at / column);
        view->drawCell(cx - 1, static_cast<std::int32_t>(at - static_cast<std::uint32_t>(cx) * column) - 1, Tree);
    } else {
        // A drawn cell is Empty or Tree: planting it either way spares a branch
        // that a filling forest makes unpredictable.
        missing -= cells[at] == Empty;
        cells[at] = Tree;
    }
    return missing == 0;
}

// Plants until `missing` more trees stand and leaves `engine` after the last output
// used, and `spare` holding the second draw of that output when only its first was.
template <bool Reported, int Bits>
void plantDraws(pcg64& engine, std::optional<std::uint32_t>& spare, std::uint8_t* cells, const Field<Bits>& field,
                std::uint32_t missing, FrontEnd* view)
{
    const RefusedCorner corner(cells);
    if (spare) {
        const std::uint32_t at = field.draw(*spare);
        spare.reset();
        if (plantAt<Reported>(cells, at, field.column, missing, view))
            return;
    }
    constexpr std::size_t perOutput = 32 / Bits;
    Pcg64Blocks blocks(engine);
    Pcg64Blocks::Block outputs;
    DrawnCells<Bits> drawn[2];
    drawBlock(blocks, outputs, drawn[0], field);
    for (std::size_t current = 0;; current ^= 1) {
        const DrawnCells<Bits>& now = drawn[current];
        const DrawnCells<Bits>& ahead = drawn[current ^ 1];
        drawBlock(blocks, outputs, drawn[current ^ 1], field);
        for (std::size_t k = 0; k < now.size(); ++k) {
            __builtin_prefetch(cells + ahead[k], 1);
            if (plantAt<Reported>(cells, now[k], field.column, missing, view)) {
                // Back over the block ahead and this block's outputs from this draw's
                // on, then this draw's output once more.
                engine = blocks.engine(2 * Pcg64Blocks::size - k / perOutput);
                const std::uint64_t last = engine();
                if (perOutput == 2 && k % 2 == 0)
                    spare = static_cast<std::uint32_t>(last >> 32);
                return;
            }
        }
    }
}

class PcgDraws final : public TreeDraws {
public:
    PcgDraws(std::uint64_t seed, std::uint64_t stream) : engine(seed, stream) {}
    void plant(Forest& forest, std::int64_t target, FrontEnd* view) override;

private:
    template <int Bits>
    void plantWith(Forest& forest, std::uint32_t missing, FrontEnd* view);

    pcg64 engine;
    std::optional<std::uint32_t> spare; // an output's second 16-bit draw, not yet used
};

template <int Bits>
void PcgDraws::plantWith(Forest& forest, std::uint32_t missing, FrontEnd* view)
{
    const Field<Bits> field(forest.xsize, forest.ysize);
    if (view)
        plantDraws<true>(engine, spare, forest.grid.get(), field, missing, view);
    else
        plantDraws<false>(engine, spare, forest.grid.get(), field, missing, nullptr);
}

// Every cell is within reach: no draw limit.
void PcgDraws::plant(Forest& forest, std::int64_t target, FrontEnd* view)
{
    if (forest.planted >= target)
        return;
    const auto missing = static_cast<std::uint32_t>(target - forest.planted); // no forest has 2^31 cells
    if (narrow(forest.xsize) && narrow(forest.ysize)) {
        plantWith<16>(forest, missing, view);
    } else {
        spare.reset(); // a 16-bit draw makes no cell of this forest
        plantWith<32>(forest, missing, view);
    }
    forest.planted = target;
}

} // namespace

std::unique_ptr<TreeDraws> pcgDraws(std::uint64_t seed, std::uint64_t stream)
{
    return std::make_unique<PcgDraws>(seed, stream);
}

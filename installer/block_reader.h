#pragma once
// Reads one block of an archive, a member's data or the member list: the bytes as they
// stand, or inflated from the zlib stream that starts at the block's offset. It never reads
// past the end it is given, whatever the entries claim.

#include <zlib.h>

#include <array>
#include <cstdint>
#include <istream>
#include <span>
#include <string>

#include "installer/archive_format.h"

namespace kovu3::dsk {

class BlockReader final {
public:
    BlockReader(std::istream& archive, uint64_t start, uint64_t end, bool packed);
    ~BlockReader();
    BlockReader(const BlockReader&) = delete;
    BlockReader& operator=(const BlockReader&) = delete;

    struct Step {
        size_t produced = 0;  // bytes placed at the start of the output
        std::string problem;  // empty when the output was filled completely
    };
    // Fills `out` (at most one step of kStepSize is meant per call, but any size works).
    Step Read(std::span<char> out);
    // After the expected bytes: a zlib stream must end here (its Adler-32 checked) and give
    // nothing more. Returns the problem, empty when the block ends properly.
    std::string Finish();
    // Archive position just after the block's bytes consumed so far.
    uint64_t EndPosition() const { return InputPosition(); }

private:
    Step ReadStored(std::span<char> out);
    Step ReadPacked(std::span<char> out);
    // Archive position of the next input byte not yet handed to zlib or copied.
    uint64_t InputPosition() const;

    std::istream& archive_;
    uint64_t next_;  // next archive byte to read
    uint64_t end_;   // first byte not to read
    bool packed_;
    z_stream stream_{};
    bool streamReady_ = false;
    bool streamEnded_ = false;
    std::array<char, kStepSize> input_{};
};

}  // namespace kovu3::dsk

#include "installer/block_reader.h"

#include <algorithm>

namespace kovu3::dsk {

BlockReader::BlockReader(std::istream& archive, uint64_t start, uint64_t end, bool packed)
    : archive_(archive), next_(start), end_(std::max(start, end)), packed_(packed) {
    if (packed_) streamReady_ = inflateInit(&stream_) == Z_OK;
}

BlockReader::~BlockReader() {
    if (streamReady_) inflateEnd(&stream_);
}

BlockReader::Step BlockReader::Read(std::span<char> out) {
    return packed_ ? ReadPacked(out) : ReadStored(out);
}

std::string BlockReader::Finish() {
    if (!packed_ || streamEnded_) return {};
    char extra;
    Step step = ReadPacked(std::span<char>(&extra, 1));
    if (step.produced > 0) {
        return "the zlib stream goes on past the expected size (byte " +
               std::to_string(InputPosition()) + ")";
    }
    return streamEnded_ ? std::string() : step.problem;
}

uint64_t BlockReader::InputPosition() const {
    return next_ - (packed_ ? stream_.avail_in : 0);
}

BlockReader::Step BlockReader::ReadStored(std::span<char> out) {
    Step step;
    uint64_t wanted = std::min<uint64_t>(out.size(), end_ - next_);
    if (wanted > 0) {
        archive_.clear();
        archive_.seekg(static_cast<std::streamoff>(next_));
        archive_.read(out.data(), static_cast<std::streamsize>(wanted));
        step.produced = static_cast<size_t>(std::max<std::streamsize>(archive_.gcount(), 0));
        next_ += step.produced;
    }
    if (step.produced < out.size()) {
        step.problem = "the stored data ends at byte " + std::to_string(next_) + ", " +
                       std::to_string(out.size() - step.produced) + " bytes short";
    }
    return step;
}

BlockReader::Step BlockReader::ReadPacked(std::span<char> out) {
    Step step;
    if (!streamReady_) {
        step.problem = "zlib could not be started";
        return step;
    }
    while (step.produced < out.size()) {
        if (streamEnded_) {
            step.problem = "the zlib stream ended at byte " + std::to_string(InputPosition()) +
                           ", " + std::to_string(out.size() - step.produced) + " bytes short";
            return step;
        }
        if (stream_.avail_in == 0 && next_ < end_) {
            size_t wanted = static_cast<size_t>(std::min<uint64_t>(input_.size(), end_ - next_));
            archive_.clear();
            archive_.seekg(static_cast<std::streamoff>(next_));
            archive_.read(input_.data(), static_cast<std::streamsize>(wanted));
            auto got = static_cast<size_t>(std::max<std::streamsize>(archive_.gcount(), 0));
            next_ += got;
            if (got < wanted) end_ = next_;  // the file is shorter than it was: stop there
            stream_.next_in = reinterpret_cast<Bytef*>(input_.data());
            stream_.avail_in = static_cast<uInt>(got);
        }
        size_t room = out.size() - step.produced;
        stream_.next_out = reinterpret_cast<Bytef*>(out.data() + step.produced);
        stream_.avail_out = static_cast<uInt>(room);
        int status = inflate(&stream_, Z_NO_FLUSH);
        step.produced += room - stream_.avail_out;
        if (status == Z_STREAM_END) {
            streamEnded_ = true;
        } else if (status == Z_BUF_ERROR && stream_.avail_in == 0) {
            if (next_ < end_) continue;  // more input to hand over
            step.problem = "the zlib stream is cut off at byte " + std::to_string(next_);
            return step;
        } else if (status != Z_OK) {
            step.problem = "damaged zlib data near byte " + std::to_string(InputPosition());
            if (stream_.msg) step.problem += std::string(" (") + stream_.msg + ")";
            return step;
        }
    }
    return step;
}

}  // namespace kovu3::dsk

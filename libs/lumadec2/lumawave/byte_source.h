// Random-access byte sources the decoder reads an image from: a file on disk
// or bytes in memory (tests and the fuzz target).
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <span>
#include <string>

namespace lumawave {

class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual std::uint64_t size() const = 0;
    // Fills `out` with the bytes at `offset`; raises Error when the source
    // holds fewer bytes than asked for.
    virtual void read(std::uint64_t offset, std::span<std::uint8_t> out) = 0;
    // The name used in messages (the path of a file).
    virtual const std::string& name() const = 0;
};

std::unique_ptr<ByteSource> openFileSource(const std::string& path);
std::unique_ptr<ByteSource> memorySource(std::span<const std::uint8_t> bytes, std::string name);

} // namespace lumawave

// Little-endian reading and writing of binary files, byte by byte.
// The reader never reads past its buffer: a short file is an EInOutError.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class ByteReader {
public:
    explicit ByteReader(std::string_view data) : FData(data) {}

    std::size_t Remaining() const { return FData.size() - FPos; }
    bool AtEnd() const { return FPos == FData.size(); }
    // Fails at once when `count` items of `size` bytes cannot fit in the
    // rest of the data, before anything is allocated for them.
    void Require(std::size_t count, std::size_t size) const;

    uint8_t U8();
    uint16_t U16();
    uint32_t U32();
    std::string_view Bytes(std::size_t count);

private:
    std::string_view FData;
    std::size_t FPos = 0;
};

class ByteWriter {
public:
    void U8(uint8_t value) { FData += static_cast<char>(value); }
    void U16(uint16_t value);
    void U32(uint32_t value);
    void Bytes(std::string_view bytes) { FData.append(bytes); }
    const std::string& Data() const { return FData; }

private:
    std::string FData;
};

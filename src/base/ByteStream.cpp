#include "base/ByteStream.h"

#include "base/Errors.h"

namespace {

[[noreturn]] void ReadBeyondEnd() { throw EInOutError("Read beyond end of file"); }

}  // namespace

void ByteReader::Require(std::size_t count, std::size_t size) const {
    if (size != 0 && count > Remaining() / size) ReadBeyondEnd();
}

uint8_t ByteReader::U8() {
    if (Remaining() < 1) ReadBeyondEnd();
    return static_cast<uint8_t>(FData[FPos++]);
}

uint16_t ByteReader::U16() {
    const uint16_t low = U8();
    return static_cast<uint16_t>(low | (U8() << 8));
}

uint32_t ByteReader::U32() {
    const uint32_t low = U16();
    return low | (static_cast<uint32_t>(U16()) << 16);
}

std::string_view ByteReader::Bytes(std::size_t count) {
    if (Remaining() < count) ReadBeyondEnd();
    const std::string_view bytes = FData.substr(FPos, count);
    FPos += count;
    return bytes;
}

void ByteWriter::U16(uint16_t value) {
    U8(static_cast<uint8_t>(value & 0xFF));
    U8(static_cast<uint8_t>(value >> 8));
}

void ByteWriter::U32(uint32_t value) {
    U16(static_cast<uint16_t>(value & 0xFFFF));
    U16(static_cast<uint16_t>(value >> 16));
}

// After the game: the path (32-bit length, bytes), the modified flag (one
// byte), the last question (16 bits), the length of these (32 bits) and a
// mark that ends every complete recovery file.
#include "model/RecoveryFile.h"

#include "base/ByteStream.h"
#include "base/Errors.h"
#include "model/VemoData.h"

namespace {

constexpr std::string_view kEndMark = "VeMoRecovery1";
constexpr std::size_t kLengthBytes = 4;

EInOutError Damaged() { return EInOutError("Damaged recovery file"); }

}  // namespace

std::string RecoveryFileBytes(const TVemoData& game, const RecoveryInfo& info) {
    ByteWriter tail;
    tail.U32(static_cast<uint32_t>(info.userFile.size()));
    tail.Bytes(info.userFile);
    tail.U8(info.modified ? 1 : 0);
    tail.U16(static_cast<uint16_t>(info.lastQuestion));
    ByteWriter out;
    out.Bytes(game.GameFileBytes());
    out.Bytes(tail.Data());
    out.U32(static_cast<uint32_t>(tail.Data().size()));
    out.Bytes(kEndMark);
    return out.Data();
}

RecoveryInfo ReadRecoveryFile(std::string_view bytes, TVemoData& game) {
    if (bytes.size() < kEndMark.size() + kLengthBytes || !bytes.ends_with(kEndMark)) throw Damaged();
    const std::size_t lengthAt = bytes.size() - kEndMark.size() - kLengthBytes;
    const std::size_t tailLength = ByteReader(bytes.substr(lengthAt, kLengthBytes)).U32();
    if (tailLength > lengthAt) throw Damaged();
    ByteReader tail(bytes.substr(lengthAt - tailLength, tailLength));
    RecoveryInfo info;
    info.userFile = std::string(tail.Bytes(tail.U32()));
    info.modified = tail.U8() != 0;
    info.lastQuestion = tail.U16();
    if (!tail.AtEnd()) throw Damaged();
    if (!game.LoadFromBytes(bytes.substr(0, lengthAt - tailLength), info.userFile)) throw Damaged();
    return info;
}

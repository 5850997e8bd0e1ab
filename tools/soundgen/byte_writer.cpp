#include "byte_writer.h"

namespace soundgen {

void ByteWriter::le16(std::uint16_t v) {
    u8(static_cast<std::uint8_t>(v));
    u8(static_cast<std::uint8_t>(v >> 8));
}

void ByteWriter::le32(std::uint32_t v) {
    le16(static_cast<std::uint16_t>(v));
    le16(static_cast<std::uint16_t>(v >> 16));
}

void ByteWriter::be16(std::uint16_t v) {
    u8(static_cast<std::uint8_t>(v >> 8));
    u8(static_cast<std::uint8_t>(v));
}

void ByteWriter::be32(std::uint32_t v) {
    be16(static_cast<std::uint16_t>(v >> 16));
    be16(static_cast<std::uint16_t>(v));
}

void ByteWriter::text(std::string_view s) {
    bytes_.insert(bytes_.end(), s.begin(), s.end());
}

void ByteWriter::append(const std::vector<std::uint8_t>& more) {
    bytes_.insert(bytes_.end(), more.begin(), more.end());
}

}  // namespace soundgen

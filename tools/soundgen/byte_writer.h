#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace soundgen {

// Appends little- and big-endian integers and text to a byte buffer.
class ByteWriter {
  public:
    void u8(std::uint8_t v) { bytes_.push_back(v); }
    void le16(std::uint16_t v);
    void le32(std::uint32_t v);
    void be16(std::uint16_t v);
    void be32(std::uint32_t v);
    void text(std::string_view s);
    void append(const std::vector<std::uint8_t>& more);

    std::size_t size() const { return bytes_.size(); }
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

  private:
    std::vector<std::uint8_t> bytes_;
};

}  // namespace soundgen

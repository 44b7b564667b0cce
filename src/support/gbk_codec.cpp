#include "support/gbk_codec.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <cstdint>
#include <vector>

namespace ec {
namespace {

constexpr unsigned kLeadFirst = 0x81, kLeadLast = 0xFE;
constexpr unsigned kTrailFirst = 0x40, kTrailLast = 0xFE;
constexpr unsigned kTrails = kTrailLast - kTrailFirst + 1;
constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kEuro = 0x20AC;  // the single byte 0x80 in Windows' code page 936

constexpr uint16_t kDoubleByteTable[] = {
#include "support/gbk_table.inc"
};
static_assert(std::size(kDoubleByteTable) == (kLeadLast - kLeadFirst + 1) * kTrails);

// Unicode (BMP) -> GBK code, built once from the decoding table.
const std::vector<uint16_t>& EncodeTable() {
  static const std::vector<uint16_t> table = [] {
    std::vector<uint16_t> t(0x10000, 0);
    for (unsigned i = 0; i < std::size(kDoubleByteTable); ++i) {
      const uint16_t cp = kDoubleByteTable[i];
      if (cp != 0 && t[cp] == 0)
        t[cp] = static_cast<uint16_t>(((kLeadFirst + i / kTrails) << 8) | (kTrailFirst + i % kTrails));
    }
    return t;
  }();
  return table;
}

}  // namespace

char32_t GbkDoubleByteToUnicode(unsigned char lead, unsigned char trail) {
  if (lead < kLeadFirst || lead > kLeadLast || trail < kTrailFirst || trail > kTrailLast) return 0;
  return kDoubleByteTable[(lead - kLeadFirst) * kTrails + (trail - kTrailFirst)];
}

namespace {

// Writes the UTF-8 form of a code point (at most 4 bytes) and returns the end.
char* PutUtf8(char* out, char32_t cp) {
  if ((cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) cp = kReplacement;
  if (cp < 0x80) {
    *out++ = static_cast<char>(cp);
  } else if (cp < 0x800) {
    *out++ = static_cast<char>(0xC0 | (cp >> 6));
    *out++ = static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    *out++ = static_cast<char>(0xE0 | (cp >> 12));
    *out++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    *out++ = static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    *out++ = static_cast<char>(0xF0 | (cp >> 18));
    *out++ = static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    *out++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    *out++ = static_cast<char>(0x80 | (cp & 0x3F));
  }
  return out;
}

}  // namespace

void AppendUtf8(std::string& out, char32_t cp) {
  char buffer[4];
  out.append(buffer, PutUtf8(buffer, cp));
}

char32_t NextUtf8(std::string_view text, size_t& pos) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char b0 = byte(pos);
  if (b0 < 0x80) {
    ++pos;
    return b0;
  }
  int extra = 0;
  char32_t cp = 0;
  char32_t minimum = 0;
  if ((b0 & 0xE0) == 0xC0) {
    extra = 1, cp = b0 & 0x1F, minimum = 0x80;
  } else if ((b0 & 0xF0) == 0xE0) {
    extra = 2, cp = b0 & 0x0F, minimum = 0x800;
  } else if ((b0 & 0xF8) == 0xF0) {
    extra = 3, cp = b0 & 0x07, minimum = 0x10000;
  } else {
    ++pos;
    return kReplacement;
  }
  if (pos + extra >= text.size()) {
    ++pos;
    return kReplacement;
  }
  for (int k = 1; k <= extra; ++k) {
    const unsigned char b = byte(pos + k);
    if ((b & 0xC0) != 0x80) {
      ++pos;
      return kReplacement;
    }
    cp = (cp << 6) | (b & 0x3F);
  }
  if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
    ++pos;
    return kReplacement;
  }
  pos += extra + 1;
  return cp;
}

namespace {

// The UTF-8 form of every double-byte code, packed for one 4-byte store: the
// bytes in order, their count in the top byte; 0 for an unmapped code.
const std::vector<uint32_t>& PackedUtf8Table() {
  static const std::vector<uint32_t> table = [] {
    std::vector<uint32_t> t(std::size(kDoubleByteTable), 0);
    for (size_t i = 0; i < t.size(); ++i) {
      if (kDoubleByteTable[i] == 0) continue;
      char bytes[4] = {};
      const auto length = static_cast<uint32_t>(PutUtf8(bytes, kDoubleByteTable[i]) - bytes);
      std::memcpy(&t[i], bytes, 4);
      t[i] = (t[i] & 0x00FFFFFF) | length << 24;
    }
    return t;
  }();
  return table;
}

// Decodes into `out`, which holds three bytes per input byte and one more
// (a packed code is stored four bytes at a time); returns the end.
char* DecodeGbk(std::string_view gbk, char* out) {
  static_assert(std::endian::native == std::endian::little, "packed codes are stored as little-endian words");
  const std::vector<uint32_t>& packed = PackedUtf8Table();
  for (size_t i = 0; i < gbk.size();) {
    const auto lead = static_cast<unsigned char>(gbk[i]);
    if (lead < 0x80) {
      *out++ = static_cast<char>(lead);
      ++i;
    } else if (lead == 0x80) {
      out = PutUtf8(out, kEuro);
      ++i;
    } else if (lead == 0xFF || i + 1 >= gbk.size()) {
      out = PutUtf8(out, kReplacement);
      ++i;
    } else {
      const auto trail = static_cast<unsigned char>(gbk[i + 1]);
      const bool inTable = trail >= kTrailFirst && trail <= kTrailLast;
      const uint32_t code = inTable ? packed[(lead - kLeadFirst) * kTrails + (trail - kTrailFirst)] : 0;
      if (code != 0) {
        std::memcpy(out, &code, 4);
        out += code >> 24;
        i += 2;
      } else {
        out = PutUtf8(out, kReplacement);
        // An ASCII byte after a bad lead byte is a character of its own.
        i += trail >= 0x80 ? 2 : 1;
      }
    }
  }
  return out;
}

}  // namespace

std::string GbkToUtf8(std::string_view gbk) {
  if (std::all_of(gbk.begin(), gbk.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
    return std::string(gbk);
  // Short texts (nearly all of a module's) are decoded on the stack and copied
  // once at their exact size, so a name stays in the string's own buffer and a
  // model does not keep three bytes of capacity per byte it holds.
  constexpr size_t kStackInput = 512;
  if (gbk.size() <= kStackInput) {
    char buffer[kStackInput * 3 + 1];
    return std::string(buffer, DecodeGbk(gbk, buffer));
  }
  std::string out(gbk.size() * 3 + 1, '\0');
  out.resize(static_cast<size_t>(DecodeGbk(gbk, out.data()) - out.data()));
  out.shrink_to_fit();
  return out;
}

std::string Utf8ToGbk(std::string_view utf8) {
  const auto& table = EncodeTable();
  std::string out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    if (static_cast<unsigned char>(utf8[i]) < 0x80) {
      out += utf8[i++];
      continue;
    }
    const char32_t cp = NextUtf8(utf8, i);
    if (cp == kEuro) {
      out += static_cast<char>(0x80);
    } else if (cp < 0x10000 && table[cp] != 0) {
      out += static_cast<char>(table[cp] >> 8);
      out += static_cast<char>(table[cp] & 0xFF);
    } else {
      out += '?';
    }
  }
  return out;
}

}  // namespace ec

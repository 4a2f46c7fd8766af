#include "naming/id3_tags.h"

#include <cstdint>
#include <optional>

#include "text/ansi_limit.h"
#include "text/code_page.h"
#include "text/utf16.h"
#include "text/utf8.h"

namespace pelmora {
namespace {

unsigned At(std::string_view s, std::size_t i) { return static_cast<unsigned char>(s[i]); }
bool InRange(unsigned b, unsigned lo, unsigned hi) { return b >= lo && b <= hi; }

std::uint32_t BigEndian(std::string_view s, std::size_t at, std::size_t count) {
  std::uint32_t v = 0;
  for (std::size_t k = 0; k < count; ++k) v = v << 8 | At(s, at + k);
  return v;
}

// Four bytes of seven bits each; empty when a byte has its top bit set.
std::optional<std::uint32_t> SyncSafe(std::string_view s, std::size_t at) {
  std::uint32_t v = 0;
  for (std::size_t k = 0; k < 4; ++k) {
    const unsigned b = At(s, at + k);
    if (b & 0x80) return std::nullopt;
    v = v << 7 | b;
  }
  return v;
}

// Undoes the unsynchronisation scheme: every FF 00 pair stands for FF.
std::string Resynchronise(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    out.push_back(s[i]);
    if (At(s, i) == 0xFF && i + 1 < s.size() && At(s, i + 1) == 0x00) ++i;
  }
  return out;
}

// Japanese taggers have long written Shift-JIS into frames marked ISO-8859-1, so such a text
// is read as Shift-JIS when it is well-formed Shift-JIS with a double-byte character whose lead
// byte is 0x81 to 0x9F. ISO-8859-1 never uses those bytes, while its accented letters (0xE0 to
// 0xEF before an ASCII letter: "naïve") can pass for a Shift-JIS pair; and the kana, the
// punctuation and the common kanji of Shift-JIS all have leads in that range.
bool LooksLikeShiftJis(std::string_view s) {
  bool commonLead = false;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const unsigned b = At(s, i);
    if (b < 0x80 || InRange(b, 0xA1, 0xDF)) continue;
    if (!(InRange(b, 0x81, 0x9F) || InRange(b, 0xE0, 0xEF)) || i + 1 >= s.size()) return false;
    const unsigned t = At(s, i + 1);
    if (!(InRange(t, 0x40, 0x7E) || InRange(t, 0x80, 0xFC))) return false;
    if (b <= 0x9F) commonLead = true;
    ++i;
  }
  return commonLead;
}

std::wstring DecodeLatin1(std::string_view s) {
  std::wstring out;
  out.reserve(s.size());
  for (const char c : s) out.push_back(static_cast<wchar_t>(static_cast<unsigned char>(c)));
  return out;
}

// The bytes up to the first terminator: one zero byte, or for UTF-16 an aligned pair.
std::string_view FirstString(std::string_view s, bool wide) {
  if (!wide) return s.substr(0, s.find('\0'));
  for (std::size_t i = 0; i + 1 < s.size(); i += 2) {
    if (s[i] == '\0' && s[i + 1] == '\0') return s.substr(0, i);
  }
  return s;
}

std::wstring DecodeUtf16Text(std::string_view s, bool bigEndianWithoutMark) {
  if (s.size() >= 2 && At(s, 0) == 0xFF && At(s, 1) == 0xFE) return DecodeUtf16Bytes(s.substr(2), false);
  if (s.size() >= 2 && At(s, 0) == 0xFE && At(s, 1) == 0xFF) return DecodeUtf16Bytes(s.substr(2), true);
  return DecodeUtf16Bytes(s, bigEndianWithoutMark);
}

// A text frame's content: an encoding byte, then the text (several values separated by
// terminators in version 2.4; the first is used).
std::wstring DecodeTextFrame(std::string_view data) {
  if (data.empty()) return {};
  const unsigned encoding = At(data, 0);
  const std::string_view body = data.substr(1);
  std::wstring text;
  switch (encoding) {
    case 0: {
      const std::string_view s = FirstString(body, false);
      text = LooksLikeShiftJis(s) ? DecodeCodePage(kShiftJis, s) : DecodeLatin1(s);
      break;
    }
    case 1: {
      // Without a byte-order mark, a leading zero byte tells big-endian text.
      const std::string_view s = FirstString(body, true);
      const bool bigEndian = s.size() >= 2 && s[0] == '\0' && s[1] != '\0';
      text = DecodeUtf16Text(s, bigEndian);
      break;
    }
    case 2:
      text = DecodeUtf16Text(FirstString(body, true), true);
      break;
    case 3: {
      std::string_view s = FirstString(body, false);
      if (s.substr(0, 3) == "\xEF\xBB\xBF") s.remove_prefix(3);
      text = DecodeUtf8Text(s);
      break;
    }
    default:
      return {};
  }
  const auto nul = text.find(L'\0');
  if (nul != std::wstring::npos) text.resize(nul);
  return text;
}

struct FrameIds {
  std::string_view title;
  std::string_view artist;
};

Mp3Tags ParseFrames(std::string_view frames, unsigned version, bool unsynchronisedFrames) {
  const std::size_t idBytes = version == 2 ? 3 : 4;
  const std::size_t headerBytes = version == 2 ? 6 : 10;
  const FrameIds ids = version == 2 ? FrameIds{"TT2", "TP1"} : FrameIds{"TIT2", "TPE1"};
  Mp3Tags tags;
  std::size_t pos = 0;
  while (pos + headerBytes <= frames.size()) {
    const std::string_view id = frames.substr(pos, idBytes);
    if (id[0] == '\0') break;  // padding
    for (const char c : id) {
      if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) return tags;
    }
    std::size_t size;
    unsigned formatFlags = 0;
    if (version == 2) {
      size = BigEndian(frames, pos + 3, 3);
    } else if (version == 3) {
      size = BigEndian(frames, pos + 4, 4);
      formatFlags = At(frames, pos + 9);
    } else {
      // Some taggers write plain sizes into 2.4 tags; a byte with its top bit set gives them away.
      const auto safe = SyncSafe(frames, pos + 4);
      size = safe ? *safe : BigEndian(frames, pos + 4, 4);
      formatFlags = At(frames, pos + 9);
    }
    const std::size_t start = pos + headerBytes;
    if (size > frames.size() - start) break;
    pos = start + size;

    const bool wanted = id == ids.title || id == ids.artist;
    if (!wanted) continue;
    std::string_view data = frames.substr(start, size);
    std::string resynchronised;
    if (version == 3) {
      if (formatFlags & 0xC0) continue;  // compressed or encrypted
      if (formatFlags & 0x20) data.remove_prefix(data.empty() ? 0 : 1);  // group identifier
    } else if (version == 4) {
      if (formatFlags & 0x0C) continue;  // compressed or encrypted
      if (formatFlags & 0x40) data.remove_prefix(data.empty() ? 0 : 1);  // group identifier
      if (unsynchronisedFrames || (formatFlags & 0x02)) {
        resynchronised = Resynchronise(data);
        data = resynchronised;
      }
      if (formatFlags & 0x01) data.remove_prefix(data.size() < 4 ? data.size() : 4);  // data length
    }
    std::wstring text = DecodeTextFrame(data);
    std::wstring& slot = id == ids.title ? tags.title : tags.artist;
    if (slot.empty()) slot = std::move(text);
  }
  return tags;
}

// A version 2.4 tag placed after the audio ends with a footer; an ID3v1 tag may follow it.
struct AppendedTag {
  std::size_t length = 0;    // header, frames and footer
  std::size_t trailing = 0;  // bytes after it: the ID3v1 tag, if any
};

AppendedTag FindAppendedTag(std::string_view fileEnd) {
  const bool hasV1 = fileEnd.size() >= kId3v1Bytes && fileEnd.substr(fileEnd.size() - kId3v1Bytes, 3) == "TAG";
  const std::size_t trailing = hasV1 ? kId3v1Bytes : 0;
  if (fileEnd.size() < trailing + kId3v2HeaderBytes) return {};
  const std::string_view footer = fileEnd.substr(fileEnd.size() - trailing - kId3v2HeaderBytes, kId3v2HeaderBytes);
  if (footer.substr(0, 3) != "3DI" || At(footer, 3) != 4) return {};
  const auto size = SyncSafe(footer, 6);
  if (!size) return {};
  return {2 * kId3v2HeaderBytes + *size, trailing};
}

}  // namespace

std::size_t Id3v2TagBytes(std::string_view fileStart) {
  if (fileStart.size() < kId3v2HeaderBytes || fileStart.substr(0, 3) != "ID3") return 0;
  const auto size = SyncSafe(fileStart, 6);
  if (!size) return 0;
  const bool footer = At(fileStart, 3) == 4 && (At(fileStart, 5) & 0x10);
  return kId3v2HeaderBytes + *size + (footer ? kId3v2HeaderBytes : 0);
}

std::size_t AppendedId3v2TagBytes(std::string_view fileEnd) {
  const AppendedTag tag = FindAppendedTag(fileEnd);
  return tag.length == 0 ? 0 : tag.length + tag.trailing;
}

Mp3Tags ParseId3v2(std::string_view tag) {
  if (tag.size() < kId3v2HeaderBytes || tag.substr(0, 3) != "ID3") return {};
  const unsigned version = At(tag, 3);
  const unsigned flags = At(tag, 5);
  const auto declared = SyncSafe(tag, 6);
  if (!declared || version < 2 || version > 4 || At(tag, 4) == 0xFF) return {};
  std::string_view body = tag.substr(kId3v2HeaderBytes);
  if (*declared < body.size()) body = body.substr(0, *declared);

  const bool unsynchronised = flags & 0x80;
  std::string resynchronised;
  if (version == 2) {
    if (flags & 0x40) return {};  // compression was never defined: the tag cannot be read
  }
  if (version < 4 && unsynchronised) {
    resynchronised = Resynchronise(body);
    body = resynchronised;
  }
  if (version >= 3 && (flags & 0x40)) {  // extended header
    if (body.size() < 4) return {};
    std::size_t skip;
    if (version == 3) {
      skip = 4 + static_cast<std::size_t>(BigEndian(body, 0, 4));
    } else {
      const auto size = SyncSafe(body, 0);
      if (!size) return {};
      skip = *size;
    }
    if (skip > body.size()) return {};
    body.remove_prefix(skip);
  }
  return ParseFrames(body, version, version == 4 && unsynchronised);
}

Mp3Tags ParseId3v1(std::string_view fileEnd) {
  if (fileEnd.size() < kId3v1Bytes) return {};
  const std::string_view tag = fileEnd.substr(fileEnd.size() - kId3v1Bytes);
  if (tag.substr(0, 3) != "TAG") return {};
  auto field = [&](std::size_t at) {
    std::string_view s = tag.substr(at, 30);
    s = s.substr(0, s.find('\0'));
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);  // fields are padded with blanks
    return DecodeCodePage(kShiftJis, s);
  };
  return {field(3), field(33)};
}

Mp3Tags ReadId3Tags(std::string_view fileStart, std::string_view fileEnd) {
  Mp3Tags tags = ParseId3v2(fileStart);
  auto fillGaps = [&tags](const Mp3Tags& other) {
    if (tags.title.empty()) tags.title = other.title;
    if (tags.artist.empty()) tags.artist = other.artist;
  };
  const AppendedTag appended = FindAppendedTag(fileEnd);
  if (appended.length != 0 && appended.length + appended.trailing <= fileEnd.size()) {
    fillGaps(ParseId3v2(fileEnd.substr(fileEnd.size() - appended.trailing - appended.length, appended.length)));
  }
  fillGaps(ParseId3v1(fileEnd));
  tags.title = LimitToAnsiBytes(tags.title, kMp3TagTextBytes);
  tags.artist = LimitToAnsiBytes(tags.artist, kMp3TagTextBytes);
  return tags;
}

}  // namespace pelmora

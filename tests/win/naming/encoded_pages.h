// The same Japanese title in each encoding a page may come in, as raw bytes.
#pragma once
#include <string>

namespace pelmora::test {

// 日本語のタイトル
inline const wchar_t kJapaneseTitle[] = L"日本語のタイトル";

struct EncodedTitle {
  const char* encoding;
  std::string bytes;
};

inline const EncodedTitle kEncodedTitles[] = {
    {"Shift-JIS", "\x93\xfa\x96\x7b\x8c\xea\x82\xcc\x83\x5e\x83\x43\x83\x67\x83\x8b"},
    {"EUC-JP", "\xc6\xfc\xcb\xdc\xb8\xec\xa4\xce\xa5\xbf\xa5\xa4\xa5\xc8\xa5\xeb"},
    {"ISO-2022-JP", "\x1b\x24\x42\x46\x7c\x4b\x5c\x38\x6c\x24\x4e\x25\x3f\x25\x24\x25\x48\x25\x6b\x1b\x28\x42"},
    {"UTF-8",
     "\xe6\x97\xa5\xe6\x9c\xac\xe8\xaa\x9e\xe3\x81\xae\xe3\x82\xbf\xe3\x82\xa4\xe3\x83\x88\xe3\x83\xab"},
};

inline std::string PageWithTitle(const std::string& title) {
  return "<html>\r\n<head>\r\n<title>" + title + "</title>\r\n</head>\r\n<body>body</body>\r\n</html>\r\n";
}

// The page in UTF-16 little-endian with its byte-order mark (ASCII markup, the title given
// as UTF-16LE bytes).
inline std::string Utf16PageWithTitle(const std::string& titleUtf16le) {
  std::string page = "\xff\xfe";
  auto ascii = [&page](const std::string& s) {
    for (char c : s) {
      page.push_back(c);
      page.push_back('\0');
    }
  };
  ascii("<html><head><title>");
  page += titleUtf16le;
  ascii("</title></head></html>");
  return page;
}

// 日本語のタイトル in UTF-16LE.
inline const std::string kTitleUtf16le("\xe5\x65\x2c\x67\x9e\x8a\x6e\x30\xbf\x30\xa4\x30\xc8\x30\xeb\x30", 16);

}  // namespace pelmora::test

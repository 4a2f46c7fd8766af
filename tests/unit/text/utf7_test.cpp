// UTF-7 through the code-page interface: the form of Windows' own Unicode sections.
#include <gtest/gtest.h>

#include "text/code_page.h"

namespace pelmora {
namespace {

// "😀" is one character where wchar_t holds code points and a surrogate pair where it is UTF-16.
const std::wstring kEmoji = sizeof(wchar_t) == 2 ? std::wstring(L"\xD83D\xDE00", 2) : std::wstring(1, wchar_t(0x1F600));

TEST(Utf7, ReadsWhatWindowsWritesAndReadsBackWhatItWrites) {
  const struct {
    std::wstring text;
    std::string windows;  // what Windows writes for it
  } cases[] = {
      {L"http://a.jp/x-y.z?q,r:s'(1) \t\r\n", "http://a.jp/x-y.z?q,r:s'(1) \t\r\n"},  // all direct
      {L"1+1", "1+-1"},
      {L"日本語-x", "+ZeVnLIqe--x"},  // the run is closed even before a "-"
      {L"http://例え.jp/ページ?q=é&r=1+2", "http://+T4swSA-.jp/+MNow/DC4-?q+AD0A6QAm-r+AD0-1+-2"},
      {L"C:\\아이콘\\" + kEmoji + L".ico", "C:+AFzFRMd0z1gAXNg93gA-.ico"},
      {L"~!#$%*;<=>@[]^_`{|}\"-", "+AH4AIQAjACQAJQAqADsAPAA9AD4AQABbAF0AXgBfAGAAewB8AH0AIg--"},
      {L"a" + kEmoji, "a+2D3eAA-"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.windows);
    EXPECT_EQ(DecodeCodePage(kUtf7, c.windows), c.text);
    const std::string written = EncodeCodePage(kUtf7, c.text);
    EXPECT_EQ(DecodeCodePage(kUtf7, written), c.text);
    for (const char b : written) EXPECT_LT(static_cast<unsigned char>(b), 0x80);  // 7-bit for any INI reader
    // The host's iconv closes a run only before a character a reader would take into it, and
    // may carry "+" inside a run: other bytes, the same text.
#ifdef _WIN32
    EXPECT_EQ(written, c.windows);
#endif
  }
}

TEST(Utf7, ReadsHandEditedValuesLeniently) {
  const struct {
    std::string bytes;
    std::wstring text;
  } cases[] = {
      {"+ZeVnLIqe x", L"日本語 x"},  // a byte outside base64 ends a run and stays
      {"+AOk--", L"é-"},             // only the first "-" belongs to the run
      {"+-+-", L"++"},
      {"a+AO", L"a"},                // leftover bits are dropped
  };
  for (const auto& c : cases) EXPECT_EQ(DecodeCodePage(kUtf7, c.bytes), c.text) << c.bytes;
}

}  // namespace
}  // namespace pelmora

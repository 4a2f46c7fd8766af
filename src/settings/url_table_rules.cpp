#include "settings/url_table_rules.h"

#include "settings/settings_rules.h"
#include "text/ansi_limit.h"
#include "text/code_page.h"
#include "text/text_rules.h"

namespace pelmora {
namespace {

constexpr std::array<const wchar_t*, 6> kCommentLines = {
    L"; *** URL構成文字列 設定情報 ***",
    L"; ",
    L"; 追加、変更、削除、並べ替えは自由に編集できます。",
    L"; 設定可能なキーはセクション毎にURL1からURL50までです。",
    L"; ただし、シーケンスが途切れたキーまでしか認識しません。",
    L"",
};

std::wstring KeyName(int n) { return L"URL" + std::to_wstring(n); }

}  // namespace

const UrlTable& DefaultUrlTable() {
  static const UrlTable table{{{
      {L"http://www.", L"http://", L"https://", L"ftp://"},
      {L".ne.jp/", L".co.jp/", L".ad.jp/", L".or.jp/", L".ac.jp/", L".go.jp/", L".ed.jp/", L".gr.jp/", L".net/",
       L".com/", L".org/", L".jp/", L".name/", L".pro/", L".info/", L".coop/", L".aero/", L".museum/"},
      {L"index.htm", L"index.html", L".htm", L".html"},
      {L"http://www.～.com/ 補間,http://www.%.com/", L"http://www.～.co.jp/ 補間,http://www.%.co.jp/",
       L"http://www.～.ne.jp/ 補間,http://www.%.ne.jp/", L"http://～.com/ 補間,http://%.com/",
       L"http://～.co.jp/ 補間,http://%.co.jp/", L"http://～.ne.jp/ 補間,http://%.ne.jp/"},
  }}};
  return table;
}

std::string DefaultUrlTableBytes(bool withTemplates) {
  std::wstring text;
  for (const wchar_t* line : kCommentLines) text += std::wstring(line) + L"\r\n";
  const std::size_t sections = withTemplates ? 4 : 3;
  for (std::size_t s = 0; s < sections; ++s) {
    text += L"[" + std::wstring(kUrlTableSections[s]) + L"]\r\n";
    const auto& list = DefaultUrlTable().lists[s];
    for (std::size_t i = 0; i < list.size(); ++i) text += KeyName(static_cast<int>(i) + 1) + L"=" + list[i] + L"\r\n";
  }
  // Users edit the file by hand: it stays Shift-JIS whatever the system's code page.
  return EncodeCodePage(kShiftJis, text);
}

std::vector<std::wstring> ReadUrlList(std::wstring_view sectionText) {
  std::vector<std::wstring> list;
  for (int n = 1; n <= kMaxUrlTableKeys; ++n) {
    const auto value = SectionValue(sectionText, KeyName(n));
    if (!value) break;
    std::wstring entry = TrimAtNul(LimitToAnsiBytes(*value, kProfileTextBytes));
    if (entry.empty()) break;
    list.push_back(std::move(entry));
  }
  if (list.empty()) list.emplace_back();
  return list;
}

bool LacksTemplates(std::wstring_view sectionText) { return TrimAtNul(sectionText).empty(); }

std::vector<UrlTemplate> OfferedTemplates(const std::vector<std::wstring>& entries) {
  std::vector<UrlTemplate> offered;
  for (const std::wstring& entry : entries) {
    const auto comma = entry.find(L',');
    if (comma == std::wstring::npos || comma == 0 || comma + 1 == entry.size()) continue;
    offered.push_back({entry.substr(0, comma), entry.substr(comma + 1)});
  }
  return offered;
}

}  // namespace pelmora

#include "settings/url_table.h"

#include <gtest/gtest.h>

#include "text/code_page.h"
#include "support/win/test_env.h"

namespace pelmora {
namespace {

using test::TempFolder;
using List = std::vector<std::wstring>;

TEST(LoadUrlTable, AMissingFileIsCreatedWithTheDefaultsInShiftJis) {
  TempFolder dir;
  const std::wstring path = dir / L"Url.ini";
  const UrlTable table = LoadUrlTable(path);
  EXPECT_EQ(table.lists, DefaultUrlTable().lists);
  const std::wstring text =
      L"; *** URL構成文字列 設定情報 ***\r\n; \r\n; 追加、変更、削除、並べ替えは自由に編集できます。\r\n"
      L"; 設定可能なキーはセクション毎にURL1からURL50までです。\r\n; ただし、シーケンスが途切れたキーまでしか認識しません。\r\n\r\n"
      L"[URLGroup1]\r\nURL1=http://www.\r\nURL2=http://\r\nURL3=https://\r\nURL4=ftp://\r\n"
      L"[URLGroup2]\r\nURL1=.ne.jp/\r\nURL2=.co.jp/\r\nURL3=.ad.jp/\r\nURL4=.or.jp/\r\nURL5=.ac.jp/\r\nURL6=.go.jp/\r\n"
      L"URL7=.ed.jp/\r\nURL8=.gr.jp/\r\nURL9=.net/\r\nURL10=.com/\r\nURL11=.org/\r\nURL12=.jp/\r\nURL13=.name/\r\n"
      L"URL14=.pro/\r\nURL15=.info/\r\nURL16=.coop/\r\nURL17=.aero/\r\nURL18=.museum/\r\n"
      L"[URLGroup3]\r\nURL1=index.htm\r\nURL2=index.html\r\nURL3=.htm\r\nURL4=.html\r\n"
      L"[URLGroup4]\r\nURL1=http://www.～.com/ 補間,http://www.%.com/\r\nURL2=http://www.～.co.jp/ 補間,http://www.%.co.jp/\r\n"
      L"URL3=http://www.～.ne.jp/ 補間,http://www.%.ne.jp/\r\nURL4=http://～.com/ 補間,http://%.com/\r\n"
      L"URL5=http://～.co.jp/ 補間,http://%.co.jp/\r\nURL6=http://～.ne.jp/ 補間,http://%.ne.jp/\r\n";
  EXPECT_EQ(test::ReadFileBytes(path), EncodeCodePage(kShiftJis, text));
  // Loading again reads the file as written and leaves it as it is.
  EXPECT_EQ(LoadUrlTable(path).lists, DefaultUrlTable().lists);
  EXPECT_EQ(test::ReadFileBytes(path), EncodeCodePage(kShiftJis, text));
}

TEST(LoadUrlTable, CraftedFilesLoadByTheRulesAndOnlyTheTemplatesAreRepaired) {
  TempFolder dir;
  std::string sixty;
  List fifty;
  for (int n = 1; n <= 60; ++n) {
    sixty += "URL" + std::to_string(n) + "=p" + std::to_string(n) + "\r\n";
    if (n <= 50) fifty.push_back(L"p" + std::to_wstring(n));
  }
  const List defaults = DefaultUrlTable().lists[3];
  const struct {
    const char* what;
    std::string bytes;
    std::array<List, 4> lists;
    bool templatesAdded;
  } cases[] = {
      {"gaps, blanks and line order",
       "; mine\r\n[URLGroup1]\r\nURL1=a\r\nURL2=b\r\nURL4=d\r\n[urlgroup2]\r\nURL2=x\r\n[URLGroup3]\r\nurl3=c\r\n"
       "URL1=  a  \r\nURL2=b\r\nURL4=   \r\nURL5=e\r\n[URLGroup4]\r\nURL1=T,t%\r\n",
       {List{L"a", L"b"}, List{L""}, List{L"a", L"b", L"c"}, List{L"T,t%"}}, false},
      {"sixty keys", "[URLGroup1]\r\n" + sixty + "[URLGroup4]\r\nURL1=no comma\r\n",
       {fifty, List{L""}, List{L""}, List{L"no comma"}}, false},
      {"missing URLGroup4 and URLGroup1", "[URLGroup2]\r\nURL1=.jp/\r\n", {List{L""}, List{L".jp/"}, List{L""}, defaults}, true},
      {"empty URLGroup4", "[URLGroup4]\r\n[URLGroup3]\r\nURL1=x\r\n", {List{L""}, List{L""}, List{L"x"}, defaults}, true},
      // A section with lines but no URL1 is the user's: it is not repaired.
      {"URLGroup4 without URL1", "[URLGroup4]\r\nURL2=T,t%\r\n", {List{L""}, List{L""}, List{L""}, List{L""}}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::wstring path = dir / (L"Url" + std::to_wstring(&c - cases) + L".ini");
    ASSERT_TRUE(test::WriteFileBytes(path, c.bytes));
    EXPECT_EQ(LoadUrlTable(path).lists, c.lists);
    // The user's lines all stay, in their order; added templates come in between at most.
    const std::string after = test::ReadFileBytes(path);
    std::size_t at = 0;
    for (std::size_t start = 0, end; (end = c.bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
      at = after.find(c.bytes.substr(start, end + 2 - start), at);
      ASSERT_NE(at, std::string::npos) << c.bytes.substr(start, end - start);
    }
    EXPECT_EQ(after.find("URL6=http://") != std::string::npos, c.templatesAdded);
  }
}

TEST(LoadUrlTable, AFileThatCannotBeWrittenLeavesTheDefaultPiecesInUse) {
  TempFolder dir;
  // A folder where the file would go: nothing can be created there, and no message is shown.
  const std::wstring folder = dir / L"Url.ini";
  ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
  test::ScriptedMessageBoxes boxes;
  EXPECT_EQ(LoadUrlTable(folder).lists, DefaultUrlTable().lists);
  EXPECT_EQ(LoadUrlTable(dir / L"missing\\Url.ini").lists, DefaultUrlTable().lists);
  EXPECT_FALSE(test::FileExists(dir / L"missing\\Url.ini"));

  // A file that can be read but not written (another program holds it) keeps its own lists and
  // offers the default templates.
  const std::wstring locked = dir / L"locked.ini";
  ASSERT_TRUE(test::WriteFileBytes(locked, "[URLGroup1]\r\nURL1=mine\r\n"));
  const HANDLE holder = CreateFileW(locked.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  const UrlTable table = LoadUrlTable(locked);
  CloseHandle(holder);
  EXPECT_EQ(table.lists[0], List{L"mine"});
  EXPECT_EQ(table.lists[3], DefaultUrlTable().lists[3]);
  EXPECT_EQ(test::ReadFileBytes(locked), "[URLGroup1]\r\nURL1=mine\r\n");
  EXPECT_TRUE(boxes.Asks().empty());
}

}  // namespace
}  // namespace pelmora

// Right-click registration against the real registry of the current user, on file types made
// up for the test; and Internet Explorer's menu script run by the system's script host.
#include "shell/menu_registration.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "text/text_rules.h"
#include "win/registry.h"
#include "win/system.h"
#include "support/win/test_env.h"

namespace pelmora {
namespace {

const std::wstring kPid = std::to_wstring(GetCurrentProcessId());
const std::wstring kClasses = L"Software\\Classes\\";

struct ClassesCleanup {
  std::vector<std::wstring> keys;
  ~ClassesCleanup() {
    for (const auto& key : keys) RegDeleteTreeW(HKEY_CURRENT_USER, (kClasses + key).c_str());
  }
};

bool UserClassKeyExists(const std::wstring& key) {
  return static_cast<bool>(OpenRegKey(HKEY_CURRENT_USER, kClasses + key, KEY_READ));
}

TEST(MenuRegistration, HalfWrittenEntryIsRemovedAgain) {
  const std::wstring type = L"PelmoraTest" + kPid + L"Type";
  ClassesCleanup cleanup{{type}};
  // Below a volatile key no lasting key can be made: the command key will fail after the
  // caption was written.
  ASSERT_TRUE(WriteRegValue(HKEY_CURRENT_USER, kClasses + type + L"\\shell", L"", L""));
  HKEY volatileKey = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, (kClasses + type + L"\\shell\\Pelmora").c_str(), 0, nullptr,
                            REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &volatileKey, nullptr),
            ERROR_SUCCESS);
  RegCloseKey(volatileKey);

  EXPECT_FALSE(RegisterShellMenu(type, L"C:\\p.exe"));
  EXPECT_FALSE(UserClassKeyExists(type + L"\\shell\\Pelmora"));

  ASSERT_TRUE(RegisterShellMenu(type, L"C:\\p.exe"));
  EXPECT_EQ(ReadRegValue(HKEY_CURRENT_USER, kClasses + type + L"\\shell\\Pelmora\\command", L""),
            L"\"C:\\p.exe\" \"%1\"");
  EXPECT_TRUE(UnregisterShellMenu(type));
  EXPECT_FALSE(UserClassKeyExists(type + L"\\shell\\Pelmora"));
  EXPECT_TRUE(UserClassKeyExists(type + L"\\shell"));  // only the entry's own keys go
  EXPECT_FALSE(UnregisterShellMenu(type));             // nothing left to remove
}

TEST(MenuRegistration, ExtensionTypesComeFromTheUsersClassesThenTheMachines) {
  const std::wstring ext = L"pzq" + kPid;
  ClassesCleanup cleanup{{L"." + ext}};
  EXPECT_EQ(FileTypeOfExtension(ext), L"");
  ASSERT_TRUE(WriteRegValue(HKEY_CURRENT_USER, kClasses + L"." + ext, L"", L"PelmoraMine"));
  EXPECT_EQ(FileTypeOfExtension(ToUpper(ext)), L"PelmoraMine");
  EXPECT_EQ(FileTypeOfExtension(L"ini"), ReadRegValue(HKEY_CLASSES_ROOT, L".ini", L""));
  EXPECT_FALSE(FileTypeOfExtension(L"INI").empty());
}

// ---- the menu script ----

// Runs the script's functions under the system's script host against stand-ins for Internet
// Explorer's window and the shell objects; returns what went wrong, one line per case.
std::wstring RunMenuScriptChecks(const std::wstring& checks) {
  test::TempFolder dir;
  const std::wstring harness =
      L"var fso = new ActiveXObject('Scripting.FileSystemObject');\r\n"
      L"var htm = fso.OpenTextFile(WScript.Arguments(0), 1).ReadAll();\r\n"
      L"var open = htm.search(/<script[^>]*>/i);\r\n"
      L"eval(htm.substring(htm.indexOf('>', open) + 1, htm.search(/<\\/script>/i)));\r\n"
      L"var report = '';\r\n"
      L"function element(tag, parent, props) { var e = {tagName: tag, parentElement: parent};\r\n"
      L"  for (var p in props) e[p] = props[p]; return e; }\r\n"
      L"function page(url, title, source) { return {document: {URL: url, title: title},\r\n"
      L"  event: source === undefined ? null : {srcElement: source}}; }\r\n"
      L"function expect(name, got, want) { if (got !== want) report += name + ': [' + got + '] not [' + want + ']\\r\\n'; }\r\n"
      L"var calls;\r\n"
      L"function shell(program) { return function (name) {\r\n"
      L"  if (name == 'WScript.Shell') return {RegRead: function (key) { calls.push('read ' + key);\r\n"
      L"    if (program == null) throw new Error('no value'); return program; }};\r\n"
      L"  if (name == 'Shell.Application') return {ShellExecute: function (f, a, d, v, s) {\r\n"
      L"    calls.push('run ' + f + '|' + a + '|' + d + '|' + v + '|' + s); }};\r\n"
      L"  throw new Error('unexpected object ' + name); }; }\r\n" +
      checks +
      L"var out = fso.CreateTextFile(WScript.Arguments(1), true, true); out.Write(report); out.Close();\r\n";
  // ASCII, with every other character escaped: all of them stand inside string literals.
  std::string bytes;
  for (wchar_t c : harness) {
    if (c < 0x80) {
      bytes += static_cast<char>(c);
    } else {
      char escape[8];
      snprintf(escape, sizeof(escape), "\\u%04x", static_cast<unsigned>(c));
      bytes += escape;
    }
  }
  if (!test::WriteFileBytes(dir / L"check.js", bytes)) return L"cannot write the harness";

  std::wstring command = L"\"" + GetSystemFolder() + L"cscript.exe\" //nologo \"" + (dir / L"check.js") +
                         L"\" \"" + ProgramFolder() + L"ExecPel.htm\" \"" + (dir / L"report.txt") + L"\"";
  STARTUPINFOW si{};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &si, &pi))
    return L"cannot start the script host";
  WaitForSingleObject(pi.hProcess, 120000);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  const std::string report = test::ReadFileBytes(dir / L"report.txt");
  if (report.size() < 2) return L"the harness did not finish: " + command;
  return std::wstring(reinterpret_cast<const wchar_t*>(report.data() + 2), (report.size() - 2) / sizeof(wchar_t));
}

TEST(MenuScript, HandsThePageOrTheLinkToPelmora) {
  struct Row {
    const wchar_t* name;
    const wchar_t* window;  // a script expression
    const wchar_t* arguments;
  } rows[] = {
      {L"page", L"page('http://example.com/a?b=1', '例のページ')", L"http://example.com/a?b=1 例のページ"},
      {L"untitled page", L"page('http://example.com/', '')", L"http://example.com/"},
      {L"title over lines", L"page('http://e.jp/', '  一行目\\r\\n\\t二行目  ')", L"http://e.jp/ 一行目 二行目"},
      {L"title with a percent", L"page('http://e.jp/', '100%OFF %PATH%')", L"http://e.jp/ 100%OFF %PATH%"},
      {L"address with blank and quote", L"page('http://e.jp/a b\"c', 'T')", L"http://e.jp/a%20b%22c T"},
      {L"link", L"page('http://e.jp/', 'Page', element('SPAN', element('a', null, {href: 'http://link.jp/x', "
                L"innerText: ' リンク\\r\\nの文字 '}), {}))",
       L"http://link.jp/x リンク の文字"},
      {L"anchor without address", L"page('http://e.jp/', 'Page', element('A', null, {href: ''}))",
       L"http://e.jp/ Page"},
      {L"page body", L"page('http://e.jp/', 'Page', element('BODY', null, {}))", L"http://e.jp/ Page"},
  };
  std::wstring checks;
  for (const auto& row : rows)
    checks += L"expect('" + std::wstring(row.name) + L"', pelmoraArguments(" + row.window + L"), '" +
              std::wstring(row.arguments) + L"');\r\n";
  EXPECT_EQ(RunMenuScriptChecks(checks), L"");
}

TEST(MenuScript, StartsTheProgramNamedInItsMenuKey) {
  const std::wstring key = L"HKCU\\\\Software\\\\Microsoft\\\\Internet Explorer\\\\MenuExt\\\\ペルモラ(&S)\\\\ExePath";
  const std::wstring checks =
      L"calls = []; expect('started', pelmoraRun(page('http://e.jp/', 'T'), shell('C:\\\\ペルモラ\\\\p.exe')), true);\r\n"
      L"expect('calls', calls.join(';'), 'read " + key + L";run C:\\\\ペルモラ\\\\p.exe|http://e.jp/ T||open|1');\r\n"
      L"calls = []; expect('no path', pelmoraRun(page('http://e.jp/', 'T'), shell(null)), false);\r\n"
      L"expect('nothing run', calls.length, 1);\r\n"
      L"calls = []; expect('empty path', pelmoraRun(page('http://e.jp/', 'T'), shell('')), false);\r\n"
      L"expect('nothing run either', calls.length, 1);\r\n";
  EXPECT_EQ(RunMenuScriptChecks(checks), L"");
}

}  // namespace
}  // namespace pelmora

// Helpers for tests that run against the real Windows APIs under Wine.
#pragma once
#include <windows.h>

#include <deque>
#include <functional>
#include <optional>
#include <utility>
#include <string>
#include <vector>

#include "win/launch.h"

namespace pelmora::test {

// True when running under Wine (ntdll exports wine_get_version).
bool RunningUnderWine();

// The settings file the program reads when it is this test program: beside it, named after it.
std::wstring SettingsFile();

// A fresh folder under the temporary folder, removed with everything in it at the end.
class TempFolder {
 public:
  explicit TempFolder(const std::wstring& hint = L"t");
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::wstring& Path() const { return path_; }
  // Path() + "\" + name.
  std::wstring operator/(const std::wstring& name) const { return path_ + L"\\" + name; }

 private:
  std::wstring path_;
};

// While it lives, the process's temporary folder (TMP and TEMP) is a fresh folder of its own,
// which holds only what the test and the program under test put there.
class PrivateTempFolder {
 public:
  explicit PrivateTempFolder(const std::wstring& hint = L"temp");
  ~PrivateTempFolder();
  PrivateTempFolder(const PrivateTempFolder&) = delete;
  PrivateTempFolder& operator=(const PrivateTempFolder&) = delete;
  const std::wstring& Path() const { return folder_.Path(); }
  std::wstring operator/(const std::wstring& name) const { return folder_ / name; }

 private:
  TempFolder folder_;
  std::vector<std::pair<std::wstring, std::optional<std::wstring>>> saved_;
};

// Removes a file or a folder tree; no error when it is missing.
void RemoveTree(const std::wstring& path);
bool WriteFileBytes(const std::wstring& path, const std::string& bytes);
std::string ReadFileBytes(const std::wstring& path);
bool FileExists(const std::wstring& path);

// Answers the program's message boxes in place of a person, in order, and records what was
// asked. With no answer left, it answers OK (for an OK box) or Cancel.
class ScriptedMessageBoxes {
 public:
  struct Asked {
    std::wstring text;
    UINT style;
    std::wstring title;
    HWND owner;  // the window the box is modal to
  };
  explicit ScriptedMessageBoxes(std::deque<int> answers = {});
  ~ScriptedMessageBoxes();
  void Answer(int button) { answers_.push_back(button); }
  // Runs `act` once, while the next box is open (before it is answered): what a user does
  // to the window behind it.
  void WhileAsking(std::function<void()> act) { whileAsking_ = std::move(act); }
  const std::vector<Asked>& Asks() const { return asks_; }

 private:
  std::deque<int> answers_;
  std::vector<Asked> asks_;
  std::function<void()> whileAsking_;
};

// Records what the program would have started (Explorer, the browser) instead of starting it;
// a command line counts as started unless told otherwise.
class RecordedLaunches {
 public:
  explicit RecordedLaunches(bool commandLinesStart = true);
  ~RecordedLaunches();
  const std::vector<LaunchRequest>& Requests() const { return requests_; }

 private:
  std::vector<LaunchRequest> requests_;
};

// Lets the thread's pending messages run (paint, posted notifications).
void Pump();

}  // namespace pelmora::test

namespace pelmora::test {
// OLE and the common controls, as the program's entry sets them up; idempotent.
void InitWindowsOnce();
}  // namespace pelmora::test

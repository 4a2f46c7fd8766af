// Url.ini beside the program: created with the default pieces when it is missing, read once at
// start-up. Never shows a message.
#pragma once
#include <string>

#include "settings/url_table_rules.h"

namespace pelmora {

// Makes sure the file exists and offers templates, then reads its four lists. When the file is
// missing and cannot be written (a read-only folder), or its missing templates cannot be added,
// the lists hold the default pieces the file would have held, so the URL dialog keeps its use.
UrlTable LoadUrlTable(const std::wstring& path);

// Creates (or empties) the file and writes the comment lines and the four default sections in
// Shift-JIS. False when the file could not be written.
bool WriteDefaultUrlTable(const std::wstring& path);

// Adds the six default templates to URLGroup4 of an existing file, keeping every other line.
// False when one of them could not be written.
bool WriteDefaultUrlTemplates(const std::wstring& path);

}  // namespace pelmora

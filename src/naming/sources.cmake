# Name derivation and the readers that look inside targets (HTML and web titles, Japanese text,
# version names, MP3 tags), long paths, the icon preview.
pelmora_portable(
  drop_rules.cpp
  html_title.cpp
  icon_location.cpp
  id3_tags.cpp
  japanese_text_charset.cpp
  japanese_text_converter.cpp
  japanese_text_units.cpp
  mp3_name.cpp
  path_names.cpp
  version_names_rules.cpp
  web_title_rules.cpp
)
pelmora_windows(
  derive_name.cpp
  html_title_file.cpp
  icon_preview.cpp
  long_path.cpp
  mp3_name_reader.cpp
  mp3_tag_file.cpp
  target_shortcut.cpp
  version_names.cpp
  volume_label.cpp
  web_title.cpp
)

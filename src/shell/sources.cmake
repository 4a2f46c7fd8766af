# The program's entries in the right-click menus of Explorer and Internet Explorer.
pelmora_portable(
  extension_list.cpp
  menu_layout.cpp
)
pelmora_windows(
  menu_registration.cpp
)

# The editor's Windows view (Windows build only): the window, its messages and
# timer, text entry, menus, dialogs, and the pieces of it that tests reach
# without a window.
if(VO_WINDOWS)
  set(graphics_win_dir ${CMAKE_CURRENT_LIST_DIR})
  add_library(iplug_graphics_win STATIC
    ${graphics_win_dir}/IGraphicsWin.cpp
    ${graphics_win_dir}/IGraphicsWin_Dialogs.cpp
    ${graphics_win_dir}/IGraphicsWin_Menus.cpp
    ${graphics_win_dir}/IGraphicsWin_TextEntry.cpp
    ${graphics_win_dir}/IGraphicsWin_Tooltips.cpp
    ${graphics_win_dir}/WinPopupMenu.cpp
    ${graphics_win_dir}/WinEditorWindowClass.cpp
    ${graphics_win_dir}/WinFileFilter.cpp
    ${graphics_win_dir}/WinKeyMap.cpp
    ${graphics_win_dir}/WinTextEntryFilter.cpp
  )
  target_include_directories(iplug_graphics_win PUBLIC ${graphics_win_dir})
  target_link_libraries(iplug_graphics_win PUBLIC iplug_editor user32 gdi32 comctl32 comdlg32 shell32 wininet)
  vo_warnings(iplug_graphics_win)
endif()

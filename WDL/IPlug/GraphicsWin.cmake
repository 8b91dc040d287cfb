# The editor's Windows view (Windows build only): the window, its messages and
# timer, text entry, menus, dialogs, and the pieces of it that tests reach
# without a window.
if(VO_WINDOWS)
  set(dir ${CMAKE_CURRENT_LIST_DIR})
  add_library(iplug_graphics_win STATIC
    ${dir}/IGraphicsWin.cpp
    ${dir}/IGraphicsWin_Dialogs.cpp
    ${dir}/IGraphicsWin_Menus.cpp
    ${dir}/IGraphicsWin_TextEntry.cpp
    ${dir}/IGraphicsWin_Tooltips.cpp
    ${dir}/WinPopupMenu.cpp
    ${dir}/WinEditorWindowClass.cpp
    ${dir}/WinFileFilter.cpp
    ${dir}/WinKeyMap.cpp
  )
  target_include_directories(iplug_graphics_win PUBLIC ${dir})
  target_link_libraries(iplug_graphics_win PUBLIC iplug_editor user32 gdi32 comctl32 comdlg32 shell32 wininet)
  vo_warnings(iplug_graphics_win)
endif()

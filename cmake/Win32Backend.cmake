# What the Win32 backend adds to the Windows build: the framework's dialog manager and
# message-box rules, which every backend shares, its message box and the system's file
# dialog.
target_sources(winfx PRIVATE platform/wnd/DialogManager.cpp platform/wnd/MessageBoxButtons.cpp)
target_sources(winfx_win32 PRIVATE platform/win32/Win32MessageBox.cpp platform/win32/Win32FileDialog.cpp)
target_link_libraries(winfx_win32 PUBLIC comdlg32)

# The Windows programs, after the libraries CMakeLists.txt makes for every system.

orvane_library(platform_win32 platform/win32
  platform/win32/DialogTemplateBuilder.cpp platform/win32/Win32Accessibility.cpp platform/win32/Win32Annotator.cpp
  platform/win32/Win32Backend.cpp
  platform/win32/Win32Dialog.cpp platform/win32/Win32DialogWindow.cpp platform/win32/Win32Dpi.cpp
  platform/win32/Win32EditFilter.cpp platform/win32/Win32FileDialog.cpp platform/win32/Win32MessageBox.cpp
  platform/win32/Win32Text.cpp)
target_link_libraries(platform_win32 PUBLIC platform_wnd comctl32 comdlg32 ole32)

# The resources of each program: manifest, version information and icon 128, drawn from
# the PNG renderings of the Linux icon.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(windows_packaging ${PROJECT_SOURCE_DIR}/packaging/windows)
set(icon_file ${PROJECT_BINARY_DIR}/res/orvane.ico)
file(GLOB icon_pngs ${PROJECT_SOURCE_DIR}/packaging/linux/icons/*/io.github.orvane.Orvane.png)
add_custom_command(OUTPUT ${icon_file}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/res
  COMMAND ${Python3_EXECUTABLE} ${windows_packaging}/make_icon.py ${icon_file} ${PROJECT_SOURCE_DIR}/packaging/linux/icons
  DEPENDS ${windows_packaging}/make_icon.py ${icon_pngs}
  COMMENT "Writing the Windows icon from the Linux icon's PNGs")
enable_language(RC)
set(ORVANE_RC_MANIFEST ${windows_packaging}/orvane.manifest)
set(ORVANE_RC_ICON ${icon_file})
set(ORVANE_RC_COPYRIGHT "Copyright (C) 2026 The Orvane developers")
# An object library each, because a resource in a static library would not be linked in.
function(orvane_windows_resources name description)
  set(ORVANE_RC_NAME ${name})
  set(ORVANE_RC_FILENAME ${name}.exe)
  set(ORVANE_RC_DESCRIPTION ${description})
  set(script ${PROJECT_BINARY_DIR}/res/${name}.rc)
  configure_file(${windows_packaging}/orvane.rc.in ${script} @ONLY)
  add_library(${name}_resources OBJECT ${script})
  set_source_files_properties(${script} PROPERTIES OBJECT_DEPENDS "${icon_file};${ORVANE_RC_MANIFEST}")
endfunction()
orvane_windows_resources(orvane "Orvane chip catalogue editor")

# The editor: a window program, so that no console opens beside it; wmain takes its
# command line in UTF-16.
add_executable(orvane WIN32 app/main.cpp $<TARGET_OBJECTS:orvane_resources>)
target_link_libraries(orvane PRIVATE app platform_win32)
target_compile_definitions(orvane PRIVATE ORVANE_VERSION="${PROJECT_VERSION}")
target_link_options(orvane PRIVATE -municode)

if(TARGET orvane-cli)
  orvane_windows_resources(orvane-cli "Orvane chip catalogue command-line tool")
  target_sources(orvane-cli PRIVATE $<TARGET_OBJECTS:orvane-cli_resources>)
  # wmain: the command line in UTF-16.
  target_link_options(orvane-cli PRIVATE -municode)
endif()

# GoogleTest for the test programs, built from the sources Debian ships in the
# googletest package; no MinGW build of it is packaged.
if(BUILD_TESTING)
  set(ORVANE_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources for the Windows test programs")
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  add_subdirectory(${ORVANE_GTEST_SOURCE} ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  # Its sources are not ours to hold to our warnings.
  target_compile_options(gtest PRIVATE -w)
  # GoogleTest 1.11 and later name their own target GTest::gtest.
  if(NOT TARGET GTest::gtest)
    add_library(GTest::gtest ALIAS gtest)
  endif()

  # Wine finds the sources and the build on its drive Z:.
  set(ORVANE_TEST_SOURCE_DIR Z:${PROJECT_SOURCE_DIR})
  set(ORVANE_TEST_BINARY_DIR Z:${PROJECT_BINARY_DIR})
endif()

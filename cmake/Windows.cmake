# The Windows build, cross-compiled with cmake/mingw-w64-x86_64.cmake. It makes the
# framework, the Win32 backend, the icon resource and the backend's own tests. The
# catalogue, the editor and orvane-cli join it once their file code runs on Windows.

# Native sources include <windows.h>; its min and max macros would break std::min.
add_compile_definitions(NOMINMAX WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0601)

orvane_library(winfx_core platform
  platform/String.cpp platform/FileWin32.cpp platform/Archive.cpp platform/CodePage.cpp)

orvane_library(winfx platform/wnd
  platform/wnd/CmdTarget.cpp platform/wnd/DataExchange.cpp platform/wnd/Dialog.cpp
  platform/wnd/DialogTemplate.cpp platform/wnd/ListBox.cpp platform/wnd/WinApp.cpp
  platform/wnd/Wnd.cpp platform/win32/Win32Module.cpp)
target_link_libraries(winfx PUBLIC winfx_core)
# The start-up names the program the GNU way; Win32Module.h supplies that name.
target_compile_options(winfx PRIVATE -include ${PROJECT_SOURCE_DIR}/platform/win32/Win32Module.h)

orvane_library(winfx_win32 platform/win32
  platform/win32/DialogTemplateBuilder.cpp platform/win32/Win32Backend.cpp
  platform/win32/Win32Dialog.cpp platform/win32/Win32DialogWindow.cpp
  platform/win32/Win32EditFilter.cpp platform/win32/Win32Text.cpp)
target_link_libraries(winfx_win32 PUBLIC winfx comctl32)

# The application's templates and icon data, without the windows that use them.
orvane_library(orvane_res res res/Templates.cpp)
target_link_libraries(orvane_res PUBLIC winfx)

# Icon 128 as a real icon resource, written from the pixels in res/ by a small program
# built with the host's compiler.
find_program(ORVANE_HOST_CXX NAMES c++ g++ REQUIRED)
set(icon_tool ${PROJECT_BINARY_DIR}/host/make_icon_resource)
set(icon_sources tools/MakeIconResource.cpp res/Templates.cpp platform/wnd/DialogTemplate.cpp)
list(TRANSFORM icon_sources PREPEND ${PROJECT_SOURCE_DIR}/)
add_custom_command(OUTPUT ${icon_tool}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/host
  COMMAND ${ORVANE_HOST_CXX} -std=c++17 -O1 -Wall -Wextra -Werror
          -I${PROJECT_SOURCE_DIR}/platform -I${PROJECT_SOURCE_DIR}/platform/wnd -I${PROJECT_SOURCE_DIR}/res
          ${icon_sources} -o ${icon_tool}
  DEPENDS ${icon_sources} res/Templates.h res/Resource.h platform/wnd/DialogTemplate.h
  COMMENT "Building the icon resource generator for the host")
set(icon_file ${PROJECT_BINARY_DIR}/res/orvane.ico)
set(icon_script ${PROJECT_BINARY_DIR}/res/orvane_icon.rc)
add_custom_command(OUTPUT ${icon_file} ${icon_script}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/res
  COMMAND ${icon_tool} ${icon_file} ${icon_script}
  DEPENDS ${icon_tool}
  COMMENT "Writing icon 128 from res/Templates.cpp")
enable_language(RC)
# An object library, because a resource in a static library would not be linked in.
add_library(orvane_icon OBJECT ${icon_script})
set_source_files_properties(${icon_script} PROPERTIES OBJECT_DEPENDS ${icon_file})


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
endif()

if(BUILD_TESTING)
  enable_testing()
  add_subdirectory(tests/win32)
endif()

# The Win32 backend's own additions, kept apart from the file layer and the programs.
include(cmake/Win32Backend.cmake)

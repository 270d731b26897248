# The Windows programs, after the libraries CMakeLists.txt makes for every system.

orvane_library(winfx_win32 platform/win32
  platform/win32/DialogTemplateBuilder.cpp platform/win32/Win32Backend.cpp
  platform/win32/Win32Dialog.cpp platform/win32/Win32DialogWindow.cpp
  platform/win32/Win32EditFilter.cpp platform/win32/Win32FileDialog.cpp platform/win32/Win32MessageBox.cpp
  platform/win32/Win32Text.cpp)
target_link_libraries(winfx_win32 PUBLIC winfx winfx_file comctl32 comdlg32)

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
          -I${PROJECT_SOURCE_DIR}/platform/core -I${PROJECT_SOURCE_DIR}/platform/wnd -I${PROJECT_SOURCE_DIR}/res
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

# The editor: a window program, so that no console opens beside it.
add_executable(orvane WIN32 app/main.cpp $<TARGET_OBJECTS:orvane_icon>)
target_link_libraries(orvane PRIVATE orvane_ui winfx_win32)
target_compile_definitions(orvane PRIVATE ORVANE_VERSION="${PROJECT_VERSION}")

if(TARGET orvane-cli)
  target_sources(orvane-cli PRIVATE $<TARGET_OBJECTS:orvane_icon>)
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

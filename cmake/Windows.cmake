# The Windows build, cross-compiled with cmake/mingw-w64-x86_64.cmake: the same
# libraries as on Linux with the file layer's Windows half, the Win32 backend,
# orvane.exe and orvane-cli.exe, and the test programs, which run under Wine.

# Native sources include <windows.h>; its min and max macros would break std::min.
add_compile_definitions(NOMINMAX WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0601)

# The test programs and the checks that run a built program go through Wine, in the
# prefix that the wrapper sets up on first use.
set(CMAKE_CROSSCOMPILING_EMULATOR bash ${PROJECT_SOURCE_DIR}/tests/windows/run_suite.sh)

orvane_library(winfx_core platform
  platform/String.cpp platform/FileWin32.cpp platform/FileError.cpp platform/FileLockWin32.cpp
  platform/FileReplaceWin32.cpp platform/NativeFile.cpp platform/Archive.cpp platform/CodePage.cpp)

orvane_library(catalog catalog
  catalog/ChipEntryArray.cpp catalog/ChipCatalog.cpp catalog/CatalogFile.cpp catalog/CatalogEdit.cpp)
target_link_libraries(catalog PUBLIC winfx_core)

orvane_library(pins setup setup/PinConversions.cpp setup/ChipRules.cpp)
target_link_libraries(pins PUBLIC catalog)

orvane_library(parts parts parts/PartTable.cpp parts/PartName.cpp)

orvane_library(winfx platform/wnd
  platform/wnd/CmdTarget.cpp platform/wnd/DataExchange.cpp platform/wnd/Dialog.cpp
  platform/wnd/DialogManager.cpp platform/wnd/DialogTemplate.cpp platform/wnd/ListBox.cpp
  platform/wnd/MessageBoxButtons.cpp platform/wnd/WinApp.cpp platform/wnd/Wnd.cpp)
target_link_libraries(winfx PUBLIC winfx_core)

orvane_library(winfx_headless platform/headless
  platform/headless/HeadlessBackend.cpp platform/headless/HeadlessDialog.cpp)
target_link_libraries(winfx_headless PUBLIC winfx)

orvane_library(winfx_win32 platform/win32
  platform/win32/DialogTemplateBuilder.cpp platform/win32/Win32Backend.cpp
  platform/win32/Win32Dialog.cpp platform/win32/Win32DialogWindow.cpp
  platform/win32/Win32EditFilter.cpp platform/win32/Win32FileDialog.cpp platform/win32/Win32MessageBox.cpp
  platform/win32/Win32Module.cpp platform/win32/Win32Text.cpp)
target_link_libraries(winfx_win32 PUBLIC winfx comctl32 comdlg32)

# The application's templates and icon data, without the windows that use them.
orvane_library(orvane_res res res/Templates.cpp)
target_link_libraries(orvane_res PUBLIC winfx)

orvane_library(orvane_ui app
  res/Templates.cpp app/CatalogApp.cpp app/CatalogPlace.cpp app/ChipListCommands.cpp app/ChipListDlg.cpp
  app/StartArguments.cpp
  types/EditStringDlg.cpp types/TypeSelectDlg.cpp
  setup/SetupFormDlg.cpp setup/I2CSetupDlg.cpp setup/MicrowireSetupDlg.cpp)
target_include_directories(orvane_ui PUBLIC ${PROJECT_SOURCE_DIR}/types ${PROJECT_SOURCE_DIR}/res)
target_link_libraries(orvane_ui PUBLIC winfx pins)

orvane_library(starter tools tools/StarterCatalog.cpp)
target_link_libraries(starter PUBLIC pins)

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

# The editor: a window program, so that no console opens beside it.
add_executable(orvane WIN32 app/main.cpp $<TARGET_OBJECTS:orvane_icon>)
target_link_libraries(orvane PRIVATE orvane_ui winfx_win32)
target_compile_definitions(orvane PRIVATE ORVANE_VERSION="${PROJECT_VERSION}")

# orvane-cli. CLI11 and nlohmann-json are header-only; their Debian headers are copied
# beside the build, since the rest of /usr/include is the host's and not for MinGW.
if(ORVANE_CLI)
  set(cli_headers ${PROJECT_BINARY_DIR}/third_party/include)
  foreach(dir CLI nlohmann)
    if(NOT EXISTS /usr/include/${dir})
      message(FATAL_ERROR "/usr/include/${dir} is missing: install libcli11-dev and nlohmann-json3-dev")
    endif()
    file(COPY /usr/include/${dir} DESTINATION ${cli_headers})
  endforeach()
  orvane_library(orvane_cli_lib cli
    cli/CatalogAccess.cpp cli/CatalogJson.cpp cli/CheckCommand.cpp cli/ChipView.cpp
    cli/CliApp.cpp cli/CliCommandLine.cpp cli/DiffCommand.cpp cli/DumpCommand.cpp
    cli/EditCommands.cpp cli/EntryCheck.cpp cli/ExportCommand.cpp cli/ImportCommand.cpp
    cli/ListCommand.cpp cli/ListOrder.cpp cli/NameText.cpp cli/ShowCommand.cpp
    cli/PartAdd.cpp cli/PartCheck.cpp cli/PartsCommand.cpp)
  target_include_directories(orvane_cli_lib SYSTEM PUBLIC ${cli_headers})
  target_link_libraries(orvane_cli_lib PUBLIC pins parts)
  target_compile_definitions(orvane_cli_lib PRIVATE ORVANE_VERSION="${PROJECT_VERSION}")
  add_executable(orvane-cli cli/main.cpp $<TARGET_OBJECTS:orvane_icon>)
  target_link_libraries(orvane-cli PRIVATE orvane_cli_lib)
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

  enable_testing()
  # The headless suites, the same programs as on Linux; the Qt ones stay there.
  set(ORVANE_WITH_QT OFF)
  set(ORVANE_TEST_SOURCE_DIR Z:${PROJECT_SOURCE_DIR})
  set(ORVANE_TEST_BINARY_DIR Z:${PROJECT_BINARY_DIR})
  add_subdirectory(tests)
  add_subdirectory(tests/windows)
  add_subdirectory(tests/win32)
endif()

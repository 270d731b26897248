# The Windows build, cross-compiled with cmake/mingw-w64-x86_64.cmake: the same
# libraries as on Linux with the file layer's Windows half (chosen in CMakeLists.txt),
# then cmake/WindowsPrograms.cmake adds the Win32 backend, orvane.exe and
# orvane-cli.exe, and the test programs, which run under Wine.

# Native sources include <windows.h>; its min and max macros would break std::min.
add_compile_definitions(NOMINMAX WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0601)

# The test programs and the checks that run a built program go through Wine, in the
# prefix that the wrapper sets up on first use.
set(CMAKE_CROSSCOMPILING_EMULATOR bash ${PROJECT_SOURCE_DIR}/tests/windows/run_suite.sh)

# No Qt and no Linux install rules here.
set(ORVANE_WITH_QT OFF)
set(ORVANE_INSTALL OFF)

# CLI11 and nlohmann-json are header-only; their Debian headers are copied beside the
# build, since the rest of /usr/include is the host's and not for MinGW.
if(ORVANE_CLI)
  set(cli_headers ${PROJECT_BINARY_DIR}/third_party/include)
  foreach(dir CLI nlohmann)
    if(NOT EXISTS /usr/include/${dir})
      message(FATAL_ERROR "/usr/include/${dir} is missing: install libcli11-dev and nlohmann-json3-dev")
    endif()
    file(COPY /usr/include/${dir} DESTINATION ${cli_headers})
  endforeach()
  foreach(lib CLI11::CLI11 nlohmann_json::nlohmann_json)
    add_library(${lib} INTERFACE IMPORTED)
    target_include_directories(${lib} SYSTEM INTERFACE ${cli_headers})
  endforeach()
endif()

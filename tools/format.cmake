cmake_minimum_required(VERSION 3.22)
# clang-format over every C++ file of the checkout: `-DCHECK=ON` only reports
# what differs from .clang-format and fails on it, otherwise files are
# rewritten. Run from the top folder: cmake -DCLANG_FORMAT=... [-DCHECK=ON] -P tools/format.cmake
execute_process(COMMAND git ls-files -- *.cpp *.h
                OUTPUT_VARIABLE listed RESULT_VARIABLE not_a_checkout ERROR_QUIET)
if(not_a_checkout)
  # An unpacked source tree has no git: the folders of our own code.
  file(GLOB_RECURSE files RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}
       src/*.cpp src/*.h tests/*.cpp tests/*.h bench/*.cpp bench/*.h tools/*.cpp tools/*.h)
else()
  string(REPLACE "\n" ";" files "${listed}")
  list(FILTER files EXCLUDE REGEX "^$")
endif()
if(CHECK)
  set(mode --dry-run -Werror)
else()
  set(mode -i)
endif()
execute_process(COMMAND ${CLANG_FORMAT} ${mode} ${files} RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "clang-format: the files above differ from .clang-format (cmake --build build --target format)")
endif()
list(LENGTH files count)
string(JOIN " " shown ${mode})
message(STATUS "clang-format ${shown}: ${count} files")

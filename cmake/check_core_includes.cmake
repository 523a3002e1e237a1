# Fails when a file of the core includes anything but the C++ standard library
# and other core files: the core must build for any toolkit and any system.
#   cmake -DSOURCE_DIR=<the tree's src folder> -P check_core_includes.cmake
cmake_minimum_required(VERSION 3.25)

set(standard_headers
  algorithm any array atomic barrier bit bitset cassert cctype cerrno cfenv cfloat charconv chrono
  cinttypes climits clocale cmath codecvt compare complex concepts condition_variable coroutine
  csetjmp csignal cstdarg cstddef cstdint cstdio cstdlib cstring ctime cuchar cwchar cwctype deque
  exception execution expected filesystem format forward_list fstream functional future
  initializer_list iomanip ios iosfwd iostream istream iterator latch limits list locale map
  memory memory_resource mutex new numbers numeric optional ostream queue random ranges ratio
  regex scoped_allocator semaphore set shared_mutex source_location span sstream stack
  stdexcept stop_token streambuf string string_view syncstream system_error thread tuple
  type_traits typeindex typeinfo unordered_map unordered_set utility valarray variant vector
  version)

file(GLOB_RECURSE core_files
  ${SOURCE_DIR}/app/* ${SOURCE_DIR}/settings/* ${SOURCE_DIR}/alert/* ${SOURCE_DIR}/sound/*
  ${SOURCE_DIR}/indicator/* ${SOURCE_DIR}/tray/*)
file(GLOB platform_files ${SOURCE_DIR}/platform/*.h ${SOURCE_DIR}/platform/*.cpp)
list(APPEND core_files ${platform_files})
list(FILTER core_files INCLUDE REGEX "\\.(h|hpp|cpp|cc)$")
if(NOT core_files)
  message(FATAL_ERROR "no core files under ${SOURCE_DIR}")
endif()

set(faults "")
foreach(file IN LISTS core_files)
  file(STRINGS ${file} lines REGEX "^[ \t]*#[ \t]*include")
  file(RELATIVE_PATH name ${SOURCE_DIR} ${file})
  foreach(line IN LISTS lines)
    if(line MATCHES "<([^>]+)>")
      if(NOT CMAKE_MATCH_1 IN_LIST standard_headers)
        string(APPEND faults "  ${name}: ${line}\n")
      endif()
    elseif(line MATCHES "\"([^\"]+)\"")
      # Core headers are named from src/; the views' folders are not the core.
      set(header ${CMAKE_MATCH_1})
      if(header MATCHES "^platform/(qt|win32)/" OR NOT EXISTS ${SOURCE_DIR}/${header})
        string(APPEND faults "  ${name}: ${line}\n")
      endif()
    else()
      string(APPEND faults "  ${name}: ${line}\n")
    endif()
  endforeach()
endforeach()

list(LENGTH core_files count)
if(faults)
  message(FATAL_ERROR "The core includes headers outside the standard library and the core:\n${faults}")
endif()
message(STATUS "${count} core files include only the standard library and the core")

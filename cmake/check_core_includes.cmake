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

# The core: these folders of src/, each by itself (a folder inside one is not
# the core until it is named here). The toolkits' folders, platform/qt and
# platform/win32, are not among them.
set(core_folders
  app settings alert sound indicator tray platform/window platform/services)

set(core_files "")
foreach(folder IN LISTS core_folders)
  file(GLOB files ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.hpp
                  ${SOURCE_DIR}/${folder}/*.cpp ${SOURCE_DIR}/${folder}/*.cc)
  if(NOT files)
    message(FATAL_ERROR "the core folder ${folder} holds no source under ${SOURCE_DIR}")
  endif()
  list(APPEND core_files ${files})
endforeach()

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
      # A core header, named from src/: a file that is there, in a core folder.
      set(header ${CMAKE_MATCH_1})
      get_filename_component(folder ${header} DIRECTORY)
      if(NOT folder IN_LIST core_folders OR NOT EXISTS ${SOURCE_DIR}/${header})
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

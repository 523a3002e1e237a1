# The binding sources of a view, one a control kind, from the list of kinds
# the C++ code expands (src/platform/window/control_kinds.h). A kind without its
# bindings/<Kind>Binding.cpp in the calling folder stops the configuration
# with the kind's name.
set(KVIRLO_CONTROL_KINDS_LIST ${CMAKE_CURRENT_LIST_DIR}/../src/platform/window/control_kinds.h)

function(kvirlo_binding_sources out)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${KVIRLO_CONTROL_KINDS_LIST})
  # Read whole: each line ends in a backslash, which would escape a list's ";".
  file(READ ${KVIRLO_CONTROL_KINDS_LIST} text)
  string(REGEX MATCHALL "\n[ \t]*X\\([A-Za-z0-9_]+\\)" lines "${text}")
  set(sources bindings/Binding.cpp)
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^\n[ \t]*X\\(([A-Za-z0-9_]+)\\)$" "\\1" kind "${line}")
    set(source bindings/${kind}Binding.cpp)
    if(NOT EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${source})
      message(FATAL_ERROR "The control kind ${kind} has no binding in ${CMAKE_CURRENT_SOURCE_DIR}: "
                          "write ${source}, defining make${kind}Binding")
    endif()
    list(APPEND sources ${source})
  endforeach()
  if(NOT lines)
    message(FATAL_ERROR "No control kinds read from ${KVIRLO_CONTROL_KINDS_LIST}")
  endif()
  set(${out} ${sources} PARENT_SCOPE)
endfunction()

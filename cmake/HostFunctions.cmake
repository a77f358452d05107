# The host's TVA_ names, read from the header that declares them (one X(...) entry a line).
file(READ ${CMAKE_SOURCE_DIR}/hostapi/HostFunctionList.h raz_host_text)
string(REGEX MATCHALL "\n *X\\([A-Za-z0-9_]+" raz_host_entries "${raz_host_text}")
set(RAZ_HOST_FUNCTION_NAMES "")
foreach(entry IN LISTS raz_host_entries)
  string(REGEX REPLACE "\n *X\\(" "TVA_" name "${entry}")
  list(APPEND RAZ_HOST_FUNCTION_NAMES ${name})
endforeach()
list(LENGTH RAZ_HOST_FUNCTION_NAMES raz_host_count)
if(NOT raz_host_count EQUAL 54)
  message(FATAL_ERROR "hostapi/HostFunctionList.h names ${raz_host_count} host functions, not 54")
endif()

# Writes a .def that exports every host function except `omitted` (may be empty).
function(raz_write_host_def path omitted)
  set(text "EXPORTS\n")
  foreach(name IN LISTS RAZ_HOST_FUNCTION_NAMES)
    if(NOT name STREQUAL omitted)
      string(APPEND text "  ${name}\n")
    endif()
  endforeach()
  file(WRITE ${path} "${text}")
endfunction()

# Makes an executable export the host functions listed in `def_file` (CMake passes .def files to the
# linker for DLLs only).
function(raz_export_host_functions target def_file)
  target_link_options(${target} PRIVATE ${def_file})
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${def_file})
endfunction()

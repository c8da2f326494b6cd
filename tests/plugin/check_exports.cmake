# The shared library exports the seven functions of the boundary and nothing
# else. cmake -DMODULE=<path> -P check_exports.cmake
execute_process(COMMAND nm -D --defined-only "${MODULE}"
                OUTPUT_VARIABLE listing RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "nm failed on ${MODULE}")
endif()
string(REGEX MATCHALL "[^\n]+" lines "${listing}")
set(names "")
foreach(line IN LISTS lines)
  string(REGEX REPLACE "^.* " "" name "${line}")
  list(APPEND names "${name}")
endforeach()
list(SORT names)
set(expected create_interface get_info get_name get_text_encoding get_uuid
    has_interface is_resident)
if(NOT names STREQUAL expected)
  message(FATAL_ERROR "exports: ${names}\nexpected: ${expected}")
endif()
message(STATUS "exports: ${names}")

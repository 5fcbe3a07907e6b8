# The C libraries that the code uses, each as a target that links the shared library,
# or its archive into a target whose property ZULPARVO_STATIC_C_LIBRARIES is ON.
#
# The command sets it: before a process runs, the system loads each shared library it
# names, which on a small machine costs about a quarter of a millisecond each, and a
# script may run the command many times. The shared library libzulparvo and everything
# else link the shared ones. Where an archive is not installed the shared library is
# linked.
#
# zulparvo_c_library(NAME SHARED target ARCHIVES name... [SYSTEM lib...]) makes zulparvo::NAME;
# the archives are found by file name (libNAME.a) and linked in the order given, then the
# SYSTEM libraries that they need.
function(zulparvo_c_library name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "SHARED" "ARCHIVES;SYSTEM")
  set(archives)
  foreach(archive IN LISTS arg_ARCHIVES)
    find_library(ZULPARVO_ARCHIVE_${archive} NAMES lib${archive}.a)
    if(NOT ZULPARVO_ARCHIVE_${archive})
      message(STATUS "zulparvo: lib${archive}.a is not installed; the command links ${arg_SHARED}")
      set(archives)
      break()
    endif()
    list(APPEND archives ${ZULPARVO_ARCHIVE_${archive}})
  endforeach()

  add_library(zulparvo_c_${name} INTERFACE)
  add_library(zulparvo::${name} ALIAS zulparvo_c_${name})
  if(NOT archives)
    target_link_libraries(zulparvo_c_${name} INTERFACE ${arg_SHARED})
    return()
  endif()
  set(static "$<BOOL:$<TARGET_PROPERTY:ZULPARVO_STATIC_C_LIBRARIES>>")
  target_link_libraries(zulparvo_c_${name} INTERFACE "$<$<NOT:${static}>:${arg_SHARED}>")
  foreach(item IN LISTS archives arg_SYSTEM)
    target_link_libraries(zulparvo_c_${name} INTERFACE "$<${static}:${item}>")
  endforeach()
  # The headers are the shared library's.
  target_include_directories(zulparvo_c_${name} INTERFACE
    $<TARGET_PROPERTY:${arg_SHARED},INTERFACE_INCLUDE_DIRECTORIES>)
endfunction()

find_package(PNG REQUIRED)
pkg_check_modules(XXHASH REQUIRED IMPORTED_TARGET libxxhash)
zulparvo_c_library(sqlite SHARED SQLite::SQLite3 ARCHIVES sqlite3 SYSTEM m)
zulparvo_c_library(png SHARED PNG::PNG ARCHIVES png16 z SYSTEM m)
zulparvo_c_library(xxhash SHARED PkgConfig::XXHASH ARCHIVES xxhash)

# Writes the symbols of resources/resource.h, and the control symbols each dialog of the
# resource scripts uses, as the C++ tables of host/resource_symbols.h. Run at build time:
#
#   cmake -DHEADER=resource.h "-DSCRIPTS=a.rc;b.rc" -DOUTPUT=out.cpp -P resource_symbols.cmake
#
# Every "#define ID... VALUE" of the header is a symbol; a value that is not a whole number
# (decimal or hex, optionally negative or in parentheses) stops the build, so that the table
# never leaves a symbol out silently.
cmake_policy(VERSION 3.25)

file(STRINGS ${HEADER} defines REGEX "^[ \t]*#[ \t]*define[ \t]+ID")
set(symbol_rows "")
set(names "")
foreach(line IN LISTS defines)
  if(NOT line MATCHES "^[ \t]*#[ \t]*define[ \t]+([A-Za-z_][A-Za-z0-9_]*)[ \t]+(.*)$")
    continue()
  endif()
  set(name ${CMAKE_MATCH_1})
  set(value "${CMAKE_MATCH_2}")
  string(REGEX REPLACE "/\\*.*\\*/" "" value "${value}")
  string(REGEX REPLACE "//.*$" "" value "${value}")
  string(STRIP "${value}" value)
  string(REGEX REPLACE "^\\((.*)\\)$" "\\1" value "${value}")
  if(NOT value MATCHES "^-?(0[xX][0-9A-Fa-f]+|[0-9]+)$")
    message(FATAL_ERROR "${HEADER}: the value of ${name} is not a number: ${value}")
  endif()
  math(EXPR value "${value}")
  string(APPEND symbol_rows "    {\"${name}\", ${value}},\n")
  list(APPEND names ${name})
endforeach()

# Which symbols name the controls of each DIALOG/DIALOGEX block of the scripts.
set(placement_rows "")
set(placements "")
foreach(script IN LISTS SCRIPTS)
  file(STRINGS ${script} lines)
  set(dialog "")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "\"[^\"]*\"" "" line "${line}")
    string(REGEX REPLACE "//.*$" "" line "${line}")
    if(line MATCHES "^[ \t]*([A-Za-z_][A-Za-z0-9_]*)[ \t]+DIALOG(EX)?([ \t]|$)")
      set(dialog "")
      if(CMAKE_MATCH_1 IN_LIST names)
        set(dialog ${CMAKE_MATCH_1})
      endif()
    elseif(line MATCHES "^[ \t]*END([ \t]|$)")
      set(dialog "")
    elseif(dialog)
      string(REGEX MATCHALL "[A-Za-z_][A-Za-z0-9_]*" tokens "${line}")
      foreach(token IN LISTS tokens)
        if(token IN_LIST names AND NOT token STREQUAL dialog
           AND NOT "${dialog}:${token}" IN_LIST placements)
          list(APPEND placements "${dialog}:${token}")
          string(APPEND placement_rows "    {\"${dialog}\", \"${token}\"},\n")
        endif()
      endforeach()
    endif()
  endforeach()
endforeach()

set(content "// Generated from the resource header and scripts by host/resource_symbols.cmake.
#include \"host/resource_symbols.h\"

namespace host {
namespace {

constexpr ResourceSymbol kSymbols[] = {
${symbol_rows}};

constexpr DialogControlSymbol kPlacements[] = {
${placement_rows}};

}  // namespace

std::span<const ResourceSymbol> resourceSymbols() {
    return kSymbols;
}

std::span<const DialogControlSymbol> dialogControlSymbols() {
    return kPlacements;
}

}  // namespace host
")
file(WRITE ${OUTPUT}.tmp "${content}")
file(COPY_FILE ${OUTPUT}.tmp ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.tmp)

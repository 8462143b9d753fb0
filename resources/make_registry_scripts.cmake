# Writes the registry script of every class from the template, the identifiers of class_ids.h
# and the bitmap numbers of resource.h, one NAME.rgs each into OUTPUT_DIR.
#   cmake -DIDS=class_ids.h -DSYMBOLS=resource.h -DTEMPLATE=registry.rgs.in -DOUTPUT_DIR=dir
#         -P make_registry_scripts.cmake
include(${CMAKE_CURRENT_LIST_DIR}/read_ids.cmake)
file(READ ${SYMBOLS} symbols)
set(LIBID ${LIBID_FAREWRIGHTLib})
foreach(NAME ${masks})
  string(TOUPPER ${NAME} upper)
  if(NOT symbols MATCHES "#define IDB_${upper} ([0-9]+)")
    message(FATAL_ERROR "${SYMBOLS}: no IDB_${upper}")
  endif()
  set(BITMAP ${CMAKE_MATCH_1})
  set(CLSID ${CLSID_${NAME}})
  configure_file(${TEMPLATE} ${OUTPUT_DIR}/${NAME}.rgs @ONLY)
endforeach()

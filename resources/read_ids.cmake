# Sets a variable for every identifier of class_ids.h ("// {GUID}" above "inline constexpr GUID
# NAME ="), named as the identifier and holding its GUID text.
#   include(read_ids.cmake) with IDS set to the header
file(READ ${IDS} ids)
string(REGEX MATCHALL "// {[0-9A-F-]+}\n inline constexpr GUID [A-Za-z_]+" pairs "${ids}")
if(NOT pairs)
  string(REGEX MATCHALL "// {[0-9A-F-]+}\ninline constexpr GUID [A-Za-z_]+" pairs "${ids}")
endif()
foreach(pair ${pairs})
  string(REGEX REPLACE "// {([0-9A-F-]+)}\n.*GUID ([A-Za-z_]+)" "\\1;\\2" parts "${pair}")
  list(GET parts 0 guid)
  list(GET parts 1 name)
  set(${name} ${guid})
endforeach()
if(NOT LIBID_FAREWRIGHTLib)
  message(FATAL_ERROR "${IDS}: no LIBID_FAREWRIGHTLib")
endif()
# The classes of the module, in the order of its class table.
set(masks Skyfolio TicketingIssuance TicketingReIssuance IssLogTkt IssManualVoidTkt IssBSPDamagedTkt)

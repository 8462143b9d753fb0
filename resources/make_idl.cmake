# Writes the type library's source from the template and the identifiers of class_ids.h, so
# that every identifier exists in one place.
#   cmake -DIDS=class_ids.h -DTEMPLATE=farewright.idl.in -DOUTPUT=farewright.idl -P make_idl.cmake
include(${CMAKE_CURRENT_LIST_DIR}/read_ids.cmake)

# Each mask: its events (DISPID and declaration) and whether its interface has initParam.
set(cancel "HRESULT Cancel()")
set(send "HRESULT Send([in] BSTR bstrHostCommand)")
set(on_event "HRESULT OnEvent([in] BSTR bstrParam1, [in] BSTR bstrParam2)")
set(events_Skyfolio "${cancel}|${send}|${on_event}|HRESULT OnSendCommand([in] BSTR bstrSenndCommand)")
set(events_TicketingIssuance "${cancel}|${send}|HRESULT SendCommand([in] BSTR bstrSendCommand)|${on_event}")
set(events_TicketingReIssuance "${cancel}|${send}|${on_event}")
foreach(small IssLogTkt IssManualVoidTkt IssBSPDamagedTkt)
  set(events_${small} "${cancel}|${send}")
endforeach()

set(body "")
foreach(mask ${masks})
  foreach(id IID_I${mask} DIID__I${mask}Events CLSID_${mask})
    if(NOT ${id})
      message(FATAL_ERROR "${IDS}: no ${id}")
    endif()
  endforeach()
  string(APPEND body "
    [object, uuid(${IID_I${mask}}), dual, nonextensible, oleautomation,
     helpstring(\"I${mask} Interface\"), pointer_default(unique)]
    interface I${mask} : IDispatch
    {
        [propget, id(1)] HRESULT Lang([out, retval] BSTR* pVal);
        [propput, id(1)] HRESULT Lang([in] BSTR newVal);
        [id(2)] HRESULT SetResponse([in] BSTR bstrResponse);
        [id(3)] HRESULT initField([in] BSTR bstrFields);
")
  if(NOT mask STREQUAL "Skyfolio")
    string(APPEND body "        [id(4)] HRESULT initParam([in] BSTR bstrParams);\n")
  endif()
  string(APPEND body "    };

    [uuid(${DIID__I${mask}Events}), helpstring(\"_I${mask}Events Interface\")]
    dispinterface _I${mask}Events
    {
    properties:
    methods:
")
  string(REPLACE "|" ";" events "${events_${mask}}")
  set(dispid 1)
  foreach(event ${events})
    string(APPEND body "        [id(${dispid})] ${event};\n")
    math(EXPR dispid "${dispid} + 1")
  endforeach()
  string(APPEND body "    };

    [uuid(${CLSID_${mask}}), control, helpstring(\"${mask} Class\")]
    coclass ${mask}
    {
        [default] interface I${mask};
        [default, source] dispinterface _I${mask}Events;
    };
")
endforeach()
set(MASKS "${body}")
configure_file(${TEMPLATE} ${OUTPUT} @ONLY)

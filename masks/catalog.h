// The creators of the mask classes: each makes a new mask object and answers riid of it.
#pragma once

#include "platform/com/com.h"

namespace masks {

HRESULT CreateTicketingIssuance(REFIID riid, void** ppv);
HRESULT CreateSkyfolio(REFIID riid, void** ppv);
HRESULT CreateTicketingReIssuance(REFIID riid, void** ppv);
HRESULT CreateIssManualVoidTkt(REFIID riid, void** ppv);
HRESULT CreateIssLogTkt(REFIID riid, void** ppv);
HRESULT CreateIssBSPDamagedTkt(REFIID riid, void** ppv);

}  // namespace masks

#include "server/class_table.h"

#include "framework/class_ids.h"
#include "masks/catalog.h"
#include "resources/resource.h"

namespace server {
namespace {

constexpr ClassEntry kClasses[] = {
    {"Skyfolio", ids::CLSID_Skyfolio, ids::IID_ISkyfolio, ids::DIID__ISkyfolioEvents, IDR_SKYFOLIO,
     IDB_SKYFOLIO, masks::CreateSkyfolio},
    {"TicketingIssuance", ids::CLSID_TicketingIssuance, ids::IID_ITicketingIssuance,
     ids::DIID__ITicketingIssuanceEvents, IDR_TICKETINGISSUANCE, IDB_TICKETINGISSUANCE,
     masks::CreateTicketingIssuance},
    {"TicketingReIssuance", ids::CLSID_TicketingReIssuance, ids::IID_ITicketingReIssuance,
     ids::DIID__ITicketingReIssuanceEvents, IDR_TICKETINGREISSUANCE, IDB_TICKETINGREISSUANCE,
     masks::CreateTicketingReIssuance},
    {"IssLogTkt", ids::CLSID_IssLogTkt, ids::IID_IIssLogTkt, ids::DIID__IIssLogTktEvents,
     IDR_ISSLOGTKT, IDB_ISSLOGTKT, masks::CreateIssLogTkt},
    {"IssManualVoidTkt", ids::CLSID_IssManualVoidTkt, ids::IID_IIssManualVoidTkt,
     ids::DIID__IIssManualVoidTktEvents, IDR_ISSMANUALVOIDTKT, IDB_ISSMANUALVOIDTKT,
     masks::CreateIssManualVoidTkt},
    {"IssBSPDamagedTkt", ids::CLSID_IssBSPDamagedTkt, ids::IID_IIssBSPDamagedTkt,
     ids::DIID__IIssBSPDamagedTktEvents, IDR_ISSBSPDAMAGEDTKT, IDB_ISSBSPDAMAGEDTKT,
     masks::CreateIssBSPDamagedTkt},
};

}  // namespace

std::span<const ClassEntry> classTable() {
    return kClasses;
}

const ClassEntry* findClass(std::span<const ClassEntry> table, REFCLSID clsid) {
    for (const ClassEntry& entry : table) {
        if (entry.clsid == clsid)
            return &entry;
    }
    return nullptr;
}

const ClassEntry* findClassByName(std::span<const ClassEntry> table, std::string_view name) {
    for (const ClassEntry& entry : table) {
        if (entry.name == name)
            return &entry;
    }
    return nullptr;
}

}  // namespace server

#include "server/class_table.h"

#include "framework/class_ids.h"
#include "masks/catalog.h"

namespace server {
namespace {

// Registry script and toolbox bitmap numbers are the resource numbers of the module.
constexpr ClassEntry kClasses[] = {
    {"Skyfolio", ids::CLSID_Skyfolio, ids::IID_ISkyfolio, ids::DIID__ISkyfolioEvents, 102, 101,
     nullptr},
    {"TicketingIssuance", ids::CLSID_TicketingIssuance, ids::IID_ITicketingIssuance,
     ids::DIID__ITicketingIssuanceEvents, 109, 108, nullptr},
    {"TicketingReIssuance", ids::CLSID_TicketingReIssuance, ids::IID_ITicketingReIssuance,
     ids::DIID__ITicketingReIssuanceEvents, 112, 111, nullptr},
    {"IssLogTkt", ids::CLSID_IssLogTkt, ids::IID_IIssLogTkt, ids::DIID__IIssLogTktEvents, 115, 114,
     masks::CreateIssLogTkt},
    {"IssManualVoidTkt", ids::CLSID_IssManualVoidTkt, ids::IID_IIssManualVoidTkt,
     ids::DIID__IIssManualVoidTktEvents, 118, 117, masks::CreateIssManualVoidTkt},
    {"IssBSPDamagedTkt", ids::CLSID_IssBSPDamagedTkt, ids::IID_IIssBSPDamagedTkt,
     ids::DIID__IIssBSPDamagedTktEvents, 121, 120, masks::CreateIssBSPDamagedTkt},
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

#include "server/class_objects.h"

#include "server/class_factory.h"

namespace server {

ClassObjects::ClassObjects(std::span<const ClassEntry> table)
    : table_(table), factories_(table.size()) {}

HRESULT ClassObjects::get(REFCLSID clsid, REFIID riid, void** ppv) {
    if (ppv == nullptr)
        return E_POINTER;
    *ppv = nullptr;
    const ClassEntry* entry = findClass(table_, clsid);
    if (entry == nullptr || entry->create == nullptr)
        return CLASS_E_CLASSNOTAVAILABLE;

    com::Ptr<IClassFactory> factory;
    {
        Lock lock(lock_);
        com::Ptr<IClassFactory>& cached =
            factories_[static_cast<std::size_t>(entry - table_.data())];
        if (!cached)
            cached = ClassFactory::create(entry->create);
        factory = cached;
    }
    if (!factory)
        return E_OUTOFMEMORY;
    return factory->QueryInterface(riid, ppv);
}

}  // namespace server

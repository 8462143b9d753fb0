#include "server/create_by_name.h"

#include "platform/com/com_ptr.h"
#include "server/class_table.h"
#include "server/entry_points.h"

namespace server {

HRESULT CreateMaskByName(std::string_view coclass, REFIID riid, void** ppv) {
    if (ppv == nullptr)
        return E_POINTER;
    *ppv = nullptr;
    const ClassEntry* entry = findClassByName(classTable(), coclass);
    if (entry == nullptr)
        return CLASS_E_CLASSNOTAVAILABLE;

    com::Ptr<IClassFactory> factory;
    HRESULT hr =
        DllGetClassObject(entry->clsid, IID_IClassFactory, reinterpret_cast<void**>(factory.out()));
    if (FAILED(hr))
        return hr;
    if (!factory)
        return E_UNEXPECTED;
    hr = factory->CreateInstance(nullptr, riid, ppv);
    if (FAILED(hr))
        *ppv = nullptr;
    return hr;
}

}  // namespace server

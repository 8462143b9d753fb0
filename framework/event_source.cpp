#include "framework/event_source.h"

#include <limits>

#include "platform/com/bstr.h"
#include "platform/text/codepage.h"

namespace framework {

EventSource::EventSource(IConnectionPointContainer& container, REFIID eventIid)
    : Part(container), container_(container), eventIid_(eventIid) {}

void EventSource::fire(DISPID id, std::span<const std::string> ansiArgs) {
    if (sinks_.empty())
        return;
    try {
        // A sink may release the mask (and with it this object) while the event runs: the
        // mask stays alive until the last sink has returned. Nothing touches this object
        // after keepAlive lets go.
        com::Ptr<IConnectionPointContainer> keepAlive(&container_);

        // Sinks that connect or disconnect during the event change the list, not this copy.
        std::vector<com::Ptr<IDispatch>> snapshot;
        snapshot.reserve(sinks_.size());
        for (const Connection& c : sinks_)
            snapshot.push_back(c.sink);

        std::vector<com::Bstr> texts;
        texts.reserve(ansiArgs.size());
        for (const std::string& arg : ansiArgs) {
            texts.emplace_back(text::fromAnsi(arg));
            if (texts.back().get() == nullptr)
                return;  // out of memory: the event is not sent
        }
        const UINT count = static_cast<UINT>(texts.size());
        std::vector<VARIANTARG> params(texts.size());

        for (const com::Ptr<IDispatch>& sink : snapshot) {
            // Arguments go last-first. The array is refilled for each sink so that one sink
            // that scribbles on it cannot hand another a freed or foreign string.
            for (UINT i = 0; i < count; ++i) {
                VariantInit(&params[i]);
                params[i].vt = VT_BSTR;
                params[i].bstrVal = texts[count - 1 - i].get();
            }
            DISPPARAMS dispParams{params.data(), nullptr, count, 0};
            VARIANT result;
            VariantInit(&result);
            EXCEPINFO excepInfo{};
            UINT argErr = 0;
            sink->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &dispParams, &result,
                         &excepInfo, &argErr);
            VariantClear(&result);
            SysFreeString(excepInfo.bstrSource);
            SysFreeString(excepInfo.bstrDescription);
            SysFreeString(excepInfo.bstrHelpFile);
        }
    } catch (...) {
        // Out of memory, or a sink that threw: the event ends here; the mask carries on.
    }
}

HRESULT EventSource::find(REFIID riid, IConnectionPoint** ppCP) {
    if (ppCP == nullptr)
        return E_POINTER;
    *ppCP = nullptr;
    if (!(riid == eventIid_))
        return CONNECT_E_NOCONNECTION;
    *ppCP = this;
    AddRef();
    return S_OK;
}

HRESULT STDMETHODCALLTYPE EventSource::GetConnectionInterface(IID* pIID) {
    if (pIID == nullptr)
        return E_POINTER;
    *pIID = eventIid_;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE
EventSource::GetConnectionPointContainer(IConnectionPointContainer** ppCPC) {
    if (ppCPC == nullptr)
        return E_POINTER;
    *ppCPC = &container_;
    container_.AddRef();
    return S_OK;
}

HRESULT STDMETHODCALLTYPE EventSource::Advise(IUnknown* pUnkSink, DWORD* pdwCookie) {
    if (pdwCookie == nullptr)
        return E_POINTER;
    *pdwCookie = 0;
    if (pUnkSink == nullptr)
        return E_POINTER;
    if (lastCookie_ == std::numeric_limits<DWORD>::max())
        return CONNECT_E_ADVISELIMIT;

    // The sink speaks the event interface, or at least plain automation. A failed query is
    // not trusted to have cleared its out-pointer.
    com::Ptr<IDispatch> sink;
    if (FAILED(pUnkSink->QueryInterface(eventIid_, reinterpret_cast<void**>(sink.out())))) {
        sink.detach();
    }
    if (!sink &&
        FAILED(pUnkSink->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(sink.out())))) {
        sink.detach();
    }
    if (!sink)
        return CONNECT_E_CANNOTCONNECT;
    try {
        sinks_.push_back(Connection{lastCookie_ + 1, std::move(sink)});
    } catch (...) {
        return E_OUTOFMEMORY;
    }
    *pdwCookie = ++lastCookie_;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE EventSource::Unadvise(DWORD dwCookie) {
    for (auto it = sinks_.begin(); it != sinks_.end(); ++it) {
        if (it->cookie != dwCookie)
            continue;
        // The list is settled before the sink hears its last Release, which may call back.
        com::Ptr<IDispatch> leaving = std::move(it->sink);
        sinks_.erase(it);
        return S_OK;
    }
    return CONNECT_E_NOCONNECTION;
}

HRESULT STDMETHODCALLTYPE EventSource::EnumConnections(IEnumConnections** ppEnum) {
    if (ppEnum != nullptr)
        *ppEnum = nullptr;
    return E_NOTIMPL;
}

}  // namespace framework

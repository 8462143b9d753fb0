#include "framework/connection_point_enum.h"

#include <new>

namespace framework {

HRESULT ConnectionPointEnum::Create(std::vector<com::Ptr<IConnectionPoint>> points,
                                    std::size_t position, IEnumConnectionPoints** ppEnum) {
    if (ppEnum == nullptr)
        return E_POINTER;
    *ppEnum = new (std::nothrow) ConnectionPointEnum(std::move(points), position);
    return *ppEnum != nullptr ? S_OK : E_OUTOFMEMORY;
}

HRESULT ConnectionPointEnum::Next(ULONG cConnections, IConnectionPoint** ppCP, ULONG* pcFetched) {
    if (pcFetched != nullptr)
        *pcFetched = 0;
    if (ppCP == nullptr || (pcFetched == nullptr && cConnections != 1))
        return E_POINTER;
    ULONG fetched = 0;
    for (; fetched < cConnections && position_ < points_.size(); ++fetched, ++position_)
        ppCP[fetched] = com::Ptr<IConnectionPoint>(points_[position_]).detach();
    if (pcFetched != nullptr)
        *pcFetched = fetched;
    return fetched == cConnections ? S_OK : S_FALSE;
}

HRESULT ConnectionPointEnum::Skip(ULONG cConnections) {
    const std::size_t left = points_.size() - position_;
    if (cConnections > left) {
        position_ = points_.size();
        return S_FALSE;
    }
    position_ += cConnections;
    return S_OK;
}

HRESULT ConnectionPointEnum::Reset() {
    position_ = 0;
    return S_OK;
}

HRESULT ConnectionPointEnum::Clone(IEnumConnectionPoints** ppEnum) {
    try {
        return Create(points_, position_, ppEnum);
    } catch (...) {
        if (ppEnum != nullptr)
            *ppEnum = nullptr;
        return E_OUTOFMEMORY;
    }
}

}  // namespace framework

// The enumeration of a mask's connection points (it has one: its event interface's).
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include "platform/com/com.h"
#include "platform/com/com_ptr.h"
#include "platform/com/object.h"

namespace framework {

class ConnectionPointEnum final
    : public com::Object<com::Implements<IEnumConnectionPoints, IID_IEnumConnectionPoints>> {
  public:
    // Answers a new enumerator over `points` (each held while the enumerator lives).
    static HRESULT Create(std::vector<com::Ptr<IConnectionPoint>> points, std::size_t position,
                          IEnumConnectionPoints** ppEnum);

    // Hands out up to cConnections points, each with a reference of its own: S_OK when all
    // were there, S_FALSE when fewer. pcFetched may be null only when one is asked.
    HRESULT STDMETHODCALLTYPE Next(ULONG cConnections, IConnectionPoint** ppCP,
                                   ULONG* pcFetched) override;
    HRESULT STDMETHODCALLTYPE Skip(ULONG cConnections) override;
    HRESULT STDMETHODCALLTYPE Reset() override;
    HRESULT STDMETHODCALLTYPE Clone(IEnumConnectionPoints** ppEnum) override;

  private:
    ConnectionPointEnum(std::vector<com::Ptr<IConnectionPoint>> points, std::size_t position)
        : points_(std::move(points)), position_(position) {}
    ~ConnectionPointEnum() override = default;

    std::vector<com::Ptr<IConnectionPoint>> points_;
    std::size_t position_;
};

}  // namespace framework

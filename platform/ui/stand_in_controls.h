// Stand-ins for the outside controls the choosers host: instead of an agent clicking in a real
// encoder or calendar, they take the answer the host queued on the agent desk when their
// chooser's modal loop starts.
#pragma once

#include <string>

#include "platform/com/com_ptr.h"
#include "platform/ui/outside_controls.h"
#include "platform/ui/types.h"

namespace ui {

class AgentDesk;

// The window class that names an outside control in the resource scripts.
inline constexpr const char* kOutsideControlClass = "FarewrightOutsideControl";

class StandInEncoder final : public EncoderControl {
  public:
    explicit StandInEncoder(AgentDesk& desk) : desk_(desk) {}
    HRESULT SetCodeList(BSTR list) override;
    HRESULT GetSecondText(BSTR* text) override;
    HRESULT Advise(IDispatch* sink) override;
    HRESULT Unadvise() override;

    // The chooser's modal loop starts: answers the advised sink with the queued answer, or
    // closes without a result when none is queued. Nothing happens without a sink.
    void takeTurn();

  private:
    AgentDesk& desk_;
    com::Ptr<IDispatch> sink_;
    std::string second_;  // system code page
};

class StandInCalendar final : public CalendarControl {
  public:
    explicit StandInCalendar(AgentDesk& desk) : desk_(desk) {}
    HRESULT SetDateFormat(SHORT kind) override;
    HRESULT Start() override;
    HRESULT GetDay(SHORT* day) override;
    HRESULT GetMonth(SHORT* month) override;
    HRESULT GetYear(SHORT* year) override;
    HRESULT Advise(IDispatch* sink) override;
    HRESULT Unadvise() override;

    // As StandInEncoder::takeTurn, for a started calendar.
    void takeTurn();

  private:
    AgentDesk& desk_;
    com::Ptr<IDispatch> sink_;
    SHORT kind_ = 0;
    SHORT year_ = 0, month_ = 0, day_ = 0;
};

}  // namespace ui

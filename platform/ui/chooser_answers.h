// The answers a stand-in terminal queues for the next choosers: the encoder control's code
// and second text, the calendar's date. Each chooser takes the oldest answer of its kind.
#pragma once

#include <deque>
#include <optional>
#include <string>

namespace ui {

class ChooserAnswers {
  public:
    struct Encoder {
        std::string code;  // system code page
        std::string second;
    };
    struct Date {
        int year, month, day;
    };

    void queueEncoder(std::string code, std::string second = {}) {
        encoder_.push_back(Encoder{std::move(code), std::move(second)});
    }
    void queueDate(int year, int month, int day) { dates_.push_back(Date{year, month, day}); }
    void clear() {
        encoder_.clear();
        dates_.clear();
    }
    std::optional<Encoder> takeEncoder() { return take(encoder_); }
    std::optional<Date> takeDate() { return take(dates_); }

  private:
    template <typename T>
    static std::optional<T> take(std::deque<T>& queue) {
        if (queue.empty())
            return std::nullopt;
        T first = std::move(queue.front());
        queue.pop_front();
        return first;
    }

    std::deque<Encoder> encoder_;
    std::deque<Date> dates_;
};

}  // namespace ui

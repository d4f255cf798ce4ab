#include <chrono>
#include <ctime>
#include <thread>

#include "core/ports.h"

namespace swathkit {

namespace {

class RealClock final : public Clock {
  public:
    Date Today() override {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
#ifdef _WIN32
        localtime_s(&local, &now);
#else
        localtime_r(&now, &local);
#endif
        return Date{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
    }

    double MonotonicSeconds() override {
        using namespace std::chrono;
        return duration<double>(steady_clock::now().time_since_epoch()).count();
    }

    void Sleep(double seconds) override {
        std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
    }
};

}  // namespace

Clock& SystemClock() {
    static RealClock clock;
    return clock;
}

}  // namespace swathkit

// A live value put in force for one rebuild and given back when the scope ends, a throw included; kept as it is,
// it comes back whatever the scope writes to it.
#pragma once

#include <utility>

template <class T>
class LiveValueSwap {
public:
    LiveValueSwap(T& live, T value) : live_(live), kept_(std::exchange(live, std::move(value))) {}
    explicit LiveValueSwap(T& live) : live_(live), kept_(live) {}
    ~LiveValueSwap() { live_ = std::move(kept_); }
    LiveValueSwap(const LiveValueSwap&) = delete;
    LiveValueSwap& operator=(const LiveValueSwap&) = delete;

private:
    T& live_;
    T kept_;
};

// The host library's error exception: a host error code thrown out of a host call and caught at the message.
#pragma once

#include <exception>

#include "host/Types.h"

class HostError : public std::exception {
public:
    explicit HostError(ASErr code) noexcept : Code(code) {}
    const char* what() const noexcept override { return "host error"; }

    // The host error code the message answers.
    ASErr Code;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>

namespace host {

/// An error raised by a host service: a text that is no number, a missing or duplicate element.
class HostError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

} // namespace host

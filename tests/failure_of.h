// A result's failure as an optional, for tests that compare it with the failure they expect or with
// nothing at all.
#pragma once

#include "core/result.h"

#include <optional>

template <typename Failure> std::optional<Failure> failureOf(const core::Result<void, Failure>& result)
{
    return result.ok() ? std::nullopt : std::optional<Failure>(result.failure());
}

#pragma once
// The loaders run with smaller size limits under the fuzzer, so that each input costs
// milliseconds rather than the seconds a 400 MB picture takes; the checks are the same code.
#include "document/picture_limits.h"

namespace nabrilo {
inline constexpr PictureLimits kFuzzLimits{4096, 4'000'000};
}

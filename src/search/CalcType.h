#pragma once

namespace ostrel {

// What a calculation fills: a byte capacity or a playing time. Stored as
// an int; any other value is invalid and a search asked for it produces
// nothing.
enum class CalcType : int { Data = 0, Audio = 10 };

}  // namespace ostrel

#pragma once
// The lookup every tool and stamp table uses: the row whose `tag` member is `tag`.

#include <iterator>

namespace nabrilo {

// The first row of `rows` with that tag, or nullptr.
template <class Rows>
constexpr auto Find_By_Tag(const Rows& rows, int tag) -> decltype(&*std::begin(rows)) {
  for (const auto& row : rows) {
    if (row.tag == tag) return &row;
  }
  return nullptr;
}

}  // namespace nabrilo

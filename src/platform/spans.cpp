#include "platform/spans.h"

#include <algorithm>

namespace nabrilo {

void SpanSet::Add(std::int64_t y, std::int64_t x0, std::int64_t x1) {
  if (y < clip_.top() || y > clip_.bottom()) return;
  x0 = std::max<std::int64_t>(x0, clip_.left());
  x1 = std::min<std::int64_t>(x1, std::int64_t{clip_.right()} + 1);
  if (x1 <= x0) return;
  const Span s{static_cast<int>(y), static_cast<int>(x0), static_cast<int>(x1)};
  if (mode_ == Mode::Parity) {
    spans_.push_back(s);
    normalised_ = false;
    return;
  }
  if (!spans_.empty()) {
    Span& last = spans_.back();
    // Runs usually arrive in order; keep them merged as they come.
    if (last.y == s.y && s.x0 >= last.x0 && s.x0 <= last.x1) {
      last.x1 = std::max(last.x1, s.x1);
      return;
    }
    if (last.y > s.y || (last.y == s.y && s.x0 < last.x1)) normalised_ = false;
  }
  spans_.push_back(s);
}

void SpanSet::AddSet(const SpanSet& other) {
  for (const Span& s : other.spans_) Add(s.y, s.x0, s.x1);
}

void SpanSet::Normalise() {
  if (normalised_) return;
  if (mode_ == Mode::Parity) {
    NormaliseParity();
    return;
  }
  std::sort(spans_.begin(), spans_.end(),
            [](const Span& a, const Span& b) { return a.y != b.y ? a.y < b.y : a.x0 < b.x0; });
  std::vector<Span> merged;
  merged.reserve(spans_.size());
  for (const Span& s : spans_) {
    if (!merged.empty() && merged.back().y == s.y && s.x0 <= merged.back().x1) {
      merged.back().x1 = std::max(merged.back().x1, s.x1);
    } else {
      merged.push_back(s);
    }
  }
  spans_.swap(merged);
  normalised_ = true;
}

void SpanSet::NormaliseParity() {
  // Per row, sweep the run boundaries and keep the stretches covered an odd number of times.
  std::sort(spans_.begin(), spans_.end(),
            [](const Span& a, const Span& b) { return a.y != b.y ? a.y < b.y : a.x0 < b.x0; });
  std::vector<Span> out;
  std::vector<std::pair<int, int>> edges;  // (x, +1 start / -1 end)
  for (size_t i = 0; i < spans_.size();) {
    const int y = spans_[i].y;
    edges.clear();
    for (; i < spans_.size() && spans_[i].y == y; ++i) {
      edges.push_back({spans_[i].x0, 1});
      edges.push_back({spans_[i].x1, -1});
    }
    std::sort(edges.begin(), edges.end());
    int depth = 0;
    for (size_t k = 0; k + 1 < edges.size(); ++k) {
      depth += edges[k].second;
      const int x0 = edges[k].first, x1 = edges[k + 1].first;
      if (x1 <= x0 || depth % 2 == 0) continue;
      if (!out.empty() && out.back().y == y && out.back().x1 == x0) {
        out.back().x1 = x1;
      } else {
        out.push_back({y, x0, x1});
      }
    }
  }
  spans_.swap(out);
  mode_ = Mode::Union;  // a normalised set is a plain set of pixels
  normalised_ = true;
}

namespace {

// Walks two normalised span lists row by row and keeps, per row, the pixels for which
// keep(in_a, in_b) holds.
template <typename Keep>
std::vector<Span> Combine(const std::vector<Span>& a, const std::vector<Span>& b, Keep keep) {
  std::vector<Span> out;
  size_t i = 0, j = 0;
  std::vector<int> edges;
  while (i < a.size() || j < b.size()) {
    const int y = (j >= b.size() || (i < a.size() && a[i].y <= b[j].y)) ? a[i].y : b[j].y;
    const size_t i0 = i, j0 = j;
    while (i < a.size() && a[i].y == y) ++i;
    while (j < b.size() && b[j].y == y) ++j;
    // Sweep the boundaries of both rows in order.
    edges.clear();
    for (size_t k = i0; k < i; ++k) edges.insert(edges.end(), {a[k].x0, a[k].x1});
    for (size_t k = j0; k < j; ++k) edges.insert(edges.end(), {b[k].x0, b[k].x1});
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
    size_t ka = i0, kb = j0;
    for (size_t e = 0; e + 1 < edges.size(); ++e) {
      const int x0 = edges[e], x1 = edges[e + 1];
      while (ka < i && a[ka].x1 <= x0) ++ka;
      while (kb < j && b[kb].x1 <= x0) ++kb;
      const bool in_a = ka < i && a[ka].x0 <= x0;
      const bool in_b = kb < j && b[kb].x0 <= x0;
      if (!keep(in_a, in_b)) continue;
      if (!out.empty() && out.back().y == y && out.back().x1 == x0) {
        out.back().x1 = x1;
      } else {
        out.push_back({y, x0, x1});
      }
    }
  }
  return out;
}

}  // namespace

void SpanSet::Subtract(const SpanSet& other) {
  if (other.spans_.empty() || spans_.empty()) return;
  spans_ = Combine(spans_, other.spans_, [](bool a, bool b) { return a && !b; });
}

QRect SpanSet::Bounds() const {
  if (spans_.empty()) return {};
  int x0 = spans_.front().x0, x1 = spans_.front().x1;
  for (const Span& s : spans_) {
    x0 = std::min(x0, s.x0);
    x1 = std::max(x1, s.x1);
  }
  return QRect(QPoint(x0, spans_.front().y), QPoint(x1 - 1, spans_.back().y));
}

}  // namespace nabrilo

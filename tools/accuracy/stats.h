// Summary statistics of absolute differences.
#ifndef VELMOOR_TOOLS_ACCURACY_STATS_H
#define VELMOOR_TOOLS_ACCURACY_STATS_H

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace accuracy {

constexpr double kPiDouble = 3.14159265358979323846;
constexpr double kRadToArcmin = 180.0 * 60.0 / kPiDouble;

// Collects absolute differences (arc minutes) and remembers where the
// largest one was met: a year and, for the stars, a catalogue index.
class Sample {
 public:
  void Add(double difference, int year, int star = -1) {
    const double a = std::fabs(difference);
    if (values_.empty() || a > max_) {
      max_ = a;
      worstYear_ = year;
      worstStar_ = star;
    }
    sum_ += a;
    values_.push_back(a);
  }

  std::size_t Count() const { return values_.size(); }
  double Max() const { return values_.empty() ? 0.0 : max_; }
  double Mean() const {
    return values_.empty() ? 0.0 : sum_ / static_cast<double>(values_.size());
  }
  // Nearest-rank percentile, p in (0, 100].
  double Percentile(double p) const {
    if (values_.empty()) return 0.0;
    std::vector<double> sorted = values_;
    std::sort(sorted.begin(), sorted.end());
    std::size_t rank = static_cast<std::size_t>(
        std::ceil(p / 100.0 * static_cast<double>(sorted.size())));
    if (rank < 1) rank = 1;
    return sorted[rank - 1];
  }
  int WorstYear() const { return worstYear_; }
  int WorstStar() const { return worstStar_; }

 private:
  std::vector<double> values_;
  double max_ = 0;
  double sum_ = 0;
  int worstYear_ = 0;
  int worstStar_ = -1;
};

// a - b for angles in radians, wrapped to [-pi, pi], in arc minutes.
inline double AngleDifferenceArcmin(double a, double b) {
  const double d = std::remainder(a - b, 2.0 * kPiDouble);
  return d * kRadToArcmin;
}

// a - b in radians, plain, in arc minutes.
inline double DifferenceArcmin(double a, double b) {
  return (a - b) * kRadToArcmin;
}

}  // namespace accuracy

#endif  // VELMOOR_TOOLS_ACCURACY_STATS_H

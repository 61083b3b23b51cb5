// Pieces of the reduction of a catalogue place (mean equinox and epoch
// B1950.0) to the apparent place of date, shared by StarPosition and its
// tests.  All angles in radians unless a field says otherwise.
#ifndef VELMOOR_STARS_REDUCTION_H
#define VELMOOR_STARS_REDUCTION_H

namespace stars {

// Quantities that depend on the date only, the same for every star.
struct ReductionTerms {
  long double T;      // Julian centuries from JD 2415020.0
  long double t;      // tropical centuries from B1950.0 (JD 2433282.423)
  long double zeta;   // precession angles from B1950.0 to the date
  long double z;
  long double theta;
  long double sunLongitude;         // lambda, the Sun's apparent longitude
  long double nutationLongitude;    // delta psi, seconds of arc
  long double nutationObliquity;    // delta epsilon, seconds of arc
  long double trueObliquity;        // epsilon' = epsilon + delta epsilon
};

ReductionTerms ReductionTermsAt(long double jd);

// The branch of alpha (the single-argument arctangent plus z, known only up
// to a multiple of pi) next to the reference right ascension: alpha is kept
// when it lies within 0.1 rad of the reference; otherwise pi is subtracted
// while reference - alpha < 0.1, then added while reference - alpha > 0.1,
// which leaves alpha in [reference - 0.1, reference + pi - 0.1).  Ends for
// any input: a NaN or infinite argument gives alpha back unchanged.
long double NearestBranch(long double reference, long double alpha);

}  // namespace stars

#endif  // VELMOOR_STARS_REDUCTION_H

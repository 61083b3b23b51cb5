#include "astro/delta_t.h"

namespace astro {

long double DeltaTMinutes(long double T0) {
  return 1.2053 * T0 + (-0.41) + 0.4992 * T0 * T0;
}

}  // namespace astro

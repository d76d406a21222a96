#include "core/integer_square_root.h"

#include <cmath>

namespace velnorit {

UInt128 integerSquareRoot(UInt128 x) {
    // The long double root is within a few units of the true one for every x
    // below 2^126; the two loops make it exact.
    auto root = static_cast<UInt128>(std::sqrt(static_cast<long double>(x)));
    while (root > 0 && root * root > x) --root;
    while ((root + 1) * (root + 1) <= x) ++root;
    return root;
}

} // namespace velnorit

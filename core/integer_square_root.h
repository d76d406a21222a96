#pragma once

// The exact integer square root, for the arithmetic of the continued fraction
// and of exact decimals, where a rounded floating-point root is not enough.
namespace velnorit {

__extension__ typedef __int128 Int128;
__extension__ typedef unsigned __int128 UInt128;

// The greatest r with r * r <= x.
UInt128 integerSquareRoot(UInt128 x);

} // namespace velnorit

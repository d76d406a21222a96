#include "core/target.h"

namespace velnorit {

void computeTarget(WindowState& state, const TargetControls& controls) {
    if (controls.plusSelected) state.sign = 1;
    if (controls.minusSelected) state.sign = -1;
    const Integer a = controls.abs;
    const Integer n = controls.nenner;
    const Integer w = controls.wurzel;
    const double root = checkedSquareRoot(w);
    const Integer product = integerMultiply(state.sign, a);
    const double q = checkedDivide(checkedAdd(root, product), n);
    state.target = q;
}

int optionSign(bool plusSelected, bool minusSelected) {
    int sign = 0;
    if (plusSelected) sign = 1;
    if (minusSelected) sign = -1;
    return sign;
}

} // namespace velnorit

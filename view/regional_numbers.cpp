#include "view/regional_numbers.h"

#include "core/number_format.h"

#include <QLocale>

namespace velnorit::view {

std::string userDecimalSeparator() { return QLocale().decimalPoint().toStdString(); }

std::string boxText(double value) { return textForm(value, userDecimalSeparator()); }

} // namespace velnorit::view

#pragma once
// Money as the German locale writes it, without needing that locale
// installed: a decimal comma, a point between thousands, the euro sign after
// the amount: "1.234,50 €".

#include "platform/money/Money.h"

namespace testsupport {

inline const platform::Money& euroMoney()
{
    static const platform::Money m([] {
        platform::MoneyLocale l;
        l.currencySymbol = "\xE2\x82\xAC";
        l.decimalPoint = ",";
        l.thousandsSep = ".";
        l.pCsPrecedes = l.nCsPrecedes = false;
        l.pSepBySpace = l.nSepBySpace = 1;
        l.nSignPosn = 1;
        return l;
    }());
    return m;
}

} // namespace testsupport

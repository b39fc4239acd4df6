#pragma once
// The class factory hosts get from DllGetClassObject: a counted object with
// the factory's function table, making Sheerpane controls.

#include "sheerpane/SheerpaneLib.h"

namespace sheerpane {

// A new factory with a count of 1; it counts as a live object of the library
// until released.
SpClassFactory* newClassFactory();

bool sameGuid(const SpGuid& a, const SpGuid& b);

} // namespace sheerpane

// Runs the shared profile store cases against the simulator's store.
// The Windows test binary hands them kernel32's instead.
#include "platform/sim/ini_profile_store.h"
#include "tests/shared/profile_conformance.h"

std::unique_ptr<kn::ProfileStore> MakeStoreUnderTest() {
    return std::make_unique<kn::IniProfileStore>();
}

bool StoreIsWines() {
    return false;
}

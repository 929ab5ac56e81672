// Runs the shared profile store cases against kernel32's profile functions, so the simulator's
// store is held to what Windows really does.
#include "platform/win32/win32_profile_store.h"
#include "tests/shared/profile_conformance.h"

std::unique_ptr<kn::ProfileStore> MakeStoreUnderTest() {
    return std::make_unique<kn::Win32ProfileStore>();
}

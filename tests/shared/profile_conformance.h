// The profile store cases every platform's store must pass. Each test binary defines
// MakeStoreUnderTest() to hand the suite its own store.
#pragma once

#include <memory>

#include "platform/profile_store.h"
#include "tests/shared/scratch_dir.h"

std::unique_ptr<kn::ProfileStore> MakeStoreUnderTest();

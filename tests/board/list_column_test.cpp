// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#include "list_column_contract.h"

namespace {

struct MemoryHolder
{
    board::MemoryColumn memory;
    board::ListColumn &column() { return memory; }
};

} // namespace

namespace board::contract {
INSTANTIATE_TYPED_TEST_SUITE_P(Memory, ListColumnContract, MemoryHolder);
} // namespace board::contract

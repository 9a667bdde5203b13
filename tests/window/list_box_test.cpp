// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

// The list box, shown as the learner's lists are, passes the same column contract as the board's
// memory column.

#include "list_box.h"
#include "list_column_contract.h"

#include <QApplication>

namespace {

struct ShownListBox
{
    ShownListBox()
    {
        box.show();
        box.setFocus();
    }
    ListBox box;
    board::ListColumn &column() { return box; }
};

} // namespace

namespace board::contract {
INSTANTIATE_TYPED_TEST_SUITE_P(ShownListBox, ListColumnContract, ShownListBox);
} // namespace board::contract

int main(int argc, char **argv)
{
    // Listing the tests at build time must not need a display either.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

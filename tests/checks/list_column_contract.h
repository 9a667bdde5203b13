// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

// What every ListColumn must do, as one typed suite. A test program instantiates it for its own
// implementation with a holder type: default-constructible, owning one empty column, and handing it
// out from `column()`:
//
//   INSTANTIATE_TYPED_TEST_SUITE_P(Memory, ListColumnContract, MemoryHolder);

#pragma once

#include "invariants.h"
#include "list_column.h"

#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace board::contract {

using Rows = std::vector<std::string>;
using Action = std::function<void(ListColumn &)>;

struct ChangeCase
{
    const char *name;
    Rows before;
    int selectedBefore;
    Action action;
    Rows after;
    int selectedAfter;
};

struct RefusalCase
{
    const char *name;
    Rows rows;
    int selected;
    Action action;
    const char *operation; // named in the message, with the position and the row count
    int position;
};

inline void Fill(ListColumn &column, const Rows &rows, int selected)
{
    for (const std::string &row : rows) {
        column.AddItem(row);
    }
    column.ListIndex(selected);
}

inline const std::vector<ChangeCase> &ChangeCases()
{
    static const std::vector<ChangeCase> cases{
        {"add to an empty column",
         {},
         -1,
         [](ListColumn &c) { c.AddItem("Аспарух"); },
         {"Аспарух"},
         -1},
        {"add appends unsorted and keeps the selection",
         {"хазари", "Аспарух"},
         0,
         [](ListColumn &c) { c.AddItem("Елена"); },
         {"хазари", "Аспарух", "Елена"},
         0},
        {"add keeps a twin row and a trailing blank",
         {"Евридика "},
         -1,
         [](ListColumn &c) { c.AddItem("Евридика "); },
         {"Евридика ", "Евридика "},
         -1},
        {"add an empty row", {"a"}, 0, [](ListColumn &c) { c.AddItem(""); }, {"a", ""}, 0},
        {"write one slot of blanks",
         {" ", " ", " "},
         2,
         [](ListColumn &c) { c.List(1, "А"); },
         {" ", "А", " "},
         2},
        {"write the selected row",
         {"a", "b"},
         1,
         [](ListColumn &c) { c.List(1, "в"); },
         {"a", "в"},
         1},
        {"remove the selected row, then deselect",
         {"a", "b", "c", "d"},
         1,
         [](ListColumn &c) {
             c.RemoveItem(1);
             c.ListIndex(-1);
         },
         {"a", "c", "d"},
         -1},
        {"remove the selected row",
         {"a", "b", "c"},
         1,
         [](ListColumn &c) { c.RemoveItem(1); },
         {"a", "c"},
         -1},
        {"remove above the selection",
         {"a", "b", "c"},
         2,
         [](ListColumn &c) { c.RemoveItem(0); },
         {"b", "c"},
         1},
        {"remove just above the selection",
         {"a", "b", "c"},
         1,
         [](ListColumn &c) { c.RemoveItem(0); },
         {"b", "c"},
         0},
        {"remove below the selection",
         {"a", "b", "c"},
         0,
         [](ListColumn &c) { c.RemoveItem(2); },
         {"a", "b"},
         0},
        {"remove the only row", {"a"}, 0, [](ListColumn &c) { c.RemoveItem(0); }, {}, -1},
        {"select another row",
         {"a", "b", "c"},
         0,
         [](ListColumn &c) { c.ListIndex(2); },
         {"a", "b", "c"},
         2},
        {"select nothing", {"a", "b"}, 1, [](ListColumn &c) { c.ListIndex(-1); }, {"a", "b"}, -1},
        {"clear", {"a", "b"}, 1, [](ListColumn &c) { c.Clear(); }, {}, -1},
        {"clear an empty column", {}, -1, [](ListColumn &c) { c.Clear(); }, {}, -1},
        {"clear, then add",
         {"a"},
         0,
         [](ListColumn &c) {
             c.Clear();
             c.AddItem("b");
         },
         {"b"},
         -1},
    };
    return cases;
}

inline const std::vector<RefusalCase> &RefusalCases()
{
    const Rows three{"a", "b", "c"};
    static const std::vector<RefusalCase> cases{
        {"read above", three, 1, [](ListColumn &c) { (void)c.List(-1); }, "List", -1},
        {"read below", three, 1, [](ListColumn &c) { (void)c.List(3); }, "List", 3},
        {"read an empty column", {}, -1, [](ListColumn &c) { (void)c.List(0); }, "List", 0},
        {"write above", three, 1, [](ListColumn &c) { c.List(-1, "x"); }, "List", -1},
        {"write below", three, 1, [](ListColumn &c) { c.List(3, "x"); }, "List", 3},
        {"remove above", three, 1, [](ListColumn &c) { c.RemoveItem(-1); }, "RemoveItem", -1},
        {"remove below", three, 1, [](ListColumn &c) { c.RemoveItem(3); }, "RemoveItem", 3},
        {"remove from an empty column",
         {},
         -1,
         [](ListColumn &c) { c.RemoveItem(0); },
         "RemoveItem",
         0},
        {"select -2", three, 1, [](ListColumn &c) { c.ListIndex(-2); }, "ListIndex", -2},
        {"select below", three, 1, [](ListColumn &c) { c.ListIndex(3); }, "ListIndex", 3},
        {"select far below", three, -1, [](ListColumn &c) { c.ListIndex(40000); }, "ListIndex",
         40000},
        {"select in an empty column",
         {},
         -1,
         [](ListColumn &c) { c.ListIndex(0); },
         "ListIndex",
         0},
    };
    return cases;
}

template <typename Holder> class ListColumnContract : public ::testing::Test
{
protected:
    Holder m_holder;
};

TYPED_TEST_SUITE_P(ListColumnContract);

TYPED_TEST_P(ListColumnContract, StartsEmpty)
{
    const ListColumn &column = this->m_holder.column();
    EXPECT_EQ(column.ListCount(), 0);
    EXPECT_EQ(column.ListIndex(), -1);
}

TYPED_TEST_P(ListColumnContract, Changes)
{
    for (const ChangeCase &change : ChangeCases()) {
        SCOPED_TRACE(change.name);
        ListColumn &column = this->m_holder.column();
        column.Clear();
        Fill(column, change.before, change.selectedBefore);

        change.action(column);

        EXPECT_EQ(checks::Rows(column), change.after);
        EXPECT_EQ(column.ListCount(), static_cast<int>(change.after.size()));
        EXPECT_EQ(column.ListIndex(), change.selectedAfter);
    }
}

TYPED_TEST_P(ListColumnContract, RefusesPositionsOutsideAndChangesNothing)
{
    for (const RefusalCase &refusal : RefusalCases()) {
        SCOPED_TRACE(refusal.name);
        ListColumn &column = this->m_holder.column();
        column.Clear();
        Fill(column, refusal.rows, refusal.selected);

        try {
            refusal.action(column);
            ADD_FAILURE() << "no BoardError";
        } catch (const BoardError &error) {
            using ::testing::HasSubstr;
            EXPECT_THAT(error.what(), HasSubstr(refusal.operation));
            EXPECT_THAT(error.what(), HasSubstr("position " + std::to_string(refusal.position)));
            EXPECT_THAT(error.what(), HasSubstr(std::to_string(refusal.rows.size()) + " rows"));
        }

        EXPECT_EQ(checks::Rows(column), refusal.rows);
        EXPECT_EQ(column.ListIndex(), refusal.selected);
    }
}

REGISTER_TYPED_TEST_SUITE_P(ListColumnContract, StartsEmpty, Changes,
                            RefusesPositionsOutsideAndChangesNothing);

} // namespace board::contract

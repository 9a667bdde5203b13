// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#include "board.h"
#include "content.h"
#include "invariants.h"

#include <climits>
#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace board {
namespace {

using Texts = std::vector<std::string>;
using checks::Rows;

// Names a table row in test names and failures by its name alone.
template <typename Case>
requires requires(const Case &row)
{
    row.name;
}
void PrintTo(const Case &row, std::ostream *out)
{
    *out << row.name;
}

const Texts blankSlots(9, " ");
const Texts khan{"х", "А", "н", "т", "Е", "р", "в", "Е", "Л"};

class BoardTest : public ::testing::Test
{
public:
    BoardTest()
    {
        FillMasters(m_board, BuiltInPuzzle());
        ResetBoard(m_board);
    }

    // Selects the rows with these texts, or nothing where a text is not given, and presses.
    Choice choose(const std::optional<std::string> &word,
                  const std::optional<std::string> &explanation) const
    {
        m_board.List1(0).ListIndex(word ? checks::RowOf(m_board.List1(0), *word) : -1);
        m_board.List1(1).ListIndex(explanation ? checks::RowOf(m_board.List1(1), *explanation)
                                               : -1);
        return CheckChoice(m_board);
    }

    void playWholeGame() const
    {
        const MasterRows &masters = BuiltInPuzzle();
        for (std::size_t w = 0; w < masters.words.size(); ++w) {
            for (std::size_t e = 0; e < masters.explanations.size(); ++e) {
                if (masters.wordKeys[w] == masters.explanationKeys[e]) {
                    choose(masters.words[w], masters.explanations[e]);
                }
            }
        }
    }

    bool inStartingPosition() const
    {
        const MasterRows &masters = BuiltInPuzzle();
        return Rows(m_board.List1(0)) == masters.words &&
               Rows(m_board.List1(1)) == masters.explanations &&
               Rows(m_board.List1(2)) == masters.wordKeys &&
               Rows(m_board.List1(3)) == masters.explanationKeys &&
               Rows(m_board.List3()) == blankSlots && m_board.List1(0).ListIndex() == -1 &&
               m_board.List1(1).ListIndex() == -1;
    }

    MemoryBoard m_columns;
    Board m_board = m_columns.board();
};

TEST_F(BoardTest, StartingPosition)
{
    EXPECT_TRUE(inStartingPosition());
    EXPECT_EQ(Rows(m_board.List1(0)), (Texts{"Аспарух", "византийци", "Евридика ", "Елена",
                                             "Лакедемон", "нобили", "рицар", "таран", "хазари"}));
    EXPECT_EQ(Rows(m_board.List1(3)), (Texts{"1", "6", "3", "8", "4", "0", "2", "7", "5"}));
    EXPECT_EQ(checks::BrokenRule(m_board, BuiltInPuzzle()), "");
}

struct ResetCase
{
    const char *name;
    std::function<void(BoardTest &)> before;
};

class ResetTest : public BoardTest, public ::testing::WithParamInterface<ResetCase>
{};

TEST_P(ResetTest, RestoresTheStartingPosition)
{
    GetParam().before(*this);
    ResetBoard(m_board);
    EXPECT_TRUE(inStartingPosition());
    EXPECT_EQ(Rows(m_board.List2(0)), BuiltInPuzzle().words);
}

INSTANTIATE_TEST_SUITE_P(
    Board, ResetTest,
    ::testing::Values(
        ResetCase{"start", [](BoardTest &) {}},
        ResetCase{"after_two_matches",
                  [](BoardTest &test) {
                      test.choose("хазари", "полуномадска народност, севернокавказки произход");
                      test.choose("Елена", "съпруга на Меналай, причина за Троянската война");
                  }},
        ResetCase{"selections_in_both_lists",
                  [](BoardTest &test) {
                      test.m_board.List1(0).ListIndex(3);
                      test.m_board.List1(1).ListIndex(5);
                  }},
        ResetCase{"twice_in_a_row", [](BoardTest &test) { ResetBoard(test.m_board); }},
        ResetCase{"after_the_game", [](BoardTest &test) { test.playWholeGame(); }}),
    [](const auto &info) { return std::string(info.param.name); });

struct ChoiceCase
{
    const char *name;
    std::optional<std::string> word;
    std::optional<std::string> explanation;
    bool matches;
    int slot;           // filled by a match
    const char *letter; // written there
    int wordSelectedAfter;
    int explanationSelectedAfter;
};

class ChoiceTest : public BoardTest, public ::testing::WithParamInterface<ChoiceCase>
{};

TEST_P(ChoiceTest, JudgesThePair)
{
    const ChoiceCase &choice = GetParam();
    const Choice judged = choose(choice.word, choice.explanation);
    const bool judges = choice.word && choice.explanation;
    EXPECT_EQ(judged.outcome, choice.matches ? Choice::Outcome::Right
                              : judges       ? Choice::Outcome::Wrong
                                             : Choice::Outcome::NoChoice);
    EXPECT_EQ(judged.word, judges ? *choice.word : "");
    EXPECT_EQ(judged.slot, choice.matches ? choice.slot : -1);
    EXPECT_EQ(judged.letter, choice.matches ? choice.letter : "");

    const MasterRows &masters = BuiltInPuzzle();
    Texts words = masters.words;
    Texts explanations = masters.explanations;
    Texts slots = blankSlots;
    if (choice.matches) {
        std::erase(words, *choice.word);
        std::erase(explanations, *choice.explanation);
        slots[static_cast<std::size_t>(choice.slot)] = choice.letter;
    }
    EXPECT_EQ(Rows(m_board.List1(0)), words);
    EXPECT_EQ(Rows(m_board.List1(1)), explanations);
    EXPECT_EQ(Rows(m_board.List3()), slots);
    EXPECT_EQ(m_board.List1(0).ListIndex(), choice.wordSelectedAfter);
    EXPECT_EQ(m_board.List1(1).ListIndex(), choice.explanationSelectedAfter);
    EXPECT_EQ(checks::BrokenRule(m_board, masters), "");
}

INSTANTIATE_TEST_SUITE_P(
    Board, ChoiceTest,
    ::testing::Values(
        ChoiceCase{"nothing_selected", {}, {}, false, 0, "", -1, -1},
        ChoiceCase{"word_only", "хазари", {}, false, 0, "", 8, -1},
        ChoiceCase{"explanation_only", {}, "любимата на Орфей", false, 0, "", -1, 4},
        ChoiceCase{"wrong_pair", "Аспарух", "древна стенобойна машина", false, 0, "", -1, -1},
        ChoiceCase{"right_pair_on_the_same_row", "Аспарух",
                   "български владетел, основател на Дунавска България", true, 1, "А", -1, -1},
        ChoiceCase{"right_pair_on_different_rows", "хазари",
                   "полуномадска народност, севернокавказки произход", true, 0, "х", -1, -1},
        ChoiceCase{"right_pair_word_with_trailing_blank", "Евридика ", "любимата на Орфей", true, 4,
                   "Е", -1, -1},
        ChoiceCase{"right_pair_last_rows", "Лакедемон", "другото име на Спарта", true, 8, "Л", -1,
                   -1}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(BoardTest, PressAfterTheGameChangesNothing)
{
    playWholeGame();
    ASSERT_EQ(Rows(m_board.List3()), khan);

    CheckChoice(m_board);

    EXPECT_EQ(m_board.List1(0).ListCount(), 0);
    EXPECT_EQ(m_board.List1(1).ListCount(), 0);
    EXPECT_EQ(Rows(m_board.List3()), khan);
}

TEST(EmptyBoard, ResetAndPressWithNoMastersLeaveNothing)
{
    MemoryBoard columns;
    const Board board = columns.board();
    ResetBoard(board);
    CheckChoice(board);
    EXPECT_EQ(board.List1(0).ListCount(), 0);
    EXPECT_EQ(board.List3().ListCount(), 0);
}

TEST(BoardFaults, KeyOutsideTheSlotsIsRefusedBeforeAnyRowLeaves)
{
    MemoryBoard columns;
    const Board board = columns.board();
    FillMasters(board, MasterRows{{"a", "b"}, {"x", "y"}, {"0", "5"}, {"0", "5"}});
    ResetBoard(board);
    board.List1(0).ListIndex(1);
    board.List1(1).ListIndex(1);

    EXPECT_THROW(CheckChoice(board), BoardError);
    EXPECT_EQ(Rows(board.List1(0)), (Texts{"a", "b"}));
    EXPECT_EQ(Rows(board.List1(1)), (Texts{"x", "y"}));
    EXPECT_EQ(Rows(board.List3()), (Texts{" ", " "}));
}

// Plays to the end in random orders, with wrong tries, one-sided presses and stray resets.
TEST_F(BoardTest, WholeGameInRandomOrders)
{
    const MasterRows &masters = BuiltInPuzzle();
    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 random(seed);
        ResetBoard(m_board);
        int resetsLeft = 3;
        int presses = 0;
        while (m_board.List1(0).ListCount() > 0) {
            ASSERT_LT(++presses, 10000);
            const auto pick = [&random](const ListColumn &column) {
                std::uniform_int_distribution<int> row(-1, column.ListCount() - 1);
                return row(random);
            };
            const int word = pick(m_board.List1(0));
            m_board.List1(0).ListIndex(word);
            if (word >= 0 && random() % 2 == 0) {
                // Prefer the right explanation half the time, so that games end.
                const std::string key = m_board.List1(2).List(word);
                m_board.List1(1).ListIndex(checks::RowOf(m_board.List1(3), key));
            } else {
                m_board.List1(1).ListIndex(pick(m_board.List1(1)));
            }
            if (resetsLeft > 0 && random() % 40 == 0) {
                --resetsLeft;
                ResetBoard(m_board);
                ASSERT_TRUE(inStartingPosition());
            } else {
                CheckChoice(m_board);
            }
            ASSERT_EQ(checks::BrokenRule(m_board, masters), "");
        }
        EXPECT_EQ(Rows(m_board.List3()), khan);
    }
}

struct KeyCase
{
    const char *name;
    const char *text;
    int value;
};

class KeyValueTest : public ::testing::TestWithParam<KeyCase>
{};

TEST_P(KeyValueTest, ReadsTheLeadingNumeral)
{
    EXPECT_EQ(KeyValue(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Board, KeyValueTest,
    ::testing::Values(
        KeyCase{"digit", "7", 7}, KeyCase{"leading_blanks", "   3", 3},
        KeyCase{"leading_tab", "\t5", 5}, KeyCase{"text_after_the_numeral", "12abc", 12},
        KeyCase{"blank_after_the_numeral", "4 2", 4}, KeyCase{"leading_zeros", "007", 7},
        KeyCase{"largest_int", "2147483647", INT_MAX}, KeyCase{"no_numeral", "abc", 0},
        KeyCase{"empty", "", 0}, KeyCase{"only_blanks", "  ", 0}, KeyCase{"minus_sign", "-4", 0},
        KeyCase{"plus_sign", "+4", 0}, KeyCase{"minus_many_digits", "-99999999999", 0},
        KeyCase{"cyrillic", "три", 0}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(KeyValueTooLarge, IsAnErrorNamingTheKey)
{
    for (const char *text : {"2147483648", "  99999999999999999999", "18446744073709551617"}) {
        SCOPED_TRACE(text);
        try {
            (void)KeyValue(text);
            ADD_FAILURE() << "no BoardError";
        } catch (const BoardError &error) {
            EXPECT_NE(std::string(error.what()).find(text), std::string::npos) << error.what();
        }
    }
}

struct FirstCharacterCase
{
    const char *name;
    const char *text;
    const char *first;
};

class FirstCharacterTest : public ::testing::TestWithParam<FirstCharacterCase>
{};

TEST_P(FirstCharacterTest, TakesAWholeCharacter)
{
    EXPECT_EQ(FirstCharacter(GetParam().text), GetParam().first);
}

INSTANTIATE_TEST_SUITE_P(Board, FirstCharacterTest,
                         ::testing::Values(FirstCharacterCase{"cyrillic_capital", "Аспарух", "А"},
                                           FirstCharacterCase{"cyrillic_small", "хазари", "х"},
                                           FirstCharacterCase{"trailing_blank", "Евридика ", "Е"},
                                           FirstCharacterCase{"latin", "abc", "a"},
                                           FirstCharacterCase{"three_bytes", "€uro", "€"},
                                           FirstCharacterCase{"four_bytes", "😀 smile", "😀"},
                                           FirstCharacterCase{"one_character", "Л", "Л"},
                                           FirstCharacterCase{"empty", "", ""}),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace board

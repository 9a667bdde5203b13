// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#pragma once

#include "board.h"
#include "list_box.h"

#include <QWidget>

/// The nine columns of a MainForm, found by their controls' names.
inline board::Board FormColumns(const QWidget &form)
{
    const auto list = [&form](const char *name) -> ListBox & {
        return *form.findChild<ListBox *>(QLatin1String(name));
    };
    return {{list("List1_0"), list("List1_1"), list("List1_2"), list("List1_3")},
            {list("List2_0"), list("List2_1"), list("List2_2"), list("List2_3")},
            list("List3")};
}

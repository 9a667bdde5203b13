// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#include "link_dialog.h"

#include "build_settings.h"
#include "main_form.h"
#include "puzzle_link.h"
#include "qr_code.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QSettings>
#include <QVBoxLayout>

namespace {

const QString playerKey = QStringLiteral("link/player");
const QString onSheetKey = QStringLiteral("link/onSheet");

QString rememberedPlayer()
{
    return QSettings().value(playerKey, QString::fromUtf8(build::playerAddress)).toString();
}
constexpr int codeSide = 480; // pixels, so that a projector makes it large

} // namespace

LinkDialog::LinkDialog(const board::Exercise &exercise, QWidget *parent)
    : QDialog(parent), m_text(web::LinkText(exercise))
{
    setWindowTitle(QStringLiteral("Връзка и QR код"));
    m_player = new QLineEdit(rememberedPlayer());
    m_player->setAccessibleName(QStringLiteral("Адрес на играча"));
    m_shown = new QPlainTextEdit;
    m_shown->setReadOnly(true);
    m_shown->setAccessibleName(QStringLiteral("Връзка"));
    m_shown->setTabChangesFocus(true);
    m_shown->setFixedHeight(m_shown->fontMetrics().lineSpacing() * 4);
    m_code = new QLabel;
    m_code->setAlignment(Qt::AlignCenter);
    m_code->setMinimumSize(codeSide, codeSide);
    m_code->setAccessibleName(QStringLiteral("QR код на връзката"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QPushButton *copy =
        buttons->addButton(QStringLiteral("Копирай връзката"), QDialogButtonBox::ActionRole);
    m_save = buttons->addButton(QStringLiteral("Запази QR кода…"), QDialogButtonBox::ActionRole);

    auto *fields = new QFormLayout;
    fields->addRow(QStringLiteral("Адрес на играча:"), m_player);
    fields->addRow(QStringLiteral("Връзка:"), m_shown);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    if (web::HasPictures(exercise)) {
        auto *note = new QLabel(QStringLiteral(
            "Картините не влизат във връзката. За тях изпратете файла или страницата."));
        note->setWordWrap(true);
        layout->addWidget(note);
    }
    layout->addWidget(m_code, 1);
    auto *onSheet = new QCheckBox(QStringLiteral("Печатай QR кода на работния лист"));
    onSheet->setChecked(QSettings().value(onSheetKey).toBool());
    connect(onSheet, &QCheckBox::toggled, this,
            [](bool checked) { QSettings().setValue(onSheetKey, checked); });
    layout->addWidget(onSheet);
    layout->addWidget(buttons);

    connect(m_player, &QLineEdit::textChanged, this, &LinkDialog::showLink);
    connect(copy, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(m_link); });
    connect(m_save, &QPushButton::clicked, this, &LinkDialog::saveCode);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    showLink();
    copy->setFocus();
}

// The link to the player's address as it stands, which is remembered, and its code.
void LinkDialog::showLink()
{
    const QString player = m_player->text().trimmed();
    QSettings().setValue(playerKey, player);
    m_link = web::PuzzleLink(player, m_text);
    m_shown->setPlainText(m_link);
    const auto code = web::QrCodeOf(m_link);
    if (const auto *made = std::get_if<web::QrCode>(&code)) {
        const int module = std::max(1, codeSide / (made->size + 8));
        m_code->setPixmap(QPixmap::fromImage(web::QrImage(*made, module)));
        m_save->setEnabled(true);
    } else {
        m_code->setText(QStringLiteral("Няма QR код: ") + std::get<QString>(code));
        m_code->setWordWrap(true);
        m_save->setEnabled(false);
    }
}

QImage LinkDialog::SheetCode(const board::Exercise &exercise)
{
    if (!QSettings().value(onSheetKey).toBool()) {
        return {};
    }
    const auto code = web::QrCodeOf(web::PuzzleLink(rememberedPlayer(), web::LinkText(exercise)));
    const auto *made = std::get_if<web::QrCode>(&code);
    return made != nullptr ? web::QrImage(*made, 1) : QImage();
}

void LinkDialog::saveCode()
{
    QFileDialog dialog(this, tr("Save the QR code"),
                       QFileInfo(m_folder, QStringLiteral("връзка.png")).filePath());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("png"));
    dialog.setNameFilters({tr("Pictures (*.png)"), tr("Drawings (*.svg)")});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    const QString path = dialog.selectedFiles().constFirst();
    m_folder = QFileInfo(path).absolutePath();
    if (const QString error = web::WriteQrCode(m_link, path); !error.isEmpty()) {
        ShowMessage(this, QMessageBox::Critical, windowTitle(), error);
    }
}

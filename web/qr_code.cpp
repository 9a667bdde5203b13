// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#include "qr_code.h"

#include <QCoreApplication>
#include <QSaveFile>
#include <qrcodegen.hpp>

namespace web {

namespace {

constexpr int quietZone = 4; // modules of white around the code

} // namespace

std::variant<QrCode, QString> QrCodeOf(const QString &text)
{
    using qrcodegen::QrCode;
    const QByteArray bytes = text.toUtf8();
    for (const QrCode::Ecc level :
         {QrCode::Ecc::HIGH, QrCode::Ecc::QUARTILE, QrCode::Ecc::MEDIUM, QrCode::Ecc::LOW}) {
        try {
            const QrCode made =
                QrCode::encodeBinary(std::vector<std::uint8_t>(bytes.begin(), bytes.end()), level);
            web::QrCode code{made.getSize(), {}};
            for (int y = 0; y < code.size; ++y) {
                for (int x = 0; x < code.size; ++x) {
                    code.dark.push_back(made.getModule(x, y));
                }
            }
            return code;
        } catch (const qrcodegen::data_too_long &) {
            continue;
        }
    }
    return QCoreApplication::translate(
               "web", "the link is %1 characters long, and a QR code holds at most 2953: "
                      "shorter instructions and explanations make it shorter")
        .arg(text.toUtf8().size());
}

QImage QrImage(const QrCode &code, int module)
{
    const int side = (code.size + 2 * quietZone) * module;
    QImage image(side, side, QImage::Format_Mono);
    image.setColor(0, qRgb(255, 255, 255));
    image.setColor(1, qRgb(0, 0, 0));
    image.fill(0);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const int row = y / module - quietZone;
            const int column = x / module - quietZone;
            if (row >= 0 && column >= 0 && row < code.size && column < code.size &&
                code.dark[(static_cast<std::size_t>(row) * code.size) + column]) {
                image.setPixel(x, y, 1);
            }
        }
    }
    return image;
}

QByteArray QrSvg(const QrCode &code)
{
    const int side = code.size + 2 * quietZone;
    QByteArray path;
    for (int y = 0; y < code.size; ++y) {
        for (int x = 0; x < code.size; ++x) {
            if (code.dark[(static_cast<std::size_t>(y) * code.size) + x]) {
                path += QStringLiteral("M%1,%2h1v1h-1z")
                            .arg(x + quietZone)
                            .arg(y + quietZone)
                            .toLatin1();
            }
        }
    }
    return QStringLiteral(R"(<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 %1 %1" shape-rendering="crispEdges">
<rect width="%1" height="%1" fill="#fff"/>
)")
               .arg(side)
               .toLatin1() +
           R"(<path fill="#000" d=")" + path + "\"/>\n</svg>\n";
}

QString WriteQrCode(const QString &text, const QString &path)
{
    const std::variant<QrCode, QString> code = QrCodeOf(text);
    if (const QString *problem = std::get_if<QString>(&code)) {
        return QCoreApplication::translate("web", "no QR code: %1").arg(*problem);
    }
    const auto &made = std::get<QrCode>(code);
    QSaveFile file(path);
    const bool svg = path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive);
    if (!file.open(QIODevice::WriteOnly) ||
        !(svg ? file.write(QrSvg(made)) >= 0 : QrImage(made, 8).save(&file, "PNG")) ||
        !file.commit()) {
        return QCoreApplication::translate("web", R"(cannot write "%1": %2)")
            .arg(path, file.errorString());
    }
    return {};
}

} // namespace web

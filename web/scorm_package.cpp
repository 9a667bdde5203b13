// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#include "scorm_package.h"

#include "page_parts.h"
#include "web_page.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QList>
#include <QSaveFile>
#include <memory>
#include <utility>
#include <zip.h>

namespace web {

namespace {

// Packages keep no date of their own, so that the same puzzle makes the same file: every entry
// is dated 1980-01-01 00:00, the first day that a zip can tell.
constexpr zip_uint16_t noTime = 0;
constexpr zip_uint16_t noDate = (1 << 5) | 1;

struct SourceFree
{
    void operator()(zip_source_t *source) const { zip_source_free(source); }
};
using Source = std::unique_ptr<zip_source_t, SourceFree>;

struct ArchiveDiscard
{
    void operator()(zip_t *archive) const { zip_discard(archive); }
};
using Archive = std::unique_ptr<zip_t, ArchiveDiscard>;

// The files, each a name and its bytes, as one zip archive in memory. On failure the bytes are
// empty and `error` says why.
QByteArray zipped(const QList<std::pair<QString, QByteArray>> &files, QString *error)
{
    zip_error_t failure;
    zip_error_init(&failure);
    const auto failed = [&](zip_error_t *why) {
        *error = QString::fromUtf8(zip_error_strerror(why));
        return QByteArray();
    };
    const Source memory(zip_source_buffer_create(nullptr, 0, 0, &failure));
    if (!memory) {
        return failed(&failure);
    }
    zip_source_keep(memory.get()); // the archive frees it once; the bytes are read after that
    Archive archive(zip_open_from_source(memory.get(), ZIP_TRUNCATE, &failure));
    if (!archive) {
        return failed(&failure);
    }
    for (const auto &[name, bytes] : files) {
        zip_source_t *data = zip_source_buffer(archive.get(), bytes.constData(),
                                               static_cast<zip_uint64_t>(bytes.size()), 0);
        const zip_int64_t entry =
            data != nullptr
                ? zip_file_add(archive.get(), name.toUtf8().constData(), data, ZIP_FL_ENC_UTF_8)
                : -1;
        if (entry < 0) {
            zip_source_free(data); // the archive took it only if it added the file
            return failed(zip_get_error(archive.get()));
        }
        if (zip_file_set_dostime(archive.get(), static_cast<zip_uint64_t>(entry), noTime, noDate,
                                 0) < 0) {
            return failed(zip_get_error(archive.get()));
        }
    }
    if (zip_close(archive.get()) < 0) {
        return failed(zip_get_error(archive.get()));
    }
    static_cast<void>(archive.release()); // zip_close freed it
    QByteArray bytes;
    if (zip_source_open(memory.get()) < 0 || zip_source_seek(memory.get(), 0, SEEK_END) < 0) {
        return failed(zip_source_error(memory.get()));
    }
    bytes.resize(static_cast<qsizetype>(zip_source_tell(memory.get())));
    zip_source_seek(memory.get(), 0, SEEK_SET);
    const zip_int64_t read =
        zip_source_read(memory.get(), bytes.data(), static_cast<zip_uint64_t>(bytes.size()));
    zip_source_close(memory.get());
    if (read != bytes.size()) {
        return failed(zip_source_error(memory.get()));
    }
    return bytes;
}

QString xmlEscaped(const std::string &text)
{
    return QString::fromStdString(text).toHtmlEscaped();
}

} // namespace

QString ScormManifest(const board::Exercise &exercise)
{
    // The puzzle as the page carries it names the package: the same puzzle, the same name.
    const QByteArray puzzle = QCryptographicHash::hash(parts::exerciseData(exercise).toUtf8(),
                                                       QCryptographicHash::Sha256);
    return parts::filled(
               parts::piecesOf(parts::resource(QStringLiteral("imsmanifest.xml"))),
               {{QStringLiteral("IDENTIFIER"),
                 QStringLiteral("acronym-") + QString::fromLatin1(puzzle.toHex().left(16))},
                {QStringLiteral("TITLE"), xmlEscaped(exercise.title)}})
        .join(QString());
}

QString WriteScormPackage(const board::Exercise &exercise, const QString &path)
{
    QString error;
    const QByteArray package =
        zipped({{QStringLiteral("imsmanifest.xml"), ScormManifest(exercise).toUtf8()},
                {QString::fromLatin1(scormPage), WebPage(exercise).toUtf8()}},
               &error);
    QSaveFile file(path);
    if (package.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(package) < 0 ||
        !file.commit()) {
        return QCoreApplication::translate("web", R"(cannot write "%1": %2)")
            .arg(path, error.isEmpty() ? file.errorString() : error);
    }
    return {};
}

} // namespace web
